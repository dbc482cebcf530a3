#pragma once

#include "print/content/sheetsources.h"

#include <QString>

#include <any>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace bks {

struct SheetLayout;

// One character of a sheet and what the sheet shows of it.
struct CharacterEntry {
    // As printed: composed, its variation selector kept. A full-width blank
    // stands for a missing one; a one-character sheet of nothing has none.
    QString character;
    // The example text traced beside it; empty for none.
    QString example;
    // What the sources the layout draws on hold for the character, by the
    // source's id (each id a literal, as the keys are).
    std::vector<std::pair<std::string_view, std::any>> facts;
    // Set by the drawing when the readings did not all fit their cell and
    // some were left off: the run names the character afterwards.
    mutable bool readingsCut = false;

    // The fact the source `key` holds for the character, or nullptr.
    template <typename Fact>
    const Fact *fact(SourceKey<Fact> key) const
    {
        for (const auto &[id, value] : facts)
            if (id == key.id)
                return std::any_cast<Fact>(&value);
        return nullptr;
    }
};

// What one sheet shows: built by the run, the single sheet and the preview,
// handed to the layout. A layout reads nothing else about the sheet besides
// its settings.
struct SheetContent {
    // Printed at the sheet's foot.
    qint16 number = 0;
    // One entry for each place of the layout, in the order the pupil meets
    // them. A sheet given fewer characters than places shows its last one in
    // the places left, so the blank sheet of an empty run is blank in every
    // block; the examples stay with their places.
    std::vector<CharacterEntry> entries;
    // A test's answer key: the same sheet with the answers in its boxes.
    bool answerKey = false;

    // The entry of place `index`; an empty one past the places.
    const CharacterEntry &entry(int index) const;
    QString character(int index) const { return entry(index).character; }
    const QString &example(int index) const { return entry(index).example; }
    // How the character of place `index` is written, or nullptr.
    const CharacterStrokes *strokesOf(int index) const { return entry(index).fact(kStrokes); }
};

// The content of a sheet of `layout` with these characters, number and
// examples (the first place's, then the second's, ...): the one place a
// sheet's content is built, where each character is looked up in the
// sources the layout's row names and in `alsoFrom` (the sources the
// sheet's settings ask for besides).
SheetContent sheetContent(const SheetLayout &layout, const QString &characters, qint16 number,
                          std::span<const QString> examples, const SheetSources &sources,
                          std::span<const std::string_view> alsoFrom = {});

}  // namespace bks
