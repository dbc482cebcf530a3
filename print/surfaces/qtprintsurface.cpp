#include "print/surfaces/qtprintsurface.h"

#include "files/fonts.h"
#include "platform/colours.h"
#include "print/output/cupsjob.h"
#include "print/text/characters.h"
#include "print/text/textqueue.h"
#include "print/surfaces/variantglyphs.h"
#include "print/surfaces/verticalglyphs.h"

#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

namespace bks {

namespace {

constexpr double kMmPerInch = 25.4;
// The office printer whose guide patterns every output imitates.
constexpr double kReferencePrinterDpi = 600;

// Every point of the path is its first (measuring its length instead would
// cost more than drawing it).
bool goesNowhere(const QPainterPath &path)
{
    for (int i = 1; i < path.elementCount(); ++i)
        if (QPointF(path.elementAt(i)) != QPointF(path.elementAt(0)))
            return false;
    return true;
}

}  // namespace

// ---------------------------------------------------------------- surface

QtPrintSurface::QtPrintSurface(std::unique_ptr<PageTarget> target) : m_target(std::move(target)) {}

// A surface dropped without finish() outputs nothing: its target discards
// what was drawn.
QtPrintSurface::~QtPrintSurface() = default;

QPageLayout::Orientation QtPrintSurface::pageOrientation() const
{
    // A page keeps the orientation it was started in.
    if (m_painter)
        return m_openOrientation;
    return settings().orientation == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QSizeF QtPrintSurface::printableMm() const
{
    return m_target->printableMm(pageOrientation()).size();
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
    return deviceTransform().map(QPointF(x, y));
}

QTransform QtPrintSurface::deviceTransform() const
{
    const double pxPerMm = m_target->resolution() / kMmPerInch;
    const QPointF offset = m_target->printableMm(m_openOrientation).topLeft()
                           - m_target->painterOriginMm(m_openOrientation);
    const double perUnit = pxPerMm / unitsPerMm();
    return {perUnit, 0, 0, perUnit, offset.x() * pxPerMm, offset.y() * pxPerMm};
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
    const QString &face = settings().fontName;
    // A printer's own default size until a size is set.
    const double points = settings().fontSize > 0 ? settings().fontSize : 9;
    if (!m_fontDirty && face == m_fontFace && points == m_fontPoints)
        return;
    // Resolving a face looks through the installed fonts: once per face.
    if (m_family.isEmpty() || face != m_familyFace) {
        m_family = resolvedFamily(face);
        m_familyFace = face;
    }
    m_font = QFont(m_family);
    m_font.setPointSizeF(points);
    m_metrics.emplace(m_font, m_painter->device());
    m_pixelSize = points * m_painter->device()->logicalDpiY() / 72.0;
    m_cell = EmBoxCell(m_font, *m_metrics, m_pixelSize);
    m_raw.reset();
    m_painter->setFont(m_font);
    m_fontDirty = false;
    m_fontFace = face;
    m_fontPoints = points;
}

const QRawFont &QtPrintSurface::rawFont()
{
    if (!m_raw)
        m_raw = RawFontAt(m_font, m_pixelSize);
    return *m_raw;
}

void QtPrintSurface::print(const QString &text)
{
    QPainter &p = painter();
    prepareFont();
    applyPen(printedColour(settings().colour), Solid);
    const QPointF at = toDevice(settings().x, settings().y);
    // A character with a variation selector prints in that shape where the
    // face has it, in its usual shape where not.
    const bool variants = hasVariationSelector(text);
    const QRawFont raw = variants ? rawFont() : QRawFont();
    const QString shown = variants ? WithoutMissingVariants(text, raw) : text;
    if (isVerticalFace(settings().fontName)) {
        DrawSidewaysText(p, m_font, rawFont(), *m_metrics, m_cell, at, shown);
        p.setFont(m_font);
    } else if (variants && hasVariationSelector(shown)) {
        drawWithVariants(p, raw, QPointF(at.x(), at.y() + m_cell.baseline), shown);
    } else {
        const QPointF baseline(at.x(), at.y() + m_cell.baseline);
        if (settings().halo > 0)
            drawHalo(p, baseline, shown);
        p.drawText(baseline, shown);
    }
    // Like a printer's Print: the pen goes to the start of the next line.
    const double unitsPerPx = unitsPerMm() * kMmPerInch / m_target->resolution();
    current().x = 0;
    current().y += m_metrics->height() * unitsPerPx;
}

void QtPrintSurface::printColumn(const QString &text)
{
    QPainter &p = painter();
    prepareFont();
    applyPen(printedColour(settings().colour), Solid);
    const QPointF at = toDevice(settings().x, settings().y);
    const QRawFont &raw = rawFont();
    const QString shown = hasVariationSelector(text) ? WithoutMissingVariants(text, raw) : text;
    if (settings().halo > 0) {
        // The column's whole footprint: its squares are as wide as its ink
        // may reach.
        const double halo = settings().halo * p.device()->logicalDpiY() / 72.0;
        const double length = m_pixelSize * countCharacters(shown);
        const QSizeF size = isVerticalFace(settings().fontName) ? QSizeF(length, m_pixelSize)
                                                                : QSizeF(m_pixelSize, length);
        p.fillRect(QRectF(at, size).adjusted(-halo, -halo, halo, halo), Qt::white);
    }
    DrawColumnText(p, m_font, raw, *m_metrics, m_cell, at, shown, isVerticalFace(settings().fontName));
    p.setFont(m_font);
}

// Character by character, each one with a variation selector as the glyph
// the face has for it.
void QtPrintSurface::drawWithVariants(QPainter &p, const QRawFont &raw, QPointF baseline, const QString &text)
{
    double x = baseline.x();
    for (qsizetype i = 0; i < text.size();) {
        const FaceCharacter one = takeFaceCharacter(raw, text, i, PlainGlyphs::Skip);
        const QString &character = one.text;
        const std::optional<quint32> &glyph = one.glyph;
        if (!glyph) {
            p.drawText(QPointF(x, baseline.y()), character);
            x += m_metrics->horizontalAdvance(character);
            continue;
        }
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes({*glyph});
        run.setPositions({QPointF(0, 0)});
        p.drawGlyphRun(QPointF(x, baseline.y()), run);
        x += raw.advancesForGlyphIndexes(QList<quint32>{*glyph}).value(0).x();
    }
}

// White under the text, reaching the halo's width beyond its ink: one box,
// which costs a PDF a few bytes where the glyphs' stroked outlines would
// double the size of a sheet of stroke numbers.
void QtPrintSurface::drawHalo(QPainter &p, QPointF baseline, const QString &text)
{
    const double halo = settings().halo * p.device()->logicalDpiY() / 72.0;
    const QRectF ink = m_metrics->tightBoundingRect(text).translated(baseline);
    p.fillRect(ink.adjusted(-halo, -halo, halo, halo), Qt::white);
}

void QtPrintSurface::line(int flags, double x1, double y1, double x2, double y2, qint32 colour)
{
    if (flags != StraightLine && flags != Box)
        throw PrintSurfaceError(QStringLiteral("使えない線の指定です").toStdString());
    QPainter &p = painter();
    applyPen(printedColour(colour), settings().drawStyle);
    const QPointF a = toDevice(x1, y1), b = toDevice(x2, y2);
    if (flags == Box)
        p.drawRect(QRectF(a, b).normalized());
    else
        p.drawLine(a, b);
    current().x = x2;
    current().y = y2;
}

void QtPrintSurface::strokePath(const QPainterPath &path, double width, qint32 colour)
{
    if (!(width > 0) || !std::isfinite(width))
        throw PrintSurfaceError(QStringLiteral("線の太さが範囲外です").toStdString());
    QPainter &p = painter();
    const QTransform toPx = deviceTransform();
    const QColor printed = printedColour(colour);
    const double px = width * toPx.m11();
    // Qt draws nothing for a path that goes nowhere, whatever its caps: the
    // dot is filled by hand.
    if (goesNowhere(path)) {
        if (path.elementCount() > 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(printed);
            p.drawEllipse(toPx.map(path.elementAt(0)), px / 2, px / 2);
            p.setBrush(Qt::NoBrush);
        }
    } else {
        QPen pen(printed);
        pen.setWidthF(px);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.drawPath(toPx.map(path));
    }
    m_penValid = false;
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
    documentEnded();
}

Result<> QtPrintSurface::finish()
{
    m_painter = nullptr;
    m_finished = true;
    if (Result<> finished = m_target->finish(); !finished)
        return finished;
    if (m_failure)
        return Failure{*m_failure};
    return {};
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
        throw PrintSurfaceError(printerNotFound(choice.printerName).toStdString());
    return std::make_unique<QtPrintSurface>(std::make_unique<PrinterPageTarget>(info, choice));
}

std::vector<QImage> RenderPreviewPages(const std::function<void(PrintSurface &)> &draw, double dpi)
{
    auto target = std::make_unique<ImagePageTarget>(dpi);
    ImagePageTarget *pages = target.get();
    QtPrintSurface surface(std::move(target));
    draw(surface);
    // Pages drawn before a failure are still shown.
    (void)surface.finish();
    return pages->pages();
}

}  // namespace bks
