#pragma once

#include "print/sheetsources.h"

#include <QString>

#include <array>
#include <optional>

namespace bks {

// What one sheet shows: built by the run or the single sheet, handed to the
// layout. A layout reads nothing else about the sheet besides its settings.
struct SheetContent {
    // The sheet's characters in order (for two, the first is the one the
    // pupil meets first). A full-width blank stands for a missing one.
    QString characters;
    // Printed at the sheet's foot.
    qint16 number = 0;
    // The example text to trace for each character: the first character's,
    // then the second's.
    std::array<QString, 2> examples;
    // How each character is written, for layouts that show stroke order;
    // nothing for a character the data lacks or a layout that does not ask.
    std::array<std::optional<CharacterStrokes>, 2> strokes{};

    // The character at `index`. A sheet holding fewer shows its last one
    // there, so the blank sheet of an empty run is blank in every block.
    QString character(int index) const;
    // The strokes of the character `character(index)` shows.
    const std::optional<CharacterStrokes> &strokesOf(int index) const;

private:
    // Where the character shown at `index` stands (0 on an empty sheet).
    qsizetype shownIndex(int index) const;
};

// The content of a sheet with these characters, number and examples: the one
// place the run and the single sheet build it, and where facts about the
// characters from further data sources are looked up.
// `sources`, when given, is where the characters' stroke order is looked up.
SheetContent sheetContent(const QString &characters, qint16 number, const std::array<QString, 2> &examples,
                          const SheetSources *sources = nullptr);

}  // namespace bks
