#pragma once

#include <QString>
#include <QStringList>

namespace bks {

inline const QString kDefaultFaceName = QStringLiteral("ＭＳ Ｐ明朝");

// The caption the window shows before any face is chosen; stored in a
// settings file it names no face.
inline bool isPlaceholderFace(const QString &face)
{
    return face == QStringLiteral("フォント");  // as the window's caption before a choice
}

// The face of a first start: Klee One, the textbook hand the package
// installs, when it is there; otherwise the command line's default.
QString firstStartFace();

// Installed families that can print kanji (checked by glyph coverage, not by
// the writing-system tag), each followed by its vertical entry "@" + name.
QStringList KanjiFontFamilies();

// Maps the Windows face names that stored settings carry (ＭＳ Ｐ明朝,
// ＭＳ 明朝 and their ASCII spellings, and the gothic ones) to installed faces
// inside the program, so QFont resolves them. Call once after the
// application object exists.
void InstallFontSubstitutions();

// The installed family a face name draws with: "@" removed and the Windows
// names mapped.
QString resolvedFamily(const QString &face);
inline bool isVerticalFace(const QString &face)
{
    return face.startsWith(QLatin1Char('@'));
}
// The face drawn upright: a vertical face without its "@".
inline QString uprightFace(const QString &face)
{
    return isVerticalFace(face) ? face.mid(1) : face;
}

}  // namespace bks
