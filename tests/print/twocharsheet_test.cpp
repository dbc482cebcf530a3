#include "print/layouts/sheetlayout.h"
#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"
#include "tests/print/layout_helpers.h"

#include <gtest/gtest.h>

#include <set>

namespace bks::test {
namespace {

const int kShade = 12632256;

// Both blocks' ops, split at the sheet number.
struct TwoBlocks {
    std::vector<RecordedOp> all, first, second;  // first = drawn first (left block)
    RecordedOp number;
};

TwoBlocks drawTwo(const SheetSettings &settings, const QString &pair = QStringLiteral("山川"),
                  const std::array<QString, 2> &examples = {}, qint16 number = 7, double widthMm = 200)
{
    RecordingSurface s(widthMm);
    printPractice(s, 2, practiceContent(pair, number, examples), settings);
    TwoBlocks b;
    b.all = s.ops();
    bool after = false;
    for (const RecordedOp &op : b.all) {
        if (op.kind == RecordedOp::Print && op.text == numberText(number)) {
            b.number = op;
            after = true;
        } else if (op.kind == RecordedOp::Print || op.kind == RecordedOp::Line) {
            (after ? b.second : b.first).push_back(op);
        }
    }
    EXPECT_EQ(s.sheets().size(), 1u);
    return b;
}

// The tracing copies of a block: its character less the model, drawn first.
std::vector<RecordedOp> tracingOf(const std::vector<RecordedOp> &block, const QString &ch)
{
    auto all = printsOf(block, ch);
    return all.empty() ? all : std::vector<RecordedOp>(all.begin() + 1, all.end());
}

TEST(TwoCharSheet, TheRightBlockHoldsTheFirstCharacterAndItsExampleCutAtEight)
{
    const TwoBlocks b = drawTwo(sheetSettings(), QStringLiteral("山川"),
                                {QStringLiteral("一二三四五六七八九十"), QStringLiteral("上下")});
    EXPECT_EQ(printsOf(b.second, QStringLiteral("山")).size(), 7u);
    EXPECT_TRUE(printsOf(b.second, QStringLiteral("川")).empty());
    EXPECT_EQ(printsOf(b.first, QStringLiteral("川")).size(), 7u);
    EXPECT_TRUE(printsOf(b.first, QStringLiteral("山")).empty());
    EXPECT_GT(printsOf(b.second, QStringLiteral("山"))[0].x, printsOf(b.first, QStringLiteral("川"))[0].x);

    // Each example runs down its own block, one character a square, in the
    // tracing shade.
    const auto left = spelled(b.first, QStringLiteral("上下"));
    EXPECT_TRUE(runsDown(left));
    EXPECT_EQ(left[0].colour, kShade);
    const auto right = spelled(b.second, QStringLiteral("一二三四五六七八"));
    EXPECT_TRUE(runsDown(right));
    EXPECT_TRUE(printsOf(b.all, QStringLiteral("九")).empty());
    EXPECT_TRUE(printsOf(b.all, QStringLiteral("十")).empty());

    // Every heading in both blocks, in black, one character under the other.
    for (const auto *block : {&b.first, &b.second}) {
        for (int k = 1; k <= 7; ++k) {
            const auto heading = spelled(*block, sheetSettings().headings[size_t(k)]);
            EXPECT_TRUE(runsDown(heading)) << k;
            EXPECT_EQ(heading.at(0).colour, 0) << k;
        }
    }
    EXPECT_EQ(b.number.text, QStringLiteral(" 7"));
    EXPECT_EQ(b.number.orientation, PrintSurface::Landscape);
    EXPECT_EQ(b.number.scaleMode, PrintSurface::Millimetres);
}

TEST(TwoCharSheet, ModelAboveSixTracingCopiesInTwoColumnsOfThree)
{
    SheetSettings settings = sheetSettings();
    const TwoBlocks b = drawTwo(settings);
    const RecordedOp model = printsOf(b.second, QStringLiteral("山"))[0];
    EXPECT_EQ(model.colour, 0);
    const auto tracing = tracingOf(b.second, QStringLiteral("山"));
    ASSERT_EQ(tracing.size(), 6u);
    EXPECT_TRUE(runsDown({tracing.begin(), tracing.begin() + 3}));
    EXPECT_TRUE(runsDown({tracing.begin() + 3, tracing.end()}));
    EXPECT_GT(tracing[3].x, tracing[0].x);
    for (const RecordedOp &op : tracing) {
        EXPECT_GT(op.y, model.y);
        EXPECT_EQ(op.colour, kShade);
    }

    settings.tracing = false;
    const TwoBlocks off = drawTwo(settings);
    EXPECT_EQ(printsOf(off.all, QStringLiteral("山")).size(), 1u);
    EXPECT_EQ(printsOf(off.all, QStringLiteral("川")).size(), 1u);
    EXPECT_EQ(opsOf(off.all, RecordedOp::Line).size(), opsOf(b.all, RecordedOp::Line).size());
}

struct TwoSizes {
    float scale;
    double model, tracing, example, title, reading, number;
};

class TwoCharSizes : public testing::TestWithParam<TwoSizes> {};

TEST_P(TwoCharSizes, EveryTextHasItsSize)
{
    const TwoSizes z = GetParam();
    SheetSettings settings = sheetSettings();
    settings.fontScale = z.scale;
    const TwoBlocks b = drawTwo(settings, QStringLiteral("山川"), {QStringLiteral("一"), {}});
    const auto model = printsOf(b.second, QStringLiteral("山"));
    EXPECT_EQ(model[0].fontSize, z.model);
    EXPECT_EQ(model[1].fontSize, z.tracing);
    EXPECT_EQ(printsOf(b.second, QStringLiteral("一"))[0].fontSize, z.example);
    EXPECT_EQ(spelled(b.second, QStringLiteral("漢字"))[0].fontSize, z.title);
    EXPECT_EQ(spelled(b.second, QStringLiteral("音読"))[0].fontSize, z.reading);
    EXPECT_EQ(b.number.fontSize, z.number);
}

INSTANTIATE_TEST_SUITE_P(Scales, TwoCharSizes,
                         testing::Values(TwoSizes{0.9f, 107, 53, 53, 17, 8, 8},
                                         TwoSizes{0.8f, 96, 48, 48, 16, 8, 8}));

TEST(TwoCharSheet, TheShiftMovesOnlyTheTracingCopiesByItsMillimetres)
{
    SheetSettings settings = sheetSettings();
    const std::array<QString, 2> examples{QStringLiteral("一"), QStringLiteral("二")};
    const TwoBlocks still = drawTwo(settings, QStringLiteral("山川"), examples);
    for (const float offset : {-6.0f, 4.0f}) {
        settings.printOffset = offset;
        const TwoBlocks moved = drawTwo(settings, QStringLiteral("山川"), examples);
        for (const QString &ch : {QStringLiteral("山"), QStringLiteral("川")}) {
            const auto before = printsOf(still.all, ch), after = printsOf(moved.all, ch);
            ASSERT_EQ(after.size(), before.size());
            EXPECT_EQ(Pos(after[0].x, after[0].y), Pos(before[0].x, before[0].y));  // the model stays
            for (size_t i = 1; i < after.size(); ++i)
                EXPECT_EQ(Pos(after[i].x, after[i].y), Pos(before[i].x + offset, before[i].y));
        }
        for (const QString &text : {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("漢"),
                                    QStringLiteral("名"), QStringLiteral(" 7")}) {
            EXPECT_EQ(positions(printsOf(moved.all, text)), positions(printsOf(still.all, text)));
        }
        EXPECT_EQ(positions(opsOf(moved.all, RecordedOp::Line)),
                  positions(opsOf(still.all, RecordedOp::Line)));
    }
}

// How far the right block's lines lie from the left block's: the same for
// every line.
double blockDistance(const TwoBlocks &b)
{
    const auto left = opsOf(b.first, RecordedOp::Line), right = opsOf(b.second, RecordedOp::Line);
    EXPECT_EQ(right.size(), left.size());
    const double d = right.at(0).x1 - left.at(0).x1;
    for (size_t i = 0; i < left.size() && i < right.size(); ++i) {
        EXPECT_EQ(right[i].x1 - left[i].x1, d) << i;
        EXPECT_EQ(right[i].x2 - left[i].x2, d) << i;
        EXPECT_EQ(std::tie(right[i].y1, right[i].y2, right[i].flags, right[i].drawStyle),
                  std::tie(left[i].y1, left[i].y2, left[i].flags, left[i].drawStyle));
        EXPECT_EQ(left[i].colour, 0);
    }
    return d;
}

TEST(TwoCharSheet, BothBlocksDrawTheSameLinesAndSpacingBringsThemFiveCloser)
{
    SheetSettings settings = sheetSettings();
    const double apart = blockDistance(drawTwo(settings));
    settings.lineSpacing = 5;
    EXPECT_EQ(blockDistance(drawTwo(settings)), apart - 5);
}

// The distance between the two tracing columns of the right block.
double squareOnPage(double widthMm)
{
    const auto tracing = tracingOf(drawTwo(sheetSettings(), QStringLiteral("山川"), {}, 7, widthMm).second,
                                   QStringLiteral("山"));
    return tracing.at(3).x - tracing.at(0).x;
}

TEST(TwoCharSheet, SquaresFollowThePageWidthRoundingHalvesToEven)
{
    EXPECT_LT(squareOnPage(200), squareOnPage(204));
    EXPECT_EQ(squareOnPage(204), squareOnPage(212));  // a half rounds up to even
    EXPECT_EQ(squareOnPage(220), squareOnPage(212));  // and down to even
    EXPECT_LT(squareOnPage(220), squareOnPage(228));
}

TEST(TwoCharSheet, PairsOfOneOrNoCharacter)
{
    const TwoBlocks full = drawTwo(sheetSettings());
    // A lone character is shown in both blocks.
    EXPECT_EQ(printsOf(drawTwo(sheetSettings(), QStringLiteral("山")).all, QStringLiteral("山")).size(), 14u);
    // No character: the grid, the headings and the number, nothing else.
    const TwoBlocks none = drawTwo(sheetSettings(), QString());
    EXPECT_EQ(opsOf(none.all, RecordedOp::Line).size(), opsOf(full.all, RecordedOp::Line).size());
    QString headings;
    for (const QString &h : sheetSettings().headings)
        headings += h;
    std::vector<RecordedOp> blocks = opsOf(none.first, RecordedOp::Print);
    for (const RecordedOp &op : opsOf(none.second, RecordedOp::Print))
        blocks.push_back(op);
    for (const RecordedOp &op : blocks)
        EXPECT_TRUE(headings.contains(op.text)) << op.text.toStdString();
    EXPECT_EQ(blocks.size(), 2 * size_t(headings.size()));
    EXPECT_EQ(none.number.text, QStringLiteral(" 7"));
}

TEST(TwoCharSheet, NegativeNumberAndFailuresPropagate)
{
    EXPECT_EQ(drawTwo(sheetSettings(), QStringLiteral("山川"), {}, -3).number.text, QStringLiteral("-3"));

    // Every sheet reads the portrait width of its new document.
    RecordingSurface twice;
    printPractice(twice, 2, practiceContent(QStringLiteral("山川"), 1), sheetSettings());
    printPractice(twice, 2, practiceContent(QStringLiteral("山川"), 2), sheetSettings());
    const auto sheets = twice.sheets();
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(printsOf(sheets[1], QStringLiteral("川"))[0].x, printsOf(sheets[0], QStringLiteral("川"))[0].x);

    // A failing call ends the sheet there: what was drawn stays, nothing follows.
    RecordingSurface failing;
    failing.failFrom(20);
    EXPECT_THROW(printPractice(failing, 2, practiceContent(QStringLiteral("山川"), 1), sheetSettings()),
                 PrintSurfaceError);
    EXPECT_FALSE(failing.ops().empty());
    EXPECT_LT(failing.ops().size(), sheets[0].size());
    EXPECT_NE(failing.ops().back().kind, RecordedOp::EndDoc);

    // Coordinates are 16-bit: an absurd width overflows.
    RecordingSurface huge(40000.0);
    EXPECT_THROW(printPractice(huge, 2, practiceContent(QStringLiteral("山川"), 1), sheetSettings()),
                 RunTimeFailure);
    SheetSettings badShade = sheetSettings();
    badShade.traceShade = QStringLiteral("grey");
    RecordingSurface shade;
    EXPECT_THROW(printPractice(shade, 2, practiceContent(QStringLiteral("山川"), 1), badShade),
                 RunTimeFailure);
}

}  // namespace
}  // namespace bks::test
