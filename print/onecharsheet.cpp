#include "print/onecharsteps.h"
#include "print/sheetlayout.h"

namespace bks {

namespace {

constexpr GridLine kGrid[] = {
    {false, 9400, 600, 9400, 15000},   {false, 400, 600, 400, 15000},     {false, 2200, 600, 2200, 15000},
    {false, 4000, 600, 4000, 15000},   {false, 5800, 600, 5800, 15000},   {false, 7600, 4200, 7600, 15000},
    {false, 400, 600, 9400, 600},      {false, 2200, 2400, 5800, 2400},   {false, 2200, 4200, 9400, 4200},
    {false, 2200, 6000, 5800, 6000},   {false, 2200, 7800, 9400, 7800},   {false, 2200, 9600, 9400, 9600},
    {false, 2200, 11400, 9400, 11400}, {false, 2200, 13200, 9400, 13200}, {false, 2200, 15000, 9400, 15000},
    {false, 400, 15000, 9400, 15000},  {true, 1300, 600, 1300, 15000},    {true, 3100, 600, 3100, 15000},
    {true, 4900, 600, 4900, 15000},    {false, 6700, 7800, 6700, 13200},  {false, 8500, 7800, 8500, 13200},
    {false, 2200, 1500, 5800, 1500},   {false, 2200, 3300, 5800, 3300},   {false, 2200, 5100, 5800, 5100},
    {false, 2200, 6900, 5800, 6900},   {false, 2200, 8700, 9400, 8700},   {false, 2200, 10500, 9400, 10500},
    {false, 2200, 12300, 9400, 12300}, {false, 2200, 14100, 5800, 14100},
};

}  // namespace

// Failing steps are skipped by the surface the sheet is drawn on, so a
// missing font still gives the grid.
void drawOneCharSheet(PrintSurface &p, const SheetContent &content, const SheetSettings &settings)
{
    const QString currentChar = content.character(0);
    const float fs = settings.fontScale;
    const double s = shiftTwips(settings.printOffset);
    // Read afresh for every coordinate, as the width may change under it.
    auto W = [&] { return p.scaleWidth(); };

    // 1. Set-up, 2. the right-hand heading frame
    beginOneCharPage(p, settings.fontName, fs);

    // 3. Model character, in whatever colour the surface holds
    p.setFontSize(scaledSize(fs, 160));
    p.setCurrentX(W() - 5400);
    p.setCurrentY(900);
    printIfAny(p, currentChar);

    // 4. Tracing characters: right column, then left
    const OneCharSteps steps{p, fs, TraceShade(settings.traceShade)};
    if (settings.tracing) {
        steps.tracing(currentChar, [&](int column, int i) {
            return std::pair(W() - (column == 0 ? 3800.0 : 5550.0) + s, 7650.0 + 1800 * i);
        });
    }

    // 5. Practice line
    steps.practiceLine(content.examples[0], [&](int i) { return std::pair(W() - 7350, 500.0 + 1800 * i); });

    // 6. Headings, written downwards
    p.setForeColor(0);
    printOneCharHeadings(p, settings.headings, fs, W);

    // 7. Sheet number
    printOneCharNumber(p, fs, content.number);

    // 8. Grid
    p.setDrawStyle(PrintSurface::Solid);
    drawGrid(p, kGrid);
}

}  // namespace bks
