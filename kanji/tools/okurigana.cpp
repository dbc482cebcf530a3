#include "kanji/tools/okurigana.h"

#include <algorithm>

namespace bks {
namespace {

bool isHiragana(QChar c)
{
    return c.unicode() >= 0x3041 && c.unicode() <= 0x309F;
}

// What the examples write after the kanji: the runs of kana right after it,
// and whether it stands alone, last, or before a mark (一羽（わ）), that is
// without okurigana. Before another kanji it says nothing: compounds drop
// okurigana (干物).
struct Tails {
    QStringList kana;
    bool writtenWithout = false;
};

Tails tailsOf(const QString &kanji, const QStringList &examples)
{
    Tails out;
    for (const QString &example : examples) {
        for (qsizetype at = example.indexOf(kanji); at >= 0; at = example.indexOf(kanji, at + 1)) {
            qsizetype end = at + kanji.size();
            if (end == example.size()) {
                out.writtenWithout = true;
                continue;
            }
            const QChar next = example[end];
            if (!isHiragana(next)) {
                // Another kanji (or 々) follows: a compound, which drops okurigana.
                if (!next.isLetter() && next != QChar(0x3005))
                    out.writtenWithout = true;
                continue;
            }
            while (end < example.size() && isHiragana(example[end]))
                ++end;
            out.kana.append(example.mid(at + kanji.size(), end - at - kanji.size()));
        }
    }
    return out;
}

// The kana of one row of the syllabary, as a verb's ending moves through them
// (う: わいうえお; the small っ of 行って and 切って).
bool sameRow(QChar a, QChar b)
{
    static const QStringList rows = {
        QStringLiteral("わいうえお"), QStringLiteral("かきくけこ"),   QStringLiteral("がぎぐげご"),
        QStringLiteral("さしすせそ"), QStringLiteral("たちつてとっ"), QStringLiteral("なにぬねの"),
        QStringLiteral("ばびぶべぼ"), QStringLiteral("まみむめもん"), QStringLiteral("らりるれろっ"),
        QStringLiteral("あいうえお"),
    };
    return std::any_of(rows.cbegin(), rows.cend(),
                       [&](const QString &r) { return r.contains(a) && r.contains(b); });
}

// Verbs end in an う-row kana, adjectives in い: only those conjugate.
bool conjugates(const QString &reading)
{
    return QStringLiteral("うくぐすつぬぶむるい").contains(reading.back());
}

}  // namespace

int okuriganaFit(const QString &okurigana, const QString &following)
{
    if (okurigana.isEmpty() || following.isEmpty())
        return 0;
    if (following.startsWith(okurigana))
        return 3;
    const QString kept = okurigana.chopped(1);
    // 生い立ち: おう's う becomes い.
    if (following.size() > kept.size() && following.startsWith(kept)
        && sameRow(okurigana.back(), following[kept.size()]))
        return 2;
    // 書き初め: そめる drops る.
    if (okurigana.size() >= 2 && okurigana.endsWith(QStringLiteral("る")) && following.startsWith(kept))
        return 1;
    return 0;
}

QList<qsizetype> kanjidicStemLengths(const QString &reading, const QStringList &kanjidicKun)
{
    QList<qsizetype> out;
    for (QString entry : kanjidicKun) {
        entry.remove(QLatin1Char('-'));
        const qsizetype dot = entry.indexOf(QLatin1Char('.'));
        QString plain = entry;
        plain.remove(QLatin1Char('.'));
        if (plain != reading)
            continue;
        const qsizetype stem = dot < 0 ? reading.size() : dot;
        if (!out.contains(stem))
            out.append(stem);
    }
    return out;
}

OkuriganaDecision decideOkurigana(const QString &kanji, const QString &reading, const QStringList &examples,
                                  const QStringList &kanjidicKun)
{
    const Tails tails = tailsOf(kanji, examples);
    // The longest ending of the reading that an example writes out.
    qsizetype written = 0;
    for (const QString &t : tails.kana) {
        for (qsizetype n = reading.size() - 1; n > written; --n) {
            if (t.startsWith(reading.right(n))) {
                written = n;
                break;
            }
        }
    }
    if (written > 0)
        return {reading.size() - written, OkuriganaSource::Examples};
    if (conjugates(reading)) {
        for (const QString &t : tails.kana) {
            for (qsizetype n = reading.size() - 1; n >= 1; --n) {
                if (okuriganaFit(reading.right(n), t) > 0)
                    return {reading.size() - n, OkuriganaSource::ConjugatedExample};
            }
        }
    }
    if (tails.writtenWithout || !tails.kana.isEmpty())
        return {reading.size(), OkuriganaSource::WrittenWithout};
    const QList<qsizetype> kanjidic = kanjidicStemLengths(reading, kanjidicKun);
    if (kanjidic.size() == 1)
        return {kanjidic.front(), OkuriganaSource::Kanjidic};
    return {reading.size(), OkuriganaSource::Undecided};
}

}  // namespace bks
