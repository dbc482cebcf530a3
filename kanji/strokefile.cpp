#include "kanji/strokefile.h"

#include "kanji/svgpath.h"

#include <QRectF>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace bks {
namespace {

// A record larger than this is damage (the largest real one is a few KB).
constexpr quint32 kMaxRecordBytes = 1u << 20;
constexpr quint32 kLastCodePoint = 0x10FFFF;

// Inclusive at both ends. QRectF::contains() would refuse a straight stroke,
// whose rectangle has no height.
bool fits(double left, double top, double right, double bottom)
{
    constexpr double low = -kStrokeBoxMargin;
    constexpr double high = kStrokeBoxUnits + kStrokeBoxMargin;
    return left >= low && top >= low && right <= high && bottom <= high;
}

bool fits(const QPointF &p)
{
    return fits(p.x(), p.y(), p.x(), p.y());
}

bool fits(const QPainterPath &path)
{
    const QRectF r = path.controlPointRect();
    return fits(r.left(), r.top(), r.right(), r.bottom());
}

quint32 readU32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}

quint16 readU16(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint16(u[0] | u[1] << 8);
}

void appendU32(QByteArray &out, quint32 v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((v >> shift) & 0xFF));
}

void appendU16(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

qint16 hundredths(double v)
{
    return qint16(std::lround(v * 100));
}

// CRC-32 as zip and PNG compute it; `crc` carries on from an earlier part.
quint32 crc32(QByteArrayView bytes, quint32 crc = 0)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (const char b : bytes)
        crc = table[(crc ^ quint8(b)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

}  // namespace

quint32 strokeFileChecksum(QByteArrayView file)
{
    if (file.size() < kStrokeFileHeaderBytes)
        return 0;
    return crc32(file.sliced(kStrokeFileHeaderBytes), crc32(file.first(kStrokeFileChecksumAt)));
}

void sealStrokeFile(QByteArray &file)
{
    if (file.size() < kStrokeFileHeaderBytes)
        return;
    const quint32 sum = strokeFileChecksum(file);
    for (int k = 0; k < 4; ++k)
        file[kStrokeFileChecksumAt + k] = char((sum >> (8 * k)) & 0xFF);
}

QString strokeRecordProblem(const StrokeRecord &record)
{
    if (record.codePoint > kLastCodePoint || (record.codePoint >= 0xD800 && record.codePoint <= 0xDFFF))
        return QStringLiteral("not a code point");
    const qsizetype n = record.paths.size();
    if (n < 1 || n > kMaxStrokesPerCharacter)
        return QStringLiteral("%1 strokes").arg(n);
    if (record.numberPositions.size() != n)
        return QStringLiteral("%1 strokes but %2 numbers").arg(n).arg(record.numberPositions.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QByteArray &d = record.paths[i];
        if (d.size() > 0xFFFF)
            return QStringLiteral("stroke %1 is too long").arg(i + 1);
        const std::optional<QPainterPath> path = parseSvgPath(d);
        if (!path)
            return QStringLiteral("stroke %1 is not path data").arg(i + 1);
        if (!fits(*path))
            return QStringLiteral("stroke %1 leaves the box").arg(i + 1);
        if (!fits(record.numberPositions[i]))
            return QStringLiteral("number %1 lies outside the box").arg(i + 1);
    }
    return QString();
}

std::optional<QByteArray> writeStrokeFile(QList<StrokeRecord> records)
{
    std::sort(records.begin(), records.end(),
              [](const StrokeRecord &a, const StrokeRecord &b) { return a.codePoint < b.codePoint; });
    QByteArray body;
    QByteArray index;
    const qsizetype bodyStart = kStrokeFileHeaderBytes
                                + qsizetype(records.size()) * kStrokeFileIndexEntryBytes;
    for (qsizetype r = 0; r < records.size(); ++r) {
        const StrokeRecord &record = records[r];
        if ((r > 0 && records[r - 1].codePoint == record.codePoint) || !strokeRecordProblem(record).isEmpty())
            return std::nullopt;
        const qsizetype start = body.size();
        body.append(char(record.paths.size()));
        for (const QPointF &p : record.numberPositions) {
            appendU16(body, quint16(hundredths(p.x())));
            appendU16(body, quint16(hundredths(p.y())));
        }
        for (const QByteArray &d : record.paths) {
            appendU16(body, quint16(d.size()));
            body.append(d);
        }
        appendU32(index, record.codePoint);
        appendU32(index, quint32(bodyStart + start));
        appendU32(index, quint32(body.size() - start));
    }
    if (bodyStart + body.size() > qsizetype(0xFFFFFFFFu))
        return std::nullopt;
    QByteArray out(kStrokeFileMagic, 8);
    appendU32(out, kStrokeFileVersion);
    appendU32(out, quint32(records.size()));
    appendU32(out, 0);
    out += index + body;
    sealStrokeFile(out);
    return out;
}

std::optional<StrokeFile> StrokeFile::open(QByteArray bytes)
{
    const qsizetype size = bytes.size();
    if (size < kStrokeFileHeaderBytes || std::memcmp(bytes.constData(), kStrokeFileMagic, 8) != 0
        || readU32(bytes.constData() + 8) != kStrokeFileVersion)
        return std::nullopt;
    const quint32 count = readU32(bytes.constData() + 12);
    const qint64 bodyStart = kStrokeFileHeaderBytes + qint64(count) * kStrokeFileIndexEntryBytes;
    if (count > kLastCodePoint + 1 || bodyStart > size)
        return std::nullopt;
    // Each record starts where the one before it ends.
    qint64 next = bodyStart;
    for (quint32 i = 0; i < count; ++i) {
        const char *entry = bytes.constData() + kStrokeFileHeaderBytes
                            + qint64(i) * kStrokeFileIndexEntryBytes;
        const quint32 codePoint = readU32(entry);
        const qint64 offset = readU32(entry + 4);
        const qint64 length = readU32(entry + 8);
        if (codePoint > kLastCodePoint || (i > 0 && readU32(entry - kStrokeFileIndexEntryBytes) >= codePoint))
            return std::nullopt;
        if (offset != next || length < 1 || length > kMaxRecordBytes || offset + length > size)
            return std::nullopt;
        next = offset + length;
    }
    if (next != size)
        return std::nullopt;
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // A fuzzer could never get past a checksum to the records it is after.
    if (readU32(bytes.constData() + kStrokeFileChecksumAt) != strokeFileChecksum(bytes))
        return std::nullopt;
#endif
    // Every record is read once here, so that a damaged one turns the data
    // off with a message instead of passing for a character KanjiVG lacks
    // (all of KanjiVG's characters take about 50 ms, paid on first use).
    StrokeFile file(std::move(bytes), count);
    for (const char32_t c : file.characters())
        if (!file.lookup(c))
            return std::nullopt;
    return file;
}

QList<char32_t> StrokeFile::characters() const
{
    QList<char32_t> out;
    out.reserve(count_);
    for (quint32 i = 0; i < count_; ++i)
        out.append(
            readU32(bytes_.constData() + kStrokeFileHeaderBytes + qint64(i) * kStrokeFileIndexEntryBytes));
    return out;
}

std::optional<CharacterStrokes> StrokeFile::lookup(char32_t codePoint) const
{
    const char *index = bytes_.constData() + kStrokeFileHeaderBytes;
    quint32 low = 0;
    quint32 high = count_;
    while (low < high) {
        const quint32 mid = low + (high - low) / 2;
        if (readU32(index + qint64(mid) * kStrokeFileIndexEntryBytes) < codePoint)
            low = mid + 1;
        else
            high = mid;
    }
    const char *entry = index + qint64(low) * kStrokeFileIndexEntryBytes;
    if (low == count_ || readU32(entry) != codePoint)
        return std::nullopt;
    // The index was checked when the file was opened: the record lies inside.
    const char *p = bytes_.constData() + readU32(entry + 4);
    const char *const end = p + readU32(entry + 8);
    const int n = static_cast<unsigned char>(*p++);
    if (n < 1 || n > kMaxStrokesPerCharacter || end - p < qint64(n) * 4)
        return std::nullopt;
    CharacterStrokes strokes;
    for (int i = 0; i < n; ++i, p += 4) {
        const QPointF position(qint16(readU16(p)) / 100.0, qint16(readU16(p + 2)) / 100.0);
        if (!fits(position))
            return std::nullopt;
        strokes.numberPositions.append(position);
    }
    for (int i = 0; i < n; ++i) {
        if (end - p < 2)
            return std::nullopt;
        const quint16 length = readU16(p);
        p += 2;
        if (end - p < length)
            return std::nullopt;
        std::optional<QPainterPath> path = parseSvgPath(QByteArrayView(p, length));
        if (!path || !fits(*path))
            return std::nullopt;
        strokes.strokes.append(std::move(*path));
        p += length;
    }
    if (p != end)
        return std::nullopt;
    return strokes;
}

}  // namespace bks
