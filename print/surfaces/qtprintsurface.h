#pragma once

#include "platform/platformservices.h"
#include "print/output/pagetargets.h"
#include "print/surfaces/surfacesettings.h"
#include "print/surfaces/textcell.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QRawFont>
#include <QPen>
#include <QString>
#include <QTransform>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace bks {

// The print surface over a page target. Units are converted to device
// pixels here, with no painter transform, so font point sizes stay real
// points on every device.
class QtPrintSurface : public SettingsKeepingSurface {
public:
    explicit QtPrintSurface(std::unique_ptr<PageTarget> target);
    ~QtPrintSurface() override;

    void print(const QString &text) override;
    void printColumn(const QString &text) override;
    void line(int flags, double x1, double y1, double x2, double y2, qint32 colour) override;
    void strokePath(const QPainterPath &path, double width, qint32 colour) override;
    void newPage() override;
    void endDoc() override;
    Result<> finish() override;
    QString notice() const override;

    PageTarget &target() { return *m_target; }
    // Pages begun so far.
    int pageCount() const { return m_pageCount; }

protected:
    QSizeF printableMm() const override;

private:
    QPainter &painter();
    QPointF toDevice(double x, double y) const;
    // From the current unit, measured from the printable area, to device
    // pixels.
    QTransform deviceTransform() const;
    QPageLayout::Orientation pageOrientation() const;
    void applyPen(const QColor &colour, int style);
    void prepareFont();
    const QRawFont &rawFont();
    void drawHalo(QPainter &p, QPointF baseline, const QString &text);
    void drawWithVariants(QPainter &p, const QRawFont &raw, QPointF baseline, const QString &text);

    std::unique_ptr<PageTarget> m_target;
    QPainter *m_painter = nullptr;  // while a page is open
    int m_pageCount = 0;
    bool m_finished = false;
    std::optional<QString> m_failure;

    // The face the family was resolved for, and the font made last.
    QString m_familyFace;
    QString m_family;
    bool m_fontDirty = true;
    QString m_fontFace;
    double m_fontPoints = 0;
    QFont m_font;
    std::optional<QFontMetricsF> m_metrics;
    TextCell m_cell;
    double m_pixelSize = 0;  // of m_font on the page's device
    // m_font's glyphs, made the first time a text needs them after the
    // font changed: the cache behind RawFontAt builds a key from the whole
    // font on every call, which a sheet's many short columns felt.
    std::optional<QRawFont> m_raw;
    QPageLayout::Orientation m_openOrientation = QPageLayout::Portrait;

    bool m_penValid = false;
    QRgb m_penRgb = 0;
    int m_penStyle = -1;
};

// Opens the output the printer dialog chose: a PDF file when one is named,
// otherwise the CUPS queue with the job options chosen. Throws
// PrintSurfaceError when the queue is unknown.
std::unique_ptr<PrintSurface> openPrintSurface(const PrinterChoice &choice);

// Draws with `draw` onto preview pages of `dpi` and returns them.
std::vector<QImage> RenderPreviewPages(const std::function<void(PrintSurface &)> &draw, double dpi = 96.0);

}  // namespace bks
