#pragma once

#include "kanji/strokedata.h"
#include "print/surfaces/printsurface.h"
#include "print/content/sheetcontent.h"
#include "print/layouts/sheetsettings.h"
#include "print/layouts/squares.h"

#include <QRectF>
#include <QString>

#include <optional>

// What the one- and the two-character stroke-order sheets draw alike: the
// numbered diagram, the build-up squares, the stroke count and the credit.
// Each sheet says where, in its own unit.

namespace bks {

// KanjiVG's data is shared under this licence, which asks for the credit on
// every sheet that shows it.
inline const QString kStrokeDataCredit = QStringLiteral("書き順データ: KanjiVG (CC BY-SA 3.0)");

// The sizes of these sheets are those of the practice sheets at full size:
// the diagrams are fitted to their squares, and a smaller face would only
// pull the characters away from the strokes drawn beside them.
inline constexpr float kStrokeSheetScale = 0.9f;

// The smallest build-up square a stroke is read at.
inline constexpr double kSmallestSquareMm = 11;

// The tracing shade as a colour number. Text that is not one (never written
// by the window) gives the default shade, so the earlier strokes still read
// as earlier.
qint32 strokeShade(const SheetSettings &settings);

// Every stroke in black, then its number on white (the surface's text
// halo), placed so that
// no number covers another or a stroke's start (see placeStrokeNumbers),
// kept inside `box`.
void drawStrokeDiagram(PrintSurface &p, const CharacterStrokes &strokes, const QRectF &box, SheetUnit unit);

// "書き順データがありません" in the middle of `box`, the diagram's place, for a
// `character` the data lacks; nothing for a blank.
void drawNoStrokeData(PrintSurface &p, const QString &character, const QRectF &box, SheetUnit unit);

// The room the build-up squares may take besides their own area: whole rows
// of the practice squares below it, and the sizes a square keeps to.
struct BuildUpRoom {
    double practiceRow;  // the height of one row of practice squares
    int practiceRows;    // how many of them lie below the area
    double largest;      // no larger than a practice square
    double smallest;     // the least a stroke is read at
};

// How the build-up squares of a character are laid out.
struct BuildUpPlan {
    double side = 0;
    int perRow = 0;
    int rows = 0;
    // Rows of practice squares below the area that the build-up takes; the
    // sheet leaves their lines out.
    int practiceRowsTaken = 0;
};

// The largest equal squares the area holds for `strokes`, no larger than a
// practice square, in the fewest rows among equal sizes: one row for one or
// two strokes, two rows of practice-sized squares for three or four, more
// and smaller rows for more. When they would be smaller than
// `room.smallest`, the build-up takes practice rows below its area, one
// after the other, until they are not; with every row taken they are as
// large as that room allows. Without strokes, one row of empty squares.
BuildUpPlan planBuildUp(int strokes, const QRectF &area, const BuildUpRoom &room);

// One square per stroke, left to right in rows from the top of `area` as
// `plan` lays them out: square k holds the earlier strokes in `shade`,
// stroke k in black and a dot where it starts.
void drawBuildUp(PrintSurface &p, const CharacterStrokes *strokes, const QRectF &area,
                 const BuildUpPlan &plan, qint32 shade);

// The stroke count written into the stroke-count cell, left of its heading,
// when asked for and known.
void writeStrokeCount(PrintSurface &p, const CharacterStrokes *strokes, const SheetSettings &settings,
                      const QRectF &cell, SheetUnit unit);

}  // namespace bks
