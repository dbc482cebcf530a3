#pragma once

// The facts file's byte-level pieces, shared by its reader
// (factsfile.cpp) and its writer (factswrite.cpp), which reads each record
// back before it trusts it. Not for other code: the format is the file's.

#include "common/result.h"
#include "kanji/factsfile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace bks::factsformat {

constexpr int kCountsBytes = 8;
constexpr int kCharacterIndexBytes = 12;
constexpr int kWordIndexBytes = 8;
constexpr quint32 kLastCodePoint = 0x10FFFF;
constexpr quint8 kNoReading = 255;
constexpr quint8 kCommonWord = 1;
constexpr quint8 kTableExample = 1;

inline Failure damaged(const char *why)
{
    return Failure{QString::fromUtf8(why)};
}

inline bool isCodePoint(quint32 c)
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

inline void putU32(QByteArray &bytes, qsizetype at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((v >> (8 * i)) & 0xFF);
}

inline quint32 getU32(const QByteArray &bytes, qsizetype at)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= quint32(uchar(bytes[at + i])) << (8 * i);
    return v;
}

// A character record; the word numbers are checked against `wordCount`.
std::optional<FactsCharacter> readCharacter(Reader &in, quint32 wordCount);
// A word record, its parts adding up to its reading.
std::optional<FactWord> readWord(Reader &in);

}  // namespace bks::factsformat
