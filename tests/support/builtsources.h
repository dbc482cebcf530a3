#pragma once

#include "print/content/sheetsources.h"

namespace bks::test {

// Sources holding `strokes` as the stroke data.
inline SheetSources sourcesWith(StrokeData strokes)
{
    SheetSources sources;
    sources.add(kStrokes.id, strokeSource(std::move(strokes)));
    return sources;
}

// The sources the build made: its stroke data and kanji facts, each read
// the first time a sheet or a command asks for it. Test binaries do not sit
// beside the program, so they name the files.
inline SheetSources builtSources()
{
    SheetSources sources;
    sources.add(kStrokes.id,
                strokeSource([] { return StrokeData::fromFile(QStringLiteral(BKS_STROKE_DATA_FILE)); }));
    sources.add(kFacts.id, factsSource(QStringLiteral(BKS_KANJI_FACTS_FILE)));
    return sources;
}

}  // namespace bks::test
