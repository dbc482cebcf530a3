#pragma once

#include "kanji/strokedata.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

namespace bks {

// The stroke data file: what the build writes from KanjiVG and the program
// reads back. All numbers little-endian.
//
//   header   "BKSSTROK", u32 version (2), u32 count of characters,
//            u32 CRC-32 of every byte of the file but these four
//   index    count x { u32 code point, u32 offset, u32 length }, sorted by code point
//   records  one per character: u8 strokes n, n x { i16 x, i16 y } number
//            positions in hundredths of a unit, n x { u16 length, path data }
//
// The records follow the index in its order, each where the one before it
// ends, the last at the end of the file: no byte of the file belongs to
// nothing, so a count or an offset that damage changed cannot pass. The
// checksum catches what the structure cannot (a digit of a coordinate).
//
// Why this shape: the program looks up one or two characters per sheet, so a
// sorted index finds a record by binary search without reading or building
// anything for the other 6,700; start-up never touches the file. The strokes
// stay KanjiVG's own path data (SVG `d` text) rather than a binary coordinate
// encoding, so the one path parser the program has reads both the build's
// input and the run's file, exactly (some coordinates have three decimals),
// and the fuzzing of the file reaches that parser. A binary encoding would
// halve the file (6.9 MB for 6,702 characters; much less in a compressed
// package) at the price of a second decoder. Number positions are rounded to
// hundredths of a unit: all but a few dozen of KanjiVG's have at most two
// decimals, and the rest move by less than 0.005 units, far below a dot.
inline constexpr char kStrokeFileMagic[] = "BKSSTROK";
inline constexpr quint32 kStrokeFileVersion = 2;
inline constexpr int kStrokeFileHeaderBytes = 20;
inline constexpr int kStrokeFileChecksumAt = 16;
inline constexpr int kStrokeFileIndexEntryBytes = 12;
// No character has this many strokes (KanjiVG's largest count is 30).
inline constexpr int kMaxStrokesPerCharacter = 64;
// Geometry further than one box outside KanjiVG's box is damage.
inline constexpr double kStrokeBoxMargin = kStrokeBoxUnits;

// One character as the build takes it from KanjiVG.
struct StrokeRecord {
    char32_t codePoint = 0;
    QList<QByteArray> paths;
    QList<QPointF> numberPositions;
};

// Why `record` cannot go into the file (empty when it can): its path data
// must parse and its geometry fit the limits the reader checks.
QString strokeRecordProblem(const StrokeRecord &record);
// The whole file, or nullopt when a record has a problem or two records share
// a code point.
std::optional<QByteArray> writeStrokeFile(QList<StrokeRecord> records);

// The checksum the header of the whole file `file` is to carry.
quint32 strokeFileChecksum(QByteArrayView file);
// Puts the checksum of the rest of `file` into its header.
void sealStrokeFile(QByteArray &file);

// A stroke file whose header, index and every record have been checked.
class StrokeFile {
public:
    // nullopt when the header, the index, the checksum or any record is
    // damaged.
    static std::optional<StrokeFile> open(QByteArray bytes);

    QList<char32_t> characters() const;
    // nullopt when the character is not in the file (or, while the file is
    // being opened, when its record is damaged).
    std::optional<CharacterStrokes> lookup(char32_t codePoint) const;

private:
    explicit StrokeFile(QByteArray bytes, quint32 count) : bytes_(std::move(bytes)), count_(count) {}

    QByteArray bytes_;
    quint32 count_ = 0;
};

}  // namespace bks
