#include "print/layouts/strokenumbers.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace bks {

namespace {

// The digits of the installed faces are at most this wide and tall, and
// the halo adds this on every side (in ems).
constexpr double kDigitWidthEm = 0.68;
constexpr double kDigitHeightEm = 0.82;
constexpr double kHaloEm = 0.12;
// A stroke's start is kept clear over twice the brush's width.
constexpr double kStartClearUnits = 3;
// How far a number may move from KanjiVG's place, and how far its nearest
// edge may be from its own stroke's start.
constexpr double kStepUnits = 1.5;
constexpr double kFarthestMoveUnits = 30;
constexpr double kFarthestFromStartUnits = 18;
constexpr double kCoveredStartCost = 50;
constexpr int kDirections = 16;

QPointF startOf(const QPainterPath &stroke)
{
    return stroke.elementCount() > 0 ? QPointF(stroke.elementAt(0)) : QPointF();
}

// From `p` to the nearest point of `r`, squared.
double squaredDistance(QPointF p, const QRectF &r)
{
    const double dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
    const double dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
    return dx * dx + dy * dy;
}

// The directions a number is moved in, all around.
const std::array<QPointF, kDirections> &directions()
{
    static const std::array<QPointF, kDirections> all = [] {
        std::array<QPointF, kDirections> out;
        for (int k = 0; k < kDirections; ++k) {
            const double a = 2 * std::numbers::pi * k / kDirections;
            out[size_t(k)] = QPointF(std::cos(a), std::sin(a));
        }
        return out;
    }();
    return all;
}

double overlap(const QRectF &a, const QRectF &b)
{
    const QRectF both = a.intersected(b);
    return both.isEmpty() ? 0 : both.width() * both.height();
}

}  // namespace

double strokeNumberHalo(double points)
{
    return kHaloEm * points;
}

QRectF strokeNumberBox(QPointF at, int digits, double em)
{
    const double halo = kHaloEm * em;
    return QRectF(at.x() - halo, at.y() - kDigitHeightEm * em - halo, digits * kDigitWidthEm * em + 2 * halo,
                  kDigitHeightEm * em + 2 * halo);
}

QList<QPointF> placeStrokeNumbers(const CharacterStrokes &strokes, double em)
{
    const QRectF inside(0, 0, kStrokeBoxUnits, kStrokeBoxUnits);
    QList<QPointF> starts;
    for (const QPainterPath &stroke : strokes.strokes)
        starts.append(startOf(stroke));

    QList<QRectF> placed;
    QList<QPointF> out;
    for (qsizetype i = 0; i < strokes.numberPositions.size(); ++i) {
        const int digits = static_cast<int>(QString::number(i + 1).size());
        const QPointF own = i < starts.size() ? starts[i] : strokes.numberPositions[i];
        // Never farther from its own start than KanjiVG put it, or than a
        // short way off (compared squared).
        const double farthest = std::max(kFarthestFromStartUnits * kFarthestFromStartUnits,
                                         squaredDistance(own, strokeNumberBox(strokes.numberPositions[i],
                                                                              digits, em)));
        // What a number here would cover; zero where it covers nothing.
        auto cost = [&](QPointF at) {
            const QRectF box = strokeNumberBox(at, digits, em);
            double c = 0;
            for (const QRectF &other : placed)
                c += 10 * overlap(box, other);
            // Covering a start hides where a stroke begins; coming close
            // only crowds it.
            for (const QPointF start : starts) {
                const double d2 = squaredDistance(start, box);
                if (d2 == 0)
                    c += kCoveredStartCost;
                else if (d2 < kStartClearUnits * kStartClearUnits)
                    c += kStartClearUnits - std::sqrt(d2);
            }
            const QRectF grown = box.united(inside);
            c += 10 * (grown.width() * grown.height() - inside.width() * inside.height());
            return c;
        };
        // KanjiVG's place first, then rings around it, nearest first.
        QPointF best = strokes.numberPositions[i];
        double bestCost = std::numeric_limits<double>::infinity();
        for (double d = 0; d <= kFarthestMoveUnits && bestCost > 0; d += kStepUnits) {
            for (int k = 0; k < (d == 0 ? 1 : kDirections) && bestCost > 0; ++k) {
                const QPointF at = strokes.numberPositions[i] + d * directions()[size_t(k)];
                if (d > 0 && squaredDistance(own, strokeNumberBox(at, digits, em)) > farthest)
                    continue;
                const double c = cost(at);
                if (c < bestCost) {
                    best = at;
                    bestCost = c;
                }
            }
        }
        // Pulled inside the box whatever else it covers.
        const QRectF box = strokeNumberBox(best, digits, em);
        best += QPointF(std::max(0.0, -box.left()) - std::max(0.0, box.right() - kStrokeBoxUnits),
                        std::max(0.0, -box.top()) - std::max(0.0, box.bottom() - kStrokeBoxUnits));
        placed.append(strokeNumberBox(best, digits, em));
        out.append(best);
    }
    return out;
}

}  // namespace bks
