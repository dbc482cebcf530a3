#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

class QRawFont;

namespace bks {

// The variation sequences a face draws, from the format 14 subtable of its
// raw cmap table: (base, selector) -> the glyph, or kBaseGlyph where the
// face draws the sequence with the base character's own glyph. A table that
// is malformed anywhere gives an empty map; nothing is read outside `cmap`.
inline constexpr quint32 kBaseGlyph = 0xFFFFFFFF;
QHash<quint64, quint32> ParseVariationSequences(const QByteArray &cmap);

// The glyph `font` draws for `base` followed by the variation selector
// `selector`, or nothing when the face does not have that variant. Read
// once per face.
std::optional<quint32> VariantGlyph(const QRawFont &font, char32_t base, char32_t selector);

// One character of a text as the reader sees it (characterLength), with the
// glyph the face has for it when its variation selector picks one or, when
// asked for, when it is a single code point the face has.
struct FaceCharacter {
    QString text;
    char32_t base = 0;
    std::optional<quint32> glyph;
};
enum class PlainGlyphs { Skip, Look };
// Takes the character at `at` and moves `at` past it.
FaceCharacter takeFaceCharacter(const QRawFont &font, const QString &text, qsizetype &at, PlainGlyphs plain);

// `text` with every variation selector the face lacks for the character
// before it left out, so that character prints in its usual shape.
QString WithoutMissingVariants(const QString &text, const QRawFont &font);

// Whether `text` holds a variation selector at all.
bool hasVariationSelector(const QString &text);

}  // namespace bks
