#include "print/sheetlayout.h"
#include "print/sheetmath.h"
#include "print/textqueue.h"

namespace bks {

namespace {

struct TwoCharBlock : BlockPen {
    const SheetSettings &settings;
    Int16 U, m;
    float fs;
    qint32 shade;

    // One landscape block with its origin at x = X0.
    void draw(Int16 X0, const QString &ch, const QString &sentence)
    {
        using S = PrintSurface;
        // Lines: the heading band, then across the rows, then along the columns
        p.setDrawStyle(S::Solid);
        p.line(S::Box, (X0 + 10 * U + 11).d(), 10, (X0 + 10 * U + 29).d(), (16 * U + 10).d(), 0);
        blockRowRules(U, [&](int style, Int16 y, Int16 from, Int16 to) {
            hline(style, 10 + y, X0 + 10 + from, X0 + 10 + to);
        });
        blockColumnRules(U, [&](int style, Int16 x) { vline(style, X0 + 10 + x, 10, 16 * U + 10); });

        // Model character, not shifted
        p.setForeColor(0);
        at((X0 + m + 6 * U).d(), m.d());
        p.setFontSize(scaledSize(fs, 120));
        printIfAny(p, ch);

        // Tracing characters, shifted by the print offset
        if (settings.tracing) {
            for (const int col : {6, 8}) {
                for (int i = 0; i < 3; ++i) {
                    const double x = (X0 + m + col * U).d() + static_cast<double>(settings.printOffset);
                    at(x, (m + 8 * U + 2 * U * i).d());
                    p.setForeColor(shade);
                    p.setFontSize(scaledSize(fs, 60));
                    printIfAny(p, ch);
                }
            }
        }

        // Sentence column
        p.setForeColor(shade);
        for (int k = 1; k <= 8; ++k) {
            at((X0 + m + 4 * U).d(), (m + 2 * U * (k - 1)).d());
            p.setFontSize(scaledSize(fs, 60));
            if (k <= countCharacters(sentence))
                p.print(characterAt(sentence, k - 1));
        }

        // Headings, one character under the other
        p.setForeColor(0);
        printBlockHeadings(*this, settings.headings, X0, U, fs);
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
    const Int16 m = toInt16(std::floor(10.0 / static_cast<double>(settings.fontScale)));
    p.setFontName(settings.fontName);
    p.setPaperSize(PrintSurface::A4);
    p.setOrientation(PrintSurface::Landscape);

    TwoCharBlock block{{p}, settings, U, m, settings.fontScale, colourValue(settings.traceShade)};
    block.draw(0, content.character(1), content.examples[1]);
    printSheetNumber(p, 12 * U + 10, 16 * U + 13, settings.fontScale, content.number);
    block.draw(D, content.character(0), content.examples[0]);
}

}  // namespace bks
