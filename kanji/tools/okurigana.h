#pragma once

#include <QString>
#include <QStringList>

namespace bks {

// How the build found where a 訓 reading's okurigana begin.
enum class OkuriganaSource {
    // An example writes the kanji followed by the okurigana (生きる).
    Examples,
    // An example writes a conjugated form (生い立ち for おう, 舌足らず for たる).
    ConjugatedExample,
    // An example writes the kanji with no okurigana: alone, at the end of a
    // word, or before kana that are not its own (生の野菜, 横たわる for よこ).
    WrittenWithout,
    // The examples write the kanji only before other kanji (干物), or there
    // are none; KANJIDIC2's dot decides (ひ.る).
    Kanjidic,
    // Neither the examples nor KANJIDIC2 decide; taken to have none.
    Undecided,
};

struct OkuriganaDecision {
    // Where the okurigana begin in the reading; its length when it has none.
    qsizetype stemLength = 0;
    OkuriganaSource source = OkuriganaSource::Undecided;
};

// Where the okurigana of the 訓 reading `reading` of `kanji` begin, from the
// table's examples of that reading and KANJIDIC2's 訓 readings of the kanji.
OkuriganaDecision decideOkurigana(const QString &kanji, const QString &reading, const QStringList &examples,
                                  const QStringList &kanjidicKun);

// How well the kana written after a kanji (`following`) fit a reading's
// okurigana: 3 written out (かる after 分 of わかる), 2 conjugated (り after
// 直 of なおる, 生い立ち), 1 the ending dropped as in a stem (め after 初 of
// そめる), 0 not at all.
int okuriganaFit(const QString &okurigana, const QString &following);

// The stem lengths KANJIDIC2's entries give the reading (い.きる → 1, なま → 2);
// none when it does not have the reading, two when it writes it both ways
// (生: う.まれる, うま.れる).
QList<qsizetype> kanjidicStemLengths(const QString &reading, const QStringList &kanjidicKun);

}  // namespace bks
