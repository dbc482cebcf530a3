#pragma once

#include "kanji/strokedata.h"
#include "print/printsurface.h"
#include "print/sheetcontent.h"
#include "print/sheetsettings.h"
#include "print/squares.h"

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

// The tracing shade as a colour number. Text that is not one (never written
// by the window) gives the default shade, so the earlier strokes still read
// as earlier.
qint32 strokeShade(const SheetSettings &settings);

// Every stroke in black, with its number in a small size at KanjiVG's place,
// kept inside `box`.
void drawStrokeDiagram(PrintSurface &p, const CharacterStrokes &strokes, const QRectF &box, SheetUnit unit);

// One square per stroke, left to right in rows from the top of `area`, as
// many to a row as lets every row fit: square k holds the earlier strokes in
// `shade`, stroke k in black and a dot where it starts. Without strokes, one
// row of empty squares.
void drawBuildUp(PrintSurface &p, const std::optional<CharacterStrokes> &strokes, const QRectF &area,
                 qint32 shade);

// The stroke count written into the stroke-count cell, left of its heading,
// when asked for and known.
void writeStrokeCount(PrintSurface &p, const std::optional<CharacterStrokes> &strokes,
                      const SheetSettings &settings, const QRectF &cell, SheetUnit unit);

}  // namespace bks
