#include "tests/print/pdfsurface.h"

#include <QFileInfo>
#include <QPainterPath>

#include <gtest/gtest.h>

namespace bks {
namespace {

using test::drawSomething;
using test::PdfPageCount;
using test::PdfPageSizes;
using test::pdfSurface;
using test::RenderPdfPage;
using test::ScratchPath;
using test::skipWithoutPoppler;

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
    EXPECT_TRUE(s->finish().ok());
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
    EXPECT_TRUE(s.finish().ok());
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
    ASSERT_TRUE(s->finish().ok());

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
        const Result<> finished = s->finish();
        EXPECT_FALSE(finished.ok());
        EXPECT_FALSE(finished.failure().isEmpty());
    }
}

TEST(PdfSurface, NothingDrawnWritesNoFileAndSucceeds)
{
    const QString path = ScratchPath(QStringLiteral("empty.pdf"));
    auto s = pdfSurface(path);
    s->endDoc();
    s->newPage();
    s->endDoc();
    EXPECT_TRUE(s->finish().ok());
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(PdfSurface, DrawingAfterFinishFails)
{
    auto s = pdfSurface(ScratchPath(QStringLiteral("after.pdf")));
    drawSomething(*s);
    ASSERT_TRUE(s->finish().ok());
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
    EXPECT_THROW(s->setTextHalo(-1), PrintSurfaceError);
    EXPECT_THROW(s->line(6, 0, 0, 1, 1, 0), PrintSurfaceError);
    s->setPaperSize(PrintSurface::A4);
    s->finish().ok();
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
    EXPECT_TRUE(s->finish().ok());
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

// Strokes at 30 mm below the printable area's top, 5 mm in: a 4 mm wide
// stroke from 20 to 60 mm, and single points 6 mm wide at 100 mm (given in
// millimetres) and at 150 mm (given in twips). On paper and on the preview,
// whose painter draws nothing for a point by itself.
TEST(PdfSurface, StrokesHaveRoundEndsAndAPointLeavesADot)
{
    skipWithoutPoppler();
    auto draw = [](PrintSurface &s) {
        s.setScaleMode(PrintSurface::Millimetres);
        QPainterPath stroke(QPointF(20, 30));
        stroke.lineTo(60, 30);
        s.strokePath(stroke, 4, 0);
        s.strokePath(QPainterPath(QPointF(100, 30)), 6, 0);
        s.setScaleMode(PrintSurface::Twips);
        const double twips = 1440 / 25.4;
        s.strokePath(QPainterPath(QPointF(150 * twips, 30 * twips)), 6 * twips, 0);
    };
    const QString pdf = ScratchPath(QStringLiteral("strokes.pdf"));
    auto s = pdfSurface(pdf);
    draw(*s);
    ASSERT_TRUE(s->finish().ok());

    const int dpi = 300;
    const auto printed = RenderPdfPage(pdf, 1, dpi);
    ASSERT_TRUE(printed);
    const QImage preview = RenderPreviewPages(draw, dpi).at(0);
    for (const QImage &page : {*printed, preview}) {
        auto px = [&](double mm) { return mm / 25.4 * dpi; };
        auto inkBetween = [&](double fromMm, double toMm) {
            const QRect region(qRound(px(fromMm)), qRound(px(20)), qRound(px(toMm - fromMm)), qRound(px(30)));
            return test::InkBounds(page.copy(region)).translated(region.topLeft());
        };
        // The round caps reach half the width beyond the ends.
        const QRect line = inkBetween(15, 80);
        EXPECT_NEAR(line.left(), px(23), 2);
        EXPECT_NEAR(line.right(), px(67), 2);
        EXPECT_NEAR(line.height(), px(4), 2);
        for (const double at : {105.0, 155.0}) {
            const QRect dot = inkBetween(at - 10, at + 10);
            EXPECT_NEAR(dot.width(), px(6), 2) << at;
            EXPECT_NEAR(dot.height(), px(6), 2) << at;
            EXPECT_NEAR((dot.left() + dot.right() + 1) / 2.0, px(at), 2) << at;
        }
    }
}

// A text with a halo reads over a stroke drawn before it: on paper and on
// the preview the stroke turns white around the glyphs, which stay black.
TEST(PdfSurface, AHaloClearsWhatLiesUnderATextAroundItsGlyphs)
{
    skipWithoutPoppler();
    const int dpi = 300;
    auto draw = [](double halo) {
        return [halo](PrintSurface &s) {
            s.setScaleMode(PrintSurface::Millimetres);
            QPainterPath stroke(QPointF(10, 30));
            stroke.lineTo(60, 30);
            s.strokePath(stroke, 8, 0);
            s.setFontName(QStringLiteral("IPAexMincho"));
            s.setFontSize(60);
            s.setTextHalo(halo);
            s.setCurrentX(20);
            s.setCurrentY(20);
            s.print(QStringLiteral("8"));
        };
    };
    for (const double halo : {0.0, 6.0}) {
        const QString pdf = ScratchPath(QStringLiteral("halo%1.pdf").arg(halo));
        auto s = pdfSurface(pdf);
        draw(halo)(*s);
        ASSERT_TRUE(s->finish().ok());
        const auto printed = RenderPdfPage(pdf, 1, dpi);
        ASSERT_TRUE(printed);
        for (const QImage &page : {*printed, RenderPreviewPages(draw(halo), dpi).at(0)}) {
            // The stroke's band (26 to 34 mm down, 5 mm in) where the digit stands.
            const QRect band(qRound(25.0 / 25.4 * dpi), qRound(32.0 / 25.4 * dpi), qRound(25.0 / 25.4 * dpi),
                             qRound(4.0 / 25.4 * dpi));
            int white = 0;
            for (int y = band.top(); y <= band.bottom(); ++y)
                for (int x = band.left(); x <= band.right(); ++x)
                    white += qGray(page.pixel(x, y)) > 200 ? 1 : 0;
            EXPECT_EQ(white > 200, halo > 0) << white;
            // The digit itself still inks above the stroke.
            EXPECT_FALSE(test::InkBounds(page.copy(band.translated(0, -qRound(8.0 / 25.4 * dpi)))).isNull());
        }
    }
}

}  // namespace
}  // namespace bks
