// A stroke-order sheet written to a PDF and read back with poppler-utils:
// its texts are text, its strokes are drawn as vectors.
#include "tests/print/sheetpdf.h"
#include "tests/print/strokes_helpers.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace bks::test {
namespace {

int darkPixels(const QImage &page)
{
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
    return dark;
}

QString pageText(const QString &pdf, int page)
{
    const auto out = RunTool(QStringLiteral("pdftotext"),
                             {QStringLiteral("-raw"), QStringLiteral("-f"), QString::number(page),
                              QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    return out ? QString(*out).remove(QRegularExpression(QStringLiteral("[\\s\\x{3000}]"))) : QString();
}

TEST_F(SheetPdf, AStrokeOrderSheetKeepsItsTextsAsTextAndItsStrokesAsVectors)
{
    if (!HaveTool(QStringLiteral("pdfimages")))
        GTEST_SKIP() << "pdfimages not installed (poppler-utils)";
    const SheetSources data = sourcesWith(handMadeStrokeData());
    const SheetSources none = sourcesWith(StrokeData::fromCharacters({}));
    const SheetSettings settings = settingsFor(kFace);
    // The same sheet with and without its strokes.
    const QString pdf = writePdf(QStringLiteral("strokes.pdf"), [&](PrintSurface &s) {
        for (const SheetSources *strokes : {&data, &none}) {
            printSheet(*chooseLayout(kStrokeOrderForm, 1), s,
                       sheetContent(*chooseLayout(kStrokeOrderForm, 1), kMountain, 1, {}, *strokes),
                       settings);
            s.newPage();
        }
        s.endDoc();
    });
    ASSERT_EQ(PdfPageCount(pdf), 2);
    for (const int page : {1, 2}) {
        const QString text = pageText(pdf, page);
        EXPECT_TRUE(text.contains(kMountain)) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("書き順データ:KanjiVG(CCBY-SA3.0)"))) << text.toStdString();
    }
    // No picture anywhere: the strokes are paths, as sharp as the printer.
    const auto images = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    ASSERT_TRUE(images);
    EXPECT_EQ(images->trimmed().split(QLatin1Char('\n')).size(), 2) << images->toStdString();
    // ...and they are there: the sheet with strokes carries more ink.
    const auto withStrokes = RenderPdfPage(pdf, 1, 50), without = RenderPdfPage(pdf, 2, 50);
    ASSERT_TRUE(withStrokes && without);
    EXPECT_GT(darkPixels(*withStrokes), darkPixels(*without) + 100);
}

}  // namespace
}  // namespace bks::test
