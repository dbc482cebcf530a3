#pragma once

#include "common/result.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace bks {

// What the build takes from KANJIDIC2 (Debian's kanjidic-xml) for a kanji.
struct KanjidicEntry {
    int grade = 0;  // 1 … 6 for the education kanji, 0 when none
    // The Kangxi radical number (1 … 214).
    int classicalRadical = 0;
    // Its 訓 readings as KANJIDIC2 writes them: okurigana after a dot
    // (い.きる), prefixes and suffixes marked with a hyphen (ま-).
    QStringList kunReadings;
};

// The gzipped KANJIDIC2 file; every kanji it has.
Result<QHash<char32_t, KanjidicEntry>> readKanjidic(const QString &gzipPath);

// The Kangxi radical `number` as a character (85 → 水), or empty when the
// number is not one of the 214.
QString kangxiRadical(int number);

}  // namespace bks
