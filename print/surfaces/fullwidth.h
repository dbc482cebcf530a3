#pragma once

namespace bks {

// Characters that take a full cell in Japanese text, the ones an "@" face
// turns: every character with a two-byte code in the Windows Japanese code
// page (kanji, kana, full-width forms, but also ○△□, arrows, ※, ×÷, Greek
// and Cyrillic letters, circled digits, box drawing) and the wide CJK blocks
// that code page lacks. ASCII and half-width kana have one-byte codes and
// stay upright.
bool isFullWidth(char32_t c);

}  // namespace bks
