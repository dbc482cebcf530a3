#include "print/layouts/sheetlayout.h"
#include "tests/print/layout_helpers.h"

#include <gtest/gtest.h>

namespace bks::test {
namespace {

const double H = kPortraitH;

std::vector<RecordedOp> drawOne(const SheetSettings &settings, const QString &ch = QStringLiteral("山"),
                                qint16 number = 7, const QString &example = {})
{
    RecordingSurface s;
    printPractice(s, 1, practiceContent(ch, number, {example, {}}), settings);
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
    const auto ops = drawOne(sheetSettings(), QStringLiteral("山"), 7, QStringLiteral("上下左"));
    const auto model = printsOf(ops, QStringLiteral("山"));
    ASSERT_EQ(model.size(), 7u);
    EXPECT_EQ(model[0].colour, 0);  // the colour the surface held: black
    // Two columns of three tracing copies below the model, the first on the right.
    EXPECT_TRUE(runsDown({model.begin() + 1, model.begin() + 4}));
    EXPECT_TRUE(runsDown({model.begin() + 4, model.end()}));
    EXPECT_LT(model[4].x, model[1].x);
    for (size_t i = 1; i < model.size(); ++i) {
        EXPECT_GT(model[i].y, model[0].y);
        EXPECT_EQ(model[i].colour, 12632256);
    }
    // The practice line runs down its own column to the left of them all.
    const auto line = spelled(ops, QStringLiteral("上下左"));
    ASSERT_EQ(line.size(), 3u);
    EXPECT_TRUE(runsDown(line));
    EXPECT_LT(line[0].x, model[4].x);
    EXPECT_EQ(line[2].colour, 12632256);
    // Nothing below the third character: the empty squares of the line stay blank.
    const auto empty = drawOne(sheetSettings());
    EXPECT_EQ(opsOf(ops, RecordedOp::Print).size(), opsOf(empty, RecordedOp::Print).size() + 3);
}

// Where the tracing copies moved to, in millimetres, from a sheet without a shift.
std::vector<double> tracingShiftMm(const SheetSettings &settings)
{
    SheetSettings still = settings;
    still.printOffset = 0;
    const auto from = printsOf(drawOne(still), QStringLiteral("山"));
    const auto to = printsOf(drawOne(settings), QStringLiteral("山"));
    std::vector<double> out;
    for (size_t i = 0; i < from.size() && i < to.size(); ++i) {
        EXPECT_EQ(to[i].y, from[i].y);
        out.push_back((to[i].x - from[i].x) / kTwipsPerMm);
    }
    return out;
}

TEST(OneCharSheet, ShiftMovesOnlyTheTracingColumnsAndTracingCanBeOff)
{
    SheetSettings settings = sheetSettings();
    settings.printOffset = 4;
    for (int run = 0; run < 2; ++run) {  // twice in a row: the same place
        const auto shift = tracingShiftMm(settings);
        ASSERT_EQ(shift.size(), 7u);
        EXPECT_EQ(shift[0], 0);  // the model stays
        // "右へ4ミリメートル" is 4 mm on paper.
        for (size_t i = 1; i < shift.size(); ++i)
            EXPECT_NEAR(shift[i], 4, 0.01) << i;
    }
    EXPECT_EQ(settings.printOffset, 4);
    // The practice line, the headings and the grid stay where they were.
    SheetSettings still = settings;
    still.printOffset = 0;
    const auto moved = drawOne(settings, QStringLiteral("山"), 7, QStringLiteral("上"));
    const auto unmoved = drawOne(still, QStringLiteral("山"), 7, QStringLiteral("上"));
    for (const QString &text : {QStringLiteral("上"), QStringLiteral("名"), QStringLiteral("漢")})
        EXPECT_EQ(positions(printsOf(moved, text)), positions(printsOf(unmoved, text)));
    EXPECT_EQ(positions(opsOf(moved, RecordedOp::Line)), positions(opsOf(unmoved, RecordedOp::Line)));

    settings.printOffset = -6;
    EXPECT_NEAR(tracingShiftMm(settings).at(1), -6, 0.01);

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
    // The order 2, 1, 3, ...: the name is printed before the title.
    EXPECT_EQ(prints[2].text, QStringLiteral("漢"));
    for (const int k : {1, 2, 3, 4, 5, 7}) {
        const auto heading = spelled(ops, settings.headings[size_t(k)]);
        EXPECT_TRUE(runsDown(heading)) << k;
        EXPECT_EQ(heading.at(0).colour, 0) << k;
    }
    EXPECT_TRUE(spelled(ops, QStringLiteral("画数")).empty());
    // The name sits under the title in the same band.
    EXPECT_EQ(spelled(ops, QStringLiteral("名前"))[0].x, spelled(ops, QStringLiteral("漢字練習帳"))[0].x);
    EXPECT_GT(spelled(ops, QStringLiteral("名前"))[0].y, spelled(ops, QStringLiteral("漢字練習帳"))[4].y);
}

TEST(OneCharSheet, SheetNumberIsFullWidth)
{
    const SheetSettings settings = sheetSettings();
    const std::pair<qint16, const char16_t *> cases[] = {
        {7, u"　７"}, {12, u"　１２"}, {0, u"　０"}, {-5, u"－５"}, {32767, u"　３２７６７"}};
    std::vector<Pos> places;
    for (const auto &[number, text] : cases) {
        const auto found = printsOf(drawOne(settings, QStringLiteral("山"), number),
                                    QString::fromUtf16(text));
        ASSERT_EQ(found.size(), 1u) << number;
        EXPECT_EQ(found[0].colour, 0);
        places.push_back(Pos(found[0].x, found[0].y));
    }
    // Always printed whole, in one place at the sheet's foot.
    for (const Pos &p : places) {
        EXPECT_EQ(p, places[0]);
        EXPECT_GT(p.y, H / 2);
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
        printPractice(s, 1, practiceContent(QStringLiteral("山"), 7), settings);
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
    printPractice(s, 1, practiceContent(QStringLiteral("山"), 7), settings);
    EXPECT_EQ(printsOf(s.ops(), QStringLiteral("山"))[1].colour, 0);
    EXPECT_EQ(opsOf(s.ops(), RecordedOp::Line).size(), 33u);

    // The end of the document is the dispatcher's and reaches the caller.
    PickySurface gone;
    gone.failEndDoc = true;
    EXPECT_THROW(printPractice(gone, 1, practiceContent(QStringLiteral("山"), 7), settings),
                 PrintSurfaceError);
}

TEST(OneCharSheet, AtFaceSelectsTheVerticalLayoutShiftedByTheSameMillimetres)
{
    SheetSettings settings = sheetSettings(QStringLiteral("@IPAexMincho"));
    const auto still = printsOf(drawOne(settings), QStringLiteral("山"));
    settings.printOffset = 2;
    const auto model = printsOf(drawOne(settings), QStringLiteral("山"));
    ASSERT_EQ(model.size(), still.size());
    EXPECT_EQ(model[0].orientation, PrintSurface::Landscape);
    EXPECT_EQ(model[0].fontName, QStringLiteral("@IPAexMincho"));
    // The turned sheet moves its model left and its tracing rows up, 2 mm.
    EXPECT_NEAR((still[0].x - model[0].x) / kTwipsPerMm, 2, 0.01);
    EXPECT_EQ(model[0].y, still[0].y);
    for (size_t i = 1; i < model.size(); ++i) {
        EXPECT_EQ(model[i].x, still[i].x);
        EXPECT_NEAR((still[i].y - model[i].y) / kTwipsPerMm, 2, 0.01) << i;
    }

    // An "@" inside the name is no vertical face.
    settings.fontName = QStringLiteral("IPAex@Mincho");
    const auto portrait = printsOf(drawOne(settings), QStringLiteral("山"));
    EXPECT_EQ(portrait[0].orientation, PrintSurface::Portrait);
    EXPECT_NEAR(tracingShiftMm(settings).at(1), 2, 0.01);
}

}  // namespace
}  // namespace bks::test
