#include "print/printjob.h"
#include "print/qtprintsurface.h"
#include "print/recordingsurface.h"
#include "print/sheetlayout.h"
#include "tests/print/layout_helpers.h"
#include "tests/print/pdftools.h"
#include "tests/support/scriptedservices.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>

namespace bks {
namespace {

using test::printPractice;

using test::RunTool;
using test::ScratchPath;

// BIZ UDMincho extracts kanji as themselves; other faces map some of them
// to Kangxi radicals.
const QString kFace = QStringLiteral("BIZ UDMincho");

SheetSettings settingsFor(const QString &face)
{
    SheetSettings s;
    s.fontName = face;
    s.headings = {QString(),
                  QStringLiteral("漢字練習帳"),
                  QStringLiteral("名前"),
                  QStringLiteral("音読み"),
                  QStringLiteral("訓読み"),
                  QStringLiteral("部首"),
                  QStringLiteral("画数"),
                  QStringLiteral("文作りをしましょう")};
    return s;
}

// The example texts of every sheet here: the first character's, the second's.
const std::array<QString, 2> kExamples{QStringLiteral("学校"), QStringLiteral("草花")};

void printOne(PrintSurface &s, const SheetSettings &settings, const QString &character, qint16 number)
{
    printPractice(s, 1, SheetContent{character, number, kExamples}, settings);
}

void printTwo(PrintSurface &s, const SheetSettings &settings, const QString &pair, qint16 number)
{
    printPractice(s, 2, SheetContent{pair, number, kExamples}, settings);
}

using Run = std::function<void(PrintSurface &)>;

// A run's order of calls: each sheet, its EndDoc inside, then NewPage; one
// EndDoc at the end.
Run oneCharRun(const SheetSettings &settings, const QString &chars)
{
    return [=](PrintSurface &s) {
        for (qsizetype i = 0; i < chars.size(); ++i) {
            printOne(s, settings, chars.mid(i, 1), qint16(i + 1));
            s.newPage();
        }
        s.endDoc();
    };
}

Run twoCharRun(const SheetSettings &settings, const QString &chars)
{
    return [=](PrintSurface &s) {
        for (qsizetype i = 0; i < chars.size(); i += 2) {
            printTwo(s, settings, chars.mid(i, 2), qint16(i / 2 + 1));
            s.newPage();
        }
        s.endDoc();
    };
}

QString writePdf(const QString &name, const Run &run)
{
    const QString path = ScratchPath(name);
    auto surface = openPrintSurface(PrinterChoice{QString(), path});
    run(*surface);
    QString error;
    EXPECT_TRUE(surface->finish(&error)) << error.toStdString();
    return path;
}

class SheetPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *tool : {"pdfinfo", "pdffonts", "pdftotext", "pdftoppm"}) {
            if (!test::HaveTool(QString::fromLatin1(tool)))
                GTEST_SKIP() << tool << " not installed (poppler-utils)";
        }
    }
};

QString pageText(const QString &pdf, int page)
{
    const auto out = RunTool(QStringLiteral("pdftotext"),
                             {QStringLiteral("-raw"), QStringLiteral("-f"), QString::number(page),
                              QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    return out ? QString(*out).remove(QRegularExpression(QStringLiteral("[\\s\\x{3000}]"))) : QString();
}

// Every piece appears, in this order.
void expectInOrder(const QString &text, const QStringList &pieces)
{
    qsizetype at = 0;
    for (const QString &piece : pieces) {
        const qsizetype found = text.indexOf(piece, at);
        ASSERT_GE(found, 0) << "missing or out of order: " << piece.toStdString() << " in "
                            << text.toStdString();
        at = found + piece.size();
    }
}

void expectPages(const QString &pdf, int count, bool landscape)
{
    const auto sizes = test::PdfPageSizes(pdf);
    ASSERT_TRUE(sizes);
    ASSERT_EQ(sizes->size(), count);
    for (const QSizeF &size : *sizes) {
        EXPECT_NEAR(landscape ? size.height() : size.width(), 595.3, 1);
        EXPECT_NEAR(landscape ? size.width() : size.height(), 841.9, 1);
    }
}

TEST_F(SheetPdf, OneCharacterRunIsOnePortraitPageASheetWithItsTexts)
{
    const SheetSettings settings = settingsFor(kFace);
    const QString pdf = writePdf(QStringLiteral("one.pdf"), oneCharRun(settings, QStringLiteral("右左森")));
    expectPages(pdf, 3, false);

    const auto fonts = RunTool(QStringLiteral("pdffonts"), {pdf});
    ASSERT_TRUE(fonts);
    EXPECT_TRUE(
        fonts->contains(QRegularExpression(QStringLiteral("BIZUDMincho\\S*\\s+CID TrueType.*\\syes\\s"))))
        << fonts->toStdString();

    const QStringList chars = {QStringLiteral("右"), QStringLiteral("左"), QStringLiteral("森")};
    const QStringList digits = {QStringLiteral("１"), QStringLiteral("２"), QStringLiteral("３")};
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        const QString c = chars[page - 1];
        // Model, six tracing copies, practice line, headings 2, 1, 3 to 7, number.
        expectInOrder(pageText(pdf, page),
                      {c + c + c + c + c + c + c, QStringLiteral("学校"), QStringLiteral("名前"),
                       QStringLiteral("漢字練習帳"), QStringLiteral("音読み"), QStringLiteral("訓読み"),
                       QStringLiteral("部首"), QStringLiteral("画数"), QStringLiteral("文作りをしましょう"),
                       digits[page - 1]});
    }
}

TEST_F(SheetPdf, TwoCharacterRunIsOneLandscapePageASheetReadFromTheRight)
{
    const SheetSettings settings = settingsFor(kFace);
    const QString pdf = writePdf(QStringLiteral("two.pdf"), twoCharRun(settings, QStringLiteral("右左森林")));
    expectPages(pdf, 2, true);
    // The left block (second character) is drawn first, then the number,
    // then the right block.
    expectInOrder(pageText(pdf, 1), {QStringLiteral("左"), QStringLiteral("草花"),
                                     QStringLiteral("漢字練習帳"), QStringLiteral("1"), QStringLiteral("右"),
                                     QStringLiteral("学校"), QStringLiteral("漢字練習帳")});
    expectInOrder(pageText(pdf, 2), {QStringLiteral("林"), QStringLiteral("2"), QStringLiteral("森")});
}

TEST_F(SheetPdf, VerticalFaceSheetsTurnTheirPages)
{
    const SheetSettings settings = settingsFor(QLatin1Char('@') + kFace);
    const QString one = writePdf(QStringLiteral("one-at.pdf"), oneCharRun(settings, QStringLiteral("右左")));
    expectPages(one, 2, true);
    const QString two = writePdf(QStringLiteral("two-at.pdf"),
                                 twoCharRun(settings, QStringLiteral("右左森林")));
    expectPages(two, 2, false);
    const auto fonts = RunTool(QStringLiteral("pdffonts"), {two});
    ASSERT_TRUE(fonts);
    EXPECT_TRUE(fonts->contains(QStringLiteral("BIZUDMincho")));
}

TEST_F(SheetPdf, MixedRunKeepsEachSheetsOrientation)
{
    const SheetSettings settings = settingsFor(kFace);
    const QString pdf = writePdf(QStringLiteral("mixed.pdf"), [&](PrintSurface &s) {
        printTwo(s, settings, QStringLiteral("右左"), 1);
        s.newPage();
        printOne(s, settings, QStringLiteral("森"), 2);
        s.newPage();
        printTwo(s, settings, QStringLiteral("林　"), 3);
        s.endDoc();
    });
    const auto sizes = test::PdfPageSizes(pdf);
    ASSERT_TRUE(sizes);
    ASSERT_EQ(sizes->size(), 3);
    EXPECT_GT(sizes->at(0).width(), sizes->at(0).height());
    EXPECT_LT(sizes->at(1).width(), sizes->at(1).height());
    EXPECT_GT(sizes->at(2).width(), sizes->at(2).height());
}

// Samples every line the layout draws on a sheet and looks for ink there
// in the rendered page: solid lines must be unbroken, dashed and dotted
// ones present, and nothing off by more than a pixel.
void expectLinesWhereTheLayoutPutsThem(const QString &pdf, const std::vector<RecordedOp> &sheet)
{
    const int dpi = 150;
    const auto page = test::RenderPdfPage(pdf, 1, dpi);
    ASSERT_TRUE(page);
    const double pxPerMm = dpi / 25.4;
    auto toPx = [&](const RecordedOp &op, double x, double y) {
        const double mm = op.scaleMode == PrintSurface::Twips ? 25.4 / 1440 : 1.0;
        return QPointF((5 + x * mm) * pxPerMm, (5 + y * mm) * pxPerMm);
    };
    auto inkNear = [&](QPointF p) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = qRound(p.x()) + dx, y = qRound(p.y()) + dy;
                if (x >= 0 && y >= 0 && x < page->width() && y < page->height()
                    && qGray(page->pixel(x, y)) < 128)
                    return true;
            }
        }
        return false;
    };
    int lines = 0;
    for (const RecordedOp &op : sheet) {
        if (op.kind != RecordedOp::Line)
            continue;
        ++lines;
        std::vector<std::pair<QPointF, QPointF>> segments;
        const QPointF a = toPx(op, op.x1, op.y1), b = toPx(op, op.x2, op.y2);
        if (op.flags == PrintSurface::Box)
            segments = {{a, QPointF(b.x(), a.y())},
                        {QPointF(b.x(), a.y()), b},
                        {b, QPointF(a.x(), b.y())},
                        {QPointF(a.x(), b.y()), a}};
        else
            segments = {{a, b}};
        for (const auto &[from, to] : segments) {
            const int samples = 40;
            int inked = 0;
            for (int i = 1; i < samples; ++i)
                inked += inkNear(from + (to - from) * (double(i) / samples)) ? 1 : 0;
            const double needed = op.drawStyle == PrintSurface::Solid ? samples - 1 : (samples - 1) * 0.4;
            EXPECT_GE(inked, needed) << "line " << op.x1 << "," << op.y1 << " - " << op.x2 << "," << op.y2
                                     << " style " << op.drawStyle;
        }
    }
    EXPECT_GT(lines, 20);
}

void checkGrid(const QString &name, const Run &run)
{
    RecordingSurface recording;
    run(recording);
    const auto sheets = recording.sheets();
    ASSERT_EQ(sheets.size(), 1u);
    expectLinesWhereTheLayoutPutsThem(writePdf(name, run), sheets.front());
}

TEST_F(SheetPdf, GridLinesLieWhereEachLayoutPutsThem)
{
    const SheetSettings horizontal = settingsFor(kFace);
    const SheetSettings vertical = settingsFor(QLatin1Char('@') + kFace);
    {
        SCOPED_TRACE("one character");
        checkGrid(QStringLiteral("grid1.pdf"), oneCharRun(horizontal, QStringLiteral("森")));
    }
    {
        SCOPED_TRACE("two characters");
        checkGrid(QStringLiteral("grid2.pdf"), twoCharRun(horizontal, QStringLiteral("森林")));
    }
    {
        SCOPED_TRACE("one character, @ face");
        checkGrid(QStringLiteral("grid3.pdf"), oneCharRun(vertical, QStringLiteral("森")));
    }
    {
        SCOPED_TRACE("two characters, @ face");
        checkGrid(QStringLiteral("grid4.pdf"), twoCharRun(vertical, QStringLiteral("森林")));
    }
}

TEST_F(SheetPdf, ModelCharacterFillsItsBox)
{
    // One-character sheet: the model box spans x 5800-9400 and y 600-4200
    // twips; a 143-point character printed at (W - 5400, 900) lies inside.
    const SheetSettings settings = settingsFor(kFace);
    const QString pdf = writePdf(QStringLiteral("model.pdf"), oneCharRun(settings, QStringLiteral("国")));
    const int dpi = 100;
    const auto page = test::RenderPdfPage(pdf, 1, dpi);
    ASSERT_TRUE(page);
    auto px = [&](double twips) { return int((5 + twips * 25.4 / 1440) * dpi / 25.4); };
    const QRect box(QPoint(px(5800) + 3, px(600) + 3), QPoint(px(9400) - 3, px(4200) - 3));
    const QRect ink = test::InkBounds(page->copy(box));
    ASSERT_FALSE(ink.isNull());
    // 143 pt is about 50 mm: the glyph covers most of the 63.5 mm box.
    EXPECT_GT(ink.width(), 40 * dpi / 25.4);
    EXPECT_GT(ink.height(), 40 * dpi / 25.4);
}

struct ContinuousRun {
    test::ScriptedServices services;
    RunHost host;
    TextQueue text1;
    RunCounters counters;

    ContinuousRun(const QString &pdf, const QString &kanji) : text1(kanji)
    {
        services.printers.push_back(PrinterChoice{QString(), pdf});
        host.services = &services;
        host.openSurface = &openPrintSurface;
        host.saveTemp = [](const QString &) {};
    }
    RunResult click(bool oneChar)
    {
        RunOptions options;
        options.perSheet = oneChar ? 1 : 2;
        return runContinuous(host, text1, settingsFor(kFace), options, counters);
    }
};

TEST_F(SheetPdf, ContinuousRunsGiveOnePageASheetAndNoBlankOnes)
{
    {
        const QString pdf = ScratchPath(QStringLiteral("run1.pdf"));
        ContinuousRun run(pdf, QStringLiteral("右左森林空"));
        EXPECT_EQ(run.click(true), RunResult::Printed);
        expectPages(pdf, 5, false);
        expectInOrder(pageText(pdf, 5), {QStringLiteral("空"), QStringLiteral("５")});
    }
    {
        const QString pdf = ScratchPath(QStringLiteral("run2.pdf"));
        ContinuousRun run(pdf, QStringLiteral("右左森"));
        EXPECT_EQ(run.click(false), RunResult::Printed);
        expectPages(pdf, 2, true);
    }
}

TEST(ContinuousRunOutput, UnwritablePdfIsReportedAndTheTextKept)
{
    ContinuousRun run(QStringLiteral("/nonexistent-folder/run.pdf"), QStringLiteral("右左森"));
    EXPECT_EQ(run.click(true), RunResult::OutputFailed);
    EXPECT_EQ(run.text1.text(), QStringLiteral("右左森"));
    ASSERT_FALSE(run.services.messages.empty());
    EXPECT_TRUE(run.services.messages.back().text.contains(QStringLiteral("/nonexistent-folder/run.pdf")));
}

TEST(SheetPreview, RunDrawsOneImagePerSheet)
{
    const SheetSettings settings = settingsFor(kFace);
    const auto pages = RenderPreviewPages(twoCharRun(settings, QStringLiteral("右左森")), 48);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_GT(pages[0].width(), pages[0].height());
    EXPECT_FALSE(test::InkBounds(pages[1]).isNull());
}

}  // namespace
}  // namespace bks
