#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace bks::test {

// Runs a poppler tool; nullopt when it is not installed or fails.
std::optional<QString> RunTool(const QString &tool, const QStringList &arguments);
bool HaveTool(const QString &tool);

// Page sizes in points as pdfinfo reports them, page by page.
std::optional<QList<QSizeF>> PdfPageSizes(const QString &pdf);
std::optional<int> PdfPageCount(const QString &pdf);

// One page rendered in grey levels (no anti-aliasing) at `dpi`, optionally
// cropped to `crop` (in pixels of that resolution).
std::optional<QImage> RenderPdfPage(const QString &pdf, int page, int dpi, QRect crop = {});

// Every page rendered as RenderPdfPage renders one, with one run of the
// tool.
std::optional<std::vector<QImage>> RenderPdfPages(const QString &pdf, int dpi);

// Smallest rectangle holding every pixel darker than `threshold`.
QRect InkBounds(const QImage &image, int threshold = 128);

// Lengths of the alternating dark and light runs along row `y` between x0
// and x1, starting with the first dark run.
QList<int> DarkRunsInRow(const QImage &image, int y, int x0, int x1, int threshold = 128);
QList<int> LightRunsInRow(const QImage &image, int y, int x0, int x1, int threshold = 128);

// A scratch directory that lives as long as the test binary.
QString ScratchPath(const QString &name);

}  // namespace bks::test
