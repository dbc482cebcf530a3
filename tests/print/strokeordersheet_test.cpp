// The stroke-order sheets, one and two characters, read through the
// recording surface: which strokes each square shows, where the numbers and
// the stroke count go, and what a character without stroke data still gets.
#include "print/surfaces/recordingsurface.h"
#include "print/layouts/sheetlayout.h"
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
std::vector<RecordedOp> drawWith(const SheetSources &data, int perSheet, const QString &characters,
                                 const SheetSettings &settings = sheetSettings())
{
    return drawSheet(strokeRow(perSheet), sheetContent(strokeRow(perSheet), characters, 7, {}, data),
                     settings);
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
    const SheetSources data = sourcesWith(handMadeStrokeData());
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

// Where a number's digits ink, near enough for any installed face: half an
// em wide each, three quarters of an em above the baseline.
QRectF digitsOf(const RecordedOp &n)
{
    const double em = n.fontSize / 72 * 25.4 / mmPerUnit(n);
    const double baseline = n.y + 0.88 * em;
    return QRectF(n.x, baseline - 0.75 * em, 0.5 * em * double(n.text.size()), 0.75 * em);
}

// The twenty strokes of 議 競 護 crowd their numbers: each is printed over a
// white halo after every stroke, apart from the other numbers and from every
// stroke's start, near its own stroke's start, inside the diagram, and at
// two a sheet still 2.5 mm tall.
TEST(StrokeOrderSheets, NumbersReadOverTheStrokesApartAndBesideTheirStarts)
{
    CharacterStrokes atEdges = mountainStrokes();
    // Positions at the box's corners would put a number on the frame.
    atEdges.numberPositions = {{0, 0}, {kStrokeBoxUnits, kStrokeBoxUnits}, {kStrokeBoxUnits, 0}};
    const SheetSources edges = sourcesWith(StrokeData::fromCharacters({{U'山', atEdges}}));
    const SheetSources built = builtSources();
    constexpr std::string_view needed[] = {kStrokes.id};
    ASSERT_TRUE(built.problem(needed).isEmpty()) << built.problem(needed).toStdString();
    for (const int perSheet : {1, 2}) {
        for (const QString &character :
             {QStringLiteral("議"), QStringLiteral("競"), QStringLiteral("護"), kMountain}) {
            SCOPED_TRACE(character.toStdString() + " " + std::to_string(perSheet));
            const SheetSources &data = character == kMountain ? edges : built;
            const auto sheet = drawWith(data, perSheet, QString(perSheet, character.at(0)));
            const Square diagram = squaresOf(sheet).at(0);
            const size_t strokes = diagram.strokes.size();
            std::vector<RecordedOp> numbers;
            size_t lastStroke = 0;
            for (size_t i = 0; i < sheet.size(); ++i) {
                const RecordedOp &op = sheet[i];
                if (op.kind == RecordedOp::StrokePath
                    && diagram.cell.contains(op.path.boundingRect().center()))
                    lastStroke = std::max(lastStroke, i);
                if (op.kind == RecordedOp::Print && diagram.cell.contains(QPointF(op.x, op.y))
                    && numbers.size() < strokes) {
                    EXPECT_GT(i, lastStroke) << "number " << op.text.toStdString() << " under a stroke";
                    numbers.push_back(op);
                }
            }
            ASSERT_EQ(numbers.size(), strokes);
            const double unit = diagram.cell.width() / kStrokeBoxUnits;
            for (size_t k = 0; k < strokes; ++k) {
                const RecordedOp &n = numbers[k];
                EXPECT_EQ(n.text, QString::number(k + 1));
                EXPECT_GT(n.halo, 0);
                EXPECT_GE(n.fontSize / 72 * 25.4 * 0.72, 2.5) << "digits too small";
                const QRectF box = digitsOf(n);
                EXPECT_TRUE(diagram.cell.contains(box)) << k + 1;
                for (size_t j = 0; j < k; ++j)
                    EXPECT_FALSE(box.intersects(digitsOf(numbers[j]))) << k + 1 << " on " << j + 1;
                for (const RecordedOp &stroke : diagram.strokes)
                    EXPECT_FALSE(box.contains(startOf(stroke))) << k + 1 << " on a stroke's start";
                if (character != kMountain) {
                    const QPointF start = startOf(diagram.strokes[k]);
                    const double dx = std::max({box.left() - start.x(), 0.0, start.x() - box.right()});
                    const double dy = std::max({box.top() - start.y(), 0.0, start.y() - box.bottom()});
                    EXPECT_LT(std::hypot(dx, dy), 22 * unit) << k + 1 << " far from its stroke";
                }
            }
        }
    }
}

// The build-up squares as large as their room allows for the stroke count:
// one row for few strokes, more for many, never smaller than 11 mm, never
// larger than a practice square. For more strokes than the area holds at
// that size the squares take whole rows of the practice squares below,
// whose lines go with them; the practice squares left keep theirs.
TEST(StrokeOrderSheets, BuildUpSquaresFillTheirRoomAndNoLineCrossesThem)
{
    for (const int perSheet : {1, 2}) {
        double previous = 1e9;
        for (const int strokes : {1, 2, 3, 8, 20, 24, 30, 48}) {
            SCOPED_TRACE(testing::Message() << strokes << " strokes, " << perSheet << " a sheet");
            const SheetSources data = sourcesWith(handMadeStrokeData(strokes));
            SheetSettings settings = sheetSettings();
            settings.printOffset = 6;
            const auto sheet = drawWith(data, perSheet, QString(perSheet, kManyStrokes.at(0)), settings);
            for (const RecordedOp &op : sheet)
                EXPECT_TRUE(onPrintableArea(op)) << describeInk(op);
            const std::vector<Square> squares = squaresOf(sheet);
            ASSERT_EQ(squares.size(), size_t(perSheet * (strokes + 1)));
            const double mm = mmPerUnit(sheet.front());
            const double side = squares[1].cell.width(), practice = perSheet == 1 ? 1800 : 22;
            EXPECT_GE(side * mm, 11 - 1e-6);
            EXPECT_LE(side, practice + 1e-6);
            EXPECT_LE(side, previous + 1e-6) << "fewer strokes, no smaller squares";
            previous = side;
            std::set<double> rows;
            for (size_t i = 1; i <= size_t(strokes); ++i) {
                EXPECT_NEAR(squares[i].cell.width(), side, 1e-6);
                EXPECT_NEAR(squares[i].cell.height(), side, 1e-6);
                rows.insert(squares[i].cell.top());
                const QRectF inside = squares[i].cell.adjusted(1e-3, 1e-3, -1e-3, -1e-3);
                for (const RecordedOp &line : opsOf(sheet, RecordedOp::Line))
                    EXPECT_FALSE(line.flags == PrintSurface::StraightLine
                                 && QRectF(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2))
                                        .normalized()
                                        .adjusted(-1e-9, -1e-9, 1e-9, 1e-9)
                                        .intersects(inside))
                        << describeInk(line) << " crosses square " << i;
            }
            EXPECT_EQ(rows.size() == 1, strokes <= 2);
        }
    }
}

TEST(StrokeOrderSheets, ACharacterWithoutDataSaysSoInTheDiagramsPlace)
{
    const SheetSources data = sourcesWith(handMadeStrokeData());
    const QString note = QStringLiteral("書き順データがありません");
    for (const int perSheet : {1, 2}) {
        SCOPED_TRACE(perSheet);
        const auto with = drawWith(data, perSheet, kMountain);
        const auto without = drawWith(sourcesWith(StrokeData::fromCharacters({})), perSheet, kMountain);
        EXPECT_TRUE(opsOf(without, RecordedOp::StrokePath).empty());
        // The note where the diagram was, once a block, within its square.
        const Square diagram = squaresOf(with).at(0);
        const auto notes = printsOf(without, note);
        ASSERT_EQ(notes.size(), size_t(perSheet));
        const double em = notes[0].fontSize / 72 * 25.4 / mmPerUnit(notes[0]);
        EXPECT_TRUE(diagram.cell.contains(QRectF(notes.front().x, notes.front().y, em * 12, em)));
        // The rest of the sheet: model, tracing copies, headings, number and
        // credit.
        auto texts = [&](const std::vector<RecordedOp> &sheet) {
            QStringList out;
            for (const RecordedOp &op : opsOf(sheet, RecordedOp::Print))
                if (op.text != note && op.text.toInt() == 0)  // no stroke numbers
                    out << op.text;
            return out;
        };
        EXPECT_EQ(texts(without), texts(with));
        // The blank that pads an odd count draws an empty sheet, without the note.
        const auto blank = drawWith(data, perSheet, QString(QChar(0x3000)));
        EXPECT_TRUE(opsOf(blank, RecordedOp::StrokePath).empty());
        EXPECT_TRUE(printsOf(blank, note).empty());
        EXPECT_EQ(opsOf(blank, RecordedOp::Line).size(), opsOf(without, RecordedOp::Line).size());
    }
}

TEST(StrokeOrderSheets, EverySheetCarriesTheDataCredit)
{
    const SheetSources data = sourcesWith(handMadeStrokeData());
    for (const int perSheet : {1, 2}) {
        RecordingSurface surface;
        for (const QString &characters : {kMountain + kRiver, kRiver + kMountain, QString(QChar(0x3000))}) {
            printSheet(strokeRow(perSheet), surface,
                       sheetContent(strokeRow(perSheet), characters.left(perSheet), 1, {}, data),
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
    const SheetSources data = sourcesWith(handMadeStrokeData());
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
    const SheetSources data = sourcesWith(handMadeStrokeData());
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
