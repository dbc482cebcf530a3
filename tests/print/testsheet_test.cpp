// The test sheets as drawn: each item inside its column, the columns read
// right to left, the boxes empty on the test and answered on its key, and
// the keys where the run's choice puts them.
#include "print/layouts/testgeometry.h"
#include "print/run/continuousrun.h"
#include "print/run/testrun.h"
#include "tests/print/runjob.h"
#include "tests/print/testitems_helpers.h"

#include <gtest/gtest.h>

namespace bks::test {
namespace {

// A word longer than a column holds at full size, to be fitted in.
const TestItem kLongWord = testItem(U'百', QStringLiteral("一二三四五六七八九十百"),
                                    QStringLiteral("いちにさんしごろくしちはちくじゅうひゃく"), 10,
                                    QStringLiteral("ひゃく"));

struct DrawnItem {
    QRectF column;
    std::vector<RecordedOp> ops;
};

// One sheet of `layout` and its ops cut into the items' parts: each item's
// part runs from its number to the next one's.
struct TestSheetDrawing {
    const SheetLayout &layout;
    QList<TestItem> items;
    std::vector<RecordedOp> header;
    std::vector<DrawnItem> drawn;

    TestSheetDrawing(const SheetLayout &l, bool key) : layout(l), items(sampleTestItems(l.charactersPerSheet))
    {
        items[1] = kLongWord;
        RecordingSurface surface;
        printSheet(layout, surface, testSheetContent(layout, items, 7, key, SheetSources()), sheetSettings());
        const auto sheet = surface.sheets().at(0);
        const QSizeF page(surface.scaleWidth(), surface.scaleHeight());
        for (const RecordedOp &op : sheet) {
            const int next = int(drawn.size());
            if (op.kind == RecordedOp::Print && op.text == fullWidthDigits(next + 1)
                && op.y > kTestHeaderBottom)
                drawn.push_back({testColumn(next, layout.charactersPerSheet, page).box, {}});
            (drawn.empty() ? header : drawn.back().ops).push_back(op);
        }
    }
    bool isAnswer(const RecordedOp &op) const { return op.prints() && op.colour != 0; }
};

std::vector<const SheetLayout *> testLayouts()
{
    std::vector<const SheetLayout *> out;
    for (const SheetLayout &layout : sheetLayouts())
        if (testKindOf(layout.form))
            out.push_back(&layout);
    return out;
}

QRectF extentMm(const RecordedOp &op)
{
    return op.kind == RecordedOp::Line ? QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)).normalized()
                                       : inkMm(op);
}

// The sheet's number, at its foot below the columns.
bool atFoot(const RecordedOp &op)
{
    return op.prints() && op.y >= pageMm(op).height() - kTestFooter;
}

// Lines are rectangles without width, which QRectF::contains never holds.
bool inside(const QRectF &outer, const QRectF &r)
{
    const QRectF o = outer.adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
    return o.contains(r.topLeft()) && o.contains(r.bottomRight());
}

TEST(TestSheet, EveryItemStaysInItsColumnAndTheColumnsRunRightToLeft)
{
    ASSERT_EQ(testLayouts().size(), 4u);
    for (const SheetLayout *layout : testLayouts()) {
        for (const bool key : {false, true}) {
            SCOPED_TRACE(std::string(layout->id) + (key ? " key" : " test"));
            const TestSheetDrawing sheet(*layout, key);
            ASSERT_EQ(int(sheet.drawn.size()), layout->charactersPerSheet);
            for (size_t i = 0; i < sheet.drawn.size(); ++i) {
                const DrawnItem &item = sheet.drawn[i];
                for (const RecordedOp &op : item.ops) {
                    if (atFoot(op))
                        continue;
                    EXPECT_TRUE(inside(item.column, extentMm(op)))
                        << "item " << i + 1 << ": " << describeInk(op);
                }
                // Within a row the next column is to the left; the second
                // row starts again at the right, below the first.
                if (i == 0)
                    continue;
                const QRectF before = sheet.drawn[i - 1].column;
                if (item.column.top() == before.top())
                    EXPECT_LT(item.column.right(), before.left() + 1e-6) << i;
                else
                    EXPECT_GT(item.column.top(), before.bottom()) << i;
            }
            // A word too long for its column at full size is written whole,
            // down the column, less the square of 書き.
            QString longWord;
            for (const RecordedOp &op : sheet.drawn[1].ops)
                if (op.kind == RecordedOp::PrintColumn && !sheet.isAnswer(op)
                    && kLongWord.word.contains(op.text))
                    longWord += op.text;
            EXPECT_EQ(longWord, layout->form == kReadingTestForm ? kLongWord.word : kLongWord.word.left(10));
        }
    }
}

// The key is its test with the answers written into the boxes the test
// leaves empty: the same items in the same places, nothing else changed.
TEST(TestSheet, TheKeyAnswersInTheTestsEmptyBoxes)
{
    for (const SheetLayout *layout : testLayouts()) {
        SCOPED_TRACE(std::string(layout->id));
        const TestSheetDrawing test(*layout, false), key(*layout, true);
        const bool reading = layout->form == kReadingTestForm;
        for (size_t i = 0; i < test.drawn.size(); ++i) {
            std::vector<QRectF> boxes;
            for (const RecordedOp &op : test.drawn[i].ops) {
                EXPECT_FALSE(test.isAnswer(op)) << describeInk(op);
                if (op.kind == RecordedOp::Line && op.flags == PrintSurface::Box)
                    boxes.push_back(extentMm(op));
            }
            for (const RecordedOp &op : test.drawn[i].ops)
                for (const QRectF &box : boxes)
                    EXPECT_FALSE(op.prints() && box.contains(extentMm(op).center())
                                 && box != test.drawn[i].column)
                        << "item " << i + 1 << " shows " << op.text.toStdString() << " in a box";

            QString answer;
            std::vector<RecordedOp> rest;
            for (const RecordedOp &op : key.drawn[i].ops) {
                if (!key.isAnswer(op)) {
                    rest.push_back(op);
                    continue;
                }
                answer += op.text;
                EXPECT_TRUE(std::any_of(boxes.begin() + 1, boxes.end(),
                                        [&](const QRectF &b) { return inside(b, extentMm(op)); }))
                    << "item " << i + 1 << ": " << describeInk(op);
            }
            const TestItem &item = test.items[qsizetype(i)];
            EXPECT_EQ(answer, reading ? item.targetReading : QString::fromUcs4(&item.kanji, 1));
            EXPECT_EQ(positions(rest), positions(test.drawn[i].ops)) << "item " << i + 1;
        }
        int marks = 0;
        for (const RecordedOp &op : key.header)
            marks += op.text == QStringLiteral("答え");
        EXPECT_EQ(marks, 1);
    }
}

// Twenty-five kanji fill two sheets of twenty; the keys follow each test,
// come after both, or stay out, and a key carries its test's number.
TEST(TestSheet, TheKeysGoWhereTheRunPutsThem)
{
    const struct {
        AnswerKeys answers;
        const char *sheets;
    } cases[] = {
        {AnswerKeys::AfterEach, "T1 K1 T2 K2"},
        {AnswerKeys::AtEnd, "T1 T2 K1 K2"},
        {AnswerKeys::None, "T1 T2"},
    };
    for (const auto &c : cases) {
        Job job(kKanji.left(25));
        job.options.form = kWritingTestForm;
        job.options.perSheet = 20;
        job.options.test.answers = c.answers;
        ASSERT_EQ(job.click(), RunResult::Printed) << c.sheets;
        QStringList sheets;
        for (const auto &sheet : job.surface.sheets()) {
            bool key = false;
            QString number;
            for (const RecordedOp &op : sheet) {
                key = key || op.text == QStringLiteral("答え");
                if (atFoot(op))
                    number = op.text.trimmed();
            }
            sheets << (key ? QStringLiteral("K") : QStringLiteral("T")) + number;
        }
        EXPECT_EQ(sheets.join(QLatin1Char(' ')), QLatin1String(c.sheets));
        // The test is printed again from the same list: it stays in the box.
        EXPECT_EQ(job.text1.text(), kKanji.left(25));
    }
}

// A list without kanji prints nothing and says why, and its preview shows
// no sheet and says the same instead of staying blank.
TEST(TestSheet, NothingToAskPrintsNothingAndSaysSo)
{
    Job job(QStringLiteral("ひらがなだけ"));
    job.options.form = kReadingTestForm;
    job.options.perSheet = 10;
    EXPECT_EQ(job.click(), RunResult::NothingPrinted);
    EXPECT_EQ(job.opened, 0);
    ASSERT_EQ(job.services.messages.size(), 1u);
    EXPECT_TRUE(job.services.messages[0].text.contains(QStringLiteral("漢字がありません")));
    RecordingSurface preview;
    EXPECT_EQ(previewRun(preview, job.text1.text(), job.settings, job.options, {}, job.sources),
              job.services.messages[0].text);
    EXPECT_TRUE(preview.sheets().empty());
}

}  // namespace
}  // namespace bks::test
