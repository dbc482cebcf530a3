#include "print/sheetlayout.h"
#include "print/sheetmath.h"
#include "print/textqueue.h"

#include <optional>

namespace bks {

namespace {

struct HeadingPlace {
    int k;
    double fromRight;  // x = W - fromRight, or x itself when fixed
    bool fixedX;
    double firstY;
    double step;
    int size;  // n of size(n)
};

// Printing order 2, 1, 3, 4, 5, 6, 7.
constexpr HeadingPlace kHeadings[] = {
    {2, 1350, false, 9400, 500, 20},  {1, 1350, false, 900, 500, 20},
    {3, 2450, false, 4900, 500, 20},  {4, 4350, false, 4900, 500, 20},
    {5, 2450, false, 13400, 500, 20}, {6, 4350, false, 13400, 500, 20},
    {7, 1850, true, 900, 300, 10},
};

struct GridLine {
    bool setDashed;  // DrawStyle := 1 right before this line
    double x1, y1, x2, y2;
};

constexpr GridLine kGrid[] = {
    {false, 9400, 600, 9400, 15000},
    {false, 400, 600, 400, 15000},
    {false, 2200, 600, 2200, 15000},
    {false, 4000, 600, 4000, 15000},
    {false, 5800, 600, 5800, 15000},
    {false, 7600, 4200, 7600, 15000},
    {false, 400, 600, 9400, 600},
    {false, 2200, 2400, 5800, 2400},
    {false, 2200, 4200, 9400, 4200},
    {false, 2200, 6000, 5800, 6000},
    {false, 2200, 7800, 9400, 7800},
    {false, 2200, 9600, 9400, 9600},
    {false, 2200, 11400, 9400, 11400},
    {false, 2200, 13200, 9400, 13200},
    {false, 2200, 15000, 9400, 15000},
    {false, 400, 15000, 9400, 15000},
    {true, 1300, 600, 1300, 15000},
    {true, 3100, 600, 3100, 15000},
    {true, 4900, 600, 4900, 15000},
    {false, 6700, 7800, 6700, 13200},
    {false, 8500, 7800, 8500, 13200},
    {false, 2200, 1500, 5800, 1500},
    {false, 2200, 3300, 5800, 3300},
    {false, 2200, 5100, 5800, 5100},
    {false, 2200, 6900, 5800, 6900},
    {false, 2200, 8700, 9400, 8700},
    {false, 2200, 10500, 9400, 10500},
    {false, 2200, 12300, 9400, 12300},
    {false, 2200, 14100, 5800, 14100},
};

}  // namespace

// Every statement runs under resume-next: a failing surface call or value is
// skipped and the sheet goes on, so a missing font still gives the grid.
void drawOneCharSheet(PrintSurface &surface, const SheetContent &content, const SheetSettings &settings)
{
    const QString currentChar = content.character(0);
    const qint16 sheetNumber = content.number;
    // The menu names millimetres on paper; the sheet draws in twips.
    const auto shift = static_cast<float>(static_cast<double>(settings.printOffset) * kTwipsPerMm);
    PrintSurface &p = surface;
    const float fs = settings.fontScale;
    const double s = shift;
    std::optional<qint32> shade;
    try {
        shade = colourValue(settings.traceShade);
    } catch (const RunTimeFailure &) {
    }
    auto W = [&] { return p.scaleWidth(); };
    auto H = [&] { return p.scaleHeight(); };
    auto setShade = [&] {
        resumeNext([&] {
            if (!shade)
                throw RunTimeFailure("not a colour");
            p.setForeColor(*shade);
        });
    };

    // 1. Set-up
    resumeNext([&] { p.setFontName(settings.fontName); });
    resumeNext([&] { p.setFontSize(scaledSize(fs, 20)); });
    resumeNext([&] { p.setPaperSize(PrintSurface::A4); });
    resumeNext([&] { p.setScaleMode(PrintSurface::Twips); });
    resumeNext([&] { p.setOrientation(PrintSurface::Portrait); });
    resumeNext([&] { p.setDrawStyle(PrintSurface::Solid); });

    // 2. Right-hand heading frame: top, left, bottom, right
    resumeNext([&] { p.line(PrintSurface::StraightLine, W() - 1550, 600, W() - 450, 600, 0); });
    resumeNext([&] { p.line(PrintSurface::StraightLine, W() - 1550, 600, W() - 1550, H() - 1500, 0); });
    resumeNext([&] { p.line(PrintSurface::StraightLine, W() - 1550, H() - 1500, W() - 450, H() - 1500, 0); });
    resumeNext([&] { p.line(PrintSurface::StraightLine, W() - 450, 600, W() - 450, H() - 1500, 0); });

    // 3. Model character, in whatever colour the surface holds
    resumeNext([&] { p.setFontSize(scaledSize(fs, 160)); });
    resumeNext([&] { p.setCurrentX(W() - 5400); });
    resumeNext([&] { p.setCurrentY(900); });
    resumeNext([&] { printIfAny(p, currentChar); });

    // 4. Tracing characters: right column, then left
    if (settings.tracing) {
        for (const double fromRight : {3800.0, 5550.0}) {
            for (int i = 0; i < 3; ++i) {
                setShade();
                resumeNext([&] { p.setFontSize(scaledSize(fs, 100)); });
                resumeNext([&] { p.setCurrentX(W() - fromRight + s); });
                resumeNext([&] { p.setCurrentY(7650 + 1800 * i); });
                resumeNext([&] { printIfAny(p, currentChar); });
            }
        }
    }

    // 5. Practice line
    const QString &source = content.examples[0];
    setShade();
    for (int i = 0; i < 8; ++i) {
        resumeNext([&] { p.setCurrentX(W() - 7350); });
        resumeNext([&] { p.setCurrentY(500 + 1800 * i); });
        setShade();
        resumeNext([&] { p.setFontSize(scaledSize(fs, 90)); });
        if (i < countCharacters(source))
            resumeNext([&] { p.print(characterAt(source, i)); });
    }

    // 6. Headings, written downwards
    resumeNext([&] { p.setForeColor(0); });
    for (const HeadingPlace &h : kHeadings) {
        const QString &text = settings.headings[h.k];
        for (qsizetype j = 0; j < countCharacters(text); ++j) {
            resumeNext([&] { p.setFontSize(scaledSize(fs, h.size)); });
            resumeNext([&] { p.setCurrentX(h.fixedX ? h.fromRight : W() - h.fromRight); });
            resumeNext([&] { p.setCurrentY(h.firstY + h.step * static_cast<double>(j)); });
            resumeNext([&] { p.print(characterAt(text, j)); });
        }
    }

    // 7. Sheet number
    resumeNext([&] { p.setForeColor(0); });
    resumeNext([&] { p.setFontSize(scaledSize(fs, 15)); });
    resumeNext([&] { p.setCurrentX(1500); });
    resumeNext([&] { p.setCurrentY(H() - 1000); });
    resumeNext([&] { p.print(fullWidthNumberText(sheetNumber)); });

    // 8. Grid
    resumeNext([&] { p.setDrawStyle(PrintSurface::Solid); });
    for (const GridLine &g : kGrid) {
        if (g.setDashed)
            resumeNext([&] { p.setDrawStyle(PrintSurface::Dashed); });
        resumeNext([&] { p.line(PrintSurface::StraightLine, g.x1, g.y1, g.x2, g.y2, 0); });
    }
}

}  // namespace bks
