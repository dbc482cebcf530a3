#include "print/sheetlayout.h"
#include "print/sheetmath.h"
#include "print/textqueue.h"

namespace bks {

namespace {

struct VerticalBlock : BlockPen {
    const SheetSettings &settings;
    Int16 U, m, n;
    float fs;
    qint32 shade;

    // One block turned a quarter: its origin at y = Y0, headings above it.
    void draw(Int16 Y0, const QString &ch, const QString &sentence)
    {
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

        // Model character; the offset moves it up, which is right on the
        // turned sheet
        const double offset = settings.printOffset;
        at(m.d(), (n + Y0).d() - offset);
        p.setFontSize(static_cast<int>(std::floor(static_cast<double>(fs) * 140)));
        p.setForeColor(0);
        printIfAny(p, ch);

        if (settings.tracing) {
            for (const int row : {2, 0}) {
                for (int i = 0; i < 3; ++i) {
                    at(((2 * i + 8) * U + m).d(), (n + row * U + Y0).d() - offset);
                    p.setForeColor(shade);
                    p.setFontSize(scaledSize(fs, 60));
                    printIfAny(p, ch);
                }
            }
        }

        p.setForeColor(shade);
        for (int i = 0; i <= 7; ++i) {
            at((2 * U * i + m).d(), (m + 5 * U + Y0).d());
            p.setFontSize(scaledSize(fs, 60));
            if (i < countCharacters(sentence))
                p.print(characterAt(sentence, i));
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
    const double fs = settings.fontScale;
    const Int16 m = toInt16(std::floor(10.0 / fs));
    const Int16 n = toInt16(std::floor(19.0 / fs));

    VerticalBlock block{{p}, settings, U, m, n, settings.fontScale, colourValue(settings.traceShade)};
    block.draw(0, content.character(0), content.examples[0]);
    printSheetNumber(p, 15 * U + 10, 11 * U + 10, settings.fontScale, content.number);
    block.draw(D, content.character(1), content.examples[1]);
}

}  // namespace bks
