#include "print/sheetlayout.h"
#include "print/sheetmath.h"
#include "tests/print/layout_helpers.h"

#include <gtest/gtest.h>

namespace bks::test {
namespace {

// Both blocks' ops, split at the sheet number.
struct TwoBlocks {
    std::vector<RecordedOp> all, first, second;  // first = drawn first (left block)
    RecordedOp number;
};

TwoBlocks drawTwo(const SheetSettings &settings, const QString &pair = QStringLiteral("山川"),
                  qint16 number = 7, double widthMm = 200, const std::array<QString, 2> &examples = {})
{
    RecordingSurface s(widthMm);
    printPractice(s, 2, SheetContent{pair, number, examples}, settings);
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

// The worked positions for U = 11, D = 145, scale 0.9, no offset.
TEST(TwoCharSheet, WorkedPositions)
{
    SheetSettings settings = sheetSettings();
    const TwoBlocks b = drawTwo(settings, QStringLiteral("山川"), 7, 200,
                                {QStringLiteral("一二三四五六七八九十"), QStringLiteral("上下")});
    for (const int block : {0, 1}) {
        const double X0 = block == 0 ? 0 : 145;
        const auto &ops = block == 0 ? b.first : b.second;
        const QString ch = block == 0 ? QStringLiteral("川") : QStringLiteral("山");  // right block: first
        const auto model = printsOf(ops, ch);
        ASSERT_EQ(model.size(), 7u);
        EXPECT_EQ(Pos(model[0].x, model[0].y), Pos(X0 + 77, 11));
        EXPECT_EQ(model[0].fontSize, 107);
        EXPECT_EQ(model[0].colour, 0);
        const std::vector<Pos> tracing(positions({model.begin() + 1, model.end()}));
        EXPECT_EQ(tracing, (std::vector<Pos>{{X0 + 77, 99},
                                             {X0 + 77, 121},
                                             {X0 + 77, 143},
                                             {X0 + 99, 99},
                                             {X0 + 99, 121},
                                             {X0 + 99, 143}}));
        EXPECT_EQ(model[1].fontSize, 53);
        EXPECT_EQ(model[1].colour, 12632256);

        const auto title = spelled(ops, QStringLiteral("漢字練習帳"));
        EXPECT_EQ(Pos(title[2].x, title[2].y), Pos(X0 + 125, 29));
        EXPECT_EQ(title[0].fontSize, 17);
        EXPECT_EQ(Pos(spelled(ops, QStringLiteral("名前"))[1].x, spelled(ops, QStringLiteral("名前"))[1].y),
                  Pos(X0 + 125, 109));
        const auto on = spelled(ops, QStringLiteral("音読み"));
        EXPECT_EQ(Pos(on[1].x, on[1].y), Pos(X0 + 114, 61));
        EXPECT_EQ(on[0].fontSize, 8);
        EXPECT_EQ(spelled(ops, QStringLiteral("訓読み"))[0].x, X0 + 92);
        EXPECT_EQ(Pos(spelled(ops, QStringLiteral("部首"))[0].x, spelled(ops, QStringLiteral("部首"))[0].y),
                  Pos(X0 + 114, 167));
        EXPECT_EQ(spelled(ops, QStringLiteral("画数"))[1].y, 171);
        EXPECT_EQ(spelled(ops, QStringLiteral("画数"))[1].x, X0 + 92);
        const auto sentence = spelled(ops, QStringLiteral("文作り"));
        EXPECT_EQ(positions(sentence), (std::vector<Pos>{{X0 + 26, 13}, {X0 + 26, 17}, {X0 + 26, 21}}));
        EXPECT_EQ(sentence[0].colour, 0);
    }
    // The example texts: Text51 in the left block, the first eight of Text50 on the right.
    const auto left = spelled(b.first, QStringLiteral("上下"));
    EXPECT_EQ(positions(left), (std::vector<Pos>{{55, 11}, {55, 33}}));
    EXPECT_EQ(left[0].colour, 12632256);
    const auto right = spelled(b.second, QStringLiteral("一二三四五六七八"));
    ASSERT_EQ(right.size(), 8u);
    EXPECT_EQ(Pos(right[7].x, right[7].y), Pos(145 + 55, 165));
    EXPECT_TRUE(printsOf(b.all, QStringLiteral("九")).empty());

    EXPECT_EQ(Pos(b.number.x, b.number.y), Pos(142, 189));
    EXPECT_EQ(b.number.fontSize, 8);
    EXPECT_EQ(b.number.text, QStringLiteral(" 7"));
    EXPECT_EQ(b.number.orientation, PrintSurface::Landscape);
    EXPECT_EQ(b.number.scaleMode, PrintSurface::Millimetres);
}

TEST(TwoCharSheet, ScaleSpacingAndOffset)
{
    SheetSettings settings = sheetSettings();
    settings.fontScale = 0.8f;
    settings.lineSpacing = 5;
    settings.printOffset = -6;
    const TwoBlocks b = drawTwo(settings, QStringLiteral("山川"), 7, 200, {QStringLiteral("一"), {}});
    const auto right = printsOf(b.second, QStringLiteral("山"));
    // m = 12; the first-character block starts 140 mm to the right.
    EXPECT_EQ(Pos(right[0].x, right[0].y), Pos(140 + 12 + 66, 12));
    EXPECT_EQ(right[0].fontSize, 96);
    EXPECT_EQ(Pos(right[1].x, right[1].y), Pos(140 + 12 + 66 - 6, 12 + 88));
    EXPECT_EQ(right[4].x, 140 + 12 + 88 - 6);
    EXPECT_EQ(right[1].fontSize, 48);
    EXPECT_EQ(Pos(printsOf(b.second, QStringLiteral("一"))[0].x,
                  printsOf(b.second, QStringLiteral("一"))[0].y),
              Pos(140 + 12 + 44, 12));  // the sentence column is not shifted
    EXPECT_EQ(spelled(b.second, QStringLiteral("漢字"))[0].fontSize, 16);
    EXPECT_EQ(spelled(b.second, QStringLiteral("音読"))[0].fontSize, 8);
    EXPECT_EQ(spelled(b.second, QStringLiteral("漢字"))[0].x, 140 + 125);

    // A width of 204 mm rounds 11.5 to the even 12.
    const TwoBlocks wide = drawTwo(sheetSettings(), QStringLiteral("山川"), 7, 204);
    EXPECT_EQ(printsOf(wide.first, QStringLiteral("川"))[0].x, 11 + 72);
    EXPECT_EQ(Pos(wide.number.x, wide.number.y), Pos(12 * 12 + 10, 16 * 12 + 13));
}

TEST(TwoCharSheet, BothBlocksDrawTheSameLinesTheBlockShiftApart)
{
    SheetSettings settings = sheetSettings();
    for (const float spacing : {0.0f, 5.0f}) {
        settings.lineSpacing = spacing;
        const TwoBlocks b = drawTwo(settings);
        const auto left = opsOf(b.first, RecordedOp::Line);
        const auto right = opsOf(b.second, RecordedOp::Line);
        ASSERT_EQ(left.size(), 29u);
        ASSERT_EQ(right.size(), left.size());
        for (size_t i = 0; i < left.size(); ++i) {
            EXPECT_EQ(right[i].x1 - left[i].x1, 145 - spacing) << i;
            EXPECT_EQ(right[i].x2 - left[i].x2, 145 - spacing) << i;
            EXPECT_EQ(std::tie(right[i].y1, right[i].y2, right[i].flags, right[i].drawStyle),
                      std::tie(left[i].y1, left[i].y2, left[i].flags, left[i].drawStyle));
            EXPECT_EQ(left[i].colour, 0);
        }
    }
}

TEST(TwoCharSheet, PairsOfOneOrNoCharacterAndTracingOff)
{
    SheetSettings settings = sheetSettings();
    EXPECT_EQ(printsOf(drawTwo(settings, QStringLiteral("山")).all, QStringLiteral("山")).size(), 14u);
    const TwoBlocks none = drawTwo(settings, QString());
    EXPECT_EQ(opsOf(none.all, RecordedOp::Line).size(), 58u);
    EXPECT_EQ(opsOf(none.all, RecordedOp::Print).size(), 2u * 26 + 1);  // headings and the number
    settings.tracing = false;
    const TwoBlocks off = drawTwo(settings, QStringLiteral("山川"), 7, 200,
                                  {QStringLiteral("上"), QStringLiteral("下")});
    EXPECT_EQ(printsOf(off.all, QStringLiteral("山")).size(), 1u);
    EXPECT_EQ(printsOf(off.first, QStringLiteral("下")).size(), 1u);
    EXPECT_EQ(printsOf(off.second, QStringLiteral("上"))[0].colour, 12632256);
}

TEST(TwoCharSheet, NegativeNumberAndFailuresPropagate)
{
    EXPECT_EQ(drawTwo(sheetSettings(), QStringLiteral("山川"), -3).number.text, QStringLiteral("-3"));

    // Every sheet reads the portrait width of its new document.
    RecordingSurface twice;
    printPractice(twice, 2, SheetContent{QStringLiteral("山川"), 1, {}}, sheetSettings());
    printPractice(twice, 2, SheetContent{QStringLiteral("山川"), 2, {}}, sheetSettings());
    const auto sheets = twice.sheets();
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(printsOf(sheets[1], QStringLiteral("川"))[0].x, 77);

    RecordingSurface failing;
    failing.failFrom(20);
    EXPECT_THROW(printPractice(failing, 2, SheetContent{QStringLiteral("山川"), 1, {}}, sheetSettings()),
                 PrintSurfaceError);
    EXPECT_EQ(failing.ops().size(), 8u);  // the lines drawn before the failing call

    // Coordinates are 16-bit: an absurd width overflows.
    RecordingSurface huge(40000.0);
    EXPECT_THROW(printPractice(huge, 2, SheetContent{QStringLiteral("山川"), 1, {}}, sheetSettings()),
                 RunTimeFailure);
    SheetSettings badShade = sheetSettings();
    badShade.traceShade = QStringLiteral("grey");
    RecordingSurface shade;
    EXPECT_THROW(printPractice(shade, 2, SheetContent{QStringLiteral("山川"), 1, {}}, badShade),
                 RunTimeFailure);
}

}  // namespace
}  // namespace bks::test
