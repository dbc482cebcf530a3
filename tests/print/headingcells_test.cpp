#include "print/layouts/headingcells.h"
#include "print/layouts/sheetcatalog.h"
#include "print/surfaces/qtprintsurface.h"
#include "tests/print/pdftools.h"
#include "tests/print/runjob.h"

#include <functional>

#include "kanji/kanjifacts.h"

#include <gtest/gtest.h>

namespace bks {
namespace {

class HeadingCells : public ::testing::Test {
protected:
    static SheetSources sources()
    {
        SheetSources s = test::builtSources();
        s.add(kFacts.id, factsSource(QStringLiteral(BKS_KANJI_FACTS_FILE)));
        return s;
    }
    static SheetSettings allOn(const QString &face)
    {
        SheetSettings s = test::sheetSettings();
        s.fontName = face;
        s.writeReadings = s.writeRadical = s.writeStrokeCount = true;
        return s;
    }
};

// Shrinking, packing and cutting keep every column inside the cell, never
// split a reading, and say when they left readings off.
TEST_F(HeadingCells, ColumnsFitTheirCellOrSayWhatWasLeftOff)
{
    const QStringList many = {QStringLiteral("い（きる）"),   QStringLiteral("い（かす）"),
                              QStringLiteral("う（まれる）"), QStringLiteral("お（う）"),
                              QStringLiteral("は（える）"),   QStringLiteral("き"),
                              QStringLiteral("なま")};
    const SheetUnit twips = SheetUnit::twips();
    const struct {
        QSizeF area;  // twips, across and along the columns
        bool cut;
    } cases[] = {
        {{1300, 3600}, false},  // a one-kanji sheet's cell
        {{400, 3600}, false},   // one column: packed
        {{150, 3600}, true},    // narrower than the smallest column
        {{300, 900}, true},     // one short column: left off with …
        {{3000, 3000}, false},  // room for one a column at the largest size
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.area.width() << "x" << c.area.height());
        const ColumnFit fit = fitColumns(many, c.area, twips, 16);
        EXPECT_EQ(fit.cut, c.cut);
        EXPECT_GE(fit.points, kSmallestCellPoints);
        EXPECT_LE(fit.points, 16);
        const double em = fit.points * twips.perPoint;
        EXPECT_LE(double(fit.columns.size()) * em, c.area.width() + 1e-6);
        QStringList shown;
        for (const QString &column : fit.columns) {
            EXPECT_LE(double(countCharacters(column)) * em, c.area.height() + 1e-6) << column.toStdString();
            shown += column.split(QStringLiteral("・"));
        }
        if (fit.cut && !shown.isEmpty()) {
            EXPECT_EQ(shown.takeLast(), QStringLiteral("…"));
            EXPECT_LT(shown.size(), many.size());
        } else if (!fit.cut) {
            EXPECT_EQ(shown.size(), many.size());
        }
        EXPECT_EQ(shown, many.mid(0, shown.size()));  // whole readings, in order
    }
    EXPECT_EQ(fitColumns(many, {3000, 3000}, twips, 16).columns, many);
}

// What the switches add to a sheet's drawing: the calls of `on` that `off`
// lacks, the rest of the two being the same.
std::vector<RecordedOp> addedOps(const std::vector<RecordedOp> &on, const std::vector<RecordedOp> &off)
{
    // A line does not care where the pen was left.
    auto same = [](const RecordedOp &a, const RecordedOp &b) {
        if (a.kind != b.kind || a.colour != b.colour)
            return false;
        if (a.prints())
            return a.text == b.text && a.x == b.x && a.y == b.y && a.fontSize == b.fontSize
                   && a.fontName == b.fontName;
        return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.drawStyle == b.drawStyle
               && a.path == b.path;
    };
    std::vector<RecordedOp> added;
    size_t j = 0;
    for (const RecordedOp &op : on) {
        if (j < off.size() && same(op, off[j]))
            ++j;
        else
            added.push_back(op);
    }
    EXPECT_EQ(j, off.size());  // nothing of the sheet itself is lost
    return added;
}

// On every layout, upright and turned, in a face with tall ascenders and in
// a mincho: what the switches add lands on paper left blank, clear of every
// line and heading of the sheet, and each kanji gets something.
TEST_F(HeadingCells, FilledInkStaysClearOfTheSheetOnEveryLayout)
{
    const SheetSources data = sources();
    const SheetCatalog &catalog = SheetCatalog::standard();
    const QString kanji = QStringLiteral("生下明上行");
    constexpr double kDpi = 100;
    auto page = [&](const std::function<void(PrintSurface &)> &draw) {
        return RenderPreviewPages(draw, kDpi).at(0).convertToFormat(QImage::Format_Grayscale8);
    };
    auto dark = [](const QImage &image, int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() && image.constScanLine(y)[x] < 128;
    };
    for (const std::string_view form : {kPracticeForm, kStrokeOrderForm}) {
        for (const int perSheet : {1, 2}) {
            const SheetLayout *layout = catalog.chooseLayout(form, perSheet);
            ASSERT_NE(layout, nullptr);
            for (const char *family : {"Klee One", "BIZ UDMincho"}) {
                for (const QString &turn : {QString(), QStringLiteral("@")}) {
                    const QString face = turn + QString::fromLatin1(family);
                    for (qsizetype k = 0; k < kanji.size(); k += perSheet) {
                        const QString characters = (kanji + kanji).mid(k, perSheet);
                        SCOPED_TRACE(std::string(layout->id) + " " + face.toStdString() + " "
                                     + characters.toStdString());
                        auto record = [&](const SheetSettings &settings) {
                            RecordingSurface surface;
                            const SheetContent content = sheetContent(*layout, characters, 1, {}, data,
                                                                      headingSources(settings));
                            catalog.printSheet(*layout, surface, content, settings);
                            return surface.ops();
                        };
                        SheetSettings off = allOn(face);
                        off.writeReadings = off.writeRadical = off.writeStrokeCount = false;
                        const std::vector<RecordedOp> sheet = record(off);
                        const std::vector<RecordedOp> added = addedOps(record(allOn(face)), sheet);
                        // What the text must keep clear of: the cells' solid lines
                        // and every text of the sheet. The dotted guides it may
                        // cross, as the pupil's writing does.
                        std::vector<RecordedOp> obstacles;
                        for (const RecordedOp &op : sheet)
                            if (op.kind != RecordedOp::Line || op.drawStyle == PrintSurface::Solid)
                                obstacles.push_back(op);
                        const QImage before = page([&](PrintSurface &s) { replayRecording(s, obstacles); });
                        const QImage filled = page([&](PrintSurface &s) { replayRecording(s, added); });
                        int ink = 0, touching = 0;
                        for (int y = 0; y < filled.height(); ++y)
                            for (int x = 0; x < filled.width(); ++x) {
                                if (!dark(filled, x, y))
                                    continue;
                                ++ink;
                                bool near = false;
                                for (int dy = -1; dy <= 1; ++dy)
                                    for (int dx = -1; dx <= 1; ++dx)
                                        near = near || dark(before, x + dx, y + dy);
                                touching += near;
                            }
                        EXPECT_GT(ink, 50 * perSheet);
                        EXPECT_EQ(touching, 0);
                    }
                }
            }
        }
    }
}

// The run names the kanji whose readings were left off, once each, and
// goes on without a facts file, saying so.
TEST_F(HeadingCells, TheRunTellsWhatWasLeftOffOrMissing)
{
    for (const bool present : {true, false}) {
        // Turned, the two-kanji sheet's cells are the smallest.
        test::Job job(QStringLiteral("下生下明"));
        job.sources = sources();
        if (!present)
            job.sources.add(kFacts.id, factsSource(QStringLiteral("/nonexistent/kanjifacts.dat")));
        job.settings = allOn(QStringLiteral("@BIZ UDMincho"));
        job.settings.writeStrokeCount = present;  // turned, the count too is a column
        job.options.perSheet = 2;
        QStringList notices;
        job.host.notice = [&](const QString &n) { notices << n; };
        EXPECT_EQ(job.click(), RunResult::Printed);
        EXPECT_EQ(job.surface.sheets().size(), 2u);
        ASSERT_EQ(notices.size(), 1) << notices.join(QLatin1Char('\n')).toStdString();
        if (present) {
            EXPECT_TRUE(notices[0].endsWith(QStringLiteral(": 下 明"))) << notices[0].toStdString();
        } else {
            EXPECT_TRUE(notices[0].contains(QStringLiteral("読み・部首の欄は空けたまま")))
                << notices[0].toStdString();
            for (const auto &sheet : job.surface.sheets())
                for (const RecordedOp &op : sheet)
                    EXPECT_NE(op.kind, RecordedOp::PrintColumn);
        }
    }
}

}  // namespace
}  // namespace bks
