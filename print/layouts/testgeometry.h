#pragma once

#include <QRectF>
#include <QSizeF>

#include <algorithm>

// Where a test sheet puts its items, in millimetres: two rows of columns
// below the header, each column written top to bottom, the columns of a row
// read right to left, the upper row first.

namespace bks {

inline constexpr double kTestMargin = 5;
inline constexpr double kTestHeaderBottom = 30;
inline constexpr double kTestFooter = 10;
inline constexpr double kTestRowGap = 4;
inline constexpr int kTestRows = 2;
// Below the number at a column's top.
inline constexpr double kTestNumberSpace = 8;

// One item's column, and the lanes in it: the word's characters, and to
// their right (where vertical writing puts side lines and readings) the
// answer box or the small kana of the reading.
struct TestColumn {
    QRectF box;
    // The side of a character's square.
    double glyph = 0;

    double wordTop() const { return box.top() + kTestNumberSpace; }
    double wordBottom() const { return box.bottom() - 2; }
    double wordCentre() const { return box.left() + box.width() * 0.1 + glyph / 2; }
    double laneLeft() const { return wordCentre() + glyph / 2 + 1.5; }
    double laneWidth() const { return box.right() - 1 - laneLeft(); }

    // The characters of a word of `count` stand this far apart: squares, or
    // closer when a long word would leave the column.
    double pitch(int count) const { return std::min(glyph, (wordBottom() - wordTop()) / std::max(count, 1)); }

    // The box a pupil writes `kana` kana into beside the asked characters
    // (from `top`, `span` long): a square of the lane for each kana, at
    // least as long as the characters, never past the column.
    QRectF answerBox(double top, double span, int kana) const
    {
        const double side = laneWidth();
        const double height = std::min(std::max(span, kana * side), wordBottom() - top);
        return QRectF(laneLeft(), top, side, height);
    }
    // Where the reading of the asked characters stands small beside their
    // squares, centred on them where the column leaves room.
    QRectF rubyLane(double top, double span, int kana) const
    {
        const double width = std::min(laneWidth(), glyph * 0.45);
        const double height = std::min(kana * width, wordBottom() - wordTop());
        const double y = std::clamp(top + (span - height) / 2, wordTop(), wordBottom() - height);
        return QRectF(laneLeft(), y, width, height);
    }
};

// The column of place `index` on a sheet of `places` items, on a printable
// area of `page`.
inline TestColumn testColumn(int index, int places, QSizeF page)
{
    const int perRow = std::max((places + kTestRows - 1) / kTestRows, 1);
    const double width = (page.width() - 2 * kTestMargin) / perRow;
    const double height = (page.height() - kTestFooter - kTestHeaderBottom - kTestRowGap) / kTestRows;
    const int row = index / perRow, column = index % perRow;
    const double right = page.width() - kTestMargin - column * width;
    const double top = kTestHeaderBottom + row * (height + kTestRowGap);
    return {QRectF(right - width, top, width, height), std::min(width * 0.5, 15.0)};
}

}  // namespace bks
