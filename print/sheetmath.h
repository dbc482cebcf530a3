#pragma once

#include "print/printsurface.h"
#include "print/textqueue.h"

// Arithmetic the sheet layouts and the print run share: font sizes taken from
// the stored 32-bit scale, rounding halves to even, 16-bit integers that
// refuse to overflow, and the text forms of colours and sheet numbers.

#include <QString>

#include <array>
#include <cmath>
#include <stdexcept>

namespace bks {

// A run-time failure of the drawing or the run (a 16-bit overflow, a text
// that is not a number). The run ends silently on it; a one-character sheet
// skips the step that raised it.
class RunTimeFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Prints a text unless it is empty (a missing character prints nothing).
template <typename Surface>
void printIfAny(Surface &surface, const QString &text)
{
    if (!text.isEmpty())
        surface.print(text);
}

inline constexpr double kTwipsPerMm = 1440.0 / 25.4;

// The integer part of scale x n, taken from the stored 32-bit value: the
// stored 0.9 is a little below 0.9, so 0.9 x 20 gives 17.
inline int scaledSize(float scale, int n)
{
    return static_cast<int>(std::floor(static_cast<double>(scale) * n));
}

// Rounds to the nearest integer, halves to the even neighbour.
inline double roundHalfEven(double x)
{
    const double f = std::floor(x);
    const double frac = x - f;
    if (frac > 0.5)
        return f + 1;
    if (frac < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1;
}

inline qint16 checked16(long long v)
{
    if (v < -32768 || v > 32767)
        throw RunTimeFailure("16-bit overflow");
    return static_cast<qint16>(v);
}

// A 16-bit integer whose every operation checks for overflow.
struct Int16 {
    int v;
    Int16(long long x) : v(checked16(x)) {}  // NOLINT: literals and counters convert freely
    double d() const { return v; }
};
inline Int16 operator+(Int16 a, Int16 b)
{
    return Int16(static_cast<long long>(a.v) + b.v);
}
inline Int16 operator-(Int16 a, Int16 b)
{
    return Int16(static_cast<long long>(a.v) - b.v);
}
inline Int16 operator*(Int16 a, Int16 b)
{
    return Int16(static_cast<long long>(a.v) * b.v);
}
inline Int16 operator+(Int16 a, int b)
{
    return a + Int16(b);
}
inline Int16 operator+(int a, Int16 b)
{
    return Int16(a) + b;
}
inline Int16 operator-(Int16 a, int b)
{
    return a - Int16(b);
}
inline Int16 operator*(int a, Int16 b)
{
    return Int16(a) * b;
}
inline Int16 operator*(Int16 a, int b)
{
    return a * Int16(b);
}

// A floating-point value turned into a 16-bit integer: rounded, halves to
// even, and checked.
inline qint16 toInt16(double x)
{
    if (!std::isfinite(x))
        throw RunTimeFailure("16-bit overflow");
    const double r = roundHalfEven(x);
    if (r < -32768.0 || r > 32767.0)
        throw RunTimeFailure("16-bit overflow");
    return static_cast<qint16>(r);
}

// The numeric value of a text read as a decimal floating-point number;
// blanks around it are allowed, anything else is a run-time failure.
double numericValue(const QString &text);

// A colour number held as decimal text, as a 32-bit colour (system colours,
// negative, pass through unchanged). Text that is not a number in range is a
// run-time failure.
qint32 colourValue(const QString &text);

// A sheet number as the display form of a number: a leading space for a
// number of zero or more, a minus sign otherwise (" 7", "-7").
QString numberText(qint16 number);

// The digits of a count of zero or more in their full-width forms ("１０").
QString fullWidthDigits(int count);

// The same with every character in its full-width form (digits U+FF10 to
// U+FF19, the space U+3000, the minus sign U+FF0D).
QString fullWidthNumberText(qint16 number);

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
