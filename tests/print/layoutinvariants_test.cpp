// What every sheet layout must hold, checked for each row of the table so a
// new layout is checked as soon as it is listed: its lines, texts and
// strokes stay on the printable area, its tracing and practice squares are
// square, a vertical
// form is its upright layout turned a quarter, and a step that fails on a
// one-character sheet costs that step and, for a lost output, the output.
#include "print/surfaces/qtprintsurface.h"
#include "print/surfaces/recordingsurface.h"
#include "print/layouts/sheetlayout.h"
#include "print/text/textqueue.h"
#include "tests/print/layout_helpers.h"
#include "tests/print/strokes_helpers.h"

#include <QRectF>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace bks::test {
namespace {

const QString kModel = QStringLiteral("山");
const QString kExample = QStringLiteral("上下左右中大小月");

std::vector<RecordedOp> drawLayout(const SheetLayout &layout, float offset = 0)
{
    SheetSettings settings = sheetSettings(layout.forVerticalFace ? QStringLiteral("@IPAexMincho")
                                                                  : QStringLiteral("IPAexMincho"));
    settings.printOffset = offset;
    RecordingSurface surface;
    printSheet(layout, surface,
               contentFor(layout, QString(layout.charactersPerSheet, kModel.at(0)), 42, {kExample, kExample}),
               settings);
    return surface.sheets().at(0);
}

TEST(EveryLayout, DrawsOnlyOnThePrintableArea)
{
    for (const SheetLayout &layout : sheetLayouts()) {
        SCOPED_TRACE(std::string(layout.id));
        for (const float offset : {-6.0f, 0.0f, 6.0f}) {
            for (const RecordedOp &op : drawLayout(layout, offset))
                EXPECT_TRUE(onPrintableArea(op)) << describeInk(op);
        }
    }
}

TEST(EveryLayout, TracingAndPracticeCharactersSitInSquares)
{
    for (const SheetLayout &layout : sheetLayouts()) {
        SCOPED_TRACE(std::string(layout.id));
        const auto sheet = drawLayout(layout, 4);
        int placed = 0;
        for (const RecordedOp &op : sheet) {
            const bool tracing = op.text == kModel && op.colour != 0;
            if (op.kind != RecordedOp::Print || (!tracing && !kExample.contains(op.text)))
                continue;
            ++placed;
            const double em = op.fontSize / 72 * 1440
                              * (op.scaleMode == PrintSurface::Twips ? 1 : 25.4 / 1440);
            const QRectF cell = cellAround(sheet, QPointF(op.x + em / 2, op.y + em / 2));
            EXPECT_NEAR(cell.width(), cell.height(), 1e-9)
                << op.text.toStdString() << " at " << op.x << "," << op.y;
            EXPECT_GT(cell.width(), em) << op.text.toStdString();
        }
        // Six tracing copies a character, and on practice sheets the eight
        // squares of the example text.
        EXPECT_EQ(placed, layout.charactersPerSheet * (6 + (layout.form == kPracticeForm ? 8 : 0)));
    }
}

// A line as an unordered segment with its style, rounded to a thousandth.
using Segment = std::tuple<long long, long long, long long, long long, int>;

Segment segment(QPointF a, QPointF b, int style)
{
    if (std::tie(b.rx(), b.ry()) < std::tie(a.rx(), a.ry()))
        std::swap(a, b);
    auto r = [](double v) { return std::llround(v * 1000); };
    return {r(a.x()), r(a.y()), r(b.x()), r(b.y()), style};
}

// The first block's lines less the heading frame, drawn first; on the
// upright one-character sheet it follows the page width and does not turn.
std::vector<RecordedOp> gridOf(const std::vector<RecordedOp> &sheet)
{
    std::vector<RecordedOp> lines;
    for (const RecordedOp &op : sheet) {
        if (op.kind == RecordedOp::Print && !lines.empty() && op.text.startsWith(QLatin1Char(' ')))
            break;  // the number of a two-character sheet ends its first block
        if (op.kind == RecordedOp::Line)
            lines.push_back(op);
    }
    lines.erase(lines.begin(), lines.begin() + (lines.front().flags == PrintSurface::Box ? 1 : 4));
    return lines;
}

// What shows on paper: a segment lying on a longer one of its style adds
// nothing (the upright one-character grid draws part of its bottom rule
// twice).
std::set<Segment> visible(const std::multiset<Segment> &segments)
{
    std::set<Segment> out;
    for (const Segment &s : segments) {
        const auto [x1, y1, x2, y2, style] = s;
        bool covered = false;
        for (const Segment &o : segments) {
            const auto [ox1, oy1, ox2, oy2, ostyle] = o;
            covered = covered
                      || (o != s && style == ostyle && x1 == x2 && ox1 == ox2 && x1 == ox1 && oy1 <= y1
                          && y2 <= oy2)
                      || (o != s && style == ostyle && y1 == y2 && oy1 == oy2 && y1 == oy1 && ox1 <= x1
                          && x2 <= ox2);
        }
        if (!covered)
            out.insert(s);
    }
    return out;
}

QRectF bounds(const std::vector<RecordedOp> &lines)
{
    QRectF r;
    for (const RecordedOp &l : lines)
        r |= QRectF(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2)).normalized().adjusted(0, 0, 1e-9, 1e-9);
    return r;
}

TEST(EveryVerticalForm, IsItsUprightGridTurnedAQuarter)
{
    for (const SheetLayout &upright : sheetLayouts()) {
        if (upright.verticalForm.empty())
            continue;
        SCOPED_TRACE(std::string(upright.id));
        const SheetLayout *vertical = findLayout(upright.verticalForm);
        ASSERT_NE(vertical, nullptr);
        const auto from = gridOf(drawLayout(upright)), to = gridOf(drawLayout(*vertical));
        const QRectF a = bounds(from), b = bounds(to);
        // Turned clockwise: the upright's top edge becomes the left edge,
        // its right edge the top.
        auto turn = [&](double x, double y) {
            return QPointF(b.left() + (y - a.top()), b.top() + (a.right() - x));
        };
        std::multiset<Segment> turned, drawn;
        for (const RecordedOp &l : from)
            turned.insert(segment(turn(l.x1, l.y1), turn(l.x2, l.y2), l.drawStyle == 0 ? 0 : 1));
        for (const RecordedOp &l : to)
            drawn.insert(segment({l.x1, l.y1}, {l.x2, l.y2}, l.drawStyle == 0 ? 0 : 1));
        EXPECT_EQ(turned.size(), from.size());
        EXPECT_TRUE(visible(turned) == visible(drawn));
    }
}

// A surface whose measurements fail while everything else works.
class UnmeasurableSurface : public RecordingSurface {
public:
    double scaleWidth() const override { throw PrintSurfaceError("no width"); }
};

TEST(OneCharacterLayouts, ASheetLosesOnlyWhatAFailedMeasurementFeeds)
{
    for (const SheetLayout &layout : sheetLayouts()) {
        if (!layout.skipsFailingSteps || layout.charactersPerSheet != 1)
            continue;
        SCOPED_TRACE(std::string(layout.id));
        UnmeasurableSurface surface;
        printSheet(layout, surface, contentFor(layout, kModel, 7, {kExample, {}}), sheetSettings());
        RecordingSurface measured;
        printSheet(layout, measured, contentFor(layout, kModel, 7, {kExample, {}}), sheetSettings());
        // The lines placed by the width are left out, whole; every other
        // line is drawn where it belongs, and every text and stroke is still
        // drawn.
        std::multiset<Segment> all;
        for (const RecordedOp &op : opsOf(measured.ops(), RecordedOp::Line))
            all.insert(segment({op.x1, op.y1}, {op.x2, op.y2}, op.drawStyle));
        const auto lines = opsOf(surface.ops(), RecordedOp::Line);
        EXPECT_GE(lines.size(), all.size() - 4);
        for (const RecordedOp &op : lines)
            EXPECT_TRUE(all.count(segment({op.x1, op.y1}, {op.x2, op.y2}, op.drawStyle)));
        EXPECT_EQ(opsOf(surface.ops(), RecordedOp::Print).size(),
                  opsOf(measured.ops(), RecordedOp::Print).size());
        EXPECT_EQ(opsOf(surface.ops(), RecordedOp::StrokePath).size(),
                  opsOf(measured.ops(), RecordedOp::StrokePath).size());
        EXPECT_EQ(surface.ops().back().kind, RecordedOp::EndDoc);
    }
}

TEST(OneCharacterLayouts, AnOutputLostMidSheetStillFailsTheOutput)
{
    QTemporaryDir dir;
    for (const SheetLayout &layout : sheetLayouts()) {
        SCOPED_TRACE(std::string(layout.id));
        // A PDF in a folder that does not exist cannot be begun.
        QtPrintSurface surface(
            std::make_unique<PrinterPageTarget>(dir.filePath(QStringLiteral("none/x.pdf"))));
        EXPECT_THROW(printSheet(layout, surface, practiceContent(kModel, 1), sheetSettings()),
                     PrintSurfaceError);
        const Result<> finished = surface.finish();
        EXPECT_FALSE(finished.ok());
        EXPECT_FALSE(finished.failure().isEmpty());
    }
}

}  // namespace
}  // namespace bks::test
