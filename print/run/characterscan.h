#pragma once

#include "print/content/sheetsources.h"
#include "print/run/runtypes.h"
#include "print/text/textqueue.h"

#include <QString>
#include <QStringList>

namespace bks {

// What the characters of a run lack, found in one look at them before
// anything is printed: a glyph in the print face (the sheet would show an
// empty box or another face's shape), and strokes in the stroke data (the
// 書き順 sheet says so in the diagram's place). Each character is named
// once, in the order it comes; blanks, line breaks and tabs are not looked
// at.
struct CharacterScan {
    QStringList withoutGlyph;
    QStringList withoutStrokes;

    bool clean() const { return withoutGlyph.isEmpty() && withoutStrokes.isEmpty(); }
};

// Looks at `characters` in `face` (an "@" face by its upright family) and,
// when given, in the stroke data.
CharacterScan scanCharacters(const QString &characters, const QString &face, const SheetSource *strokes);

// Tells the user what the scan found before printing. The window asks
// whether to print characters the face lacks anyway and tells which have no
// strokes; the command line names both on stderr and goes on. False when
// the user chose not to print.
bool confirmCharacters(RunHost &host, const CharacterScan &scan, const QString &face, const QString &title);

}  // namespace bks
