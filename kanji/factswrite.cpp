#include "kanji/factsfile.h"

#include "kanji/checksum.h"
#include "kanji/factsformat.h"

#include <algorithm>

namespace bks {
namespace {

using namespace factsformat;

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

using namespace factsformat;

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

}  // namespace bks
