#include "print/qtprintsurface.h"
#include "tests/print/pdftools.h"

#include <QApplication>
#include <QFileInfo>
#include <QPalette>

#include <gtest/gtest.h>

namespace bks {
namespace {

using test::PdfPageCount;
using test::PdfPageSizes;
using test::RenderPdfPage;
using test::ScratchPath;

std::unique_ptr<QtPrintSurface> pdfSurface(const QString &path)
{
    return std::make_unique<QtPrintSurface>(std::make_unique<PrinterPageTarget>(path));
}

void skipWithoutPoppler()
{
    if (!test::HaveTool(QStringLiteral("pdfinfo")) || !test::HaveTool(QStringLiteral("pdftoppm")))
        GTEST_SKIP() << "poppler-utils not installed";
}

void drawSomething(PrintSurface &s)
{
    s.line(PrintSurface::StraightLine, 10, 10, 50, 10, 0);
}

TEST(PdfSurface, PrintableAreaIsA4LessFiveMillimetresInBothUnits)
{
    auto s = pdfSurface(ScratchPath(QStringLiteral("area.pdf")));
    s->setScaleMode(PrintSurface::Millimetres);
    EXPECT_NEAR(s->scaleWidth(), 200.0, 1e-6);
    EXPECT_NEAR(s->scaleHeight(), 287.0, 1e-6);
    s->setScaleMode(PrintSurface::Twips);
    EXPECT_NEAR(s->scaleWidth(), 11339.0, 0.5);
    EXPECT_NEAR(s->scaleHeight(), 16271.0, 0.5);
    s->setOrientation(PrintSurface::Landscape);
    EXPECT_NEAR(s->scaleWidth(), 16271.0, 0.5);
    // The two-character layout reads the width before it turns the sheet;
    // every new document must report the portrait width again.
    drawSomething(*s);
    s->endDoc();
    s->setScaleMode(PrintSurface::Millimetres);
    EXPECT_NEAR(s->scaleWidth(), 200.0, 1e-6);
    EXPECT_EQ(qRound((s->scaleWidth() - 20) / 16), 11);
    EXPECT_TRUE(s->finish(nullptr));
}

// Calls: L draws a line, E ends the document, N starts a new page.
struct CallOrder {
    const char *calls;
    int pages;
};

void PrintTo(const CallOrder &order, std::ostream *os)
{
    *os << '"' << order.calls << "\" -> " << order.pages;
}

class BlankPages : public ::testing::TestWithParam<CallOrder> {};

TEST_P(BlankPages, OnlyPagesWithDrawingAppear)
{
    auto target = std::make_unique<ImagePageTarget>(20);
    ImagePageTarget *images = target.get();
    QtPrintSurface s(std::move(target));
    for (const char *c = GetParam().calls; *c; ++c) {
        switch (*c) {
        case 'L': drawSomething(s); break;
        case 'P': s.print(QStringLiteral("字")); break;
        case 'E': s.endDoc(); break;
        case 'N': s.newPage(); break;
        }
    }
    EXPECT_TRUE(s.finish(nullptr));
    EXPECT_EQ(int(images->pages().size()), GetParam().pages) << GetParam().calls;
    EXPECT_EQ(s.pageCount(), GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(
    EveryOrder, BlankPages,
    ::testing::Values(CallOrder{"", 0}, CallOrder{"E", 0}, CallOrder{"N", 0}, CallOrder{"EN", 0},
                      CallOrder{"NE", 0}, CallOrder{"NNEE", 0}, CallOrder{"L", 1}, CallOrder{"LE", 1},
                      CallOrder{"LEN", 1}, CallOrder{"LENE", 1}, CallOrder{"LNE", 1}, CallOrder{"LNEN", 1},
                      CallOrder{"LLPL", 1}, CallOrder{"LNL", 2}, CallOrder{"LEL", 2}, CallOrder{"LENLENE", 2},
                      CallOrder{"ELENLENEN", 2}, CallOrder{"PENNEEPEENE", 2}, CallOrder{"LNNNLEEELNE", 3}),
    [](const auto &info) {
        return *info.param.calls ? std::string(info.param.calls) : std::string("nothing");
    });

TEST(PdfSurface, OneFileForTheRunWithEachSheetInItsOwnOrientation)
{
    skipWithoutPoppler();
    const QString path = ScratchPath(QStringLiteral("orientation.pdf"));
    auto s = pdfSurface(path);
    drawSomething(*s);  // portrait by default
    s->endDoc();
    s->newPage();
    s->setOrientation(PrintSurface::Landscape);
    drawSomething(*s);
    s->endDoc();
    s->newPage();
    s->endDoc();        // an empty document: no sheet
    drawSomething(*s);  // a new document starts in portrait
    s->endDoc();
    s->newPage();
    s->endDoc();
    ASSERT_TRUE(s->finish(nullptr));

    const auto sizes = PdfPageSizes(path);
    ASSERT_TRUE(sizes);
    ASSERT_EQ(sizes->size(), 3);
    EXPECT_NEAR(sizes->at(0).width(), 595.3, 1);
    EXPECT_NEAR(sizes->at(0).height(), 841.9, 1);
    EXPECT_NEAR(sizes->at(1).width(), 841.9, 1);
    EXPECT_NEAR(sizes->at(1).height(), 595.3, 1);
    EXPECT_NEAR(sizes->at(2).width(), 595.3, 1);
}

TEST(PdfSurface, UnwritableFileIsReportedFromDrawingAndFinish)
{
    for (const QString &path : {QStringLiteral("/nonexistent-folder/sheet.pdf"), ScratchPath(QString())}) {
        SCOPED_TRACE(path.toStdString());
        auto s = pdfSurface(path);
        s->setScaleMode(PrintSurface::Millimetres);
        EXPECT_THROW(drawSomething(*s), PrintSurfaceError);
        // Resume-next layouts keep calling: every call fails, none crashes.
        EXPECT_THROW(s->print(QStringLiteral("字")), PrintSurfaceError);
        EXPECT_THROW(s->endDoc(), PrintSurfaceError);
        EXPECT_THROW(s->newPage(), PrintSurfaceError);
        QString error;
        EXPECT_FALSE(s->finish(&error));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(PdfSurface, NothingDrawnWritesNoFileAndSucceeds)
{
    const QString path = ScratchPath(QStringLiteral("empty.pdf"));
    auto s = pdfSurface(path);
    s->endDoc();
    s->newPage();
    s->endDoc();
    EXPECT_TRUE(s->finish(nullptr));
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(PdfSurface, DrawingAfterFinishFails)
{
    auto s = pdfSurface(ScratchPath(QStringLiteral("after.pdf")));
    drawSomething(*s);
    ASSERT_TRUE(s->finish(nullptr));
    EXPECT_THROW(drawSomething(*s), PrintSurfaceError);
}

TEST(PdfSurface, RejectsSettingsItCannotHonour)
{
    auto s = pdfSurface(ScratchPath(QStringLiteral("reject.pdf")));
    EXPECT_THROW(s->setScaleMode(3), PrintSurfaceError);
    EXPECT_THROW(s->setDrawStyle(5), PrintSurfaceError);
    EXPECT_THROW(s->setOrientation(0), PrintSurfaceError);
    EXPECT_THROW(s->setPaperSize(8), PrintSurfaceError);
    EXPECT_THROW(s->setFontSize(0), PrintSurfaceError);
    EXPECT_THROW(s->line(6, 0, 0, 1, 1, 0), PrintSurfaceError);
    s->setPaperSize(PrintSurface::A4);
    s->finish(nullptr);
}

// Lines at 20, 40 and 60 mm below the printable area's top, 100 mm long,
// solid, dashed and dotted.
QString guidesPdf()
{
    const QString path = ScratchPath(QStringLiteral("guides.pdf"));
    auto s = pdfSurface(path);
    s->setScaleMode(PrintSurface::Millimetres);
    for (int style : {0, 1, 2}) {
        s->setDrawStyle(style);
        s->line(PrintSurface::StraightLine, 10, 20 + 20 * style, 110, 20 + 20 * style, 0);
    }
    s->setDrawStyle(PrintSurface::Solid);
    s->line(PrintSurface::Box, 120, 20, 160, 60, 0);
    EXPECT_TRUE(s->finish(nullptr));
    return path;
}

int rowNear(const QImage &page, double yMm, int dpi)
{
    const int y = qRound(yMm / 25.4 * dpi);
    for (int dy = -3; dy <= 3; ++dy) {
        if (!test::DarkRunsInRow(page, y + dy, 0, page.width()).isEmpty())
            return y + dy;
    }
    return -1;
}

TEST(PdfSurface, GuidesAreDashedAndDottedLikeAnOfficePrinter)
{
    skipWithoutPoppler();
    const QString pdf = guidesPdf();
    const int dpi = 600;
    const auto page = RenderPdfPage(pdf, 1, dpi, QRect(0, 0, 120 * dpi / 25.4, 70 * dpi / 25.4));
    ASSERT_TRUE(page);
    const int x0 = qRound(15 / 25.4 * dpi), x1 = qRound(115 / 25.4 * dpi);

    // Solid: one unbroken 100 mm stroke, one pixel thick.
    const int solid = rowNear(*page, 25, dpi);
    ASSERT_GE(solid, 0);
    const QList<int> solidRuns = test::DarkRunsInRow(*page, solid, x0 - 50, x1 + 50);
    ASSERT_EQ(solidRuns.size(), 1);
    EXPECT_NEAR(solidRuns[0], 100 / 25.4 * dpi, 3);
    int thickness = 0;
    for (int y = solid - 3; y <= solid + 3; ++y)
        thickness += test::DarkRunsInRow(*page, y, x0, x0 + 200).isEmpty() ? 0 : 1;
    EXPECT_LE(thickness, 2);

    auto checkPattern = [&](double yMm, int on, int off) {
        const int row = rowNear(*page, yMm, dpi);
        ASSERT_GE(row, 0);
        const QList<int> dark = test::DarkRunsInRow(*page, row, x0 + 100, x1 - 100);
        const QList<int> light = test::LightRunsInRow(*page, row, x0 + 100, x1 - 100);
        ASSERT_GT(dark.size(), 20);
        ASSERT_GT(light.size(), 20);
        for (qsizetype i = 1; i + 1 < dark.size(); ++i)
            EXPECT_NEAR(dark[i], on, 1) << "dash " << i;
        for (qsizetype i = 0; i + 1 < light.size(); ++i)
            EXPECT_NEAR(light[i], off, 1) << "gap " << i;
    };
    checkPattern(45, 18, 6);
    checkPattern(65, 3, 3);
}

TEST(PdfSurface, LinesKeepTheirWidthOnPaperAtEveryZoom)
{
    skipWithoutPoppler();
    const QString pdf = guidesPdf();
    // 0.12 pt: 2 pixels at 1,200 dpi and 4 at 2,400, never a hairline.
    for (int dpi : {1200, 2400}) {
        const int x = qRound(15 / 25.4 * dpi), y = qRound(25 / 25.4 * dpi);
        const auto crop = RenderPdfPage(pdf, 1, dpi, QRect(x, y - 40, 100, 80));
        ASSERT_TRUE(crop);
        const QRect ink = test::InkBounds(*crop);
        ASSERT_FALSE(ink.isNull());
        EXPECT_NEAR(ink.height(), dpi / 600.0, 1) << dpi;
        EXPECT_EQ(ink.width(), 100);
    }
}

TEST(PdfSurface, BoxIsTheOutlineOfItsCorners)
{
    skipWithoutPoppler();
    const int dpi = 150;
    const auto page = RenderPdfPage(guidesPdf(), 1, dpi);
    ASSERT_TRUE(page);
    // The box (120, 20)-(160, 60) mm inside an area that starts 5 mm in.
    const QRect region(qRound(118 / 25.4 * dpi), qRound(18 / 25.4 * dpi), qRound(50 / 25.4 * dpi),
                       qRound(50 / 25.4 * dpi));
    const QRect ink = test::InkBounds(page->copy(region)).translated(region.topLeft());
    EXPECT_NEAR(ink.left(), 125 / 25.4 * dpi, 1.5);
    EXPECT_NEAR(ink.top(), 25 / 25.4 * dpi, 1.5);
    EXPECT_NEAR(ink.right(), 165 / 25.4 * dpi, 1.5);
    EXPECT_NEAR(ink.bottom(), 65 / 25.4 * dpi, 1.5);
    // Hollow: the centre stays white.
    EXPECT_GT(qGray(page->pixel(qRound(145 / 25.4 * dpi), qRound(45 / 25.4 * dpi))), 200);
}

// The ink of one character drawn straight onto an image with an exact pixel
// size, for comparison with what the surface produced.
QRect referenceInk(const QString &family, double points, int dpi, const QString &text)
{
    QImage image(dpi * 3, dpi * 3, QImage::Format_Grayscale8);
    image.fill(255);
    QFont font(family);
    font.setPixelSize(qRound(points * dpi / 72.0));
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QPointF(dpi / 2.0, dpi / 2.0 + QFontMetricsF(font).ascent()), text);
    p.end();
    return test::InkBounds(image).translated(-dpi / 2, -dpi / 2);
}

TEST(PdfSurface, TextSitsBelowThePenInRealPointsInBothScaleModes)
{
    skipWithoutPoppler();
    const QString family = QStringLiteral("BIZ UDMincho");
    const int dpi = 300;
    const double points = 72;
    const QRect expected = referenceInk(family, points, dpi, QStringLiteral("国"));
    ASSERT_FALSE(expected.isNull());

    for (int mode : {int(PrintSurface::Twips), int(PrintSurface::Millimetres)}) {
        SCOPED_TRACE(mode);
        const QString pdf = ScratchPath(QStringLiteral("text%1.pdf").arg(mode));
        auto s = pdfSurface(pdf);
        s->setScaleMode(mode);
        const double unit = mode == PrintSurface::Twips ? 1440 / 25.4 : 1;
        s->setFontName(family);
        s->setFontSize(points);
        s->setCurrentX(30 * unit);
        s->setCurrentY(40 * unit);
        s->print(QStringLiteral("国"));
        ASSERT_TRUE(s->finish(nullptr));
        const auto page = RenderPdfPage(pdf, 1, dpi);
        ASSERT_TRUE(page);
        const QRect ink = test::InkBounds(*page);
        const QPoint pen(qRound(35 / 25.4 * dpi), qRound(45 / 25.4 * dpi));
        EXPECT_NEAR(ink.left() - pen.x(), expected.left(), 3);
        EXPECT_NEAR(ink.top() - pen.y(), expected.top(), 3);
        EXPECT_NEAR(ink.width(), expected.width(), 3);
        EXPECT_NEAR(ink.height(), expected.height(), 3);
    }
}

TEST(PdfSurface, AtFaceTurnsFullWidthCharactersInThePdfToo)
{
    skipWithoutPoppler();
    const QString pdf = ScratchPath(QStringLiteral("at.pdf"));
    auto s = pdfSurface(pdf);
    s->setScaleMode(PrintSurface::Millimetres);
    s->setFontName(QStringLiteral("@BIZ UDMincho"));
    s->setFontSize(72);
    s->setCurrentX(20);
    s->setCurrentY(20);
    s->print(QStringLiteral("一"));
    s->setCurrentX(20);
    s->setCurrentY(100);
    s->print(QStringLiteral("--"));
    // Full-width symbols turn like kanji: the triangle's tip to the left.
    s->setCurrentX(100);
    s->setCurrentY(100);
    s->print(QStringLiteral("△"));
    ASSERT_TRUE(s->finish(nullptr));
    const int dpi = 100;
    const auto page = RenderPdfPage(pdf, 1, dpi);
    ASSERT_TRUE(page);
    const int split = qRound(80 / 25.4 * dpi), right = qRound(100 / 25.4 * dpi);
    const QRect kanji = test::InkBounds(page->copy(0, 0, right, split));
    const QRect dashes = test::InkBounds(page->copy(0, split, right, page->height() - split));
    const QRect triangleArea(right, split, page->width() - right, page->height() - split);
    const QImage triangle = page->copy(triangleArea).copy(test::InkBounds(page->copy(triangleArea)));
    ASSERT_FALSE(kanji.isNull());
    ASSERT_FALSE(dashes.isNull());
    ASSERT_FALSE(triangle.isNull());
    EXPECT_GT(kanji.height(), 4 * kanji.width());
    EXPECT_GT(dashes.width(), 4 * dashes.height());
    const int half = triangle.width() / 2;
    EXPECT_LT(
        2 * test::InkBounds(triangle.copy(0, 0, half / 2, triangle.height())).height(),
        test::InkBounds(triangle.copy(triangle.width() - half / 2, 0, half / 2, triangle.height())).height());
}

QImage previewOf(const std::function<void(PrintSurface &)> &draw, double dpi = 100)
{
    const auto pages = RenderPreviewPages(draw, dpi);
    return pages.empty() ? QImage() : pages.front();
}

TEST(PreviewSurface, PagesAreWholeSheetsWithTheirOrientation)
{
    const auto pages = RenderPreviewPages(
        [](PrintSurface &s) {
            drawSomething(s);
            s.endDoc();
            s.setOrientation(PrintSurface::Landscape);
            drawSomething(s);
            s.endDoc();
        },
        96);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), QSize(794, 1123));
    EXPECT_EQ(pages[1].size(), QSize(1123, 794));
}

TEST(PreviewSurface, ColourNumbersHaveRedInTheLowByte)
{
    const QImage page = previewOf([](PrintSurface &s) {
        s.setScaleMode(PrintSurface::Millimetres);
        s.setFontName(QStringLiteral("BIZ UDMincho"));
        s.setFontSize(60);
        s.setForeColor(255);
        s.setCurrentX(0);
        s.setCurrentY(0);
        s.print(QStringLiteral("■"));
        s.line(PrintSurface::StraightLine, 0, 100, 100, 100, 0xFF0000);
    });
    ASSERT_FALSE(page.isNull());
    const double px = 100 / 25.4;
    EXPECT_EQ(QColor(page.pixel(qRound((5 + 10) * px), qRound((5 + 10) * px))), QColor(255, 0, 0));
    const int lineRow = qRound(105 * px);
    bool blue = false;
    for (int y = lineRow - 1; y <= lineRow + 1; ++y)
        blue = blue || QColor(page.pixel(qRound(50 * px), y)) == QColor(0, 0, 255);
    EXPECT_TRUE(blue);
}

TEST(PreviewSurface, PenMovesToTheNextLineAfterPrint)
{
    // Layouts set the pen before every text; a second Print without a new
    // pen must not land on top of the first.
    const QImage page = previewOf([](PrintSurface &s) {
        s.setScaleMode(PrintSurface::Millimetres);
        s.setFontName(QStringLiteral("BIZ UDMincho"));
        s.setFontSize(30);
        s.setCurrentX(20);
        s.setCurrentY(20);
        s.print(QStringLiteral("一"));
        s.print(QStringLiteral("一"));
    });
    const QRect ink = test::InkBounds(page);
    EXPECT_GT(ink.height(), 30 / 72.0 * 100);
}

}  // namespace
}  // namespace bks
