#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QRawFont>

namespace bks {

// Where a printed text stands below the pen (the top-left of its cell), in
// device pixels.
struct TextCell {
    double baseline = 0;  // from the top of the cell down to the baseline
    double height = 0;    // the cell from top to bottom
};

// The cell of `font` drawn at `pixelSize` pixels an em, whose `metrics` are
// those of the same font on the same device. The cell is the font's em box,
// so a character of any face fills the square it is printed into the same
// way: a face whose ascent and descent add up to one em keeps exactly its
// ascent; a taller one (Klee One's ascent is 1.16 em) gets the ideographic
// em box of its OS/2 typographic metrics, or, when those do not span one
// em, its ascent and descent scaled down to one em. The face's tables are
// read once and kept for the run of the program.
TextCell EmBoxCell(const QFont &font, const QFontMetricsF &metrics, double pixelSize);

// `font` as a raw font of `pixelSize` pixels an em, made once and reused
// between characters and sheets; invalid when the face cannot be read.
QRawFont RawFontAt(const QFont &font, double pixelSize);

}  // namespace bks
