#pragma once

#include "print/recordingsurface.h"
#include "print/sheetlayout.h"
#include "print/sheetsettings.h"

#include <QString>

#include <ostream>
#include <vector>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace bks::test {

inline constexpr double kTwipsPerMm = 1440.0 / 25.4;
// The recording surface's printable area in twips.
inline constexpr double kPortraitW = 200.0 * kTwipsPerMm;
inline constexpr double kPortraitH = 287.0 * kTwipsPerMm;

// One sheet of the practice form with `perSheet` characters, drawn as the
// run draws it.
inline void printPractice(PrintSurface &s, int perSheet, const SheetContent &content,
                          const SheetSettings &settings)
{
    printSheet(*chooseLayout(kPracticeForm, perSheet), s, content, settings);
}

inline SheetSettings sheetSettings(const QString &face = QStringLiteral("IPAexMincho"))
{
    SheetSettings s;
    s.fontName = face;
    s.headings = kDefaultHeadings;
    return s;
}

inline std::vector<RecordedOp> opsOf(const std::vector<RecordedOp> &ops, RecordedOp::Kind kind)
{
    std::vector<RecordedOp> out;
    for (const RecordedOp &op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

inline std::vector<RecordedOp> printsOf(const std::vector<RecordedOp> &ops, const QString &text)
{
    std::vector<RecordedOp> out;
    for (const RecordedOp &op : ops)
        if (op.kind == RecordedOp::Print && op.text == text)
            out.push_back(op);
    return out;
}

struct Pos {
    double x, y;
    bool operator==(const Pos &) const = default;
};

inline void PrintTo(const Pos &p, std::ostream *os)
{
    *os << '(' << p.x << ", " << p.y << ')';
}

inline std::vector<Pos> positions(const std::vector<RecordedOp> &ops)
{
    std::vector<Pos> out;
    for (const RecordedOp &op : ops)
        out.push_back({op.x, op.y});
    return out;
}

// The run of consecutive prints that spells `text` one character at a
// time, in drawing order; empty when there is none.
inline std::vector<RecordedOp> spelled(const std::vector<RecordedOp> &ops, const QString &text)
{
    const std::vector<RecordedOp> prints = opsOf(ops, RecordedOp::Print);
    for (size_t i = 0; i + size_t(text.size()) <= prints.size(); ++i) {
        bool match = true;
        for (qsizetype j = 0; j < text.size() && match; ++j)
            match = prints[i + size_t(j)].text == QString(text.at(j));
        if (match)
            return {prints.begin() + qsizetype(i), prints.begin() + qsizetype(i) + text.size()};
    }
    return {};
}

// Prints placed one under the other, top to bottom, in one column.
inline bool runsDown(const std::vector<RecordedOp> &ops)
{
    for (size_t i = 1; i < ops.size(); ++i)
        if (ops[i].x != ops[0].x || ops[i].y <= ops[i - 1].y)
            return false;
    return !ops.empty();
}

// Prints placed side by side, left to right, on one line.
inline bool runsRight(const std::vector<RecordedOp> &ops)
{
    for (size_t i = 1; i < ops.size(); ++i)
        if (ops[i].y != ops[0].y || ops[i].x <= ops[i - 1].x)
            return false;
    return !ops.empty();
}

}  // namespace bks::test
