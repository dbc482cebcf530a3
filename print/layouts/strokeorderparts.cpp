#include "print/layouts/strokeorderparts.h"

#include "platform/colours.h"
#include "print/layouts/twocharblocks.h"
#include "print/layouts/strokenumbers.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace bks {

namespace {

// KanjiVG's own proportions in its box: the brush, the numbers' size.
constexpr double kStrokeWidthUnits = 3.0;
constexpr double kNumberSizeUnits = 8.0;
// The start dot is wider than the brush, so it shows on the stroke's end.
constexpr double kDotUnits = 7.0;
// Where a Japanese face's baseline lies in its em box.
constexpr double kBaselineEm = 0.88;
// Ten points give digits 2.5 mm tall in every installed face.
constexpr int kSmallestNumberPoints = 10;
// A character without strokes gets a row of this many empty squares.
constexpr int kEmptySquares = 4;
// The note in an empty diagram's place spans this share of it.
constexpr double kNoteWidth = 0.85;
// The stroke count's size in its cell's width.
constexpr double kCountEm = 0.4;

// KanjiVG's box laid onto `square`.
QTransform boxOnto(const QRectF &square)
{
    const double k = square.width() / kStrokeBoxUnits;
    return QTransform(k, 0, 0, k, square.left(), square.top());
}

QPainterPath dotAt(QPointF at)
{
    QPainterPath dot;
    dot.moveTo(at);
    return dot;
}

}  // namespace

qint32 strokeShade(const SheetSettings &settings)
{
    try {
        return colourValue(settings.traceShade);
    } catch (const RunTimeFailure &) {
        return kLightGrey;
    }
}

void drawStrokeDiagram(PrintSurface &p, const CharacterStrokes &strokes, const QRectF &box, SheetUnit unit)
{
    const QTransform onto = boxOnto(box);
    const double k = onto.m11();
    for (const QPainterPath &stroke : strokes.strokes)
        p.strokePath(onto.map(stroke), kStrokeWidthUnits * k, 0);

    // KanjiVG's size where the diagram is large enough; never so small that
    // a pupil cannot read the digits.
    const int points = std::max(kSmallestNumberPoints,
                                static_cast<int>(std::floor(kNumberSizeUnits * k / unit.perPoint)));
    const double em = points * unit.perPoint;
    const QList<QPointF> places = placeStrokeNumbers(strokes, em / k);
    p.setForeColor(0);
    p.setTextHalo(strokeNumberHalo(points));
    for (qsizetype i = 0; i < places.size(); ++i) {
        const QPointF baseline = onto.map(places[i]);
        p.setFontSize(points);
        p.setCurrentX(baseline.x());
        p.setCurrentY(baseline.y() - kBaselineEm * em);
        p.print(QString::number(i + 1));
    }
    p.setTextHalo(0);
}

void drawNoStrokeData(PrintSurface &p, const QString &character, const QRectF &box, SheetUnit unit)
{
    if (character.isEmpty() || character.at(0).isSpace())
        return;  // the blank of an empty sheet or an odd count
    const QString note = QStringLiteral("書き順データがありません");
    const int points = static_cast<int>(std::floor(box.width() * kNoteWidth / note.size() / unit.perPoint));
    const double em = points * unit.perPoint;
    p.setForeColor(0);
    p.setFontSize(points);
    p.setCurrentX(box.center().x() - em * note.size() / 2);
    p.setCurrentY(box.center().y() - em / 2);
    p.print(note);
}

BuildUpPlan planBuildUp(int strokes, const QRectF &area, const BuildUpRoom &room)
{
    // The largest squares for `count` in `height`, the fewest rows on a tie.
    auto fit = [&](int count, double height) {
        BuildUpPlan best;
        for (int rows = 1; rows <= count; ++rows) {
            const int perRow = (count + rows - 1) / rows;
            const double side = std::min({area.width() / perRow, height / rows, room.largest});
            if (side > best.side + 1e-9)
                best = {side, perRow, (count + perRow - 1) / perRow, 0};
        }
        return best;
    };
    if (strokes <= 0)
        return {area.width() / kEmptySquares, kEmptySquares, 1, 0};
    BuildUpPlan plan;
    for (int taken = 0; taken <= room.practiceRows; ++taken) {
        plan = fit(strokes, area.height() + taken * room.practiceRow);
        plan.practiceRowsTaken = taken;
        if (plan.side >= room.smallest - 1e-9)
            break;
    }
    // Only the practice rows the squares reach.
    while (plan.practiceRowsTaken > 0
           && plan.rows * plan.side <= area.height() + (plan.practiceRowsTaken - 1) * room.practiceRow + 1e-9)
        --plan.practiceRowsTaken;
    return plan;
}

void drawBuildUp(PrintSurface &p, const CharacterStrokes *strokes, const QRectF &area,
                 const BuildUpPlan &plan, qint32 shade)
{
    const int count = strokes ? strokes->count() : 0;
    const int perRow = plan.perRow, rows = plan.rows;
    const double side = plan.side;
    const int squares = count > 0 ? count : perRow;

    // The squares' sides: across each row's top and foot, then up between
    // its squares.
    p.setDrawStyle(PrintSurface::Solid);
    for (int r = 0; r < rows; ++r) {
        const int inRow = std::min(perRow, squares - r * perRow);
        const double top = area.top() + r * side, right = area.left() + inRow * side;
        if (r == 0)
            p.line(PrintSurface::StraightLine, area.left(), top, right, top, 0);
        p.line(PrintSurface::StraightLine, area.left(), top + side, right, top + side, 0);
        for (int c = 0; c <= inRow; ++c)
            p.line(PrintSurface::StraightLine, area.left() + c * side, top, area.left() + c * side,
                   top + side, 0);
    }

    for (int k = 0; k < count; ++k) {
        const QRectF square(area.left() + (k % perRow) * side, area.top() + (k / perRow) * side, side, side);
        const QTransform onto = boxOnto(square);
        const double width = kStrokeWidthUnits * onto.m11();
        for (int j = 0; j < k; ++j)
            p.strokePath(onto.map(strokes->strokes[j]), width, shade);
        const QPainterPath current = onto.map(strokes->strokes[k]);
        p.strokePath(current, width, 0);
        if (current.elementCount() > 0)
            p.strokePath(dotAt(current.elementAt(0)), kDotUnits * onto.m11(), 0);
    }
}

void writeStrokeCount(PrintSurface &p, const CharacterStrokes *strokes, const SheetSettings &settings,
                      const QRectF &cell, SheetUnit unit)
{
    if (!settings.writeStrokeCount || !strokes || strokes->count() == 0)
        return;
    // Plain digits, two of them in the part of the cell the heading leaves,
    // as large as that allows.
    const double size = std::min(cell.width() * kCountEm, cell.height() * 0.8);
    const int points = static_cast<int>(std::floor(size / unit.perPoint));
    const double em = points * unit.perPoint;
    p.setForeColor(0);
    p.setFontSize(points);
    p.setCurrentX(cell.left() + cell.width() / 10);
    p.setCurrentY(cell.center().y() - em / 2);
    p.print(QString::number(strokes->count()));
}

}  // namespace bks
