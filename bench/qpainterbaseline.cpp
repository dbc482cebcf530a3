#include "bench/qpainterbaseline.h"

#include "files/fonts.h"
#include "platform/colours.h"

#include <QElapsedTimer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainterPath>

#include <sys/resource.h>

namespace bks::bench {

namespace {

constexpr double kPxPerMm = 1200 / 25.4;

}  // namespace

long peakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double seconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

QPainterBaseline::QPainterBaseline(const QString &pdf)
{
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(pdf);
    m_printer.setResolution(1200);
    m_printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
}

void QPainterBaseline::applyPen(qint32 colour, int style)
{
    if (colour == m_penColour && style == m_penStyle)
        return;
    QPen pen(printedColour(colour), 2);
    pen.setCapStyle(Qt::FlatCap);
    if (style == 1)
        pen.setDashPattern({18, 6});
    else if (style == 2)
        pen.setDashPattern({3, 3});
    m_painter.setPen(pen);
    m_penColour = colour;
    m_penStyle = style;
}

void QPainterBaseline::drawSheet(const std::vector<RecordedOp> &sheet)
{
    if (sheet.empty())
        return;
    m_printer.setPageOrientation(sheet.front().orientation == PrintSurface::Landscape
                                     ? QPageLayout::Landscape
                                     : QPageLayout::Portrait);
    if (m_first) {
        m_painter.begin(&m_printer);
        m_first = false;
    } else {
        m_printer.newPage();
    }
    m_fontKey.clear();
    m_penColour = -1;
    m_penStyle = -1;
    for (const RecordedOp &op : sheet) {
        const double scale = op.scaleMode == PrintSurface::Twips ? kPxPerMm * 25.4 / 1440 : kPxPerMm;
        if (op.kind == RecordedOp::StrokePath) {
            QPen pen(printedColour(op.colour), op.width * scale);
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            m_painter.setPen(pen);
            m_penColour = -1;
            m_painter.drawPath(QTransform::fromScale(scale, scale).map(op.path));
            continue;
        }
        applyPen(op.colour, op.kind == RecordedOp::Print ? 0 : op.drawStyle);
        if (op.kind == RecordedOp::Line) {
            const QPointF a(op.x1 * scale, op.y1 * scale), b(op.x2 * scale, op.y2 * scale);
            if (op.flags == PrintSurface::Box)
                m_painter.drawRect(QRectF(a, b).normalized());
            else
                m_painter.drawLine(a, b);
        } else if (op.kind == RecordedOp::Print) {
            const QString key = op.fontName + QString::number(op.fontSize);
            if (key != m_fontKey) {
                auto it = m_families.find(op.fontName);
                if (it == m_families.end())
                    it = m_families.insert(op.fontName, resolvedFamily(op.fontName));
                QFont font(*it);
                font.setPointSizeF(op.fontSize);
                m_painter.setFont(font);
                m_ascent = QFontMetricsF(font, &m_printer).ascent();
                m_fontKey = key;
            }
            const QPointF baseline(op.x * scale, op.y * scale + m_ascent);
            if (op.halo > 0) {
                const double halo = op.halo * 1200 / 72.0;
                const QRectF ink = QFontMetricsF(m_painter.font(), &m_printer).tightBoundingRect(op.text);
                m_painter.fillRect(ink.translated(baseline).adjusted(-halo, -halo, halo, halo), Qt::white);
            }
            m_painter.drawText(baseline, op.text);
        }
    }
}

void QPainterBaseline::finish()
{
    if (m_painter.isActive())
        m_painter.end();
}

void replayWithQPainter(const std::vector<std::vector<RecordedOp>> &sheets, const QString &pdf)
{
    QPainterBaseline baseline(pdf);
    for (const auto &sheet : sheets)
        baseline.drawSheet(sheet);
    baseline.finish();
}

}  // namespace bks::bench
