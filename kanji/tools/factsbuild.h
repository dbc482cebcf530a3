#pragma once

#include "common/result.h"
#include "kanji/factsfile.h"
#include "kanji/tools/edict.h"
#include "kanji/tools/joyotable.h"
#include "kanji/tools/kanjidic.h"
#include "kanji/tools/kanjivgradical.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

#include <functional>

namespace bks {

// Everything the facts file is made from, already read.
struct FactsSources {
    QList<JoyoKanji> joyo;
    QHash<char32_t, KanjidicEntry> kanjidic;
    // KanjiVG's radical groups of a kanji.
    std::function<Result<KanjivgRadicals>(char32_t)> kanjivg;
    QHash<QString, EdictEntry> edict;
    // The program's compound words, in the dictionary's order.
    QStringList compounds;
};

struct FactsBuild {
    QList<FactsCharacter> characters;
    QList<FactWord> words;
    // What the sources left undecided or the build decided against one of
    // them, a line each.
    QStringList undecided;
    // The counts, a line each.
    QStringList summary;
};

// The words the build looks up in EDICT: the table's examples as words and
// the compounds.
QSet<QString> wordCandidates(const FactsSources &sources);

// The readings (okurigana marked), radicals and aligned words of every kanji
// of the table.
FactsBuild buildFacts(const FactsSources &sources);

}  // namespace bks
