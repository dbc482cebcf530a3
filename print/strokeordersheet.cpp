// The stroke-order sheet for one character, portrait, in twips: the frame,
// headings and number of the one-character practice sheet around a grid
// whose practice columns give their upper half to the numbered diagram and
// the build-up squares.
#include "print/onecharsteps.h"
#include "files/fonts.h"
#include "print/sheetlayout.h"
#include "print/strokeorderparts.h"

namespace bks {

namespace {

// The sentence strip, the diagram and build-up above the practice squares,
// and the model, readings, tracing squares and the radical and stroke-count
// cells on the right: solid lines first, then the dashed centre guides.
// Column line k at x = 400 + 900k, row line m at y = 600 + 900m (twips),
// as on the practice sheet.
constexpr SheetGrid kGrid{400, 600, 900};

constexpr GridLine kLines[] = {
    {false, kGrid.x(0), kGrid.y(0), kGrid.x(0), kGrid.y(16)},
    {false, kGrid.x(2), kGrid.y(0), kGrid.x(2), kGrid.y(16)},
    {false, kGrid.x(6), kGrid.y(0), kGrid.x(6), kGrid.y(16)},
    {false, kGrid.x(10), kGrid.y(0), kGrid.x(10), kGrid.y(16)},
    {false, kGrid.x(4), kGrid.y(8), kGrid.x(4), kGrid.y(16)},
    {false, kGrid.x(8), kGrid.y(4), kGrid.x(8), kGrid.y(16)},
    {false, kGrid.x(0), kGrid.y(0), kGrid.x(10), kGrid.y(0)},
    {false, kGrid.x(2), kGrid.y(4), kGrid.x(10), kGrid.y(4)},
    {false, kGrid.x(2), kGrid.y(8), kGrid.x(10), kGrid.y(8)},
    {false, kGrid.x(2), kGrid.y(10), kGrid.x(10), kGrid.y(10)},
    {false, kGrid.x(2), kGrid.y(12), kGrid.x(10), kGrid.y(12)},
    {false, kGrid.x(2), kGrid.y(14), kGrid.x(10), kGrid.y(14)},
    {false, kGrid.x(0), kGrid.y(16), kGrid.x(10), kGrid.y(16)},
    {true, kGrid.x(1), kGrid.y(0), kGrid.x(1), kGrid.y(16)},
    {true, kGrid.x(3), kGrid.y(8), kGrid.x(3), kGrid.y(16)},
    {true, kGrid.x(5), kGrid.y(8), kGrid.x(5), kGrid.y(16)},
    {true, kGrid.x(7), kGrid.y(8), kGrid.x(7), kGrid.y(14)},
    {true, kGrid.x(9), kGrid.y(8), kGrid.x(9), kGrid.y(14)},
    {true, kGrid.x(2), kGrid.y(9), kGrid.x(10), kGrid.y(9)},
    {true, kGrid.x(2), kGrid.y(11), kGrid.x(10), kGrid.y(11)},
    {true, kGrid.x(2), kGrid.y(13), kGrid.x(10), kGrid.y(13)},
    {true, kGrid.x(2), kGrid.y(15), kGrid.x(6), kGrid.y(15)},
};

const QRectF kModelBox = kGrid.cells(6, 0, 10, 4);
const QRectF kDiagramBox = kGrid.cells(2, 0, 6, 4);
const QRectF kBuildUpArea = kGrid.cells(2, 4, 6, 8);
const QRectF kStrokeCountCell = kGrid.cells(6, 14, 8, 16);

}  // namespace

// Failing steps are skipped by the surface the sheet is drawn on, as on the
// one-character practice sheet: a face the printer lacks still leaves the
// grid and the strokes.
void drawStrokeOrderSheet(PrintSurface &p, const SheetContent &content, const SheetSettings &settings)
{
    const float fs = kStrokeSheetScale;
    const SheetUnit unit = SheetUnit::twips();
    const QString character = content.character(0);
    const std::optional<CharacterStrokes> &strokes = content.strokesOf(0);
    const qint32 shade = strokeShade(settings);
    auto W = [&] { return p.scaleWidth(); };
    auto H = [&] { return p.scaleHeight(); };

    // The page and heading frame of the practice sheet
    beginOneCharPage(p, uprightFace(settings.fontName), fs);
    drawGrid(p, kLines);

    p.setForeColor(0);
    printCentred(p, character, kModelBox, scaledSize(fs, 160), unit);
    if (strokes)
        drawStrokeDiagram(p, *strokes, kDiagramBox, unit);
    drawBuildUp(p, strokes, kBuildUpArea, shade);

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
    writeStrokeCount(p, strokes, settings, kStrokeCountCell, unit);

    printOneCharNumber(p, fs, content.number);

    p.setFontSize(scaledSize(fs, 10));
    p.setCurrentX(kModelBox.left());
    p.setCurrentY(H() - 900);
    p.print(kStrokeDataCredit);
}

}  // namespace bks
