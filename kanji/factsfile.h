#pragma once

#include "common/result.h"
#include "kanji/kanjifacttypes.h"

#include <QByteArray>
#include <QList>

#include <optional>

namespace bks {

// The kanji facts file: what the build writes from the 常用漢字表, KANJIDIC2,
// KanjiVG and EDICT, and the program reads back. All numbers little-endian;
// a text is a u8 count of UTF-16 units followed by the units.
//
//   header     "BKSFACTS", u32 version (1), u32 length of the whole file,
//              u32 CRC-32 of every byte after this field
//   counts     u32 characters, u32 words
//   index      characters x { u32 code point, u32 offset, u32 length }, sorted
//              by code point; then words x { u32 offset, u32 length }
//   records    the characters' records in index order, then the words', end
//              to end up to the last byte of the file
//   character  u8 readings r, r x { u8 kind (0 音, 1 訓), text, u8 stem
//              length, u8 examples e, e x text, note }; u8 radical (0 or 1),
//              when 1: form, original, u8 place, name; u16 words w, w x u32
//              word number (best first)
//   word       text, reading, u8 flags (1: common), u8 parts p (one per
//              character of the text), p x { u8 reading length, u8 reading
//              index (255: none), u8 flags (1: the table's example) }
//
// Why this shape: a sheet looks up one or two kanji and a test a few hundred,
// so a sorted index finds a record without building anything for the other
// two thousand. Texts are UTF-16, Qt's own form and a third smaller than
// UTF-8 for kana and kanji. The length and checksum catch a cut or damaged
// file before any record is read; every record must still parse to its exact
// length, so a file that passes the checksum but was written wrong is refused
// as well.
inline constexpr char kFactsFileMagic[] = "BKSFACTS";
inline constexpr quint32 kFactsFileVersion = 1;
inline constexpr int kFactsFileHeaderBytes = 20;
// No kanji has this many readings (下 has 12).
inline constexpr int kMaxReadingsPerKanji = 64;

struct FactsCharacter {
    char32_t codePoint = 0;
    KanjiFactsEntry facts;
    // Indexes of the words it may be asked in, best first.
    QList<quint32> words;
};

// The whole file, or why these facts cannot be written (a text too long for
// its count, a word whose parts do not add up to its reading, two records for
// one code point, …).
Result<QByteArray> writeFactsFile(QList<FactsCharacter> characters, const QList<FactWord> &words);

// A facts file whose header, checksum, index and every record have been
// checked.
class FactsFile {
public:
    static Result<FactsFile> open(QByteArray bytes);

    QList<char32_t> characters() const;
    std::optional<KanjiFactsEntry> lookup(char32_t codePoint) const;
    // The words the character may be asked in, best first.
    QList<FactWord> words(char32_t codePoint) const;
    quint32 wordCount() const { return m_wordCount; }

private:
    FactsFile(QByteArray bytes, quint32 characterCount, quint32 wordCount)
        : m_bytes(std::move(bytes)), m_characterCount(characterCount), m_wordCount(wordCount)
    {
    }
    struct Span {
        qsizetype begin = 0;
        qsizetype end = 0;
    };
    std::optional<Span> characterRecord(char32_t codePoint) const;
    Span wordRecord(quint32 index) const;

    QByteArray m_bytes;
    quint32 m_characterCount = 0;
    quint32 m_wordCount = 0;
};

}  // namespace bks
