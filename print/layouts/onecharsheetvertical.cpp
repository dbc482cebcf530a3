#include "print/layouts/onecharsteps.h"
#include "print/layouts/sheetlayout.h"

namespace bks {

namespace {

struct HeadingPlace {
    int k;
    double firstX, step, y;
};

constexpr HeadingPlace kHeadings[] = {
    {1, 850, 500, 1000},   {2, 9630, 500, 850},   {3, 4600, 500, 1950}, {4, 4600, 500, 3900},
    {5, 13500, 500, 2000}, {6, 13500, 500, 4000}, {7, 870, 300, 9250},
};

// Column line k at x = 700 + 900k, row line m at y = 1900 + 900m (twips).
constexpr SheetGrid kGrid{700, 1900, 900};

// Below each label of a turned heading cell (the reader's left of it); the
// 18-point labels stand at the cells' upper edge.
const HeadingCells kHeadingCells{QRectF(QPointF(kGrid.x(4), 2400), QPointF(kGrid.x(8), kGrid.y(2))),
                                 QRectF(QPointF(kGrid.x(4), 4350), QPointF(kGrid.x(8), kGrid.y(4))),
                                 QRectF(QPointF(kGrid.x(14), 2450), QPointF(kGrid.x(16), kGrid.y(2))),
                                 QRectF(QPointF(kGrid.x(14), 4450), QPointF(kGrid.x(16), kGrid.y(4))), true};

constexpr GridLine kLines[] = {
    {false, kGrid.x(0), kGrid.y(0), kGrid.x(0), kGrid.y(10)},
    {false, kGrid.x(2), kGrid.y(4), kGrid.x(2), kGrid.y(8)},
    {false, kGrid.x(4), kGrid.y(0), kGrid.x(4), kGrid.y(8)},
    {false, kGrid.x(6), kGrid.y(4), kGrid.x(6), kGrid.y(8)},
    {false, kGrid.x(8), kGrid.y(0), kGrid.x(8), kGrid.y(8)},
    {false, kGrid.x(10), kGrid.y(0), kGrid.x(10), kGrid.y(8)},
    {false, kGrid.x(12), kGrid.y(0), kGrid.x(12), kGrid.y(8)},
    {false, kGrid.x(14), kGrid.y(0), kGrid.x(14), kGrid.y(8)},
    {false, kGrid.x(16), kGrid.y(0), kGrid.x(16), kGrid.y(10)},
    {false, kGrid.x(0), kGrid.y(0), kGrid.x(16), kGrid.y(0)},
    {false, kGrid.x(4), kGrid.y(2), kGrid.x(16), kGrid.y(2)},
    {false, kGrid.x(0), kGrid.y(4), kGrid.x(16), kGrid.y(4)},
    {false, kGrid.x(0), kGrid.y(6), kGrid.x(16), kGrid.y(6)},
    {false, kGrid.x(0), kGrid.y(8), kGrid.x(16), kGrid.y(8)},
    {false, kGrid.x(0), kGrid.y(10), kGrid.x(16), kGrid.y(10)},
    {true, kGrid.x(0), kGrid.y(5), kGrid.x(16), kGrid.y(5)},
    {true, kGrid.x(0), kGrid.y(7), kGrid.x(16), kGrid.y(7)},
    {true, kGrid.x(0), kGrid.y(9), kGrid.x(16), kGrid.y(9)},
    {false, kGrid.x(8), kGrid.y(3), kGrid.x(14), kGrid.y(3)},
    {false, kGrid.x(8), kGrid.y(1), kGrid.x(14), kGrid.y(1)},
    {false, kGrid.x(9), kGrid.y(0), kGrid.x(9), kGrid.y(8)},
    {false, kGrid.x(11), kGrid.y(0), kGrid.x(11), kGrid.y(8)},
    {false, kGrid.x(13), kGrid.y(0), kGrid.x(13), kGrid.y(8)},
    {false, kGrid.x(1), kGrid.y(4), kGrid.x(1), kGrid.y(8)},
    {false, kGrid.x(3), kGrid.y(4), kGrid.x(3), kGrid.y(8)},
    {false, kGrid.x(5), kGrid.y(4), kGrid.x(5), kGrid.y(8)},
    {false, kGrid.x(7), kGrid.y(4), kGrid.x(7), kGrid.y(8)},
    {false, kGrid.x(15), kGrid.y(4), kGrid.x(15), kGrid.y(8)},
};

}  // namespace

// Landscape twips, every coordinate a constant; the face turns the glyphs.
// Failing steps are skipped as on the portrait sheet.
void drawOneCharSheetVertical(PrintSurface &p, const SheetContent &content, const SheetSettings &settings)
{
    const QString currentChar = content.character(0);
    const float fs = settings.fontScale;
    auto line = [&](double x1, double y1, double x2, double y2) {
        p.line(PrintSurface::StraightLine, x1, y1, x2, y2, 0);
    };

    // 1. Set-up; the font size is left as it is
    p.setFontName(settings.fontName);
    p.setPaperSize(PrintSurface::A4);
    p.setOrientation(PrintSurface::Landscape);
    p.setScaleMode(PrintSurface::Twips);
    p.setDrawStyle(PrintSurface::Solid);

    // 2. Heading band: top, right, bottom (leftwards), left (upwards)
    line(700, 500, 15050, 500);
    line(15050, 500, 15050, 1700);
    line(15050, 1700, 700, 1700);
    line(700, 1700, 700, 500);

    // 3. Model character in its box; the shift moves it too, leftwards
    const double s = shiftTwips(settings.printOffset);
    p.setForeColor(0);
    printCentred(p, currentChar, kGrid.cells(0, 0, 4, 4), scaledSize(fs, 160), SheetUnit::twips(),
                 QPointF(-s, 0));

    // 4. Tracing characters: two rows of three, moved up by the shift, which
    // is to the right on the turned sheet
    const OneCharSteps steps{p, fs, TraceShade(settings.traceShade)};
    if (settings.tracing) {
        steps.tracing(
            currentChar,
            [](int row, int i) { return kGrid.cells(8 + 2 * i, 2 * row, 10 + 2 * i, 2 + 2 * row); },
            QPointF(0, -s));
    }

    // 5. Practice line, along the upper row of practice squares
    steps.practiceLine(content.example(0), [](int i) { return kGrid.cells(2 * i, 4, 2 + 2 * i, 6); });

    // 6. Headings along x; heading 1 still carries the tracing shade. The
    // sentence strip's heading is as small as the portrait sheet's, so its
    // characters, 300 twips apart, do not run into each other.
    for (const HeadingPlace &h : kHeadings) {
        const QString &text = settings.headings[h.k];
        for (qsizetype j = 0; j < countCharacters(text); ++j) {
            p.setFontSize(scaledSize(fs, h.k == 7 ? 10 : 20));
            p.setCurrentX(h.firstX + h.step * static_cast<double>(j));
            p.setCurrentY(h.y);
            p.print(characterAt(text, j));
        }
        if (h.k == 1)
            p.setForeColor(0);
    }
    writeHeadingCells(p, content.entry(0), settings, kHeadingCells, SheetUnit::twips());

    // 7. Grid
    drawGrid(p, kLines);

    // 8. Sheet number, one character at a time upwards; four or more
    // characters (100 and above, -100 and below) print nothing
    p.setFontSize(scaledSize(fs, 20));
    const QString t = fullWidthNumberText(content.number);
    if (t.size() <= 3) {
        constexpr double kY[] = {2000, 1700, 1400};
        for (qsizetype i = 0; i < t.size(); ++i) {
            p.setCurrentX(15500);
            p.setCurrentY(kY[i]);
            p.print(QString(t.at(i)));
        }
    }
}

}  // namespace bks
