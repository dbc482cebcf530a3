#pragma once

#include <QHash>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QString>

#include <memory>
#include <optional>

namespace bks {

// KanjiVG draws every character in a square of this many units, y downwards.
inline constexpr double kStrokeBoxUnits = 109.0;

// How one character is written: its strokes in writing order (the centre
// line of the brush) and where each stroke's number is written, both in
// KanjiVG's box.
struct CharacterStrokes {
    QList<QPainterPath> strokes;
    // The left end of each number's baseline, one per stroke.
    QList<QPointF> numberPositions;

    int count() const { return static_cast<int>(strokes.size()); }
};

// The stroke data file built from KanjiVG and installed with the program.
// Opening never throws: a missing or damaged file gives data that is not
// available and says why.
class StrokeData {
public:
    static StrokeData fromFile(const QString &path);
    // A file's bytes already read; `name` is what problem() calls it.
    static StrokeData fromBytes(QByteArray bytes, const QString &name);
    // Where the program's own file lies (see installedDataFile()).
    static QString installedPath();
    // Data held in memory, for tests and tools.
    static StrokeData fromCharacters(QHash<char32_t, CharacterStrokes> characters);

    bool available() const;
    // Why the stroke features are off, in the user's words; empty when the
    // data is there.
    QString problem() const;
    // The strokes of the character `codePoint`, or nothing when the data
    // has none (or is not available).
    std::optional<CharacterStrokes> lookup(char32_t codePoint) const;
    // Every character the data has, in code-point order.
    QList<char32_t> characters() const;

    StrokeData();
    ~StrokeData();
    StrokeData(StrokeData &&) noexcept;
    StrokeData &operator=(StrokeData &&) noexcept;

private:
    struct Data;
    std::unique_ptr<Data> d;
};

}  // namespace bks
