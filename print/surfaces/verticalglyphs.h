#pragma once

#include "print/surfaces/fullwidth.h"
#include "print/surfaces/textcell.h"

#include <QByteArray>
#include <QHash>
#include <QPointF>
#include <QString>

class QPainter;
class QRawFont;

namespace bks {

// Glyph index -> glyph index of its vertical form.
using GlyphSubstitutions = QHash<quint32, quint32>;

// The single substitutions of the 'vrt2' feature (or, when a font has none,
// of 'vert') read from a raw GSUB table, lookups applied in their order. A
// table that is malformed anywhere gives an empty map; nothing is read
// outside `gsub`.
GlyphSubstitutions ParseVerticalSubstitutions(const QByteArray &gsub);

// The vertical forms of a font, read once per face and kept for the run of
// the program.
const GlyphSubstitutions &VerticalSubstitutions(const QRawFont &font);

// Draws `text` the way an "@" face prints it: every full-width character a
// quarter turn counter-clockwise in its cell, in its vertical form where the
// font has one; half-width characters upright. `topLeft` is the top-left of
// the first cell, in device pixels; `font` must already be sized for the
// painter's device, `raw` (see RawFontAt), `metrics` and `cell` (see
// EmBoxCell) belong to it.
// Returns the horizontal advance of the whole text.
double DrawSidewaysText(QPainter &painter, const QFont &font, const QRawFont &raw,
                        const QFontMetricsF &metrics, const TextCell &cell, QPointF topLeft,
                        const QString &text);

// Draws `text` as a column of vertical writing: every character upright in
// an em square of its own, one below the other, in its vertical form where
// the font has one, centred across the column. `topLeft` is the top-left of
// the first square in device pixels. `turned` draws the whole column a
// quarter turn counter-clockwise, running to the right from `topLeft`, as
// an "@" face's text runs. `font` and the rest as for DrawSidewaysText.
void DrawColumnText(QPainter &painter, const QFont &font, const QRawFont &raw, const QFontMetricsF &metrics,
                    const TextCell &cell, QPointF topLeft, const QString &text, bool turned);

}  // namespace bks
