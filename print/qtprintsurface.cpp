#include "print/qtprintsurface.h"

#include "files/fonts.h"
#include "platform/colours.h"
#include "print/verticalglyphs.h"

#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

namespace bks {

namespace {

constexpr double kMmPerInch = 25.4;
// The office printer whose guide patterns every output imitates.
constexpr double kReferencePrinterDpi = 600;

}  // namespace

// ---------------------------------------------------------------- surface

QtPrintSurface::QtPrintSurface(std::unique_ptr<PageTarget> target) : m_target(std::move(target)) {}

// A surface dropped without finish() outputs nothing: its target discards
// what was drawn.
QtPrintSurface::~QtPrintSurface() = default;

void QtPrintSurface::setFontName(const QString &face)
{
    if (face == m_face && !m_family.isEmpty())
        return;
    m_face = face;
    m_family = resolvedFamily(face);
    m_fontDirty = true;
}

void QtPrintSurface::setFontSize(double points)
{
    if (!(points > 0) || points > 2160)
        throw PrintSurfaceError(QStringLiteral("文字の大きさが範囲外です").toStdString());
    if (points != m_points) {
        m_points = points;
        m_fontDirty = true;
    }
}

void QtPrintSurface::setCurrentX(double x)
{
    m_x = x;
}

void QtPrintSurface::setCurrentY(double y)
{
    m_y = y;
}

void QtPrintSurface::setScaleMode(int mode)
{
    if (mode != Twips && mode != Millimetres)
        throw PrintSurfaceError(QStringLiteral("使えない座標単位です").toStdString());
    m_scaleMode = mode;
}

void QtPrintSurface::setDrawStyle(int style)
{
    if (style < Solid || style > Dotted)
        throw PrintSurfaceError(QStringLiteral("使えない線の種類です").toStdString());
    m_drawStyle = style;
}

void QtPrintSurface::setOrientation(int orientation)
{
    if (orientation != Portrait && orientation != Landscape)
        throw PrintSurfaceError(QStringLiteral("使えない用紙の向きです").toStdString());
    m_orientation = orientation;
}

void QtPrintSurface::setPaperSize(int size)
{
    if (size != A4)
        throw PrintSurfaceError(QStringLiteral("用紙はA4だけが使えます").toStdString());
}

void QtPrintSurface::setForeColor(qint32 colour)
{
    m_foreColor = colour;
}

double QtPrintSurface::unitsPerMm() const
{
    return m_scaleMode == Twips ? 1440.0 / kMmPerInch : 1.0;
}

QPageLayout::Orientation QtPrintSurface::pageOrientation() const
{
    // A page keeps the orientation it was started in.
    if (m_painter)
        return m_openOrientation;
    return m_orientation == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

double QtPrintSurface::scaleWidth() const
{
    return m_target->printableMm(pageOrientation()).width() * unitsPerMm();
}

double QtPrintSurface::scaleHeight() const
{
    return m_target->printableMm(pageOrientation()).height() * unitsPerMm();
}

QPainter &QtPrintSurface::painter()
{
    if (m_failure)
        throw PrintSurfaceError(m_failure->toStdString());
    if (m_finished)
        throw PrintSurfaceError(QStringLiteral("出力はすでに閉じられています").toStdString());
    if (!m_painter) {
        const QPageLayout::Orientation orientation = pageOrientation();
        try {
            m_painter = &m_target->beginPage(orientation);
        } catch (const PrintSurfaceError &e) {
            m_failure = QString::fromStdString(e.what());
            throw;
        }
        m_openOrientation = orientation;
        ++m_pageCount;
        m_painter->setBrush(Qt::NoBrush);
        m_penValid = false;
        m_fontDirty = true;
    }
    return *m_painter;
}

QPointF QtPrintSurface::toDevice(double x, double y) const
{
    const double pxPerMm = m_target->resolution() / kMmPerInch;
    const QPointF offset = m_target->printableMm(m_openOrientation).topLeft()
                           - m_target->painterOriginMm(m_openOrientation);
    const double perUnit = pxPerMm / unitsPerMm();
    return {offset.x() * pxPerMm + x * perUnit, offset.y() * pxPerMm + y * perUnit};
}

void QtPrintSurface::applyPen(const QColor &colour, int style)
{
    const QRgb rgb = colour.rgba();
    if (m_penValid && rgb == m_penRgb && style == m_penStyle)
        return;
    const double width = m_target->lineWidth();
    QPen pen(colour);
    pen.setWidthF(width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (style != Solid) {
        // The guide patterns of a 600-dpi office printer, kept at their
        // length on paper whatever the resolution, and long enough to be
        // seen on a coarse preview.
        const double px = m_target->resolution() / kReferencePrinterDpi;
        const double on = style == Dashed ? std::max(18 * px, 4.0) : std::max(3 * px, 1.0);
        const double off = style == Dashed ? std::max(6 * px, 2.0) : std::max(3 * px, 1.0);
        pen.setDashPattern({on / width, off / width});
    }
    m_painter->setPen(pen);
    m_penValid = true;
    m_penRgb = rgb;
    m_penStyle = style;
}

void QtPrintSurface::prepareFont()
{
    if (!m_fontDirty)
        return;
    if (m_points <= 0)
        m_points = 9;  // a printer's own default size until a size is set
    m_font = QFont(m_family.isEmpty() ? resolvedFamily(m_face) : m_family);
    m_font.setPointSizeF(m_points);
    m_metrics.emplace(m_font, m_painter->device());
    m_cell = EmBoxCell(m_font, *m_metrics, m_points * m_painter->device()->logicalDpiY() / 72.0);
    m_painter->setFont(m_font);
    m_fontDirty = false;
}

void QtPrintSurface::print(const QString &text)
{
    QPainter &p = painter();
    prepareFont();
    applyPen(printedColour(m_foreColor), Solid);
    const QPointF at = toDevice(m_x, m_y);
    if (isVerticalFace(m_face)) {
        DrawSidewaysText(p, m_font, *m_metrics, m_cell, at, text);
        p.setFont(m_font);
    } else {
        p.drawText(QPointF(at.x(), at.y() + m_cell.baseline), text);
    }
    // Like a printer's Print: the pen goes to the start of the next line.
    const double unitsPerPx = unitsPerMm() * kMmPerInch / m_target->resolution();
    m_x = 0;
    m_y += m_metrics->height() * unitsPerPx;
}

void QtPrintSurface::line(int flags, double x1, double y1, double x2, double y2, qint32 colour)
{
    if (flags != StraightLine && flags != Box)
        throw PrintSurfaceError(QStringLiteral("使えない線の指定です").toStdString());
    QPainter &p = painter();
    applyPen(printedColour(colour), m_drawStyle);
    const QPointF a = toDevice(x1, y1), b = toDevice(x2, y2);
    if (flags == Box)
        p.drawRect(QRectF(a, b).normalized());
    else
        p.drawLine(a, b);
    m_x = x2;
    m_y = y2;
}

void QtPrintSurface::newPage()
{
    if (m_failure)
        throw PrintSurfaceError(m_failure->toStdString());
    // The next drawing call starts the page; an empty page never appears.
    m_painter = nullptr;
}

void QtPrintSurface::endDoc()
{
    if (m_failure)
        throw PrintSurfaceError(m_failure->toStdString());
    m_painter = nullptr;
    m_orientation = Portrait;
}

bool QtPrintSurface::finish(QString *error)
{
    m_painter = nullptr;
    m_finished = true;
    const bool ok = m_target->finish(error);
    if (!ok)
        return false;
    if (m_failure) {
        if (error)
            *error = *m_failure;
        return false;
    }
    return true;
}

QString QtPrintSurface::notice() const
{
    return m_target->notice();
}

// ---------------------------------------------------------------- opening

std::unique_ptr<PrintSurface> openPrintSurface(const PrinterChoice &choice)
{
    if (choice.toPdf())
        return std::make_unique<QtPrintSurface>(std::make_unique<PrinterPageTarget>(choice.pdfFile));
    const QPrinterInfo info = choice.printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                            : QPrinterInfo::printerInfo(choice.printerName);
    if (info.isNull())
        throw PrintSurfaceError(QStringLiteral("プリンター %1 が見つかりません").arg(choice.printerName).toStdString());
    return std::make_unique<QtPrintSurface>(std::make_unique<PrinterPageTarget>(info, choice));
}

std::vector<QImage> RenderPreviewPages(const std::function<void(PrintSurface &)> &draw, double dpi)
{
    auto target = std::make_unique<ImagePageTarget>(dpi);
    ImagePageTarget *pages = target.get();
    QtPrintSurface surface(std::move(target));
    draw(surface);
    surface.finish(nullptr);
    return pages->pages();
}

}  // namespace bks
