#pragma once

#include "platform/platformservices.h"
#include "print/printsurface.h"
#include "print/textcell.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPrinterInfo;

namespace bks {

// Where the pages of a surface go: a printer, a PDF file or images. Pages
// are asked for only when something is drawn on them.
class PageTarget {
public:
    virtual ~PageTarget() = default;

    // Starts the next page (the first one opens the output) and returns the
    // painter for it, its origin at the top-left of the paper. Throws
    // PrintSurfaceError when the output cannot be opened or a page cannot
    // be added.
    virtual QPainter &beginPage(QPageLayout::Orientation orientation) = 0;
    // Device pixels per inch of the pages.
    virtual double resolution() const = 0;
    // The printable area of a page, in millimetres from the paper's corner.
    virtual QRectF printableMm(QPageLayout::Orientation orientation) const = 0;
    // Where the painter's origin lies on the paper, in millimetres (the
    // painter of a printer starts at its printable area).
    virtual QPointF painterOriginMm(QPageLayout::Orientation orientation) const = 0;
    // Width of every line in device pixels.
    virtual double lineWidth() const { return 1.0; }
    virtual bool finish(QString *error) = 0;
};

// A CUPS queue or a PDF file through one QPrinter and one QPainter for the
// whole run.
class PrinterPageTarget : public PageTarget {
public:
    // A PDF file: A4 less 5 mm on every side, lines one 600-dpi pixel wide.
    explicit PrinterPageTarget(const QString &pdfFile);
    // A printer queue with its own printable area and resolution.
    explicit PrinterPageTarget(const QPrinterInfo &printer);
    ~PrinterPageTarget() override;

    QPainter &beginPage(QPageLayout::Orientation orientation) override;
    double resolution() const override;
    QRectF printableMm(QPageLayout::Orientation orientation) const override;
    QPointF painterOriginMm(QPageLayout::Orientation orientation) const override;
    double lineWidth() const override;
    bool finish(QString *error) override;

    QPrinter &printer() { return m_printer; }
    int pagesStarted() const { return m_pages; }

private:
    QPrinter m_printer;
    QPainter m_painter;
    QString m_pdfFile;
    QRectF m_printable[2];  // portrait, landscape
    QString m_error;
    int m_pages = 0;
    bool m_finished = false;
};

// Renders each page into an image of the whole A4 sheet (white paper, the
// printable area of the PDF output), for an on-screen preview.
class ImagePageTarget : public PageTarget {
public:
    explicit ImagePageTarget(double dpi = 96.0);
    ~ImagePageTarget() override;

    QPainter &beginPage(QPageLayout::Orientation orientation) override;
    double resolution() const override { return m_dpi; }
    QRectF printableMm(QPageLayout::Orientation orientation) const override;
    QPointF painterOriginMm(QPageLayout::Orientation orientation) const override;
    bool finish(QString *error) override;

    // The pages drawn so far; the last one is complete after finish().
    const std::vector<QImage> &pages() const { return m_pages; }

private:
    double m_dpi;
    std::vector<QImage> m_pages;
    QPainter m_painter;
};

// The print surface over a page target. Units are converted to device
// pixels here, with no painter transform, so font point sizes stay real
// points on every device.
class QtPrintSurface : public PrintSurface {
public:
    explicit QtPrintSurface(std::unique_ptr<PageTarget> target);
    ~QtPrintSurface() override;

    void setFontName(const QString &face) override;
    void setFontSize(double points) override;
    void setCurrentX(double x) override;
    void setCurrentY(double y) override;
    void setScaleMode(int mode) override;
    void setDrawStyle(int style) override;
    void setOrientation(int orientation) override;
    void setPaperSize(int size) override;
    void setForeColor(qint32 colour) override;
    double scaleWidth() const override;
    double scaleHeight() const override;
    void print(const QString &text) override;
    void line(int flags, double x1, double y1, double x2, double y2, qint32 colour) override;
    void newPage() override;
    void endDoc() override;
    bool finish(QString *error) override;

    PageTarget &target() { return *m_target; }
    // Pages begun so far.
    int pageCount() const { return m_pageCount; }

private:
    QPainter &painter();
    QPointF toDevice(double x, double y) const;
    double unitsPerMm() const;
    QPageLayout::Orientation pageOrientation() const;
    void applyPen(const QColor &colour, int style);
    void prepareFont();

    std::unique_ptr<PageTarget> m_target;
    QPainter *m_painter = nullptr;  // while a page is open
    int m_pageCount = 0;
    bool m_finished = false;
    std::optional<QString> m_failure;

    QString m_face;
    QString m_family;
    double m_points = 0;
    bool m_fontDirty = true;
    QFont m_font;
    std::optional<QFontMetricsF> m_metrics;
    TextCell m_cell;
    double m_x = 0, m_y = 0;
    int m_scaleMode = Twips;
    int m_drawStyle = Solid;
    int m_orientation = Portrait;
    QPageLayout::Orientation m_openOrientation = QPageLayout::Portrait;
    qint32 m_foreColor = 0;

    bool m_penValid = false;
    QRgb m_penRgb = 0;
    int m_penStyle = -1;
};

// Opens the output the printer dialog chose: a PDF file when one is named,
// otherwise the CUPS queue. Throws PrintSurfaceError when the queue is
// unknown.
std::unique_ptr<PrintSurface> openPrintSurface(const PrinterChoice &choice);

// Draws with `draw` onto preview pages of `dpi` and returns them.
std::vector<QImage> RenderPreviewPages(const std::function<void(PrintSurface &)> &draw, double dpi = 96.0);

}  // namespace bks
