#include "bench/qpainterbaseline.h"

#include "files/fonts.h"
#include "platform/colours.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainterPath>

#include <algorithm>

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
        applyPen(op.colour, op.prints() ? 0 : op.drawStyle);
        if (op.kind == RecordedOp::Line) {
            const QPointF a(op.x1 * scale, op.y1 * scale), b(op.x2 * scale, op.y2 * scale);
            if (op.flags == PrintSurface::Box)
                m_painter.drawRect(QRectF(a, b).normalized());
            else
                m_painter.drawLine(a, b);
        } else if (op.kind == RecordedOp::Print) {
            applyFont(op.fontName, op.fontSize);
            const QPointF baseline(op.x * scale, op.y * scale + m_ascent);
            if (op.halo > 0) {
                const double halo = op.halo * 1200 / 72.0;
                const QRectF ink = m_metrics->tightBoundingRect(op.text);
                m_painter.fillRect(ink.translated(baseline).adjusted(-halo, -halo, halo, halo), Qt::white);
            }
            m_painter.drawText(baseline, op.text);
        } else if (op.kind == RecordedOp::PrintColumn) {
            applyFont(op.fontName, op.fontSize);
            drawColumn(QPointF(op.x * scale, op.y * scale), op.text, isVerticalFace(op.fontName), op.halo);
        }
    }
}

void QPainterBaseline::applyFont(const QString &face, double points)
{
    const QString key = face + QString::number(points);
    if (key == m_fontKey)
        return;
    auto it = m_families.find(face);
    if (it == m_families.end())
        it = m_families.insert(face, resolvedFamily(face));
    QFont font(*it);
    font.setPointSizeF(points);
    m_painter.setFont(font);
    m_metrics.emplace(font, &m_printer);
    m_ascent = m_metrics->ascent();
    m_fontKey = key;
}

// A character an em square down the column, centred across it; a turned
// column is the upright one a quarter turn counter-clockwise. No vertical
// glyph forms: the plain drawText a hand-written program would make.
void QPainterBaseline::drawColumn(QPointF topLeft, const QString &text, bool turned, double halo)
{
    const double em = m_painter.font().pointSizeF() * 1200 / 72.0;
    const QList<uint> codePoints = text.toUcs4();
    if (halo > 0) {
        const double length = em * double(codePoints.size());
        const double h = halo * 1200 / 72.0;
        const QSizeF size = turned ? QSizeF(length, em) : QSizeF(em, length);
        m_painter.fillRect(QRectF(topLeft, size).adjusted(-h, -h, h, h), Qt::white);
    }
    m_painter.save();
    if (turned) {
        m_painter.translate(topLeft.x(), topLeft.y() + em);
        m_painter.rotate(-90);
    } else {
        m_painter.translate(topLeft);
    }
    double y = m_ascent;
    for (const uint c : codePoints) {
        const QString one = QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1);
        m_painter.drawText(QPointF((em - m_metrics->horizontalAdvance(one)) / 2, y), one);
        y += em;
    }
    m_painter.restore();
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

void replayInBatches(const QString &pdf, qsizetype count,
                     const std::function<void(RecordingSurface &, qsizetype first, qsizetype n)> &record,
                     SheetFigures &f)
{
    constexpr qsizetype kBatch = 50;
    QPainterBaseline baseline(pdf);
    for (qsizetype first = 0; first < count; first += kBatch) {
        RecordingSurface recording;
        record(recording, first, std::min(kBatch, count - first));
        const auto sheets = recording.sheets();
        f.sheets += int(sheets.size());
        f.baselineSeconds += seconds([&] {
            for (const auto &sheet : sheets)
                baseline.drawSheet(sheet);
        });
    }
    f.baselineSeconds += seconds([&] { baseline.finish(); });
    f.baselineBytes = QFileInfo(pdf).size();
}

}  // namespace bks::bench
