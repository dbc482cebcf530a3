#pragma once

#include "platform/platformservices.h"
#include "print/pagetargets.h"
#include "print/printsurface.h"
#include "print/textcell.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace bks {

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
    QString notice() const override;

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
// otherwise the CUPS queue with the job options chosen. Throws
// PrintSurfaceError when the queue is unknown.
std::unique_ptr<PrintSurface> openPrintSurface(const PrinterChoice &choice);

// Draws with `draw` onto preview pages of `dpi` and returns them.
std::vector<QImage> RenderPreviewPages(const std::function<void(PrintSurface &)> &draw, double dpi = 96.0);

}  // namespace bks
