#pragma once

// What the benchmarks compare the print surface with: the same recorded
// sheets drawn into a PDF by bare QPainter calls, with nothing between the
// calls and the painter.
#include "bench/benchsupport.h"
#include "print/surfaces/recordingsurface.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace bks::bench {

// The process's peak resident memory so far.
long peakMemoryKb();
double seconds(const std::function<void()> &work);

// One printer, fonts and pens set only when they change, coordinates scaled
// by hand.
class QPainterBaseline {
public:
    explicit QPainterBaseline(const QString &pdf);
    void drawSheet(const std::vector<RecordedOp> &sheet);
    void finish();

private:
    void applyPen(qint32 colour, int style);
    void applyFont(const QString &face, double points);
    void drawColumn(QPointF topLeft, const QString &text, bool turned, double halo);

    QPrinter m_printer{QPrinter::HighResolution};
    QPainter m_painter;
    QHash<QString, QString> m_families;
    bool m_first = true;
    QString m_fontKey;
    std::optional<QFontMetricsF> m_metrics;
    double m_ascent = 0;
    qint32 m_penColour = -1;
    int m_penStyle = -1;
};

// Replays every sheet into `pdf`.
void replayWithQPainter(const std::vector<std::vector<RecordedOp>> &sheets, const QString &pdf);

// Replays a run of `count` units (kanji, test sheets) into `pdf` fifty at a
// time, so that the recording does not weigh on the memory measured:
// `record` draws units [first, first + n) onto a recording, and only the
// replay is timed. Adds the sheets, the replay's time and the file's size
// to `f`.
void replayInBatches(const QString &pdf, qsizetype count,
                     const std::function<void(RecordingSurface &, qsizetype first, qsizetype n)> &record,
                     SheetFigures &f);

}  // namespace bks::bench
