#include "print/strokeorderparts.h"

#include "platform/colours.h"
#include "print/sheetmath.h"

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
// Where a Japanese face's baseline lies in its em box, and how wide a digit
// is, near enough to keep a number inside its box.
constexpr double kBaselineEm = 0.88;
constexpr double kDigitEm = 0.6;
// The fewest squares to a row of the build-up, so a short character's
// squares are not large.
constexpr int kFewestPerRow = 4;
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

    const int points = std::max(1, static_cast<int>(std::floor(kNumberSizeUnits * k / unit.perPoint)));
    const double em = points * unit.perPoint;
    p.setForeColor(0);
    for (qsizetype i = 0; i < strokes.numberPositions.size(); ++i) {
        const QString number = QString::number(i + 1);
        const QPointF baseline = onto.map(strokes.numberPositions[i]);
        const double width = kDigitEm * em * static_cast<double>(number.size());
        p.setFontSize(points);
        p.setCurrentX(std::clamp(baseline.x(), box.left(), box.right() - width));
        p.setCurrentY(std::clamp(baseline.y() - kBaselineEm * em, box.top(), box.bottom() - em));
        p.print(number);
    }
}

void drawBuildUp(PrintSurface &p, const std::optional<CharacterStrokes> &strokes, const QRectF &area,
                 qint32 shade)
{
    const int count = strokes ? strokes->count() : 0;
    // As many to a row as lets all the rows fit: a character of thirty
    // strokes gets smaller squares, never a row below the area.
    int perRow = kFewestPerRow;
    auto rowsOf = [&](int n) { return std::max(1, (n + perRow - 1) / perRow); };
    while (rowsOf(count) * (area.width() / perRow) > area.height() + 1e-9)
        ++perRow;
    const double side = area.width() / perRow;
    const int squares = count > 0 ? count : perRow;
    const int rows = rowsOf(squares);

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

void writeStrokeCount(PrintSurface &p, const std::optional<CharacterStrokes> &strokes,
                      const SheetSettings &settings, const QRectF &cell, SheetUnit unit)
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
