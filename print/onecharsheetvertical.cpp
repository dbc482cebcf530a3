#include "print/sheetlayout.h"
#include "print/sheetmath.h"
#include "print/textqueue.h"

#include <optional>

namespace bks {

namespace {

struct HeadingPlace {
    int k;
    double firstX, step, y;
};

constexpr HeadingPlace kHeadings[] = {
    {1, 850, 500, 1000},   {2, 9630, 500, 850},   {3, 4600, 500, 1950}, {4, 4600, 500, 3900},
    {5, 13500, 500, 2000}, {6, 13500, 500, 4000}, {7, 870, 300, 9250},
};

struct GridLine {
    bool setDashed;  // DrawStyle := 1 right before this line
    double x1, y1, x2, y2;
};

constexpr GridLine kGrid[] = {
    {false, 700, 1900, 700, 10900},
    {false, 2500, 5500, 2500, 9100},
    {false, 4300, 1900, 4300, 9100},
    {false, 6100, 5500, 6100, 9100},
    {false, 7900, 1900, 7900, 9100},
    {false, 9700, 1900, 9700, 9100},
    {false, 11500, 1900, 11500, 9100},
    {false, 13300, 1900, 13300, 9100},
    {false, 15100, 1900, 15100, 10900},
    {false, 700, 1900, 15100, 1900},
    {false, 4300, 3700, 15100, 3700},
    {false, 700, 5500, 15100, 5500},
    {false, 700, 7300, 15100, 7300},
    {false, 700, 9100, 15100, 9100},
    {false, 700, 10900, 15100, 10900},
    {true, 700, 6400, 15100, 6400},
    {true, 700, 8200, 15100, 8200},
    {true, 700, 10000, 15100, 10000},
    {false, 7900, 4600, 13300, 4600},
    {false, 7900, 2800, 13300, 2800},
    {false, 8800, 1900, 8800, 9100},
    {false, 10600, 1900, 10600, 9100},
    {false, 12400, 1900, 12400, 9100},
    {false, 1600, 5500, 1600, 9100},
    {false, 3400, 5500, 3400, 9100},
    {false, 5200, 5500, 5200, 9100},
    {false, 7000, 5500, 7000, 9100},
    {false, 14200, 5500, 14200, 9100},
};

}  // namespace

// Landscape twips, every coordinate a constant; the face turns the glyphs.
// Statements run under resume-next as on the portrait sheet.
void drawOneCharSheetVertical(PrintSurface &surface, const SheetContent &content, const SheetSettings &settings)
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
    auto setShade = [&] {
        resumeNext([&] {
            if (!shade)
                throw RunTimeFailure("not a colour");
            p.setForeColor(*shade);
        });
    };
    auto line = [&](double x1, double y1, double x2, double y2) {
        resumeNext([&] { p.line(PrintSurface::StraightLine, x1, y1, x2, y2, 0); });
    };

    // 1. Set-up; the font size is left as it is
    resumeNext([&] { p.setFontName(settings.fontName); });
    resumeNext([&] { p.setPaperSize(PrintSurface::A4); });
    resumeNext([&] { p.setOrientation(PrintSurface::Landscape); });
    resumeNext([&] { p.setScaleMode(PrintSurface::Twips); });
    resumeNext([&] { p.setDrawStyle(PrintSurface::Solid); });

    // 2. Heading band: top, right, bottom (leftwards), left (upwards)
    line(700, 500, 15050, 500);
    line(15050, 500, 15050, 1700);
    line(15050, 1700, 700, 1700);
    line(700, 1700, 700, 500);

    // 3. Model character; the shift moves it too
    resumeNext([&] { p.setForeColor(0); });
    resumeNext([&] { p.setFontSize(scaledSize(fs, 160)); });
    resumeNext([&] { p.setCurrentX(700 - s); });
    resumeNext([&] { p.setCurrentY(2000); });
    resumeNext([&] { printIfAny(p, currentChar); });

    // 4. Tracing characters: two rows of three
    if (settings.tracing) {
        for (const double rowY : {1750.0, 3550.0}) {
            for (int i = 0; i < 3; ++i) {
                setShade();
                resumeNext([&] { p.setFontSize(scaledSize(fs, 100)); });
                resumeNext([&] { p.setCurrentX(7750 + 1800 * i); });
                resumeNext([&] { p.setCurrentY(rowY - s); });
                resumeNext([&] { printIfAny(p, currentChar); });
            }
        }
    }

    // 5. Practice line
    const QString &source = content.examples[0];
    setShade();
    for (int i = 0; i < 8; ++i) {
        resumeNext([&] { p.setCurrentX(700 + 1800 * i); });
        resumeNext([&] { p.setCurrentY(5400); });
        setShade();
        resumeNext([&] { p.setFontSize(scaledSize(fs, 90)); });
        if (i < countCharacters(source))
            resumeNext([&] { p.print(characterAt(source, i)); });
    }

    // 6. Headings along x; heading 1 still carries the tracing shade
    for (const HeadingPlace &h : kHeadings) {
        const QString &text = settings.headings[h.k];
        for (qsizetype j = 0; j < countCharacters(text); ++j) {
            resumeNext([&] { p.setFontSize(scaledSize(fs, 20)); });
            resumeNext([&] { p.setCurrentX(h.firstX + h.step * static_cast<double>(j)); });
            resumeNext([&] { p.setCurrentY(h.y); });
            resumeNext([&] { p.print(characterAt(text, j)); });
        }
        if (h.k == 1)
            resumeNext([&] { p.setForeColor(0); });
    }

    // 7. Grid
    for (const GridLine &g : kGrid) {
        if (g.setDashed)
            resumeNext([&] { p.setDrawStyle(PrintSurface::Dashed); });
        line(g.x1, g.y1, g.x2, g.y2);
    }

    // 8. Sheet number, one character at a time upwards; four or more
    // characters (100 and above, -100 and below) print nothing
    resumeNext([&] { p.setFontSize(scaledSize(fs, 20)); });
    const QString t = fullWidthNumberText(sheetNumber);
    if (t.size() <= 3) {
        constexpr double kY[] = {2000, 1700, 1400};
        for (qsizetype i = 0; i < t.size(); ++i) {
            resumeNext([&] { p.setCurrentX(15500); });
            resumeNext([&] { p.setCurrentY(kY[i]); });
            resumeNext([&] { p.print(QString(t.at(i))); });
        }
    }
}

}  // namespace bks
