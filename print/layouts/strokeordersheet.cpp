// The stroke-order sheet for one character, portrait, in twips: the frame,
// headings and number of the one-character practice sheet around a grid
// whose practice columns give their upper half to the numbered diagram and
// the build-up squares.
#include "print/layouts/onecharsteps.h"
#include "files/fonts.h"
#include "print/layouts/sheetlayout.h"
#include "print/layouts/strokeorderparts.h"

#include <vector>

namespace bks {

namespace {

// Column line k at x = 400 + 900k, row line m at y = 600 + 900m (twips),
// as on the practice sheet.
constexpr SheetGrid kGrid{400, 600, 900};

// The sentence strip, the diagram and build-up above the practice squares,
// and the model, readings, tracing squares and the radical and stroke-count
// cells on the right: solid lines first, then the dashed centre guides. The
// practice columns' rows (row lines 8 to 16, columns 2 to 6) lose the lines
// of the rows the build-up squares take.
std::vector<GridLine> gridLines(int rowsTaken)
{
    const int free = 8 + 2 * rowsTaken;  // the first row line the practice squares keep
    std::vector<GridLine> lines;
    auto line = [&](bool dashed, int k1, int m1, int k2, int m2) {
        lines.push_back({dashed, kGrid.x(k1), kGrid.y(m1), kGrid.x(k2), kGrid.y(m2)});
    };
    for (const int k : {0, 2, 6, 10})
        line(false, k, 0, k, 16);
    if (free < 16)
        line(false, 4, free, 4, 16);
    line(false, 8, 4, 8, 16);
    line(false, 0, 0, 10, 0);
    line(false, 2, 4, 10, 4);
    for (const int m : {8, 10, 12, 14})
        line(false, m >= free ? 2 : 6, m, 10, m);
    line(false, 0, 16, 10, 16);
    line(true, 1, 0, 1, 16);
    for (const int k : {3, 5})
        if (free < 16)
            line(true, k, free, k, 16);
    for (const int k : {7, 9})
        line(true, k, 8, k, 14);
    for (const int m : {9, 11, 13})
        line(true, m > free ? 2 : 6, m, 10, m);
    if (15 > free)
        line(true, 2, 15, 6, 15);
    return lines;
}

const QRectF kModelBox = kGrid.cells(6, 0, 10, 4);
const QRectF kDiagramBox = kGrid.cells(2, 0, 6, 4);
const QRectF kBuildUpArea = kGrid.cells(2, 4, 6, 8);

}  // namespace

// Failing steps are skipped by the surface the sheet is drawn on, as on the
// one-character practice sheet: a face the printer lacks still leaves the
// grid and the strokes.
void drawStrokeOrderSheet(PrintSurface &p, const SheetContent &content, const SheetSettings &settings)
{
    const float fs = kStrokeSheetScale;
    const SheetUnit unit = SheetUnit::twips();
    const QString character = content.character(0);
    const CharacterStrokes *strokes = content.strokesOf(0);
    const qint32 shade = strokeShade(settings);
    auto W = [&] { return p.scaleWidth(); };
    auto H = [&] { return p.scaleHeight(); };

    // The build-up squares may take rows of the practice squares below
    // their area when a character has too many strokes for it.
    const BuildUpPlan plan = planBuildUp(strokes ? strokes->count() : 0, kBuildUpArea,
                                         {kGrid.step * 2, 4, kGrid.step * 2,
                                          kSmallestSquareMm * kTwipsPerMm});

    // The page and heading frame of the practice sheet
    beginOneCharPage(p, uprightFace(settings.fontName), fs);
    drawGrid(p, gridLines(plan.practiceRowsTaken));

    p.setForeColor(0);
    printCentred(p, character, kModelBox, scaledSize(fs, 160), unit);
    if (strokes)
        drawStrokeDiagram(p, *strokes, kDiagramBox, unit);
    else
        drawNoStrokeData(p, character, kDiagramBox, unit);
    drawBuildUp(p, strokes, kBuildUpArea, plan, shade);

    // Tracing copies, right column then left, moved by the print offset
    if (settings.tracing) {
        const double shift = shiftTwips(settings.printOffset);
        for (const int column : {1, 0}) {
            for (int i = 0; i < 3; ++i) {
                const QRectF square = kGrid.cells(6 + 2 * column, 8 + 2 * i, 8 + 2 * column, 10 + 2 * i);
                p.setForeColor(shade);
                printCentred(p, character, square, scaledSize(fs, 100), unit, QPointF(shift, 0));
            }
        }
    }

    p.setForeColor(0);
    printOneCharHeadings(p, settings.headings, fs, W);
    writeHeadingCells(p, content.entry(0), settings, oneCharHeadingCells(kGrid, W()), unit);

    printOneCharNumber(p, fs, content.number);

    p.setFontSize(scaledSize(fs, 10));
    p.setCurrentX(kModelBox.left());
    p.setCurrentY(H() - 900);
    p.print(kStrokeDataCredit);
}

}  // namespace bks
