#include "quiz/testitems.h"

#include "kanji/gradetables.h"
#include "quiz/taughtkanji.h"

#include <QSet>

#include <algorithm>
#include <tuple>

namespace bks {
namespace {

constexpr char32_t kRepeatMark = U'々';

// The part of `word` that asks `kanji`, when the word is fair for it: the
// kanji stands once (and not doubled with 々) and every other kanji is taught.
const WordPart *askedPart(const FactWord &word, char32_t kanji, const TaughtKanji &taught)
{
    const WordPart *asked = nullptr;
    for (qsizetype i = 0; i < word.parts.size(); ++i) {
        const WordPart &p = word.parts[i];
        if (p.readingIndex < 0)
            continue;
        if (p.character == kanji) {
            if (asked || (i + 1 < word.parts.size() && word.parts[i + 1].character == kRepeatMark))
                return nullptr;
            asked = &p;
        } else if (p.character != kRepeatMark && !taught.isTaught(p.character, kanji)) {
            return nullptr;
        }
    }
    return asked;
}

// 0 the table's example of the kanji, 1 a common word, 2 the rest.
int rank(const FactWord &word, const WordPart &asked)
{
    return asked.tableExample ? 0 : word.common ? 1 : 2;
}

// Among the table's examples the common words come first: the table also
// gives words a pupil has never heard (行火, 言上).
std::tuple<int, bool, qsizetype> order(const FactWord &word, int rank)
{
    return {rank, !word.common, rank == 0 ? 0 : word.parts.size()};
}

TestItem fromWord(char32_t kanji, const FactWord &word, const WordPart &asked)
{
    TestItem item;
    item.kanji = kanji;
    item.word = word.text;
    item.wordReading = word.reading;
    item.targetStart = asked.textStart;
    item.targetLength = asked.textLength;
    item.targetReading = asked.reading;
    return item;
}

// The kanji alone. For 書き with the first reading that has okurigana,
// written after it (生きる). For 読み as the kanji reads standing alone:
// its 訓 as a word of its own (夏 なつ, not the table's first reading カ,
// which would mark a pupil's なつ wrong), else a reading with okurigana,
// else its first reading (肉 にく).
TestItem alone(char32_t kanji, const QList<KanjiReading> &readings, TestKind kind)
{
    const auto first = [&readings](auto wanted) {
        const auto found = std::find_if(readings.cbegin(), readings.cend(), wanted);
        return found == readings.cend() ? nullptr : &*found;
    };
    const auto withOkurigana = [](const KanjiReading &r) { return r.hasOkurigana(); };
    const KanjiReading *chosen = nullptr;
    if (kind == TestKind::Reading)
        chosen = first([](const KanjiReading &r) { return r.kind == ReadingKind::Kun && !r.hasOkurigana(); });
    if (!chosen)
        chosen = first(withOkurigana);
    if (!chosen)
        chosen = &readings.front();
    TestItem item;
    item.kanji = kanji;
    item.word = QString::fromUcs4(&kanji, 1) + chosen->okurigana();
    item.wordReading = toHiragana(chosen->text);
    item.targetLength = item.word.size() - chosen->okurigana().size();
    item.targetReading = toHiragana(chosen->stem());
    item.kanjiAlone = true;
    return item;
}

}  // namespace

Result<TestItems> buildTestItems(const TestList &list, const KanjiFacts &facts, TestKind kind, int variant)
{
    if (!facts.available())
        return Failure{facts.problem()};
    if (variant < 0)
        return Failure{QStringLiteral("問題の組み合わせの番号は 0 以上の整数です: %1").arg(variant)};
    if (!list.publisher.isEmpty()
        && (!PublisherNames().contains(list.publisher) || list.grade < 1 || list.grade > GradeNames().size()))
        return Failure{
            QStringLiteral("教科書会社または学年が違います: %1 %2").arg(list.publisher).arg(list.grade)};
    const TaughtKanji taught = list.publisher.isEmpty()
                                   ? TaughtKanji::ofList(list.text)
                                   : TaughtKanji::ofPublisher(list.publisher, list.grade, list.text);
    TestItems out;
    QSet<char32_t> done;
    for (uint code : list.text.toUcs4()) {
        const char32_t kanji = char32_t(code);
        if (done.contains(kanji))
            continue;
        done.insert(kanji);
        const std::optional<KanjiFactsEntry> entry = facts.lookup(kanji);
        if (!entry || entry->readings.isEmpty()) {
            if (QChar::script(kanji) == QChar::Script_Han && kanji != kRepeatMark)
                out.leftOut.append(kanji);
            continue;
        }
        struct Choice {
            qsizetype word;
            const WordPart *asked;
            int rank;
        };
        const QList<FactWord> words = facts.words(kanji);
        QList<Choice> choices;
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (const WordPart *asked = askedPart(words[i], kanji, taught))
                choices.append({i, asked, rank(words[i], *asked)});
        }
        // The table's examples otherwise keep its order; the other words go
        // shortest first.
        std::stable_sort(choices.begin(), choices.end(), [&words](const Choice &a, const Choice &b) {
            return order(words[a.word], a.rank) < order(words[b.word], b.rank);
        });
        if (choices.isEmpty()) {
            out.items.append(alone(kanji, entry->readings, kind));
            continue;
        }
        const Choice &c = choices[variant % choices.size()];
        out.items.append(fromWord(kanji, words[c.word], *c.asked));
    }
    return out;
}

}  // namespace bks
