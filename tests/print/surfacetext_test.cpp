// What the Qt surface does with text, in a PDF and on preview pages: real
// point sizes below the pen, turned full-width characters for an "@" face,
// whole sheets on preview images.
#include "tests/print/pdfsurface.h"

#include <gtest/gtest.h>

namespace bks {
namespace {

using test::drawSomething;
using test::pdfSurface;
using test::RenderPdfPage;
using test::ScratchPath;
using test::skipWithoutPoppler;

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
        ASSERT_TRUE(s->finish().ok());
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
    ASSERT_TRUE(s->finish().ok());
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
