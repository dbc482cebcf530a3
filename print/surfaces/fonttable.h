#pragma once

#include <QByteArray>

namespace bks {

// Bounds-checked big-endian reads from a font table. Every read that would
// leave the table marks the reader bad and yields 0, so a parse can run to
// its end and be discarded once.
class FontTableReader {
public:
    explicit FontTableReader(const QByteArray &data) : m_data(data) {}

    quint16 u16(qint64 offset)
    {
        if (offset < 0 || offset + 2 > m_data.size()) {
            m_bad = true;
            return 0;
        }
        const auto *p = reinterpret_cast<const uchar *>(m_data.constData() + offset);
        return static_cast<quint16>((p[0] << 8) | p[1]);
    }
    quint8 u8(qint64 offset)
    {
        if (offset < 0 || offset + 1 > m_data.size()) {
            m_bad = true;
            return 0;
        }
        return static_cast<quint8>(m_data.at(offset));
    }
    quint32 u24(qint64 offset) { return (quint32(u16(offset)) << 8) | u8(offset + 2); }
    qint64 size() const { return m_data.size(); }
    quint32 u32(qint64 offset)
    {
        const quint32 hi = u16(offset);
        return (hi << 16) | u16(offset + 2);
    }
    qint16 s16(qint64 offset) { return static_cast<qint16>(u16(offset)); }
    bool bad() const { return m_bad; }
    void markBad() { m_bad = true; }

private:
    const QByteArray &m_data;
    bool m_bad = false;
};

}  // namespace bks
