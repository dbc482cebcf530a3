#pragma once

#include <QByteArrayView>
#include <QPainterPath>

#include <optional>

namespace bks {

// Coordinates beyond this (after relative steps are added up) are taken for
// damage: no drawing the program makes needs them, and they keep every sum
// far from overflow.
inline constexpr double kSvgPathCoordinateLimit = 100000.0;

// The `d` attribute of an SVG <path>, as KanjiVG writes its strokes:
// move, line, horizontal, vertical, cubic, smooth cubic and close, absolute
// and relative, with implicit repeats. Anything else (another command, a
// number out of place or out of range, an empty path) gives nullopt. One pass
// over the text: the work is bounded by its length.
std::optional<QPainterPath> parseSvgPath(QByteArrayView d);

}  // namespace bks
