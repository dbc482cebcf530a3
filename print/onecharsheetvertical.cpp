#include "print/onecharsteps.h"
#include "print/sheetlayout.h"

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

constexpr GridLine kGrid[] = {
    {false, 700, 1900, 700, 10900},    {false, 2500, 5500, 2500, 9100},   {false, 4300, 1900, 4300, 9100},
    {false, 6100, 5500, 6100, 9100},   {false, 7900, 1900, 7900, 9100},   {false, 9700, 1900, 9700, 9100},
    {false, 11500, 1900, 11500, 9100}, {false, 13300, 1900, 13300, 9100}, {false, 15100, 1900, 15100, 10900},
    {false, 700, 1900, 15100, 1900},   {false, 4300, 3700, 15100, 3700},  {false, 700, 5500, 15100, 5500},
    {false, 700, 7300, 15100, 7300},   {false, 700, 9100, 15100, 9100},   {false, 700, 10900, 15100, 10900},
    {true, 700, 6400, 15100, 6400},    {true, 700, 8200, 15100, 8200},    {true, 700, 10000, 15100, 10000},
    {false, 7900, 4600, 13300, 4600},  {false, 7900, 2800, 13300, 2800},  {false, 8800, 1900, 8800, 9100},
    {false, 10600, 1900, 10600, 9100}, {false, 12400, 1900, 12400, 9100}, {false, 1600, 5500, 1600, 9100},
    {false, 3400, 5500, 3400, 9100},   {false, 5200, 5500, 5200, 9100},   {false, 7000, 5500, 7000, 9100},
    {false, 14200, 5500, 14200, 9100},
};

}  // namespace

// Landscape twips, every coordinate a constant; the face turns the glyphs.
// Failing steps are skipped as on the portrait sheet.
void drawOneCharSheetVertical(PrintSurface &p, const SheetContent &content, const SheetSettings &settings)
{
    const QString currentChar = content.character(0);
    const float fs = settings.fontScale;
    const double s = shiftTwips(settings.printOffset);
    auto line = [&](double x1, double y1, double x2, double y2) {
        p.line(PrintSurface::StraightLine, x1, y1, x2, y2, 0);
    };

    // 1. Set-up; the font size is left as it is
    p.setFontName(settings.fontName);
    p.setPaperSize(PrintSurface::A4);
    p.setOrientation(PrintSurface::Landscape);
    p.setScaleMode(PrintSurface::Twips);
    p.setDrawStyle(PrintSurface::Solid);

    // 2. Heading band: top, right, bottom (leftwards), left (upwards)
    line(700, 500, 15050, 500);
    line(15050, 500, 15050, 1700);
    line(15050, 1700, 700, 1700);
    line(700, 1700, 700, 500);

    // 3. Model character; the shift moves it too
    p.setForeColor(0);
    p.setFontSize(scaledSize(fs, 160));
    p.setCurrentX(700 - s);
    p.setCurrentY(2000);
    printIfAny(p, currentChar);

    // 4. Tracing characters: two rows of three
    const OneCharSteps steps{p, fs, TraceShade(settings.traceShade)};
    if (settings.tracing) {
        steps.tracing(currentChar, [&](int row, int i) {
            return std::pair(7750.0 + 1800 * i, (row == 0 ? 1750.0 : 3550.0) - s);
        });
    }

    // 5. Practice line
    steps.practiceLine(content.examples[0], [](int i) { return std::pair(700.0 + 1800 * i, 5400.0); });

    // 6. Headings along x; heading 1 still carries the tracing shade
    for (const HeadingPlace &h : kHeadings) {
        const QString &text = settings.headings[h.k];
        for (qsizetype j = 0; j < countCharacters(text); ++j) {
            p.setFontSize(scaledSize(fs, 20));
            p.setCurrentX(h.firstX + h.step * static_cast<double>(j));
            p.setCurrentY(h.y);
            p.print(characterAt(text, j));
        }
        if (h.k == 1)
            p.setForeColor(0);
    }

    // 7. Grid
    drawGrid(p, kGrid);

    // 8. Sheet number, one character at a time upwards; four or more
    // characters (100 and above, -100 and below) print nothing
    p.setFontSize(scaledSize(fs, 20));
    const QString t = fullWidthNumberText(content.number);
    if (t.size() <= 3) {
        constexpr double kY[] = {2000, 1700, 1400};
        for (qsizetype i = 0; i < t.size(); ++i) {
            p.setCurrentX(15500);
            p.setCurrentY(kY[i]);
            p.print(QString(t.at(i)));
        }
    }
}

}  // namespace bks
