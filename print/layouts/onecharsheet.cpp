#include "print/layouts/onecharsteps.h"
#include "print/layouts/sheetlayout.h"

namespace bks {

namespace {

// Column line k at x = 400 + 900k, row line m at y = 600 + 900m (twips).
constexpr SheetGrid kGrid{400, 600, 900};

constexpr GridLine kLines[] = {
    {false, kGrid.x(10), kGrid.y(0), kGrid.x(10), kGrid.y(16)},
    {false, kGrid.x(0), kGrid.y(0), kGrid.x(0), kGrid.y(16)},
    {false, kGrid.x(2), kGrid.y(0), kGrid.x(2), kGrid.y(16)},
    {false, kGrid.x(4), kGrid.y(0), kGrid.x(4), kGrid.y(16)},
    {false, kGrid.x(6), kGrid.y(0), kGrid.x(6), kGrid.y(16)},
    {false, kGrid.x(8), kGrid.y(4), kGrid.x(8), kGrid.y(16)},
    {false, kGrid.x(0), kGrid.y(0), kGrid.x(10), kGrid.y(0)},
    {false, kGrid.x(2), kGrid.y(2), kGrid.x(6), kGrid.y(2)},
    {false, kGrid.x(2), kGrid.y(4), kGrid.x(10), kGrid.y(4)},
    {false, kGrid.x(2), kGrid.y(6), kGrid.x(6), kGrid.y(6)},
    {false, kGrid.x(2), kGrid.y(8), kGrid.x(10), kGrid.y(8)},
    {false, kGrid.x(2), kGrid.y(10), kGrid.x(10), kGrid.y(10)},
    {false, kGrid.x(2), kGrid.y(12), kGrid.x(10), kGrid.y(12)},
    {false, kGrid.x(2), kGrid.y(14), kGrid.x(10), kGrid.y(14)},
    {false, kGrid.x(2), kGrid.y(16), kGrid.x(10), kGrid.y(16)},
    {false, kGrid.x(0), kGrid.y(16), kGrid.x(10), kGrid.y(16)},
    {true, kGrid.x(1), kGrid.y(0), kGrid.x(1), kGrid.y(16)},
    {true, kGrid.x(3), kGrid.y(0), kGrid.x(3), kGrid.y(16)},
    {true, kGrid.x(5), kGrid.y(0), kGrid.x(5), kGrid.y(16)},
    {false, kGrid.x(7), kGrid.y(8), kGrid.x(7), kGrid.y(14)},
    {false, kGrid.x(9), kGrid.y(8), kGrid.x(9), kGrid.y(14)},
    {false, kGrid.x(2), kGrid.y(1), kGrid.x(6), kGrid.y(1)},
    {false, kGrid.x(2), kGrid.y(3), kGrid.x(6), kGrid.y(3)},
    {false, kGrid.x(2), kGrid.y(5), kGrid.x(6), kGrid.y(5)},
    {false, kGrid.x(2), kGrid.y(7), kGrid.x(6), kGrid.y(7)},
    {false, kGrid.x(2), kGrid.y(9), kGrid.x(10), kGrid.y(9)},
    {false, kGrid.x(2), kGrid.y(11), kGrid.x(10), kGrid.y(11)},
    {false, kGrid.x(2), kGrid.y(13), kGrid.x(10), kGrid.y(13)},
    {false, kGrid.x(2), kGrid.y(15), kGrid.x(6), kGrid.y(15)},
};

}  // namespace

// Failing steps are skipped by the surface the sheet is drawn on, so a
// missing font still gives the grid.
void drawOneCharSheet(PrintSurface &p, const SheetContent &content, const SheetSettings &settings)
{
    const QString currentChar = content.character(0);
    const float fs = settings.fontScale;
    const QPointF shift(shiftTwips(settings.printOffset), 0);
    // Read afresh for every coordinate, as the width may change under it.
    auto W = [&] { return p.scaleWidth(); };

    // 1. Set-up, 2. the right-hand heading frame
    beginOneCharPage(p, settings.fontName, fs);

    // 3. Model character in its box of four squares, in whatever colour the
    // surface holds
    printCentred(p, currentChar, kGrid.cells(6, 0, 10, 4), scaledSize(fs, 160), SheetUnit::twips());

    // 4. Tracing characters below it: right column, then left
    const OneCharSteps steps{p, fs, TraceShade(settings.traceShade)};
    if (settings.tracing) {
        steps.tracing(
            currentChar,
            [](int column, int i) {
                const int c = column == 0 ? 8 : 6;
                return kGrid.cells(c, 8 + 2 * i, c + 2, 10 + 2 * i);
            },
            shift);
    }

    // 5. Practice line, down the inner practice column
    steps.practiceLine(content.example(0), [](int i) { return kGrid.cells(4, 2 * i, 6, 2 + 2 * i); });

    // 6. Headings, written downwards
    p.setForeColor(0);
    printOneCharHeadings(p, settings.headings, fs, W);
    writeHeadingCells(p, content.entry(0), settings, oneCharHeadingCells(kGrid, W()), SheetUnit::twips());

    // 7. Sheet number
    printOneCharNumber(p, fs, content.number);

    // 8. Grid
    p.setDrawStyle(PrintSurface::Solid);
    drawGrid(p, kLines);
}

}  // namespace bks
