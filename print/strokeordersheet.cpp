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
constexpr GridLine kGrid[] = {
    {false, 400, 600, 400, 15000},    {false, 2200, 600, 2200, 15000},   {false, 5800, 600, 5800, 15000},
    {false, 9400, 600, 9400, 15000},  {false, 4000, 7800, 4000, 15000},  {false, 7600, 4200, 7600, 15000},
    {false, 400, 600, 9400, 600},     {false, 2200, 4200, 9400, 4200},   {false, 2200, 7800, 9400, 7800},
    {false, 2200, 9600, 9400, 9600},  {false, 2200, 11400, 9400, 11400}, {false, 2200, 13200, 9400, 13200},
    {false, 400, 15000, 9400, 15000}, {true, 1300, 600, 1300, 15000},    {true, 3100, 7800, 3100, 15000},
    {true, 4900, 7800, 4900, 15000},  {true, 6700, 7800, 6700, 13200},   {true, 8500, 7800, 8500, 13200},
    {true, 2200, 8700, 9400, 8700},   {true, 2200, 10500, 9400, 10500},  {true, 2200, 12300, 9400, 12300},
    {true, 2200, 14100, 5800, 14100},
};

constexpr double kSquare = 1800;
const QRectF kModelBox(5800, 600, 2 * kSquare, 2 * kSquare);
const QRectF kDiagramBox(2200, 600, 2 * kSquare, 2 * kSquare);
const QRectF kBuildUpArea(2200, 4200, 2 * kSquare, 2 * kSquare);
const QPointF kFirstTracingSquare(5800, 7800);
const QRectF kStrokeCountCell(5800, 13200, kSquare, kSquare);

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
    drawGrid(p, kGrid);

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
                const QRectF square(kFirstTracingSquare + QPointF(column * kSquare, i * kSquare),
                                    QSizeF(kSquare, kSquare));
                p.setForeColor(shade);
                printCentred(p, character, square, scaledSize(fs, 100), unit, shift);
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
