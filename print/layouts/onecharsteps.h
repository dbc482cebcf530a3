#pragma once

#include "print/surfaces/printsurface.h"
#include "print/layouts/drawing.h"
#include "print/layouts/headingcells.h"
#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"
#include "print/layouts/squares.h"
#include "print/text/textqueue.h"

#include <array>
#include <span>
#include <utility>

// What the upright and the turned one-character sheet do alike; where each
// thing lands is the layout's own.

namespace bks {

// The print-position shift of a one-character sheet: the menu names
// millimetres on paper, the sheet draws in twips, held as a 32-bit float.
inline double shiftTwips(float printOffsetMm)
{
    return static_cast<float>(static_cast<double>(printOffsetMm) * kTwipsPerMm);
}

// The tracing shade of a one-character sheet. Text that is not a colour
// number leaves the colour as it is rather than costing the sheet.
class TraceShade {
public:
    explicit TraceShade(const QString &text)
    {
        try {
            m_colour = colourValue(text);
            m_valid = true;
        } catch (const RunTimeFailure &) {
        }
    }
    void apply(PrintSurface &p) const
    {
        if (m_valid)
            p.setForeColor(m_colour);
    }

private:
    qint32 m_colour = 0;
    bool m_valid = false;
};

// A straight black line of a grid.
struct GridLine {
    bool setDashed;  // DrawStyle := dashed right before this line
    double x1, y1, x2, y2;
};

inline void drawGrid(PrintSurface &p, std::span<const GridLine> grid)
{
    for (const GridLine &g : grid) {
        if (g.setDashed)
            p.setDrawStyle(PrintSurface::Dashed);
        p.line(PrintSurface::StraightLine, g.x1, g.y1, g.x2, g.y2, 0);
    }
}

struct UprightHeading {
    int k;
    double fromRight;  // x = W - fromRight, or x itself when fixed
    bool fixedX;
    double firstY;
    double step;
    int size;  // n of size(n)
};

// Printing order 2, 1, 3, 4, 5, 6, 7.
inline constexpr UprightHeading kOneCharHeadings[] = {
    {2, 1350, false, 9400, 500, 20}, {1, 1350, false, 900, 500, 20},   {3, 2450, false, 4900, 500, 20},
    {4, 4350, false, 4900, 500, 20}, {5, 2450, false, 13400, 500, 20}, {6, 4350, false, 13400, 500, 20},
    {7, 1850, true, 900, 300, 10},
};

// The seven headings of an upright portrait sheet, each written downwards
// one character under the other; `W` reads the printable width afresh for
// every coordinate.
template <typename Width>
void printOneCharHeadings(PrintSurface &p, const std::array<QString, 8> &headings, float fs, Width W)
{
    for (const UprightHeading &h : kOneCharHeadings) {
        const QString &text = headings[static_cast<size_t>(h.k)];
        for (qsizetype j = 0; j < countCharacters(text); ++j) {
            p.setFontSize(scaledSize(fs, h.size));
            p.setCurrentX(h.fixedX ? h.fromRight : W() - h.fromRight);
            p.setCurrentY(h.firstY + h.step * static_cast<double>(j));
            p.print(characterAt(text, j));
        }
    }
}

// The parts of the heading cells of an upright one-character sheet on the
// grid `grid` that the labels leave: left of 音読み, 訓読み and 部首 (the
// labels stand `fromRight` from the printable width, which differs between
// printers), and the whole 画数 cell.
inline HeadingCells oneCharHeadingCells(const SheetGrid &grid, double width)
{
    auto leftOf = [&](int c0, int r0, int c1, int r1, double fromRight) {
        const QRectF cell = grid.cells(c0, r0, c1, r1);
        return QRectF(cell.topLeft(), QPointF(std::min(cell.right(), width - fromRight), cell.bottom()));
    };
    return {leftOf(8, 4, 10, 8, 2450), leftOf(6, 4, 8, 8, 4350), leftOf(8, 14, 10, 16, 2450),
            grid.cells(6, 14, 8, 16)};
}

// Starts an upright portrait page of the one-character sheets in `face` and
// draws the frame around its right-hand headings (top, left, bottom, right).
// The width and height are read afresh for every coordinate.
inline void beginOneCharPage(PrintSurface &p, const QString &face, float fs)
{
    p.setFontName(face);
    p.setFontSize(scaledSize(fs, 20));
    p.setPaperSize(PrintSurface::A4);
    p.setScaleMode(PrintSurface::Twips);
    p.setOrientation(PrintSurface::Portrait);
    p.setDrawStyle(PrintSurface::Solid);

    auto W = [&] { return p.scaleWidth(); };
    auto H = [&] { return p.scaleHeight(); };
    p.line(PrintSurface::StraightLine, W() - 1550, 600, W() - 450, 600, 0);
    p.line(PrintSurface::StraightLine, W() - 1550, 600, W() - 1550, H() - 1500, 0);
    p.line(PrintSurface::StraightLine, W() - 1550, H() - 1500, W() - 450, H() - 1500, 0);
    p.line(PrintSurface::StraightLine, W() - 450, 600, W() - 450, H() - 1500, 0);
}

// The sheet number at the foot of an upright one-character sheet.
inline void printOneCharNumber(PrintSurface &p, float fs, qint16 number)
{
    p.setForeColor(0);
    p.setFontSize(scaledSize(fs, 15));
    p.setCurrentX(1500);
    p.setCurrentY(p.scaleHeight() - 1000);
    p.print(fullWidthNumberText(number));
}

// The tracing copies and the practice line, each step in the order the
// sheet makes it, every character centred in the square `square` gives.
struct OneCharSteps {
    PrintSurface &p;
    float fs;
    TraceShade shade;

    // Two columns (or rows) of three copies of the model character, moved by
    // the print offset `shift`.
    template <typename Square>
    void tracing(const QString &character, Square square, QPointF shift) const
    {
        for (int group = 0; group < 2; ++group) {
            for (int i = 0; i < 3; ++i) {
                shade.apply(p);
                printCentred(p, character, square(group, i), scaledSize(fs, 100), SheetUnit::twips(), shift);
            }
        }
    }

    // The first eight characters of the example text, one a square.
    template <typename Square>
    void practiceLine(const QString &source, Square square) const
    {
        shade.apply(p);
        for (int i = 0; i < 8; ++i) {
            shade.apply(p);
            printCentred(p, i < countCharacters(source) ? characterAt(source, i) : QString(), square(i),
                         scaledSize(fs, 90), SheetUnit::twips());
        }
    }
};

}  // namespace bks
