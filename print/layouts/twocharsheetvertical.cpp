#include "print/layouts/sheetlayout.h"
#include "print/layouts/twocharblocks.h"
#include "print/layouts/squares.h"
#include "print/text/textqueue.h"

namespace bks {

namespace {

struct VerticalBlock : BlockPen {
    const SheetSettings &settings;
    Int16 U;
    float fs;
    qint32 shade;

    // One block turned a quarter: its origin at y = Y0, headings above it.
    void draw(Int16 Y0, const CharacterEntry &entry)
    {
        const QString &ch = entry.character, &sentence = entry.example;
        using S = PrintSurface;
        // Lines: the heading band, then the block's columns as rows, then its
        // rows as columns, the strip's side at the bottom
        p.setDrawStyle(S::Solid);
        p.line(S::Box, 10, Y0.d(), (16 * U + 10).d(), (Y0 + 18).d(), 0);
        blockColumnRules(U, [&](int style, Int16 y) { hline(style, Y0 + 19 + y, 10, 16 * U + 10); });
        const Int16 bottom = Y0 + 19 + 10 * U;
        blockRowRules(U, [&](int style, Int16 x, Int16 from, Int16 to) {
            vline(style, 10 + x, bottom - to, bottom - from);
        });

        // Each character in the middle of its square, the block's squares
        // turned: the model across the two top rows at the left, the
        // tracing copies to its right, the example text along the row below.
        // The offset moves model and copies up, which is right on the turned
        // sheet.
        const SheetUnit mm = SheetUnit::millimetres();
        const QPointF shift(0, -static_cast<double>(settings.printOffset));
        auto square = [&](int column, int row, int across) {
            const double side = (Int16(across) * 2 * U).d();
            return QRectF((10 + 2 * U * column).d(), (Y0 + 19 + 2 * U * row).d(), side, side);
        };
        p.setForeColor(0);
        printCentred(p, ch, square(0, 0, 2), std::floor(static_cast<double>(fs) * 140), mm, shift);

        if (settings.tracing) {
            for (const int row : {1, 0}) {
                for (int i = 0; i < 3; ++i) {
                    p.setForeColor(shade);
                    printCentred(p, ch, square(4 + i, row, 1), scaledSize(fs, 60), mm, shift);
                }
            }
        }

        p.setForeColor(shade);
        for (int i = 0; i <= 7; ++i) {
            printCentred(p, i < countCharacters(sentence) ? characterAt(sentence, i) : QString(),
                         square(i, 2, 1), scaledSize(fs, 60), mm);
        }

        const Int16 places[8][2] = {
            {0, 0},
            {15, Y0 + 5},
            {8 * U + 10, Y0 + 5},
            {4 * U + 10, Y0 + U + 10},
            {4 * U + 10, Y0 + 3 * U + 10},
            {14 * U + 10, Y0 + U + 10},
            {14 * U + 10, Y0 + 3 * U + 10},
            {10, Y0 + 9 * U + 10},
        };
        p.setForeColor(0);
        for (int k = 1; k <= 7; ++k) {
            at(places[k][0].d(), places[k][1].d());
            p.setFontSize(scaledSize(fs, 20));
            printIfAny(p, settings.headings[k]);
        }
        writeHeadingCells(p, entry, settings, turnedBlockHeadingCells(Y0, U), SheetUnit::millimetres());
    }
};

}  // namespace

// Portrait millimetres, the two blocks stacked; nothing is trapped.
void drawTwoCharSheetVertical(PrintSurface &surface, const SheetContent &content,
                              const SheetSettings &settings)
{
    PrintSurface &p = surface;
    p.setPaperSize(PrintSurface::A4);
    p.setOrientation(PrintSurface::Portrait);
    p.setScaleMode(PrintSurface::Millimetres);
    const Int16 U = cellUnit(p);
    const Int16 D = toInt16(146.0 - static_cast<double>(settings.lineSpacing));
    p.setFontName(settings.fontName);

    VerticalBlock block{{p}, settings, U, settings.fontScale, colourValue(settings.traceShade)};
    block.draw(0, content.entry(0));
    printSheetNumber(p, 15 * U + 10, 11 * U + 10, settings.fontScale, content.number);
    block.draw(D, content.entry(1));
}

}  // namespace bks
