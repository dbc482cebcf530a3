#pragma once

#include "print/surfaces/printsurface.h"

#include <QPointF>
#include <QRectF>
#include <QString>

// Where a sheet's model, tracing and example characters stand: each with
// its em box centred in the square of the grid it belongs to, so a pupil
// traces inside the lines whatever the face.

namespace bks {

// The unit a sheet draws in, for sizing texts to fit its squares.
struct SheetUnit {
    double perPoint;  // units in one typographic point

    static SheetUnit twips() { return {20.0}; }
    static SheetUnit millimetres() { return {25.4 / 72.0}; }
};

// A grid of lines `step` apart from (`left`, `top`): column line k at
// left + k * step, row line m at top + m * step.
struct SheetGrid {
    double left, top, step;

    constexpr double x(int k) const { return left + k * step; }
    constexpr double y(int m) const { return top + m * step; }
    // The cells between column lines c0..c1 and row lines r0..r1.
    QRectF cells(int c0, int r0, int c1, int r1) const
    {
        return QRectF(QPointF(x(c0), y(r0)), QPointF(x(c1), y(r1)));
    }
};

// The pen that puts the em box of a text `points` tall in the middle of
// `square`, moved by `shift` (the print offset, in the sheet's unit).
QPointF centredPen(const QRectF &square, double points, SheetUnit unit, QPointF shift = {});

// Prints `text` of `points` with its em box centred in `square`, moved by
// `shift`. An empty text prints nothing.
void printCentred(PrintSurface &p, const QString &text, const QRectF &square, double points, SheetUnit unit,
                  QPointF shift = {});

}  // namespace bks
