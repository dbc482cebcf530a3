#include "kanji/factsfile.h"

#include "kanji/checksum.h"

#include <algorithm>
#include <cstring>

namespace bks {
namespace {

constexpr int kCountsBytes = 8;
constexpr int kCharacterIndexBytes = 12;
constexpr int kWordIndexBytes = 8;
constexpr quint32 kLastCodePoint = 0x10FFFF;
constexpr quint8 kNoReading = 255;
constexpr quint8 kCommonWord = 1;
constexpr quint8 kTableExample = 1;

Failure damaged(const char *why)
{
    return Failure{QString::fromUtf8(why)};
}

bool isCodePoint(quint32 c)
{
    return c <= kLastCodePoint && !(c >= 0xD800 && c <= 0xDFFF);
}

// Reads numbers and texts from one stretch of the file; running past its end
// or finding a broken text fails the whole read, which the caller checks once.
class Reader {
public:
    Reader(const QByteArray &bytes, qsizetype begin, qsizetype end) : m_bytes(bytes), m_at(begin), m_end(end)
    {
    }

    quint8 u8() { return quint8(take(1) ? uchar(m_bytes[m_at - 1]) : 0); }
    quint16 u16() { return quint16(number(2)); }
    quint32 u32() { return quint32(number(4)); }
    QString text()
    {
        const int units = u8();
        if (!take(2 * units))
            return QString();
        QString out(units, Qt::Uninitialized);
        const char *p = m_bytes.constData() + m_at - 2 * units;
        for (int i = 0; i < units; ++i)
            out[i] = QChar(quint16(uchar(p[2 * i]) | uchar(p[2 * i + 1]) << 8));
        // A lone surrogate is not text.
        for (int i = 0; i < units; ++i) {
            if (out[i].isHighSurrogate() && i + 1 < units && out[i + 1].isLowSurrogate())
                ++i;
            else if (out[i].isSurrogate())
                m_failed = true;
        }
        return out;
    }
    void fail() { m_failed = true; }
    // Every byte read and nothing read past the end.
    bool finished() const { return !m_failed && m_at == m_end; }
    bool failed() const { return m_failed; }

private:
    bool take(qsizetype n)
    {
        if (m_failed || m_end - m_at < n) {
            m_failed = true;
            return false;
        }
        m_at += n;
        return true;
    }
    quint64 number(int n)
    {
        if (!take(n))
            return 0;
        quint64 v = 0;
        for (int i = 0; i < n; ++i)
            v |= quint64(uchar(m_bytes[m_at - n + i])) << (8 * i);
        return v;
    }

    const QByteArray &m_bytes;
    qsizetype m_at;
    qsizetype m_end;
    bool m_failed = false;
};

class Writer {
public:
    void u8(qsizetype v) { number(v, 1, 0xFF); }
    void u16(qsizetype v) { number(v, 2, 0xFFFF); }
    void u32(quint64 v) { number(qsizetype(v), 4, 0xFFFFFFFFu); }
    void text(const QString &t)
    {
        u8(t.size());
        for (QChar c : t) {
            m_out.append(char(c.unicode() & 0xFF));
            m_out.append(char(c.unicode() >> 8));
        }
    }
    bool tooLarge() const { return m_tooLarge; }
    QByteArray &bytes() { return m_out; }

private:
    void number(qsizetype v, int n, quint64 max)
    {
        if (v < 0 || quint64(v) > max)
            m_tooLarge = true;
        for (int i = 0; i < n; ++i)
            m_out.append(char((quint64(v) >> (8 * i)) & 0xFF));
    }
    QByteArray m_out;
    bool m_tooLarge = false;
};

void putU32(QByteArray &bytes, qsizetype at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((v >> (8 * i)) & 0xFF);
}

quint32 getU32(const QByteArray &bytes, qsizetype at)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= quint32(uchar(bytes[at + i])) << (8 * i);
    return v;
}

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

void writeCharacter(Writer &out, const FactsCharacter &c)
{
    out.u8(c.facts.readings.size());
    for (const KanjiReading &r : c.facts.readings) {
        out.u8(r.kind == ReadingKind::On ? 0 : 1);
        out.text(r.text);
        out.u8(r.stemLength);
        out.u8(r.examples.size());
        for (const QString &e : r.examples)
            out.text(e);
        out.text(r.note);
    }
    out.u8(c.facts.radical ? 1 : 0);
    if (c.facts.radical) {
        out.text(c.facts.radical->form);
        out.text(c.facts.radical->original);
        out.u8(int(c.facts.radical->place));
        out.text(c.facts.radical->name);
    }
    out.u16(c.words.size());
    for (quint32 w : c.words)
        out.u32(w);
}

// Why the word cannot be written as its parts say, or empty.
QString writeWord(Writer &out, const FactWord &w)
{
    out.text(w.text);
    out.text(w.reading);
    out.u8(w.common ? kCommonWord : 0);
    out.u8(w.parts.size());
    qsizetype readingAt = 0;
    const QList<uint> codePoints = w.text.toUcs4();
    if (codePoints.size() != w.parts.size())
        return QStringLiteral("%1: %2 parts for %3 characters")
            .arg(w.text)
            .arg(w.parts.size())
            .arg(codePoints.size());
    for (qsizetype i = 0; i < w.parts.size(); ++i) {
        const WordPart &p = w.parts[i];
        if (p.character != char32_t(codePoints[i]) || p.reading.isEmpty()
            || toHiragana(w.reading.mid(readingAt, p.reading.size())) != p.reading)
            return QStringLiteral("%1: part %2 does not match the reading %3")
                .arg(w.text)
                .arg(i)
                .arg(w.reading);
        out.u8(p.reading.size());
        out.u8(p.readingIndex < 0 ? kNoReading : p.readingIndex);
        out.u8(p.tableExample ? kTableExample : 0);
        readingAt += p.reading.size();
    }
    if (readingAt != w.reading.size())
        return QStringLiteral("%1: the parts do not cover the reading %2").arg(w.text, w.reading);
    return QString();
}

}  // namespace

Result<QByteArray> writeFactsFile(QList<FactsCharacter> characters, const QList<FactWord> &words)
{
    std::sort(characters.begin(), characters.end(),
              [](const FactsCharacter &a, const FactsCharacter &b) { return a.codePoint < b.codePoint; });
    QList<QByteArray> records;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const FactsCharacter &c = characters[i];
        if (!isCodePoint(c.codePoint) || (i > 0 && characters[i - 1].codePoint == c.codePoint))
            return Failure{QStringLiteral("U+%1: not a code point or twice").arg(uint(c.codePoint), 0, 16)};
        Writer w;
        writeCharacter(w, c);
        // Read back, so the file never holds a record its reader refuses.
        Reader back(w.bytes(), 0, w.bytes().size());
        if (w.tooLarge() || !readCharacter(back, quint32(words.size())))
            return Failure{QStringLiteral("U+%1: cannot be written").arg(uint(c.codePoint), 0, 16)};
        records.append(std::move(w.bytes()));
    }
    for (const FactWord &word : words) {
        Writer w;
        const QString problem = writeWord(w, word);
        Reader back(w.bytes(), 0, w.bytes().size());
        if (!problem.isEmpty() || w.tooLarge() || !readWord(back))
            return Failure{problem.isEmpty() ? word.text + QStringLiteral(": cannot be written") : problem};
        records.append(std::move(w.bytes()));
    }
    Writer out;
    out.bytes().append(kFactsFileMagic, 8);
    out.u32(kFactsFileVersion);
    out.u32(0);  // length and checksum, once known
    out.u32(0);
    out.u32(characters.size());
    out.u32(words.size());
    quint64 offset = kFactsFileHeaderBytes + kCountsBytes + quint64(characters.size()) * kCharacterIndexBytes
                     + quint64(words.size()) * kWordIndexBytes;
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (i < characters.size())
            out.u32(characters[i].codePoint);
        out.u32(offset);
        out.u32(records[i].size());
        offset += records[i].size();
    }
    for (const QByteArray &r : records)
        out.bytes().append(r);
    QByteArray &bytes = out.bytes();
    if (out.tooLarge() || quint64(bytes.size()) != offset || offset > 0xFFFFFFFFu)
        return Failure{QStringLiteral("the facts do not fit the file's 32-bit offsets")};
    putU32(bytes, 12, quint32(bytes.size()));
    putU32(bytes, 16, crc32Of(QByteArrayView(bytes).sliced(kFactsFileHeaderBytes)));
    return bytes;
}

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
