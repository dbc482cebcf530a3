#pragma once

#include "kanji/kanjifacttypes.h"

#include <QHash>
#include <QList>
#include <QString>

namespace bks {

// The readings the alignment may use, by kanji: the 常用漢字表's.
using JoyoReadings = QHash<char32_t, QList<KanjiReading>>;

// Every way the kana `reading` of `word` divide among its characters, each
// kanji reading one of its 常用 readings and each kana itself. A kanji's
// reading may change as it does in compounds: the first kana voiced after the
// word's first character (手紙 てがみ), the h-row half-voiced after ん or っ
// (三本 さんぼん, 一本 いっぽん, 発表 はっぴょう), the last kana doubled into っ
// before another character (学校 がっこう), and a 訓 reading's okurigana
// dropped or in the form of the verb's stem (受付 うけつけ). 々 reads as the
// kanji before it. Ways that give every character the same sound count once
// (上げ下げ: あ of あげる or of あがる): the reading `preferred` names for the
// kanji (the one the table lists the word under), else the reading as it is,
// else the one whose okurigana the next kana spell is taken. An empty list: the word uses a reading outside
// the table; more than one: its alignment is not unique.
QList<QList<WordPart>> alignWord(const QString &word, const QString &reading, const JoyoReadings &readings,
                                 const QList<std::pair<char32_t, int>> &preferred = {});

}  // namespace bks
