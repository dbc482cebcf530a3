#pragma once

// The blocks of the two-character sheets, upright and turned: their lines,
// cell unit, headings and number.

#include "print/layouts/drawing.h"
#include "print/layouts/headingcells.h"
#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"
#include "print/surfaces/printsurface.h"
#include "print/text/characters.h"

#include <array>

namespace bks {

// Straight black lines and pen moves of the two-character blocks, all from
// checked 16-bit coordinates.
struct BlockPen {
    PrintSurface &p;

    void hline(int style, Int16 y, Int16 xa, Int16 xb)
    {
        p.setDrawStyle(style);
        p.line(PrintSurface::StraightLine, xa.d(), y.d(), xb.d(), y.d(), 0);
    }
    void vline(int style, Int16 x, Int16 ya, Int16 yb)
    {
        p.setDrawStyle(style);
        p.line(PrintSurface::StraightLine, x.d(), ya.d(), x.d(), yb.d(), 0);
    }
    void at(double x, double y)
    {
        p.setCurrentX(x);
        p.setCurrentY(y);
    }
};

// The cell unit U of a two-character sheet: (W - 20) / 16 of the printable
// width W in millimetres, read now. The height is read too and not used, as
// the sheet has always asked for both.
inline Int16 cellUnit(PrintSurface &p)
{
    const Int16 W = toInt16(p.scaleWidth());
    (void)p.scaleHeight();
    return toInt16(static_cast<double>((W - 20).v) / 16.0);
}

// A two-character sheet's number, printed once, between its blocks.
inline void printSheetNumber(PrintSurface &p, Int16 x, Int16 y, float fontScale, qint16 number)
{
    p.setCurrentX(x.d());
    p.setCurrentY(y.d());
    p.setFontSize(scaledSize(fontScale, 10));
    p.print(numberText(number));
}

// Millimetres from a heading's pen to where its cell is free: upright
// headings are 10-point, turned ones 20-point.
inline constexpr double kBlockLabelClear = 4.5, kTurnedBlockLabelClear = 7.5;

// The heading cells of an upright block with its origin at x = X0: left of
// the labels (see printBlockHeadings), across the dotted centre guides as
// the pupil's own writing would go, and the 画数 cell's upper left quarter
// as the stroke-order sheet has always written its count.
inline HeadingCells blockHeadingCells(Int16 X0, Int16 U)
{
    const double x0 = X0.d() + 10, u = U.d(), top = 10;
    auto leftOf = [&](double c0, double r0, double labelX, double r1) {
        return QRectF(QPointF(x0 + c0 * u, top + r0 * u), QPointF(labelX - 0.5, top + r1 * u));
    };
    return {leftOf(8, 4, X0.d() + 9 * u + 15, 8), leftOf(6, 4, X0.d() + 7 * u + 15, 8),
            leftOf(8, 14, X0.d() + 9 * u + 15, 16), QRectF(x0 + 6 * u, top + 14 * u, u, u)};
}

// The same for a turned block with its origin at y = Y0: the cells run
// along x, the labels at their upper edge; the count up to its centre guide.
inline HeadingCells turnedBlockHeadingCells(Int16 Y0, Int16 U)
{
    const double y0 = Y0.d() + 19, u = U.d();
    auto below = [&](double c0, double c1, double labelRow, double r1) {
        return QRectF(QPointF(10 + c0 * u, Y0.d() + labelRow * u + 10 + kTurnedBlockLabelClear),
                      QPointF(10 + c1 * u, y0 + r1 * u));
    };
    HeadingCells cells{below(4, 8, 1, 2), below(4, 8, 3, 4), below(14, 16, 1, 2), below(14, 15, 3, 4)};
    cells.turned = true;
    return cells;
}

// The seven headings of a two-character block with its origin at x = X0,
// each written downwards one character under the other.
inline void printBlockHeadings(BlockPen &pen, const std::array<QString, 8> &headings, Int16 X0, Int16 U,
                               float fs)
{
    struct Place {
        Int16 x, y0;
        int step, size;
    };
    const Place places[8] = {
        {0, 0, 0, 0},
        {X0 + 10 * U + 15, 13, 8, 20},
        {X0 + 10 * U + 15, 13 + 8 * U, 8, 20},
        {X0 + 9 * U + 15, 13 + 4 * U, 4, 10},
        {X0 + 7 * U + 15, 13 + 4 * U, 4, 10},
        {X0 + 9 * U + 15, 13 + 14 * U, 4, 10},
        {X0 + 7 * U + 15, 13 + 14 * U, 4, 10},
        {X0 + U + 15, 13, 4, 10},
    };
    for (size_t k = 1; k <= 7; ++k) {
        const QString &text = headings[k];
        const Int16 L = countCharacters(text);
        for (int i = 1; i <= L.v; ++i) {
            pen.at(places[k].x.d(), (places[k].y0 + places[k].step * Int16(i - 1)).d());
            pen.p.setFontSize(scaledSize(fs, places[k].size));
            pen.p.print(characterAt(text, i - 1));
        }
    }
}

// The rules of a two-character block's squares, alike on the upright and
// the turned sheet. Across the eight rows: each as its style, its offset from
// the block's first edge and its span across the five columns, measured from
// the sentence strip's side (0 to 10U); the reading cells have no rule across
// them. Along the columns: each as its style and offset.
template <typename RowRule>
void blockRowRules(Int16 U, RowRule rule)
{
    using S = PrintSurface;
    const Int16 strip = 0, practice = 2 * U, reading = 6 * U, edge = 10 * U;
    rule(S::Solid, 0, strip, edge);
    for (int r = 1; r <= 2; ++r)
        rule(S::Solid, 2 * U * r, practice, edge);
    rule(S::Solid, 6 * U, practice, reading);
    for (int r = 4; r <= 7; ++r)
        rule(S::Solid, 2 * U * r, practice, edge);
    rule(S::Solid, 16 * U, strip, edge);
    for (int r = 0; r <= 7; ++r)
        rule(S::Dotted, U + 2 * U * r, practice, r == 2 || r == 3 ? reading : edge);
}

template <typename ColumnRule>
void blockColumnRules(Int16 U, ColumnRule rule)
{
    for (int c = 0; c <= 5; ++c)
        rule(PrintSurface::Solid, 2 * U * c);
    for (int c = 0; c <= 4; ++c)
        rule(PrintSurface::Dotted, U + 2 * U * c);
}

}  // namespace bks
