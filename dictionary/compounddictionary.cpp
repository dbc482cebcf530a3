#include "dictionary/compounddictionary.h"

#include "dictionary/compoundwords.h"

#include <algorithm>

namespace bks {
namespace {

// An empty needle is the "**" pattern of an empty preview caption: every
// non-empty entry matches. Anything else matches by literal containment, so
// "*", "?", "#" and "[" are plain characters.
bool Matches(const QString &entry, const QString &needle)
{
    return !entry.isEmpty() && (needle.isEmpty() || entry.contains(needle));
}

// Visits slots 0 to `count` inclusive, the spare empty slot after the last
// word included; a count out of range never reads past the array.
template <std::size_t N>
void AppendMatches(const std::array<QString, N> &slots, qint16 count, const QString &needle, QStringList &out)
{
    const int last = std::min(int(count), int(N) - 1);
    for (int i = 0; i <= last; ++i) {
        const QString &entry = slots[std::size_t(i)];
        if (Matches(entry, needle))
            out.append(entry);
    }
}

}  // namespace

PickLists MatchCompounds(CompoundDictionary &dictionary, const QString &first, const QString &second)
{
    PickLists lists;
    dictionary.FillCompoundListA();
    AppendMatches(dictionary.CompoundListA, dictionary.CompoundCountA, first, lists.first);
    if (!second.isEmpty())
        AppendMatches(dictionary.CompoundListA, dictionary.CompoundCountA, second, lists.second);
    dictionary.FillCompoundListB();
    AppendMatches(dictionary.CompoundListB, dictionary.CompoundCountB, first, lists.first);
    if (!second.isEmpty())
        AppendMatches(dictionary.CompoundListB, dictionary.CompoundCountB, second, lists.second);
    return lists;
}

PickLists MatchSentences(const SentenceStore &sentences, const QString &first, const QString &second)
{
    PickLists lists;
    AppendMatches(sentences.SentenceList, sentences.SentenceCount, first, lists.first);
    if (!second.isEmpty())
        AppendMatches(sentences.SentenceList, sentences.SentenceCount, second, lists.second);
    return lists;
}

QStringList AllCompounds()
{
    QStringList all;
    const auto a = CompoundWordsA();
    const auto b = CompoundWordsB();
    all.reserve(qsizetype(a.size() + b.size()));
    for (const auto words : {a, b}) {
        for (std::u16string_view word : words)
            all.append(
                QString::fromRawData(reinterpret_cast<const QChar *>(word.data()), qsizetype(word.size())));
    }
    return all;
}

}  // namespace bks
