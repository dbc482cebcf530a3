#pragma once

#include "print/printsurface.h"
#include "print/sheetmath.h"
#include "print/textqueue.h"

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

// The tracing copies and the practice line, each step in the order the
// sheet makes it. `place` gives a text's pen position as an (x, y) pair.
struct OneCharSteps {
    PrintSurface &p;
    float fs;
    TraceShade shade;

    // Two columns (or rows) of three copies of the model character.
    template <typename Place>
    void tracing(const QString &character, Place place) const
    {
        for (int group = 0; group < 2; ++group) {
            for (int i = 0; i < 3; ++i) {
                shade.apply(p);
                p.setFontSize(scaledSize(fs, 100));
                const auto [x, y] = place(group, i);
                p.setCurrentX(x);
                p.setCurrentY(y);
                printIfAny(p, character);
            }
        }
    }

    // The first eight characters of the example text, one a square.
    template <typename Place>
    void practiceLine(const QString &source, Place place) const
    {
        shade.apply(p);
        for (int i = 0; i < 8; ++i) {
            const auto [x, y] = place(i);
            p.setCurrentX(x);
            p.setCurrentY(y);
            shade.apply(p);
            p.setFontSize(scaledSize(fs, 90));
            if (i < countCharacters(source))
                p.print(characterAt(source, i));
        }
    }
};

}  // namespace bks
