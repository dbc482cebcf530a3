#include "print/sheetlayout.h"
#include "tests/print/layout_helpers.h"

#include <gtest/gtest.h>

namespace bks::test {
namespace {

const double W = kPortraitW;
const double H = kPortraitH;

std::vector<RecordedOp> drawOne(const SheetSettings &settings, const QString &ch = QStringLiteral("山"),
                                qint16 number = 7, const QString &example = {})
{
    RecordingSurface s;
    printPractice(s, 1, SheetContent{ch, number, {example, {}}}, settings);
    EXPECT_EQ(s.ops().back().kind, RecordedOp::EndDoc);
    return s.ops();
}

struct Sizes {
    float scale;
    double model, tracing, practice, heading, number, heading7;
};

class OneCharSizes : public testing::TestWithParam<Sizes> {};

TEST_P(OneCharSizes, EveryTextHasItsSize)
{
    const Sizes z = GetParam();
    SheetSettings settings = sheetSettings();
    settings.fontScale = z.scale;
    const auto ops = drawOne(settings, QStringLiteral("山"), 7, QStringLiteral("山川"));
    const auto model = printsOf(ops, QStringLiteral("山"));
    ASSERT_EQ(model.size(), 8u);  // model, six tracing copies, the practice line's first
    EXPECT_EQ(model[0].fontSize, z.model);
    EXPECT_EQ(model[1].fontSize, z.tracing);
    EXPECT_EQ(model[7].fontSize, z.practice);
    EXPECT_EQ(spelled(ops, QStringLiteral("名前"))[0].fontSize, z.heading);
    EXPECT_EQ(spelled(ops, settings.headings[7])[0].fontSize, z.heading7);
    EXPECT_EQ(printsOf(ops, QStringLiteral("　７"))[0].fontSize, z.number);
}

INSTANTIATE_TEST_SUITE_P(Scales, OneCharSizes,
                         testing::Values(Sizes{0.9f, 143, 89, 80, 17, 13, 8},
                                         Sizes{0.8f, 128, 80, 72, 16, 12, 8}));

TEST(OneCharSheet, ModelTracingAndPracticeLine)
{
    SheetSettings settings = sheetSettings();
    const auto ops = drawOne(settings, QStringLiteral("山"), 7, QStringLiteral("上下左"));
    const auto model = printsOf(ops, QStringLiteral("山"));
    ASSERT_EQ(model.size(), 7u);
    EXPECT_EQ(Pos(model[0].x, model[0].y), Pos(W - 5400, 900));
    EXPECT_EQ(model[0].colour, 0);  // the colour the surface held: black
    const std::vector<Pos> tracing(positions({model.begin() + 1, model.end()}));
    const std::vector<Pos> expected{{W - 3800, 7650}, {W - 3800, 9450}, {W - 3800, 11250},
                                    {W - 5550, 7650}, {W - 5550, 9450}, {W - 5550, 11250}};
    EXPECT_EQ(tracing, expected);
    for (size_t i = 1; i < model.size(); ++i)
        EXPECT_EQ(model[i].colour, 12632256);

    const auto line = spelled(ops, QStringLiteral("上下左"));
    ASSERT_EQ(line.size(), 3u);
    EXPECT_EQ(positions(line), (std::vector<Pos>{{W - 7350, 500}, {W - 7350, 2300}, {W - 7350, 4100}}));
    EXPECT_EQ(line[2].colour, 12632256);
    EXPECT_EQ(ops.size(), 1u + 6 + 3 + 26 + 1 + 33 + 1);  // nothing below the third character
}

TEST(OneCharSheet, ShiftMovesOnlyTheTracingColumnsAndTracingCanBeOff)
{
    SheetSettings settings = sheetSettings();
    settings.printOffset = 4;
    for (int run = 0; run < 2; ++run) {  // twice in a row: the same place
        const auto model = printsOf(drawOne(settings), QStringLiteral("山"));
        ASSERT_EQ(model.size(), 7u);
        EXPECT_EQ(model[0].x, W - 5400);
        // "右へ4ミリメートル" is 4 mm on paper.
        EXPECT_NEAR((model[1].x - (W - 3800)) / kTwipsPerMm, 4, 0.01);
        EXPECT_NEAR((model[4].x - (W - 5550)) / kTwipsPerMm, 4, 0.01);
    }
    EXPECT_EQ(settings.printOffset, 4);

    settings.printOffset = -6;
    EXPECT_NEAR((printsOf(drawOne(settings), QStringLiteral("山"))[1].x - (W - 3800)) / kTwipsPerMm, -6,
                0.01);

    settings.tracing = false;
    const auto off = drawOne(settings);
    EXPECT_EQ(printsOf(off, QStringLiteral("山")).size(), 1u);
    EXPECT_EQ(opsOf(off, RecordedOp::Line).size(), 33u);
}

TEST(OneCharSheet, HeadingsRunDownwardsInTheirOrder)
{
    SheetSettings settings = sheetSettings();
    settings.headings[6].clear();  // an empty heading prints nothing
    const auto ops = drawOne(settings, QString());
    const auto prints = opsOf(ops, RecordedOp::Print);
    // No model or tracing character for an empty CurrentChar: the name comes first.
    EXPECT_EQ(prints[0].text, QStringLiteral("名"));
    const auto title = spelled(ops, QStringLiteral("漢字練習帳"));
    ASSERT_EQ(title.size(), 5u);
    EXPECT_EQ(Pos(title[0].x, title[0].y), Pos(W - 1350, 900));
    EXPECT_EQ(Pos(title[4].x, title[4].y), Pos(W - 1350, 2900));
    EXPECT_EQ(title[0].colour, 0);
    const auto name = spelled(ops, QStringLiteral("名前"));
    EXPECT_EQ(positions(name), (std::vector<Pos>{{W - 1350, 9400}, {W - 1350, 9900}}));
    EXPECT_EQ(spelled(ops, QStringLiteral("音読み"))[2].y, 5900);
    EXPECT_EQ(spelled(ops, QStringLiteral("音読み"))[0].x, W - 2450);
    EXPECT_EQ(spelled(ops, QStringLiteral("訓読み"))[0].x, W - 4350);
    EXPECT_EQ(Pos(spelled(ops, QStringLiteral("部首"))[1].x, spelled(ops, QStringLiteral("部首"))[1].y),
              Pos(W - 2450, 13900));
    EXPECT_TRUE(spelled(ops, QStringLiteral("画数")).empty());
    const auto sentence = spelled(ops, QStringLiteral("文作りをしましょう"));
    EXPECT_EQ(Pos(sentence[8].x, sentence[8].y), Pos(1850, 900 + 8 * 300));
    // The order 2, 1, 3, ...: the name is printed before the title.
    EXPECT_EQ(prints[2].text, QStringLiteral("漢"));
}

TEST(OneCharSheet, SheetNumberIsFullWidth)
{
    const SheetSettings settings = sheetSettings();
    const std::pair<qint16, const char16_t *> cases[] = {
        {7, u"　７"}, {12, u"　１２"}, {0, u"　０"}, {-5, u"－５"}, {32767, u"　３２７６７"}};
    for (const auto &[number, text] : cases) {
        const auto found = printsOf(drawOne(settings, QStringLiteral("山"), number),
                                    QString::fromUtf16(text));
        ASSERT_EQ(found.size(), 1u) << number;
        EXPECT_EQ(Pos(found[0].x, found[0].y), Pos(1500, H - 1000));
        EXPECT_EQ(found[0].colour, 0);
    }
}

TEST(OneCharSheet, FrameAndGrid)
{
    const auto lines = opsOf(drawOne(sheetSettings()), RecordedOp::Line);
    ASSERT_EQ(lines.size(), 33u);
    int dashed = 0;
    for (const RecordedOp &l : lines) {
        EXPECT_EQ(l.flags, PrintSurface::StraightLine);
        EXPECT_EQ(l.colour, 0);
        EXPECT_EQ(l.scaleMode, PrintSurface::Twips);
        EXPECT_EQ(l.orientation, PrintSurface::Portrait);
        EXPECT_EQ(l.paperSize, PrintSurface::A4);
        dashed += l.drawStyle == PrintSurface::Dashed;
    }
    EXPECT_EQ(dashed, 13);
}

// A surface whose chosen operations fail.
class PickySurface : public RecordingSurface {
public:
    bool failFont = false;
    QString failText;
    bool failEndDoc = false;
    void setFontName(const QString &face) override
    {
        if (failFont)
            throw PrintSurfaceError("unknown font");
        RecordingSurface::setFontName(face);
    }
    void print(const QString &text) override
    {
        if (text == failText)
            throw PrintSurfaceError("cannot print");
        RecordingSurface::print(text);
    }
    void endDoc() override
    {
        if (failEndDoc)
            throw PrintSurfaceError("printer gone");
        RecordingSurface::endDoc();
    }
};

TEST(OneCharSheet, AFailingStatementIsSkippedAndTheSheetGoesOn)
{
    SheetSettings settings = sheetSettings();
    for (const bool vertical : {false, true}) {
        settings.fontName = vertical ? QStringLiteral("@IPAexMincho") : QStringLiteral("IPAexMincho");
        PickySurface s;
        s.failFont = true;
        s.failText = QStringLiteral("字");
        printPractice(s, 1, SheetContent{QStringLiteral("山"), 7, {}}, settings);
        const auto &ops = s.ops();
        EXPECT_EQ(opsOf(ops, RecordedOp::Line).size(), vertical ? 32u : 33u);
        EXPECT_EQ(printsOf(ops, QStringLiteral("山")).size(), 7u);
        EXPECT_TRUE(printsOf(ops, QStringLiteral("字")).empty());
        EXPECT_EQ(printsOf(ops, QStringLiteral("練")).size(), 1u);  // the title goes on after it
        EXPECT_EQ(ops.back().kind, RecordedOp::EndDoc);
    }

    // A tracing shade that is not a number leaves the colour as it was.
    settings.fontName = QStringLiteral("IPAexMincho");
    settings.traceShade = QStringLiteral("grey");
    RecordingSurface s;
    printPractice(s, 1, SheetContent{QStringLiteral("山"), 7, {}}, settings);
    EXPECT_EQ(printsOf(s.ops(), QStringLiteral("山"))[1].colour, 0);
    EXPECT_EQ(opsOf(s.ops(), RecordedOp::Line).size(), 33u);

    // The end of the document is the dispatcher's and reaches the caller.
    PickySurface gone;
    gone.failEndDoc = true;
    EXPECT_THROW(printPractice(gone, 1, SheetContent{QStringLiteral("山"), 7, {}}, settings),
                 PrintSurfaceError);
}

TEST(OneCharSheet, AtFaceSelectsTheVerticalLayoutShiftedByTheSameMillimetres)
{
    SheetSettings settings = sheetSettings(QStringLiteral("@IPAexMincho"));
    settings.printOffset = 2;
    const auto vertical = drawOne(settings);
    const auto model = printsOf(vertical, QStringLiteral("山"));
    EXPECT_EQ(model[0].orientation, PrintSurface::Landscape);
    // The turned sheet moves its model left and its tracing rows up, 2 mm.
    EXPECT_NEAR((700 - model[0].x) / kTwipsPerMm, 2, 0.01);
    EXPECT_EQ(model[0].y, 2000);
    EXPECT_NEAR((1750 - model[1].y) / kTwipsPerMm, 2, 0.01);
    EXPECT_NEAR((3550 - model[4].y) / kTwipsPerMm, 2, 0.01);
    EXPECT_EQ(model[0].fontName, QStringLiteral("@IPAexMincho"));

    settings.fontName = QStringLiteral("IPAex@Mincho");
    const auto portrait = printsOf(drawOne(settings), QStringLiteral("山"));
    EXPECT_EQ(portrait[0].orientation, PrintSurface::Portrait);
    EXPECT_NEAR((portrait[1].x - (W - 3800)) / kTwipsPerMm, 2, 0.01);
}

}  // namespace
}  // namespace bks::test
