#pragma once

#include "print/surfaces/recordingsurface.h"
#include "print/layouts/sheetcatalog.h"
#include "print/layouts/sheetsettings.h"
#include "print/text/textqueue.h"

#include <QRectF>
#include <QString>

#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>
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

// The program's own rows, as the tests read them.
inline std::span<const SheetLayout> sheetLayouts()
{
    return SheetCatalog::standard().layouts();
}
inline const SheetLayout *chooseLayout(std::string_view form, int perSheet)
{
    return SheetCatalog::standard().chooseLayout(form, perSheet);
}
inline const SheetLayout *findLayout(std::string_view id)
{
    return SheetCatalog::standard().findLayout(id);
}
inline const SheetLayout &layoutForFace(const SheetLayout &chosen, const SheetSettings &settings)
{
    return SheetCatalog::standard().layoutForFace(chosen, settings);
}
inline void printSheet(const SheetLayout &layout, PrintSurface &s, const SheetContent &content,
                       const SheetSettings &settings)
{
    SheetCatalog::standard().printSheet(layout, s, content, settings);
}

// One sheet of the practice form with `perSheet` characters, drawn as the
// run draws it.
inline void printPractice(PrintSurface &s, int perSheet, const SheetContent &content,
                          const SheetSettings &settings)
{
    printSheet(*chooseLayout(kPracticeForm, perSheet), s, content, settings);
}

// A practice sheet's content as the run builds it: two places, so a sheet of
// one or two characters reads from it.
inline SheetContent practiceContent(const QString &characters, qint16 number,
                                    const std::array<QString, 2> &examples = {})
{
    return sheetContent(*chooseLayout(kPracticeForm, 2), characters, number, examples, SheetSources{});
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

inline double mmPerUnit(const RecordedOp &op)
{
    return op.scaleMode == PrintSurface::Twips ? 25.4 / 1440 : 1.0;
}

// The recording surface's printable area in millimetres, on the page the op
// was drawn on.
inline QRectF pageMm(const RecordedOp &op)
{
    const QSizeF portrait(200, 287);
    return QRectF(QPointF(0, 0),
                  op.orientation == PrintSurface::Landscape ? portrait.transposed() : portrait);
}

// What a text or a stroke inks, in millimetres: a text's one-em boxes side
// by side from the pen; a stroke's path widened by half its pen.
inline QRectF inkMm(const RecordedOp &op)
{
    const double k = mmPerUnit(op);
    if (op.kind == RecordedOp::StrokePath) {
        const double half = op.width / 2;
        const QRectF r = op.path.boundingRect().adjusted(-half, -half, half, half);
        return QRectF(r.topLeft() * k, r.bottomRight() * k);
    }
    const double em = op.fontSize * 25.4 / 72;
    return QRectF(op.x * k, op.y * k, em * double(countCharacters(op.text)), em);
}

inline bool onPrintableArea(const RecordedOp &op)
{
    const QRectF page = pageMm(op).adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
    const double k = mmPerUnit(op);
    if (op.kind == RecordedOp::Line)
        return page.contains(op.x1 * k, op.y1 * k) && page.contains(op.x2 * k, op.y2 * k);
    return page.contains(inkMm(op));
}

inline std::string describeInk(const RecordedOp &op)
{
    std::ostringstream out;
    if (op.kind == RecordedOp::Line) {
        out << "line " << op.x1 << "," << op.y1 << " - " << op.x2 << "," << op.y2;
    } else {
        const QRectF r = inkMm(op);
        out << (op.kind == RecordedOp::Print ? op.text.toStdString() : std::string("stroke")) << " inking "
            << r.left() << "," << r.top() << " - " << r.right() << "," << r.bottom() << " mm";
    }
    return out.str();
}

// The smallest rectangle of solid lines around `p` (layout units).
inline QRectF cellAround(const std::vector<RecordedOp> &sheet, QPointF p)
{
    double low[2] = {-1e9, -1e9}, high[2] = {1e9, 1e9};
    const double at[2] = {p.x(), p.y()};
    auto crossing = [&](int a, double v, double from, double to) {
        if (at[1 - a] < std::min(from, to) || at[1 - a] > std::max(from, to))
            return;
        (v <= at[a] ? low[a] : high[a]) = v <= at[a] ? std::max(low[a], v) : std::min(high[a], v);
    };
    for (const RecordedOp &op : sheet) {
        if (op.kind != RecordedOp::Line || op.drawStyle != PrintSurface::Solid
            || op.flags == PrintSurface::Box)
            continue;
        if (op.x1 == op.x2)
            crossing(0, op.x1, op.y1, op.y2);
        if (op.y1 == op.y2)
            crossing(1, op.y1, op.x1, op.x2);
    }
    return QRectF(QPointF(low[0], low[1]), QPointF(high[0], high[1]));
}

}  // namespace bks::test
