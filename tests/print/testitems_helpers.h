#pragma once

// Hand-made test items for the test sheets: a word asked at its start with
// a sound change (学校), one asked in its middle whose reading is longer
// than the kanji (休み時間), a two-kanji word asked at its end (花火), and
// a kanji alone with its okurigana (生きる).

#include "print/content/testcontent.h"
#include "quiz/testitems.h"

#include <QList>

namespace bks::test {

inline TestItem testItem(char32_t kanji, const QString &word, const QString &reading, qsizetype start,
                         const QString &targetReading, bool alone = false)
{
    TestItem item;
    item.kanji = kanji;
    item.word = word;
    item.wordReading = reading;
    item.targetStart = start;
    item.targetReading = targetReading;
    item.kanjiAlone = alone;
    return item;
}

inline QList<TestItem> sampleTestItems(int count)
{
    const TestItem kinds[] = {
        testItem(U'学', QStringLiteral("学校"), QStringLiteral("がっこう"), 0, QStringLiteral("がっ")),
        testItem(U'時', QStringLiteral("休み時間"), QStringLiteral("やすみじかん"), 2, QStringLiteral("じ")),
        testItem(U'火', QStringLiteral("花火"), QStringLiteral("はなび"), 1, QStringLiteral("び")),
        testItem(U'生', QStringLiteral("生きる"), QStringLiteral("いきる"), 0, QStringLiteral("い"), true),
    };
    QList<TestItem> items;
    for (int i = 0; i < count; ++i)
        items.append(kinds[i % 4]);
    return items;
}

}  // namespace bks::test
