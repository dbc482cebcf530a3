#include "print/layouts/sheetlayout.h"
#include "print/layouts/twocharblocks.h"
#include "print/layouts/squares.h"
#include "print/text/textqueue.h"

namespace bks {

namespace {

struct TwoCharBlock : BlockPen {
    const SheetSettings &settings;
    Int16 U;
    float fs;
    qint32 shade;

    // One landscape block with its origin at x = X0.
    void draw(Int16 X0, const CharacterEntry &entry)
    {
        const QString &ch = entry.character, &sentence = entry.example;
        using S = PrintSurface;
        // Lines: the heading band, then across the rows, then along the columns
        p.setDrawStyle(S::Solid);
        p.line(S::Box, (X0 + 10 * U + 11).d(), 10, (X0 + 10 * U + 29).d(), (16 * U + 10).d(), 0);
        blockRowRules(U, [&](int style, Int16 y, Int16 from, Int16 to) {
            hline(style, 10 + y, X0 + 10 + from, X0 + 10 + to);
        });
        blockColumnRules(U, [&](int style, Int16 x) { vline(style, X0 + 10 + x, 10, 16 * U + 10); });

        // Each character in the middle of its square: the model across
        // columns 3 and 4 of rows 0 and 1, the tracing copies below it
        // (moved by the print offset), the example text down column 2.
        const SheetUnit mm = SheetUnit::millimetres();
        auto square = [&](int column, int row, int across) {
            const double side = (Int16(across) * 2 * U).d();
            return QRectF((X0 + 10 + 2 * U * column).d(), (10 + 2 * U * row).d(), side, side);
        };
        p.setForeColor(0);
        printCentred(p, ch, square(3, 0, 2), scaledSize(fs, 120), mm);

        if (settings.tracing) {
            for (const int column : {3, 4}) {
                for (int i = 0; i < 3; ++i) {
                    p.setForeColor(shade);
                    printCentred(p, ch, square(column, 4 + i, 1), scaledSize(fs, 60), mm,
                                 QPointF(static_cast<double>(settings.printOffset), 0));
                }
            }
        }

        p.setForeColor(shade);
        for (int k = 1; k <= 8; ++k) {
            printCentred(p, k <= countCharacters(sentence) ? characterAt(sentence, k - 1) : QString(),
                         square(2, k - 1, 1), scaledSize(fs, 60), mm);
        }

        // Headings, one character under the other
        p.setForeColor(0);
        printBlockHeadings(*this, settings.headings, X0, U, fs);
        writeHeadingCells(p, entry, settings, blockHeadingCells(X0, U), mm);
    }
};

}  // namespace

// Landscape millimetres. Nothing is trapped: a surface error or an overflow
// ends the sheet and reaches the run.
void drawTwoCharSheet(PrintSurface &surface, const SheetContent &content, const SheetSettings &settings)
{
    PrintSurface &p = surface;
    // The width is that of the new document, still portrait.
    p.setScaleMode(PrintSurface::Millimetres);
    const Int16 U = cellUnit(p);
    const Int16 D = toInt16(145.0 - static_cast<double>(settings.lineSpacing));
    p.setFontName(settings.fontName);
    p.setPaperSize(PrintSurface::A4);
    p.setOrientation(PrintSurface::Landscape);

    TwoCharBlock block{{p}, settings, U, settings.fontScale, colourValue(settings.traceShade)};
    block.draw(0, content.entry(1));
    printSheetNumber(p, 12 * U + 10, 16 * U + 13, settings.fontScale, content.number);
    block.draw(D, content.entry(0));
}

}  // namespace bks
