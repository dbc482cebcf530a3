// The stroke-order sheets, one and two characters, read through the
// recording surface: which strokes each square shows, where the numbers and
// the stroke count go, and what a character without stroke data still gets.
#include "print/recordingsurface.h"
#include "print/sheetlayout.h"
#include "tests/print/layout_helpers.h"
#include "tests/print/strokes_helpers.h"

#include <QLineF>
#include <QStringList>
#include <QTransform>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace bks::test {
namespace {

const QString kRiver = QStringLiteral("川");  // no stroke data

const SheetLayout &strokeRow(int perSheet)
{
    return *chooseLayout(kStrokeOrderForm, perSheet);
}

std::vector<RecordedOp> drawSheet(const SheetLayout &layout, const SheetContent &content,
                                  const SheetSettings &settings = sheetSettings())
{
    RecordingSurface surface;
    printSheet(layout, surface, content, settings);
    return surface.sheets().at(0);
}

// The sheet of `characters` (the first the one the pupil meets first) with
// the strokes of `data`.
std::vector<RecordedOp> drawWith(const StrokeData &data, int perSheet, const QString &characters,
                                 const SheetSettings &settings = sheetSettings())
{
    return drawSheet(strokeRow(perSheet), sheetContent(characters, 7, {}, &data), settings);
}

bool isDot(const RecordedOp &op)
{
    return op.path.length() == 0;
}

QPointF startOf(const RecordedOp &op)
{
    return op.path.elementAt(0);
}

// The strokes of a sheet gathered by the square of solid lines they start
// in, in the order the squares are first drawn in.
struct Square {
    QRectF cell;
    std::vector<RecordedOp> strokes;  // dots included
};

std::vector<Square> squaresOf(const std::vector<RecordedOp> &sheet)
{
    std::vector<Square> out;
    for (const RecordedOp &op : opsOf(sheet, RecordedOp::StrokePath)) {
        const QRectF cell = cellAround(sheet, startOf(op));
        auto found = std::find_if(out.begin(), out.end(), [&](const Square &s) { return s.cell == cell; });
        if (found == out.end())
            found = out.insert(out.end(), Square{cell, {}});
        found->strokes.push_back(op);
    }
    return out;
}

// A stroke as drawn in its square, in the square's own terms, so strokes of
// squares of any size compare.
QPainterPath inSquare(const RecordedOp &op, const QRectF &cell)
{
    return QTransform::fromScale(1 / cell.width(), 1 / cell.height())
        .map(op.path.translated(-cell.topLeft()));
}

bool samePath(const QPainterPath &a, const QPainterPath &b)
{
    if (a.elementCount() != b.elementCount())
        return false;
    for (int i = 0; i < a.elementCount(); ++i)
        if (QLineF(a.elementAt(i), b.elementAt(i)).length() > 1e-9)
            return false;
    return true;
}

TEST(StrokeOrderSheets, EachBuildUpSquareAddsTheNextStrokeInBlackWithADotAtItsStart)
{
    const StrokeData data = handMadeStrokeData();
    const SheetSettings settings = sheetSettings();
    const qint32 shade = settings.traceShade.toInt();
    for (const int perSheet : {1, 2}) {
        SCOPED_TRACE(perSheet);
        const auto sheet = drawWith(data, perSheet, (kMountain + kRiver).left(perSheet));
        const std::vector<Square> squares = squaresOf(sheet);
        // The diagram holds every stroke in black; then one square a stroke.
        ASSERT_EQ(squares.size(), 4u);
        const Square &diagram = squares[0];
        ASSERT_EQ(diagram.strokes.size(), 3u);
        for (const RecordedOp &op : diagram.strokes)
            EXPECT_TRUE(op.colour == 0 && !isDot(op));
        for (int k = 1; k <= 3; ++k) {
            SCOPED_TRACE(k);
            const Square &square = squares[size_t(k)];
            EXPECT_NEAR(square.cell.width(), square.cell.height(), 1e-6);
            std::vector<RecordedOp> earlier, current, dots;
            for (const RecordedOp &op : square.strokes)
                (isDot(op) ? dots : op.colour == 0 ? current : earlier).push_back(op);
            ASSERT_EQ(earlier.size(), size_t(k - 1));
            ASSERT_EQ(current.size(), 1u);
            ASSERT_EQ(dots.size(), 1u);
            for (int j = 0; j < k - 1; ++j) {
                EXPECT_EQ(earlier[size_t(j)].colour, shade);
                EXPECT_TRUE(samePath(inSquare(earlier[size_t(j)], square.cell),
                                     inSquare(diagram.strokes[size_t(j)], diagram.cell)));
            }
            EXPECT_TRUE(samePath(inSquare(current[0], square.cell),
                                 inSquare(diagram.strokes[size_t(k - 1)], diagram.cell)));
            EXPECT_EQ(startOf(dots[0]), startOf(current[0]));
            EXPECT_EQ(dots[0].colour, 0);
            EXPECT_GT(dots[0].width, current[0].width);
        }
        if (perSheet == 2) {
            // The first character's block is on the right.
            for (const RecordedOp &river : printsOf(sheet, kRiver))
                for (const RecordedOp &stroke : opsOf(sheet, RecordedOp::StrokePath))
                    EXPECT_GT(stroke.path.boundingRect().left(), river.x);
        }
    }
}

TEST(StrokeOrderSheets, NumbersStayInTheDiagramBesideTheirStrokes)
{
    CharacterStrokes atEdges = mountainStrokes();
    const StrokeData usual = handMadeStrokeData();
    // Positions at the box's corners would put a number on the frame.
    atEdges.numberPositions = {{0, 0}, {kStrokeBoxUnits, kStrokeBoxUnits}, {kStrokeBoxUnits, 0}};
    const StrokeData edges = StrokeData::fromCharacters({{U'山', atEdges}});
    for (const int perSheet : {1, 2}) {
        for (const StrokeData *data : {&usual, &edges}) {
            SCOPED_TRACE(perSheet);
            const auto sheet = drawWith(*data, perSheet, kMountain);
            const Square diagram = squaresOf(sheet).at(0);
            for (int k = 1; k <= 3; ++k) {
                const auto numbers = printsOf(sheet, QString::number(k));
                ASSERT_EQ(numbers.size(), size_t(perSheet));
                for (const RecordedOp &n : numbers) {
                    // Digits are half an em wide.
                    const double em = n.fontSize / 72 / mmPerUnit(n) * 25.4;
                    const QRectF box(n.x, n.y, em / 2 * double(n.text.size()), em);
                    EXPECT_TRUE(cellAround(sheet, box.center()).contains(box)) << k;
                    if (perSheet == 1) {
                        EXPECT_TRUE(diagram.cell.contains(box)) << k;
                    }
                    if (data != &usual || perSheet != 1)
                        continue;
                    // Beside its own stroke's start rather than another's.
                    double nearest = 1e9;
                    int nearestStroke = 0;
                    for (int s = 0; s < 3; ++s) {
                        const double d = QLineF(box.center(), startOf(diagram.strokes[size_t(s)])).length();
                        if (d < nearest) {
                            nearest = d;
                            nearestStroke = s + 1;
                        }
                    }
                    EXPECT_EQ(nearestStroke, k);
                }
            }
        }
    }
}

TEST(StrokeOrderSheets, ManyStrokesWrapIntoEqualSquaresOnThePage)
{
    for (const int strokes : {24, 30, 48}) {
        const StrokeData data = handMadeStrokeData(strokes);
        for (const int perSheet : {1, 2}) {
            SCOPED_TRACE(testing::Message() << strokes << " strokes, " << perSheet << " a sheet");
            for (const float offset : {-6.0f, 6.0f}) {
                SheetSettings settings = sheetSettings();
                settings.printOffset = offset;
                const auto sheet = drawWith(data, perSheet, kManyStrokes, settings);
                for (const RecordedOp &op : sheet)
                    EXPECT_TRUE(onPrintableArea(op)) << describeInk(op);
                // The squares stay above the tracing and practice squares,
                // whole: one running into a grid would be cut by its lines.
                double tracingTop = 1e9;
                for (const RecordedOp &op : opsOf(sheet, RecordedOp::Print))
                    if (op.colour != 0)
                        tracingTop = std::min(tracingTop, op.y);
                const std::vector<Square> squares = squaresOf(sheet);
                ASSERT_EQ(squares.size(), size_t(perSheet * (strokes + 1)));
                std::set<double> rows;
                for (size_t i = 1; i <= size_t(strokes); ++i) {
                    EXPECT_NEAR(squares[i].cell.width(), squares[1].cell.width(), 1e-6);
                    EXPECT_NEAR(squares[i].cell.height(), squares[1].cell.width(), 1e-6);
                    EXPECT_LE(squares[i].cell.bottom(), tracingTop);
                    rows.insert(squares[i].cell.top());
                }
                EXPECT_GT(rows.size(), 1u);
            }
        }
    }
}

TEST(StrokeOrderSheets, ACharacterWithoutDataGetsEmptySquaresAndTheRestOfItsSheet)
{
    const StrokeData data = handMadeStrokeData();
    for (const int perSheet : {1, 2}) {
        SCOPED_TRACE(perSheet);
        const auto with = drawWith(data, perSheet, kMountain);
        const auto without = drawWith(StrokeData::fromCharacters({}), perSheet, kMountain);
        EXPECT_TRUE(opsOf(without, RecordedOp::StrokePath).empty());
        // The squares the strokes were drawn in are there, empty.
        for (const Square &square : squaresOf(with))
            EXPECT_EQ(cellAround(without, square.cell.center()), square.cell);
        // Every text but the stroke numbers: model, tracing copies, headings,
        // number and credit.
        auto texts = [](const std::vector<RecordedOp> &sheet) {
            QStringList out;
            for (const RecordedOp &op : opsOf(sheet, RecordedOp::Print))
                if (!QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}.contains(
                        op.text))
                    out << op.text;
            return out;
        };
        EXPECT_EQ(texts(without), texts(with));
        // The blank that pads an odd count draws the same empty sheet.
        const auto blank = drawWith(data, perSheet, QString(QChar(0x3000)));
        EXPECT_TRUE(opsOf(blank, RecordedOp::StrokePath).empty());
        EXPECT_EQ(opsOf(blank, RecordedOp::Line).size(), opsOf(without, RecordedOp::Line).size());
    }
}

TEST(StrokeOrderSheets, EverySheetCarriesTheDataCredit)
{
    const StrokeData data = handMadeStrokeData();
    for (const int perSheet : {1, 2}) {
        RecordingSurface surface;
        for (const QString &characters : {kMountain + kRiver, kRiver + kMountain, QString(QChar(0x3000))}) {
            printSheet(strokeRow(perSheet), surface, sheetContent(characters.left(perSheet), 1, {}, &data),
                       sheetSettings());
            surface.newPage();
        }
        const auto sheets = surface.sheets();
        ASSERT_EQ(sheets.size(), 3u);
        for (const auto &sheet : sheets)
            EXPECT_EQ(printsOf(sheet, QStringLiteral("書き順データ: KanjiVG (CC BY-SA 3.0)")).size(), 1u);
    }
}

TEST(StrokeOrderSheets, TheStrokeCountIsWrittenIntoItsCellOnlyWhenAskedAndKnown)
{
    const StrokeData data = handMadeStrokeData();
    for (const int perSheet : {1, 2}) {
        for (const bool asked : {false, true}) {
            SCOPED_TRACE(testing::Message() << perSheet << (asked ? " asked" : " not asked"));
            SheetSettings settings = sheetSettings();
            settings.writeStrokeCount = asked;
            // 山 (three strokes) on the right, 川 (no data) on the left.
            const auto sheet = drawWith(data, perSheet, (kMountain + kRiver).left(perSheet), settings);
            const auto headings = printsOf(sheet, QStringLiteral("画"));
            ASSERT_EQ(headings.size(), size_t(perSheet));
            for (const RecordedOp &heading : headings) {
                const double em = heading.fontSize / 72 / mmPerUnit(heading) * 25.4;
                const QRectF cell = cellAround(sheet, QPointF(heading.x + em / 2, heading.y + em / 2));
                QStringList inCell;
                for (const RecordedOp &op : opsOf(sheet, RecordedOp::Print))
                    if (cell.contains(QPointF(op.x, op.y)) && op.text != QStringLiteral("画")
                        && op.text != QStringLiteral("数"))
                        inCell << op.text;
                const bool mountain = perSheet == 1 || heading.x > headings[0].x;
                EXPECT_EQ(inCell, asked && mountain ? QStringList{QStringLiteral("3")} : QStringList{});
            }
        }
    }
}

TEST(StrokeOrderSheets, AVerticalFacePrintsTheSameSheetUpright)
{
    const StrokeData data = handMadeStrokeData();
    for (const int perSheet : {1, 2}) {
        const SheetSettings vertical = sheetSettings(QStringLiteral("@IPAexMincho"));
        EXPECT_EQ(&layoutForFace(strokeRow(perSheet), vertical), &strokeRow(perSheet));
        const auto turned = drawWith(data, perSheet, kMountain, vertical);
        const auto upright = drawWith(data, perSheet, kMountain);
        ASSERT_EQ(turned.size(), upright.size());
        for (size_t i = 0; i < turned.size(); ++i) {
            EXPECT_EQ(turned[i].fontName, QStringLiteral("IPAexMincho"));
            EXPECT_EQ(turned[i].orientation, upright[i].orientation);
            EXPECT_EQ(Pos(turned[i].x, turned[i].y), Pos(upright[i].x, upright[i].y));
        }
    }
}

}  // namespace
}  // namespace bks::test
