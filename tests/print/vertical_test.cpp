#include "print/layouts/sheetlayout.h"
#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"
#include "tests/print/layout_helpers.h"

#include <gtest/gtest.h>

namespace bks::test {
namespace {

const int kShade = 12632256;

SheetSettings verticalSettings()
{
    return sheetSettings(QStringLiteral("@IPAexMincho"));
}

std::vector<RecordedOp> drawOneVertical(const SheetSettings &settings, qint16 number = 7,
                                        const QString &example = {})
{
    RecordingSurface s;
    printPractice(s, 1, practiceContent(QStringLiteral("山"), number, {example, {}}), settings);
    return s.ops();
}

TEST(OneCharSheetVertical, ModelTracingPracticeLineAndHeadings)
{
    SheetSettings settings = verticalSettings();
    settings.traceShade = QStringLiteral("14737632");
    const auto ops = drawOneVertical(settings, 7, QStringLiteral("上下"));
    const auto model = printsOf(ops, QStringLiteral("山"));
    ASSERT_EQ(model.size(), 7u);
    EXPECT_EQ(model[0].fontSize, 143);
    EXPECT_EQ(model[0].colour, 0);
    EXPECT_EQ(model[0].orientation, PrintSurface::Landscape);
    EXPECT_EQ(model[0].scaleMode, PrintSurface::Twips);
    // Two rows of three tracing copies to the right of the model.
    EXPECT_TRUE(runsRight({model.begin() + 1, model.begin() + 4}));
    EXPECT_TRUE(runsRight({model.begin() + 4, model.end()}));
    EXPECT_GT(model[4].y, model[1].y);
    for (size_t i = 1; i < model.size(); ++i) {
        EXPECT_GT(model[i].x, model[0].x);
        EXPECT_EQ(model[i].fontSize, 89);
        EXPECT_EQ(model[i].colour, 14737632);
    }
    const auto line = spelled(ops, QStringLiteral("上下"));
    EXPECT_TRUE(runsRight(line));
    EXPECT_EQ(line[0].fontSize, 80);

    // Heading 1 keeps the tracing shade; the others are black.
    const auto title = spelled(ops, QStringLiteral("漢字練習帳"));
    EXPECT_TRUE(runsRight(title));
    EXPECT_EQ(title[0].colour, 14737632);
    for (int k = 2; k <= 7; ++k) {
        const auto heading = spelled(ops, settings.headings[size_t(k)]);
        EXPECT_TRUE(runsRight(heading)) << k;
        EXPECT_EQ(heading.at(0).colour, 0) << k;
        EXPECT_EQ(heading.at(0).fontSize, k == 7 ? 8 : 17) << k;
        // Each character clear of the next: an em (20 twips a point) apart.
        EXPECT_GE(heading.at(1).x - heading.at(0).x, heading.at(0).fontSize * 20) << k;
    }

    settings.tracing = false;
    settings.fontScale = 0.8f;
    const auto off = printsOf(drawOneVertical(settings), QStringLiteral("山"));
    ASSERT_EQ(off.size(), 1u);
    EXPECT_EQ(off[0].fontSize, 128);
}

TEST(OneCharSheetVertical, BandAndGrid)
{
    const auto lines = opsOf(drawOneVertical(verticalSettings()), RecordedOp::Line);
    ASSERT_EQ(lines.size(), 32u);
    int dashed = 0;
    for (const RecordedOp &l : lines)
        dashed += l.drawStyle == PrintSurface::Dashed;
    EXPECT_EQ(dashed, 13);
}

// The sheet number: what is printed after the grid.
std::vector<RecordedOp> numberOf(const std::vector<RecordedOp> &ops)
{
    std::vector<RecordedOp> out;
    for (const RecordedOp &op : ops) {
        if (op.kind == RecordedOp::Line)
            out.clear();
        else if (op.kind == RecordedOp::Print)
            out.push_back(op);
    }
    return out;
}

TEST(OneCharSheetVertical, SheetNumberRisesCharacterByCharacter)
{
    const std::pair<qint16, const char16_t *> cases[] = {
        {7, u"　７"}, {42, u"　４２"}, {-5, u"－５"}, {-10, u"－１０"}, {100, u""}, {-100, u""},
    };
    for (const auto &[number, text] : cases) {
        SCOPED_TRACE(number);
        const auto found = numberOf(drawOneVertical(verticalSettings(), number));
        const QString expected = QString::fromUtf16(text);
        ASSERT_EQ(found.size(), size_t(expected.size()));
        for (size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].text, QString(expected.at(qsizetype(i))));
            EXPECT_EQ(found[i].x, found[0].x);
            if (i > 0) {
                EXPECT_LT(found[i].y, found[i - 1].y);
            }
            EXPECT_EQ(found[i].fontSize, 17);
            EXPECT_EQ(found[i].colour, 0);
        }
    }
}

std::vector<RecordedOp> drawTwoVertical(const SheetSettings &settings,
                                        const std::array<QString, 2> &examples = {})
{
    RecordingSurface s;
    s.setOrientation(PrintSurface::Landscape);  // whatever the surface held before
    printPractice(s, 2, practiceContent(QStringLiteral("山川"), 7, examples), settings);
    EXPECT_EQ(s.sheets().size(), 1u);
    return s.ops();
}

TEST(TwoCharSheetVertical, TheTopBlockHoldsTheFirstCharacterThenTheNumberThenTheSecond)
{
    const auto ops = drawTwoVertical(verticalSettings(), {QStringLiteral("一二"), QStringLiteral("上")});
    const auto top = printsOf(ops, QStringLiteral("山")), bottom = printsOf(ops, QStringLiteral("川"));
    ASSERT_EQ(top.size(), 7u);
    ASSERT_EQ(bottom.size(), 7u);
    EXPECT_LT(top[0].y, bottom[0].y);
    for (const auto *block : {&top, &bottom}) {
        const auto &model = *block;
        EXPECT_EQ(model[0].fontSize, 125);
        EXPECT_EQ(model[0].orientation, PrintSurface::Portrait);
        EXPECT_EQ(model[0].scaleMode, PrintSurface::Millimetres);
        // Two rows of three to the right of the model, the second above the first.
        EXPECT_TRUE(runsRight({model.begin() + 1, model.begin() + 4}));
        EXPECT_TRUE(runsRight({model.begin() + 4, model.end()}));
        EXPECT_LT(model[4].y, model[1].y);
        EXPECT_GT(model[1].x, model[0].x);
        EXPECT_EQ(model[1].fontSize, 53);
        EXPECT_EQ(model[1].colour, kShade);
    }
    // Each heading is printed whole, once in each block.
    for (int k = 1; k <= 7; ++k) {
        const auto found = printsOf(ops, verticalSettings().headings[size_t(k)]);
        ASSERT_EQ(found.size(), 2u) << k;
        EXPECT_LT(found[0].y, bottom[0].y) << k;
        EXPECT_GT(found[1].y, top.back().y) << k;
        EXPECT_EQ(found[0].fontSize, 17);
        EXPECT_EQ(found[0].colour, 0);
    }
    const auto first = spelled(ops, QStringLiteral("一二"));
    EXPECT_TRUE(runsRight(first));
    EXPECT_EQ(first[0].colour, kShade);
    EXPECT_LT(first[0].y, bottom[0].y);
    EXPECT_GT(printsOf(ops, QStringLiteral("上")).at(0).y, top[0].y);

    const auto number = printsOf(ops, QStringLiteral(" 7"));
    ASSERT_EQ(number.size(), 1u);
    EXPECT_EQ(number[0].fontSize, 8);
    const auto prints = opsOf(ops, RecordedOp::Print);
    const auto at = [&](const QString &text) {
        return std::find_if(prints.begin(), prints.end(),
                            [&](const RecordedOp &op) { return op.text == text; });
    };
    EXPECT_LT(at(QStringLiteral("山")), at(QStringLiteral(" 7")));
    EXPECT_LT(at(QStringLiteral(" 7")), at(QStringLiteral("川")));
}

TEST(TwoCharSheetVertical, TheShiftRaisesModelAndTracingOnly)
{
    SheetSettings settings = verticalSettings();
    const std::array<QString, 2> examples{QStringLiteral("一"), QStringLiteral("上")};
    const auto still = drawTwoVertical(settings, examples);
    settings.printOffset = 4;
    const auto moved = drawTwoVertical(settings, examples);
    for (const QString &ch : {QStringLiteral("山"), QStringLiteral("川")}) {
        const auto before = printsOf(still, ch), after = printsOf(moved, ch);
        ASSERT_EQ(after.size(), before.size());
        for (size_t i = 0; i < after.size(); ++i)
            EXPECT_EQ(Pos(after[i].x, after[i].y), Pos(before[i].x, before[i].y - 4)) << i;
    }
    for (const QString &text : {settings.headings[1], settings.headings[7], QStringLiteral("一"),
                                QStringLiteral("上"), QStringLiteral(" 7")})
        EXPECT_EQ(positions(printsOf(moved, text)), positions(printsOf(still, text)));
}

TEST(TwoCharSheetVertical, TheSmallerSizeShrinksEveryText)
{
    SheetSettings settings = verticalSettings();
    settings.fontScale = 0.8f;
    const auto ops = drawTwoVertical(settings);
    const auto model = printsOf(ops, QStringLiteral("山"));
    EXPECT_EQ(model[0].fontSize, 112);
    EXPECT_EQ(model[1].fontSize, 48);
    EXPECT_EQ(printsOf(ops, settings.headings[2])[0].fontSize, 16);
    EXPECT_EQ(printsOf(ops, QStringLiteral(" 7"))[0].fontSize, 8);
}

// How far the bottom block's lines lie below the top block's: the same for
// every line.
double blockDistance(const std::vector<RecordedOp> &ops)
{
    const auto lines = opsOf(ops, RecordedOp::Line);
    EXPECT_EQ(lines.size() % 2, 0u);
    const size_t half = lines.size() / 2;
    const double d = lines.at(half).y1 - lines.at(0).y1;
    for (size_t i = 0; i < half; ++i) {
        const RecordedOp &top = lines[i], &bottom = lines[i + half];
        EXPECT_EQ(bottom.y1 - top.y1, d) << i;
        EXPECT_EQ(bottom.y2 - top.y2, d) << i;
        EXPECT_EQ(std::tie(bottom.x1, bottom.x2, bottom.flags, bottom.drawStyle),
                  std::tie(top.x1, top.x2, top.flags, top.drawStyle));
    }
    return d;
}

TEST(TwoCharSheetVertical, BothBlocksDrawTheSameLinesAndSpacingBringsThemFiveCloser)
{
    SheetSettings settings = verticalSettings();
    const double apart = blockDistance(drawTwoVertical(settings));
    settings.lineSpacing = 5;
    EXPECT_EQ(blockDistance(drawTwoVertical(settings)), apart - 5);
}

TEST(TwoCharSheetVertical, FailuresPropagate)
{
    RecordingSurface s;
    s.failFrom(3);
    EXPECT_THROW(printPractice(s, 2, practiceContent(QStringLiteral("山川"), 1), verticalSettings()),
                 PrintSurfaceError);
    RecordingSurface huge(40000.0);
    EXPECT_THROW(printPractice(huge, 2, practiceContent(QStringLiteral("山川"), 1), verticalSettings()),
                 RunTimeFailure);
}

}  // namespace
}  // namespace bks::test
