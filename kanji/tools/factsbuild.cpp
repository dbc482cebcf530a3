#include "kanji/tools/factsbuild.h"

#include "kanji/tools/okurigana.h"
#include "kanji/tools/wordalign.h"

#include <QMap>

namespace bks {
namespace {

QString character(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

bool isKatakana(QChar c)
{
    return c.unicode() >= 0x30A1 && c.unicode() <= 0x30FC;
}

// A word to look up, and the readings of the table it stands under.
struct Candidate {
    QString text;
    QList<std::pair<char32_t, int>> exampleOf;
};

QList<Candidate> candidates(const FactsSources &sources)
{
    QList<Candidate> out;
    QHash<QString, qsizetype> seen;
    const auto add = [&](const QString &text, std::optional<std::pair<char32_t, int>> example) {
        if (text.isEmpty())
            return;
        auto at = seen.constFind(text);
        if (at == seen.cend()) {
            at = seen.insert(text, out.size());
            out.append({text, {}});
        }
        if (example)
            out[*at].exampleOf.append(*example);
    };
    for (const JoyoKanji &k : sources.joyo) {
        for (int r = 0; r < k.rows.size(); ++r) {
            for (const QString &e : k.rows[r].examples)
                add(exampleWord(e), std::pair{k.kanji, r});
        }
    }
    for (const QString &c : sources.compounds)
        add(c, std::nullopt);
    return out;
}

QList<KanjiReading> readingsOf(const JoyoKanji &k, const KanjidicEntry *kanjidic,
                               QMap<OkuriganaSource, int> &sources, QStringList &undecided)
{
    QList<KanjiReading> out;
    const QString kanji = character(k.kanji);
    for (const JoyoRow &row : k.rows) {
        KanjiReading r;
        r.kind = isKatakana(row.reading.front()) ? ReadingKind::On : ReadingKind::Kun;
        r.text = row.reading;
        r.examples = row.examples;
        r.note = row.note;
        r.stemLength = r.text.size();
        if (r.kind == ReadingKind::Kun) {
            const QStringList kun = kanjidic ? kanjidic->kunReadings : QStringList();
            const OkuriganaDecision d = decideOkurigana(kanji, r.text, r.examples, kun);
            r.stemLength = d.stemLength;
            ++sources[d.source];
            const QList<qsizetype> theirs = kanjidicStemLengths(r.text, kun);
            if (d.source == OkuriganaSource::Undecided) {
                undecided.append(
                    QStringLiteral("okurigana %1 %2: neither the examples nor KANJIDIC2 (%3) decide; none")
                        .arg(kanji, r.text, kun.join(QLatin1Char(' '))));
            } else if (theirs.size() == 1 && theirs.front() != d.stemLength) {
                undecided.append(
                    QStringLiteral("okurigana %1 %2: the examples give %3, KANJIDIC2 %4; the examples hold")
                        .arg(kanji, r.text, r.marked(),
                             KanjiReading{ReadingKind::Kun, r.text, theirs.front(), {}, {}}.marked()));
            }
        }
        out.append(std::move(r));
    }
    return out;
}

Result<RadicalDecision> radicalOf(const FactsSources &sources, char32_t kanji, const KanjidicEntry *kanjidic)
{
    const Result<KanjivgRadicals> groups = sources.kanjivg(kanji);
    if (!groups)
        return Failure{groups.failure()};
    return decideRadical(*groups, kanjidic ? kanjidic->classicalRadical : 0);
}

}  // namespace

QSet<QString> wordCandidates(const FactsSources &sources)
{
    QSet<QString> out;
    for (const Candidate &c : candidates(sources))
        out.insert(c.text);
    return out;
}

FactsBuild buildFacts(const FactsSources &sources)
{
    FactsBuild out;
    JoyoReadings readings;
    QMap<OkuriganaSource, int> okurigana;
    int on = 0;
    int kun = 0;
    int unnamed = 0;
    for (const JoyoKanji &k : sources.joyo) {
        const auto kanjidic = sources.kanjidic.constFind(k.kanji);
        const KanjidicEntry *entry = kanjidic == sources.kanjidic.cend() ? nullptr : &*kanjidic;
        FactsCharacter c;
        c.codePoint = k.kanji;
        c.facts.readings = readingsOf(k, entry, okurigana, out.undecided);
        for (const KanjiReading &r : c.facts.readings)
            ++(r.kind == ReadingKind::On ? on : kun);
        readings.insert(k.kanji, c.facts.readings);
        const Result<RadicalDecision> radical = radicalOf(sources, k.kanji, entry);
        if (!radical) {
            out.undecided.append(QStringLiteral("radical %1: %2").arg(character(k.kanji), radical.failure()));
        } else {
            if (!radical->disagreement.isEmpty())
                out.undecided.append(
                    QStringLiteral("radical %1: %2").arg(character(k.kanji), radical->disagreement));
            if (radical->radical.name.isEmpty()) {
                ++unnamed;
                out.undecided.append(QStringLiteral("radical %1: no name for %2; printed alone")
                                         .arg(character(k.kanji), radical->radical.form));
            }
            c.facts.radical = radical->radical;
        }
        out.characters.append(std::move(c));
    }

    QHash<char32_t, qsizetype> indexOf;
    for (qsizetype i = 0; i < out.characters.size(); ++i)
        indexOf.insert(out.characters[i].codePoint, i);
    int notInEdict = 0;
    int severalReadings = 0;
    int unaligned = 0;
    int ambiguous = 0;
    int misplaced = 0;
    const QList<Candidate> words = candidates(sources);
    for (const Candidate &candidate : words) {
        const auto found = sources.edict.constFind(candidate.text);
        if (found == sources.edict.cend()) {
            ++notInEdict;
            continue;
        }
        if (found->readings.size() != 1) {
            ++severalReadings;
            continue;
        }
        const QList<QList<WordPart>> ways = alignWord(candidate.text, found->readings.front(), readings,
                                                      candidate.exampleOf);
        if (ways.isEmpty()) {
            ++unaligned;
            continue;
        }
        if (ways.size() > 1) {
            ++ambiguous;
            out.undecided.append(QStringLiteral("word %1 [%2]: %3 alignments; not used")
                                     .arg(candidate.text, found->readings.front())
                                     .arg(ways.size()));
            continue;
        }
        FactWord word{candidate.text, found->readings.front(), found->common, ways.front()};
        bool agrees = true;
        for (const auto &[kanji, row] : candidate.exampleOf) {
            bool shown = false;
            for (WordPart &p : word.parts) {
                if (p.character == kanji && p.readingIndex == row)
                    shown = p.tableExample = true;
            }
            agrees = agrees && shown;
        }
        if (!agrees) {
            ++misplaced;
            out.undecided.append(
                QStringLiteral("word %1 [%2]: reads otherwise than the reading it stands under; not used")
                    .arg(candidate.text, found->readings.front()));
            continue;
        }
        const quint32 number = quint32(out.words.size());
        QSet<char32_t> listed;
        for (const WordPart &p : word.parts) {
            if (p.readingIndex < 0 || p.character == U'々' || listed.contains(p.character))
                continue;
            listed.insert(p.character);
            out.characters[indexOf.value(p.character)].words.append(number);
        }
        out.words.append(std::move(word));
    }

    out.summary = {
        QStringLiteral("%1 kanji, %2 readings (%3 音, %4 訓)")
            .arg(out.characters.size())
            .arg(on + kun)
            .arg(on)
            .arg(kun),
        QStringLiteral(
            "okurigana of the 訓 readings: %1 from examples, %2 from conjugated examples, %3 written "
            "without, %4 from KANJIDIC2, %5 undecided")
            .arg(okurigana.value(OkuriganaSource::Examples))
            .arg(okurigana.value(OkuriganaSource::ConjugatedExample))
            .arg(okurigana.value(OkuriganaSource::WrittenWithout))
            .arg(okurigana.value(OkuriganaSource::Kanjidic))
            .arg(okurigana.value(OkuriganaSource::Undecided)),
        QStringLiteral("%1 radicals without a name (printed as their form alone)").arg(unnamed),
        QStringLiteral(
            "words: %1 looked up, %2 not in EDICT, %3 with several readings, %4 with a reading outside the "
            "table, %5 not unique, %6 off their reading, %7 used")
            .arg(words.size())
            .arg(notInEdict)
            .arg(severalReadings)
            .arg(unaligned)
            .arg(ambiguous)
            .arg(misplaced)
            .arg(out.words.size()),
    };
    return out;
}

}  // namespace bks
