#pragma once

#include "common/result.h"
#include "kanji/kanjifacts.h"

#include <QList>
#include <QString>

namespace bks {

// 読みテスト asks the reading of the marked kanji, 書きテスト the kanji for
// the reading.
enum class TestKind { Reading, Writing };

// The list a test is drawn from: a publisher's grade list (its name and
// grade 1 … 6), or a typed or loaded one (no publisher).
struct TestList {
    QString text;
    QString publisher;
    int grade = 0;
};

// One question and its answer.
struct TestItem {
    char32_t kanji = 0;
    // As written, okurigana and other kana included.
    QString word;
    QString wordReading;
    // Where the kanji asked stands in the word (UTF-16 units).
    qsizetype targetStart = 0;
    qsizetype targetLength = 1;
    // Its reading there, in hiragana (がっ in 学校).
    QString targetReading;
    // No word fits: the kanji alone (with the okurigana of its reading).
    bool kanjiAlone = false;
};

struct TestItems {
    QList<TestItem> items;
    // Kanji of the list without a 常用 reading, which no item can ask.
    QList<char32_t> leftOut;
};

// One item for each kanji of the list, in its order (each kanji once; kana
// and other characters are skipped). An item's word holds no kanji that is
// not yet taught when its kanji is asked (see TaughtKanji); the table's
// example of the kanji comes first, then the dictionary's common words,
// then the rest. `variant` 0 takes each kanji's best word; another variant
// the word that many places further down the kanji's words, round again
// from the first. Fails when the facts are not there or the publisher or
// grade is not one of the lists.
Result<TestItems> buildTestItems(const TestList &list, const KanjiFacts &facts, TestKind kind, int variant);

}  // namespace bks
