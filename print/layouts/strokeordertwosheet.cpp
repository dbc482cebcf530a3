// The stroke-order sheet for two characters, landscape, in millimetres: two
// blocks of the two-character practice sheet, the first character on the
// right, each with its practice and sentence columns' upper half given to
// the numbered diagram and the build-up squares.
#include "files/fonts.h"
#include "print/layouts/sheetlayout.h"
#include "print/layouts/twocharblocks.h"
#include "print/layouts/strokeorderparts.h"

namespace bks {

namespace {

struct StrokeOrderBlock : BlockPen {
    const SheetSettings &settings;
    Int16 U;
    qint32 shade;

    QRectF squares(Int16 x, Int16 y, int across) const
    {
        const double side = (Int16(across) * 2 * U).d();
        return {x.d(), y.d(), side, side};
    }

    // One block with its origin at x = X0.
    void draw(Int16 X0, const CharacterEntry &entry)
    {
        const QString &character = entry.character;
        const CharacterStrokes *strokes = entry.fact(kStrokes);
        using S = PrintSurface;
        const float fs = kStrokeSheetScale;
        const SheetUnit unit = SheetUnit::millimetres();
        const Int16 L = X0 + 10, T = 10, bottom = T + 16 * U;

        // The build-up squares may take rows of the practice squares below
        // their area (columns 1 and 2 of rows 4 to 7) when a character has
        // too many strokes for it; those rows lose their lines there.
        const QRectF buildUpArea = squares(L + 2 * U, T + 4 * U, 2);
        const double row = (2 * U).d();
        const BuildUpPlan plan = planBuildUp(strokes ? strokes->count() : 0, buildUpArea,
                                             {row, 4, row, kSmallestSquareMm});
        const int free = 4 + plan.practiceRowsTaken;  // the first practice row kept whole
        auto across = [&](int r) { return r >= free ? L + 2 * U : L + 6 * U; };

        // The heading band, the solid lines, then the dotted centre guides.
        // The diagram and the build-up squares (the middle columns' upper
        // half) have no guides; the model's squares keep theirs.
        p.setDrawStyle(S::Solid);
        p.line(S::Box, (X0 + 10 * U + 11).d(), 10, (X0 + 10 * U + 29).d(), bottom.d(), 0);
        for (const int c : {0, 1, 3, 4, 5})
            vline(S::Solid, L + 2 * U * c, T, bottom);
        if (free < 8)
            vline(S::Solid, L + 4 * U, T + 2 * U * free, bottom);
        hline(S::Solid, T, L, L + 10 * U);
        hline(S::Solid, T + 2 * U, L + 6 * U, L + 10 * U);
        for (int r = 2; r <= 7; ++r)
            if (r != 3)
                hline(S::Solid, T + 2 * U * r, r >= 4 ? across(r) : L + 2 * U, L + 10 * U);
        hline(S::Solid, bottom, L, L + 10 * U);
        for (const int c : {0, 3, 4})
            vline(S::Dotted, L + U + 2 * U * c, T, bottom);
        if (free < 8)
            for (const int c : {1, 2})
                vline(S::Dotted, L + U + 2 * U * c, T + 2 * U * free, bottom);
        for (const int r : {0, 1})
            hline(S::Dotted, T + U + 2 * U * r, L + 6 * U, L + 10 * U);
        for (int r = 4; r <= 7; ++r)
            hline(S::Dotted, T + U + 2 * U * r, across(r), L + 10 * U);

        p.setForeColor(0);
        printCentred(p, character, squares(L + 6 * U, T, 2), scaledSize(fs, 120), unit);
        if (strokes)
            drawStrokeDiagram(p, *strokes, squares(L + 2 * U, T, 2), unit);
        else
            drawNoStrokeData(p, character, squares(L + 2 * U, T, 2), unit);
        drawBuildUp(p, strokes, buildUpArea, plan, shade);

        // Tracing copies, moved by the print offset
        if (settings.tracing) {
            for (const int column : {0, 1}) {
                for (int i = 0; i < 3; ++i) {
                    p.setForeColor(shade);
                    printCentred(p, character, squares(L + 6 * U + 2 * U * column, T + 8 * U + 2 * U * i, 1),
                                 scaledSize(fs, 60), unit,
                                 QPointF(static_cast<double>(settings.printOffset), 0));
                }
            }
        }

        p.setForeColor(0);
        printBlockHeadings(*this, settings.headings, X0, U, fs);
        writeHeadingCells(p, entry, settings, blockHeadingCells(X0, U), unit);
    }
};

}  // namespace

// The frame follows the practice sheet's cell unit, taken from the width of
// the new document while it is still portrait.
void drawStrokeOrderTwoSheet(PrintSurface &p, const SheetContent &content, const SheetSettings &settings)
{
    p.setScaleMode(PrintSurface::Millimetres);
    const Int16 U = cellUnit(p);
    const Int16 D = toInt16(145.0 - static_cast<double>(settings.lineSpacing));
    p.setFontName(uprightFace(settings.fontName));
    p.setPaperSize(PrintSurface::A4);
    p.setOrientation(PrintSurface::Landscape);

    StrokeOrderBlock block{{p}, settings, U, strokeShade(settings)};
    block.draw(0, content.entry(1));
    printSheetNumber(p, 12 * U + 10, 16 * U + 13, kStrokeSheetScale, content.number);
    block.draw(D, content.entry(0));

    p.setForeColor(0);
    p.setFontSize(scaledSize(kStrokeSheetScale, 10));
    p.setCurrentX((D + 10).d());
    p.setCurrentY((16 * U + 13).d());
    p.print(kStrokeDataCredit);
}

}  // namespace bks
