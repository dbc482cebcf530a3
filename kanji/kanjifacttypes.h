#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace bks {

// What the program knows of a kanji besides its strokes: its readings as the
// 常用漢字表 gives them, its radical, and the words a test may ask it in.
// These are plain values; kanji/kanjifacts.h reads them from the data file.

enum class ReadingKind : quint8 { On, Kun };

struct KanjiReading {
    ReadingKind kind = ReadingKind::On;
    // 音 in katakana, 訓 in hiragana, whole: セイ, いきる.
    QString text;
    // Where the okurigana begin in `text`; text.size() when it has none.
    qsizetype stemLength = 0;
    // The table's examples of this reading, as it prints them.
    QStringList examples;
    QString note;

    bool hasOkurigana() const { return stemLength < text.size(); }
    QString stem() const { return text.left(stemLength); }
    QString okurigana() const { return text.mid(stemLength); }
    // The okurigana set apart: い(きる); a reading without them as it is.
    QString marked() const;
};

// Where the radical stands in its kanji. Inside: within another part's
// enclosure (the 口 of 可, the 土 of 圧). Unknown: the source names no place.
enum class RadicalPlace : quint8 { Unknown, Whole, Left, Right, Top, Bottom, Tare, Nyo, Kamae, Inside };
inline constexpr int kRadicalPlaceCount = 10;
// The place as a pupil's dictionary says it: "へん", "かんむり", …; empty for
// Unknown.
QString radicalPlaceName(RadicalPlace place);

struct KanjiRadical {
    // As written in the kanji (氵), and the character it stands for when that
    // differs (水); otherwise empty.
    QString form;
    QString original;
    RadicalPlace place = RadicalPlace::Unknown;
    // The name school dictionaries use (さんずい); empty when it has none,
    // and then the form is printed alone.
    QString name;
};

struct KanjiFactsEntry {
    // In the table's order.
    QList<KanjiReading> readings;
    std::optional<KanjiRadical> radical;
};

// One character of a word and what it reads there.
struct WordPart {
    char32_t character = 0;
    // Where the character stands in the word's text (UTF-16 units).
    qsizetype textStart = 0;
    int textLength = 1;
    // Its sound in the word, in hiragana (がっ in 学校).
    QString reading;
    // Which of the character's readings that sound is, or -1 for kana
    // (and for 々, the reading of the kanji it repeats).
    int readingIndex = -1;
    // The table gives the word as an example of that reading.
    bool tableExample = false;
};

// A word with one reading in the dictionary, aligned with the 常用 readings of
// each of its kanji.
struct FactWord {
    QString text;
    // As the dictionary writes it (hiragana, katakana where the word has it).
    QString reading;
    // Marked as a common word by the dictionary.
    bool common = false;
    QList<WordPart> parts;
};

// Katakana as hiragana; everything else unchanged.
QString toHiragana(const QString &text);

}  // namespace bks
