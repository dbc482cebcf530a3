#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace bks {

// One character of the kanji text is what the reader sees as one: a code
// point (a character outside the Basic Multilingual Plane, 𠮟 𩸽, is never
// cut into its halves) together with the combining marks and variation
// selectors that follow it. A line break or a tab takes no marks; a mark
// with nothing before it is a character of its own, so nothing is lost.
// Returns the code units of the character at `at`.
qsizetype characterLength(QStringView text, qsizetype at);

// Variation selectors (U+FE00 to U+FE0F, U+E0100 to U+E01EF) ask for a
// shape of the character before them.
bool isVariationSelector(char32_t c);

// The character as it is counted and printed: a kana followed by the
// combining voiced or semi-voiced mark becomes the composed kana (か and
// U+3099 give が). Nothing else is normalised: a compatibility ideograph
// stays the one the user typed.
QString composedCharacter(QStringView character);

// The characters of `text` without their variation selectors, each
// composed: what a search or the stroke data look up.
QString plainCharacters(QStringView text);

// The one character `text` names, as a search or the stroke data look it
// up (composed, its variation selector left off: text pasted from elsewhere
// often carries one); nothing for none, more than one, a line break or a tab.
std::optional<char32_t> singleCharacter(QStringView text);

// The count the window shows for a text: one per character, a line break
// (CR LF) two.
qsizetype countCharacters(QStringView text);

// The character at `index` (counted in characters, not code units),
// composed, or an empty string past the end.
QString characterAt(QStringView text, qsizetype index);

// Line breaks and tabs lay a list out; they are never printed as sheets.
inline bool isLayoutBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t');
}

// The first `n` characters to print of `text`, composed, line breaks and
// tabs left out.
QString printableFront(QStringView text, int n);

// Appends `character` (one character as above) composed; most characters are
// one code unit and need no composing.
void appendComposed(QString &out, QStringView character);

}  // namespace bks
