#pragma once

#include <QByteArray>
#include <QString>

namespace bks {

// Reads a text file's bytes: valid UTF-8 (with or without a byte-order mark)
// as UTF-8; otherwise as Shift-JIS (Windows-31J) or EUC-JP (older Unix
// lists), whichever reads without a bad byte, Shift-JIS when both do unless
// it makes half-width katakana or private-use characters the other does not.
// When neither reads cleanly, the one with fewer bad lines; its invalid
// bytes become U+FFFD, nothing is dropped silently.
QString decodeTextFile(const QByteArray &bytes);

// Shift-JIS (Windows-31J) bytes of `text`. A character that Shift-JIS cannot
// hold is written as the full-width question mark "？" instead of garbage;
// `replaced` (if given) tells whether that happened.
QByteArray encodeShiftJis(const QString &text, bool *replaced = nullptr);

}  // namespace bks
