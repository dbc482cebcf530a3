#pragma once

#include "common/result.h"
#include "kanji/strokefile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace bks {

// Whether a file name is one of KanjiVG's main files ("06f5f.svg"), not a
// variant ("06f5f-Kaisho.svg") or anything else; its code point when it is.
std::optional<char32_t> kanjivgMainFileCodePoint(const QString &fileName);

// One KanjiVG SVG file of the character `codePoint` as a record: its
// <path id="kvg:XXXXX-sN" d="..."> strokes ordered by N and the positions of
// the texts of its StrokeNumbers group. Both must number 1 to n without gaps;
// otherwise, or when the XML or the path data is broken, the reason.
Result<StrokeRecord> readKanjivgSvg(const QByteArray &svg, char32_t codePoint);

}  // namespace bks
