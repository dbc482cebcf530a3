#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace bks {

// The built-in compound words, kept as the program always kept them: two
// halves, each with one spare empty slot that the matching loops visit.
class CompoundDictionary {
public:
    static constexpr int kSlotsA = 2001;
    static constexpr int kSlotsB = 2626;

    std::array<QString, kSlotsA> CompoundListA;
    std::array<QString, kSlotsB> CompoundListB;
    qint16 CompoundCountA = 0;
    qint16 CompoundCountB = 0;

    void FillCompoundListA();
    void FillCompoundListB();
};

// Example sentences: the list exists and is matched, but nothing fills it.
struct SentenceStore {
    std::array<QString, 2001> SentenceList;
    qint16 SentenceCount = 0;
};

struct PickLists {
    QStringList first;   // for the first character (Combo3)
    QStringList second;  // for the second character (Combo4)
};

// Every entry containing `first`, then (when `second` is not empty) every
// entry containing `second`, in slot order: the first half, then the second.
// A character matches itself literally, never as a wildcard; an empty `first`
// matches every entry.
PickLists MatchCompounds(CompoundDictionary &dictionary, const QString &first, const QString &second);
PickLists MatchSentences(const SentenceStore &sentences, const QString &first, const QString &second);

// All entries in slot order (4,625).
QStringList AllCompounds();

}  // namespace bks
