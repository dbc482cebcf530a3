#include "print/sheetlayout.h"
#include "print/sheetmath.h"
#include "tests/print/layout_helpers.h"

#include <gtest/gtest.h>

namespace bks::test {
namespace {

SheetSettings verticalSettings()
{
    return sheetSettings(QStringLiteral("@IPAexMincho"));
}

std::vector<RecordedOp> drawOneVertical(const SheetSettings &settings, qint16 number = 7,
                                        const QString &example = {})
{
    RecordingSurface s;
    printPractice(s, 1, SheetContent{QStringLiteral("山"), number, {example, {}}}, settings);
    return s.ops();
}

TEST(OneCharSheetVertical, ModelTracingPracticeLineAndHeadings)
{
    SheetSettings settings = verticalSettings();
    settings.traceShade = QStringLiteral("14737632");
    const auto ops = drawOneVertical(settings, 7, QStringLiteral("上下"));
    const auto model = printsOf(ops, QStringLiteral("山"));
    ASSERT_EQ(model.size(), 7u);
    EXPECT_EQ(Pos(model[0].x, model[0].y), Pos(700, 2000));
    EXPECT_EQ(model[0].fontSize, 143);
    EXPECT_EQ(model[0].colour, 0);
    EXPECT_EQ(model[0].orientation, PrintSurface::Landscape);
    EXPECT_EQ(model[0].scaleMode, PrintSurface::Twips);
    EXPECT_EQ(positions({model.begin() + 1, model.end()}),
              (std::vector<Pos>{
                  {7750, 1750}, {9550, 1750}, {11350, 1750}, {7750, 3550}, {9550, 3550}, {11350, 3550}}));
    EXPECT_EQ(model[1].fontSize, 89);
    EXPECT_EQ(model[1].colour, 14737632);
    const auto line = spelled(ops, QStringLiteral("上下"));
    EXPECT_EQ(positions(line), (std::vector<Pos>{{700, 5400}, {2500, 5400}}));
    EXPECT_EQ(line[0].fontSize, 80);

    // Heading 1 keeps the tracing shade; the others are black.
    const auto title = spelled(ops, QStringLiteral("漢字練習帳"));
    EXPECT_EQ(positions(title),
              (std::vector<Pos>{{850, 1000}, {1350, 1000}, {1850, 1000}, {2350, 1000}, {2850, 1000}}));
    EXPECT_EQ(title[0].colour, 14737632);
    const auto name = spelled(ops, QStringLiteral("名前"));
    EXPECT_EQ(Pos(name[1].x, name[1].y), Pos(10130, 850));
    EXPECT_EQ(name[0].colour, 0);
    EXPECT_EQ(name[0].fontSize, 17);
    EXPECT_EQ(Pos(spelled(ops, QStringLiteral("訓読み"))[0].x, spelled(ops, QStringLiteral("訓読み"))[0].y),
              Pos(4600, 3900));
    EXPECT_EQ(spelled(ops, QStringLiteral("画数"))[1].x, 14000);
    const auto sentence = spelled(ops, QStringLiteral("文作りをしましょう"));
    EXPECT_EQ(Pos(sentence[2].x, sentence[2].y), Pos(870 + 600, 9250));
    EXPECT_EQ(sentence[2].fontSize, 17);

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

TEST(OneCharSheetVertical, SheetNumberRisesCharacterByCharacter)
{
    struct Case {
        qint16 number;
        std::vector<std::pair<const char16_t *, double>> expected;
    };
    const Case cases[] = {
        {7, {{u"　", 2000}, {u"７", 1700}}},
        {42, {{u"　", 2000}, {u"４", 1700}, {u"２", 1400}}},
        {-5, {{u"－", 2000}, {u"５", 1700}}},
        {100, {}},
        {-10, {{u"－", 2000}, {u"１", 1700}, {u"０", 1400}}},
        {-100, {}},
    };
    for (const Case &c : cases) {
        std::vector<RecordedOp> found;
        for (const RecordedOp &op : drawOneVertical(verticalSettings(), c.number))
            if (op.kind == RecordedOp::Print && op.x == 15500)
                found.push_back(op);
        ASSERT_EQ(found.size(), c.expected.size()) << c.number;
        for (size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].text, QString::fromUtf16(c.expected[i].first));
            EXPECT_EQ(found[i].y, c.expected[i].second);
            EXPECT_EQ(found[i].fontSize, 17);
            EXPECT_EQ(found[i].colour, 0);
        }
    }
}

std::vector<RecordedOp> drawTwoVertical(const SheetSettings &settings, qint16 number = 7,
                                        const std::array<QString, 2> &examples = {})
{
    RecordingSurface s;
    s.setOrientation(PrintSurface::Landscape);  // whatever the surface held before
    printPractice(s, 2, SheetContent{QStringLiteral("山川"), number, examples}, settings);
    EXPECT_EQ(s.sheets().size(), 1u);
    return s.ops();
}

TEST(TwoCharSheetVertical, WorkedPositions)
{
    SheetSettings settings = verticalSettings();
    const auto ops = drawTwoVertical(settings, 7, {QStringLiteral("一二"), QStringLiteral("上")});
    for (const auto &[ch, Y0] :
         {std::pair{QStringLiteral("山"), 0.0}, std::pair{QStringLiteral("川"), 146.0}}) {
        const auto model = printsOf(ops, ch);
        ASSERT_EQ(model.size(), 7u);
        EXPECT_EQ(Pos(model[0].x, model[0].y), Pos(11, Y0 + 21));
        EXPECT_EQ(model[0].fontSize, 125);
        EXPECT_EQ(model[0].orientation, PrintSurface::Portrait);
        EXPECT_EQ(model[0].scaleMode, PrintSurface::Millimetres);
        EXPECT_EQ(positions({model.begin() + 1, model.end()}), (std::vector<Pos>{{99, Y0 + 43},
                                                                                 {121, Y0 + 43},
                                                                                 {143, Y0 + 43},
                                                                                 {99, Y0 + 21},
                                                                                 {121, Y0 + 21},
                                                                                 {143, Y0 + 21}}));
        EXPECT_EQ(model[1].fontSize, 53);
        EXPECT_EQ(model[1].colour, 12632256);
        const Pos headings[] = {{15, Y0 + 5},   {98, Y0 + 5},   {54, Y0 + 21}, {54, Y0 + 43},
                                {164, Y0 + 21}, {164, Y0 + 43}, {10, Y0 + 109}};
        for (int k = 1; k <= 7; ++k) {
            std::vector<RecordedOp> found;
            for (const RecordedOp &op : printsOf(ops, settings.headings[k]))
                if (op.y >= Y0 && op.y < Y0 + 146)
                    found.push_back(op);
            ASSERT_EQ(found.size(), 1u) << k;  // the whole text in one call
            EXPECT_EQ(Pos(found[0].x, found[0].y), headings[k - 1]) << k;
            EXPECT_EQ(found[0].fontSize, 17);
            EXPECT_EQ(found[0].colour, 0);
        }
    }
    const auto top = spelled(ops, QStringLiteral("一二"));
    EXPECT_EQ(positions(top), (std::vector<Pos>{{11, 66}, {33, 66}}));
    EXPECT_EQ(top[0].colour, 12632256);
    EXPECT_EQ(Pos(printsOf(ops, QStringLiteral("上"))[0].x, printsOf(ops, QStringLiteral("上"))[0].y),
              Pos(11, 146 + 66));
    const auto number = printsOf(ops, QStringLiteral(" 7"));
    ASSERT_EQ(number.size(), 1u);
    EXPECT_EQ(Pos(number[0].x, number[0].y), Pos(175, 131));
    EXPECT_EQ(number[0].fontSize, 8);
    // The number comes between the two blocks.
    const auto prints = opsOf(ops, RecordedOp::Print);
    size_t numberAt = 0, secondModelAt = 0;
    for (size_t i = 0; i < prints.size(); ++i) {
        if (prints[i].text == QStringLiteral(" 7"))
            numberAt = i;
        if (prints[i].text == QStringLiteral("川") && secondModelAt == 0)
            secondModelAt = i;
    }
    EXPECT_LT(numberAt, secondModelAt);
}

TEST(TwoCharSheetVertical, ScaleSpacingAndOffset)
{
    SheetSettings settings = verticalSettings();
    settings.lineSpacing = 5;
    settings.printOffset = 4;
    auto ops = drawTwoVertical(settings);
    auto bottom = printsOf(ops, QStringLiteral("川"));
    EXPECT_EQ(Pos(bottom[0].x, bottom[0].y), Pos(11, 141 + 21 - 4));
    EXPECT_EQ(bottom[1].y, 141 + 43 - 4);
    EXPECT_EQ(printsOf(ops, QStringLiteral("山"))[4].y, 21 - 4);
    EXPECT_EQ(printsOf(ops, settings.headings[1])[1].y, 141 + 5);  // headings stay

    settings = verticalSettings();
    settings.fontScale = 0.8f;
    ops = drawTwoVertical(settings);
    const auto top = printsOf(ops, QStringLiteral("山"));
    EXPECT_EQ(Pos(top[0].x, top[0].y), Pos(12, 23));  // m = 12, n = 23
    EXPECT_EQ(top[0].fontSize, 112);
    EXPECT_EQ(printsOf(ops, settings.headings[2])[0].fontSize, 16);
}

TEST(TwoCharSheetVertical, BothBlocksDrawTheSameLinesTheBlockShiftApart)
{
    SheetSettings settings = verticalSettings();
    for (const float spacing : {0.0f, 5.0f}) {
        settings.lineSpacing = spacing;
        const auto lines = opsOf(drawTwoVertical(settings), RecordedOp::Line);
        ASSERT_EQ(lines.size(), 58u);
        for (size_t i = 0; i < 29; ++i) {
            const RecordedOp &top = lines[i], &bottom = lines[i + 29];
            EXPECT_EQ(bottom.y1 - top.y1, 146 - spacing) << i;
            EXPECT_EQ(bottom.y2 - top.y2, 146 - spacing) << i;
            EXPECT_EQ(std::tie(bottom.x1, bottom.x2, bottom.flags, bottom.drawStyle),
                      std::tie(top.x1, top.x2, top.flags, top.drawStyle));
        }
    }
}

TEST(TwoCharSheetVertical, FailuresPropagate)
{
    RecordingSurface s;
    s.failFrom(3);
    EXPECT_THROW(printPractice(s, 2, SheetContent{QStringLiteral("山川"), 1, {}}, verticalSettings()),
                 PrintSurfaceError);
    RecordingSurface huge(40000.0);
    EXPECT_THROW(printPractice(huge, 2, SheetContent{QStringLiteral("山川"), 1, {}}, verticalSettings()),
                 RunTimeFailure);
}

}  // namespace
}  // namespace bks::test
