#include "kanji/factsfile.h"

#include "kanji/checksum.h"
#include "kanji/factsformat.h"

#include <algorithm>
#include <cstring>

namespace bks {
namespace factsformat {

// A character record; the word numbers are checked against `wordCount`.
std::optional<FactsCharacter> readCharacter(Reader &in, quint32 wordCount)
{
    FactsCharacter out;
    const int readings = in.u8();
    if (readings > kMaxReadingsPerKanji)
        return std::nullopt;
    for (int i = 0; i < readings && !in.failed(); ++i) {
        KanjiReading r;
        const quint8 kind = in.u8();
        r.text = in.text();
        r.stemLength = in.u8();
        const int examples = in.u8();
        for (int e = 0; e < examples; ++e)
            r.examples.append(in.text());
        r.note = in.text();
        if (kind > 1 || r.text.isEmpty() || r.stemLength < 1 || r.stemLength > r.text.size())
            return std::nullopt;
        r.kind = kind == 0 ? ReadingKind::On : ReadingKind::Kun;
        // 音 readings have no okurigana.
        if (r.kind == ReadingKind::On && r.hasOkurigana())
            return std::nullopt;
        out.facts.readings.append(std::move(r));
    }
    const quint8 hasRadical = in.u8();
    if (hasRadical > 1)
        return std::nullopt;
    if (hasRadical) {
        KanjiRadical radical;
        radical.form = in.text();
        radical.original = in.text();
        const quint8 place = in.u8();
        radical.name = in.text();
        if (radical.form.isEmpty() || place >= kRadicalPlaceCount)
            return std::nullopt;
        radical.place = RadicalPlace(place);
        out.facts.radical = std::move(radical);
    }
    const int words = in.u16();
    for (int i = 0; i < words; ++i) {
        const quint32 w = in.u32();
        if (w >= wordCount)
            return std::nullopt;
        out.words.append(w);
    }
    if (!in.finished())
        return std::nullopt;
    return out;
}

std::optional<FactWord> readWord(Reader &in)
{
    FactWord out;
    out.text = in.text();
    out.reading = in.text();
    const quint8 flags = in.u8();
    const int parts = in.u8();
    const QList<uint> codePoints = out.text.toUcs4();
    if (in.failed() || flags > kCommonWord || out.text.isEmpty() || parts != codePoints.size())
        return std::nullopt;
    out.common = flags == kCommonWord;
    qsizetype textAt = 0;
    qsizetype readingAt = 0;
    for (int i = 0; i < parts; ++i) {
        WordPart part;
        part.character = char32_t(codePoints[i]);
        part.textStart = textAt;
        part.textLength = part.character > 0xFFFF ? 2 : 1;
        const int length = in.u8();
        const quint8 index = in.u8();
        const quint8 partFlags = in.u8();
        if (length < 1 || readingAt + length > out.reading.size() || partFlags > kTableExample
            || (index != kNoReading && index >= kMaxReadingsPerKanji))
            return std::nullopt;
        part.reading = toHiragana(out.reading.mid(readingAt, length));
        part.readingIndex = index == kNoReading ? -1 : index;
        part.tableExample = partFlags == kTableExample;
        textAt += part.textLength;
        readingAt += length;
        out.parts.append(std::move(part));
    }
    if (readingAt != out.reading.size() || !in.finished())
        return std::nullopt;
    return out;
}

}  // namespace factsformat

using namespace factsformat;

Result<FactsFile> FactsFile::open(QByteArray bytes)
{
    const qsizetype size = bytes.size();
    if (size < kFactsFileHeaderBytes + kCountsBytes
        || std::memcmp(bytes.constData(), kFactsFileMagic, 8) != 0)
        return damaged("漢字データのファイルではありません");
    if (getU32(bytes, 8) != kFactsFileVersion)
        return damaged("版が違います");
    if (getU32(bytes, 12) != quint64(size))
        return damaged("長さが合いません");
    if (getU32(bytes, 16) != crc32Of(QByteArrayView(bytes).sliced(kFactsFileHeaderBytes)))
        return damaged("検査値が合いません");
    const quint32 characterCount = getU32(bytes, kFactsFileHeaderBytes);
    const quint32 wordCount = getU32(bytes, kFactsFileHeaderBytes + 4);
    const quint64 indexEnd = kFactsFileHeaderBytes + kCountsBytes
                             + quint64(characterCount) * kCharacterIndexBytes
                             + quint64(wordCount) * kWordIndexBytes;
    if (indexEnd > quint64(size))
        return damaged("索引が壊れています");
    FactsFile file(std::move(bytes), characterCount, wordCount);
    // The records lie end to end in index order and fill the file exactly.
    quint64 expected = indexEnd;
    qsizetype at = kFactsFileHeaderBytes + kCountsBytes;
    for (quint32 i = 0; i < characterCount; ++i, at += kCharacterIndexBytes) {
        const quint32 codePoint = getU32(file.m_bytes, at);
        if (!isCodePoint(codePoint) || (i > 0 && getU32(file.m_bytes, at - kCharacterIndexBytes) >= codePoint)
            || getU32(file.m_bytes, at + 4) != expected || getU32(file.m_bytes, at + 8) == 0)
            return damaged("索引が壊れています");
        expected += getU32(file.m_bytes, at + 8);
        if (expected > quint64(size))
            return damaged("長さが合いません");
    }
    for (quint32 i = 0; i < wordCount; ++i, at += kWordIndexBytes) {
        if (getU32(file.m_bytes, at) != expected || getU32(file.m_bytes, at + 4) == 0)
            return damaged("索引が壊れています");
        expected += getU32(file.m_bytes, at + 4);
        if (expected > quint64(size))
            return damaged("長さが合いません");
    }
    if (expected != quint64(size))
        return damaged("長さが合いません");
    // Every record is read once now, so that a lookup never meets a bad one.
    at = kFactsFileHeaderBytes + kCountsBytes;
    for (quint32 i = 0; i < characterCount; ++i, at += kCharacterIndexBytes) {
        const qsizetype begin = getU32(file.m_bytes, at + 4);
        Reader in(file.m_bytes, begin, begin + getU32(file.m_bytes, at + 8));
        if (!readCharacter(in, wordCount))
            return damaged("文字のデータが壊れています");
    }
    for (quint32 i = 0; i < wordCount; ++i) {
        const Span span = file.wordRecord(i);
        Reader in(file.m_bytes, span.begin, span.end);
        if (!readWord(in))
            return damaged("言葉のデータが壊れています");
    }
    return file;
}

QList<char32_t> FactsFile::characters() const
{
    QList<char32_t> out;
    out.reserve(m_characterCount);
    for (quint32 i = 0; i < m_characterCount; ++i)
        out.append(
            getU32(m_bytes, kFactsFileHeaderBytes + kCountsBytes + qsizetype(i) * kCharacterIndexBytes));
    return out;
}

std::optional<FactsFile::Span> FactsFile::characterRecord(char32_t codePoint) const
{
    quint32 low = 0;
    quint32 high = m_characterCount;
    while (low < high) {
        const quint32 mid = low + (high - low) / 2;
        const qsizetype at = kFactsFileHeaderBytes + kCountsBytes + qsizetype(mid) * kCharacterIndexBytes;
        const quint32 c = getU32(m_bytes, at);
        if (c == codePoint) {
            const qsizetype begin = getU32(m_bytes, at + 4);
            return Span{begin, begin + getU32(m_bytes, at + 8)};
        }
        if (c < codePoint)
            low = mid + 1;
        else
            high = mid;
    }
    return std::nullopt;
}

FactsFile::Span FactsFile::wordRecord(quint32 index) const
{
    const qsizetype at = kFactsFileHeaderBytes + kCountsBytes
                         + qsizetype(m_characterCount) * kCharacterIndexBytes
                         + qsizetype(index) * kWordIndexBytes;
    const qsizetype begin = getU32(m_bytes, at);
    return Span{begin, begin + getU32(m_bytes, at + 4)};
}

std::optional<KanjiFactsEntry> FactsFile::lookup(char32_t codePoint) const
{
    const std::optional<Span> span = characterRecord(codePoint);
    if (!span)
        return std::nullopt;
    Reader in(m_bytes, span->begin, span->end);
    std::optional<FactsCharacter> c = readCharacter(in, m_wordCount);
    if (!c)
        return std::nullopt;
    return std::move(c->facts);
}

QList<FactWord> FactsFile::words(char32_t codePoint) const
{
    const std::optional<Span> span = characterRecord(codePoint);
    if (!span)
        return {};
    Reader in(m_bytes, span->begin, span->end);
    const std::optional<FactsCharacter> c = readCharacter(in, m_wordCount);
    QList<FactWord> out;
    if (!c)
        return out;
    for (quint32 w : c->words) {
        const Span word = wordRecord(w);
        Reader wordIn(m_bytes, word.begin, word.end);
        if (std::optional<FactWord> found = readWord(wordIn))
            out.append(std::move(*found));
    }
    return out;
}

}  // namespace bks
