// Prints the 読みテスト and the 書きテスト of one publisher's six grades,
// twenty items a sheet with each test's answer key after it, into one PDF
// through the test layouts and the Qt print surface, and beside it draws the
// very same texts, columns and boxes with bare QPainter calls: the time
// against that baseline, peak memory and file size.

#include "bench/benchsupport.h"
#include "bench/qpainterbaseline.h"
#include "files/fonts.h"
#include "kanji/gradetables.h"
#include "print/content/testcontent.h"
#include "print/layouts/sheetcatalog.h"
#include "print/surfaces/recordingsurface.h"

#include <QDir>

#include <cstdio>
#include <span>

namespace {

using namespace bks;
using bench::peakMemoryKb;
using Figures = bench::SheetFigures;

const QString kPublisher = QStringLiteral("光村図書");
constexpr int kItemsPerSheet = 20;

// The grades' items each built as a run builds them from its grade list.
std::vector<QList<TestItem>> gradeItems(const KanjiFacts &facts, TestKind kind)
{
    std::vector<QList<TestItem>> grades;
    const QStringList names = GradeNames();
    for (int grade = 1; grade <= int(names.size()); ++grade) {
        const TestList list{GradeKanji(kPublisher, names[grade - 1]).value_or(QString()), kPublisher, grade};
        const Result<TestItems> built = buildTestItems(list, facts, kind, 0);
        if (!built) {
            std::fprintf(stderr, "%s\n", qPrintable(built.failure()));
            return {};
        }
        grades.push_back(built->items);
    }
    return grades;
}

// Every sheet of the run, test then key, as (grade, sheet of it, key).
struct SheetRef {
    int grade, index;
    bool key;
};

std::vector<SheetRef> runOrder(const std::vector<QList<TestItem>> &grades)
{
    std::vector<SheetRef> order;
    for (int g = 0; g < int(grades.size()); ++g)
        for (int i = 0; i * kItemsPerSheet < grades[g].size(); ++i)
            order.insert(order.end(), {{g, i, false}, {g, i, true}});
    return order;
}

void drawSheets(PrintSurface &surface, const SheetLayout &layout, const SheetSettings &settings,
                const SheetSources &sources, const std::vector<QList<TestItem>> &grades,
                std::span<const SheetRef> sheets)
{
    for (const SheetRef &s : sheets) {
        const auto items = std::span(grades[s.grade]).subspan(size_t(s.index * kItemsPerSheet));
        SheetCatalog::standard().printSheet(
            layout, surface,
            testSheetContent(layout, items.first(std::min(items.size(), size_t(kItemsPerSheet))),
                             qint16(s.index + 1), s.key, sources),
            settings);
        surface.newPage();
    }
}

Figures measure(const SheetSources &sources, const std::vector<QList<TestItem>> &grades, TestKind kind,
                const QString &dir, const QString &tag)
{
    const SheetLayout &layout = *SheetCatalog::standard().chooseLayout(
        kind == TestKind::Reading ? kReadingTestForm : kWritingTestForm, kItemsPerSheet);
    SheetSettings settings;
    settings.fontName = kDefaultFaceName;
    settings.headings = kDefaultHeadings;
    const std::vector<SheetRef> order = runOrder(grades);

    Figures f;
    const QString pdf = QDir(dir).filePath(QStringLiteral("%1.pdf").arg(tag));
    bench::timeSurfaceRun(
        pdf,
        [&](PrintSurface &surface) {
            drawSheets(surface, layout, settings, sources, grades, order);
            surface.endDoc();
        },
        f);

    bench::replayInBatches(
        QDir(dir).filePath(QStringLiteral("%1-baseline.pdf").arg(tag)), qsizetype(order.size()),
        [&](RecordingSurface &recording, qsizetype first, qsizetype n) {
            drawSheets(recording, layout, settings, sources, grades,
                       std::span(order).subspan(size_t(first), size_t(n)));
        },
        f);
    return f;
}

bool report(const char *name, qsizetype items, const Figures &f)
{
    const double ratio = f.surfaceSeconds / f.baselineSeconds;
    std::printf("%-8s %lld items  %4d sheets  %6.2f s  %6.2f MB  | baseline %6.2f s  %6.2f MB  ratio %.2f  "
                "peak after the surface run %.1f MB\n",
                name, static_cast<long long>(items), f.sheets, f.surfaceSeconds, f.bytes / 1e6,
                f.baselineSeconds, f.baselineBytes / 1e6, ratio, f.peakAfterSurfaceKb / 1024.0);
    return ratio <= 1.5 && f.peakAfterSurfaceKb < 100 * 1024;
}

qsizetype itemCount(const std::vector<QList<TestItem>> &grades)
{
    qsizetype n = 0;
    for (const auto &g : grades)
        n += g.size();
    return n;
}

}  // namespace

int main(int argc, char **argv)
{
    bench::BenchApplication app(argc, argv);
    const std::optional<QString> folder = bench::outputFolder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                                                       : QString());
    if (!folder)
        return 1;
    // The file this build made, wherever the benchmark is started from.
    SheetSources sources;
    sources.add(kFacts.id, factsSource(QStringLiteral(BKS_KANJI_FACTS_FILE)));
    const KanjiFacts *facts = kanjiFactsIn(sources);
    if (!facts) {
        std::fprintf(stderr, "%s\n", qPrintable(sources.find(kFacts.id)->problem()));
        return 1;
    }
    const std::vector<QList<TestItem>> reading = gradeItems(*facts, TestKind::Reading);
    const std::vector<QList<TestItem>> writing = gradeItems(*facts, TestKind::Writing);
    if (reading.empty() || writing.empty())
        return 1;
    std::printf("%s's six grades, %d items a sheet, each key after its test, PDF files in %s\n",
                qPrintable(kPublisher), kItemsPerSheet, qPrintable(*folder));

    // Once unmeasured, so font loading and the first PDF set-up do not count.
    measure(sources, {reading.front().mid(0, 40)}, TestKind::Reading, *folder, QStringLiteral("warm"));

    const Figures r = measure(sources, reading, TestKind::Reading, *folder, QStringLiteral("reading-test"));
    bool met = report("reading", itemCount(reading), r);
    const Figures w = measure(sources, writing, TestKind::Writing, *folder, QStringLiteral("writing-test"));
    met = report("writing", itemCount(writing), w) && met;
    std::printf("peak memory %.1f MB (with the recorded sheets of the baseline)\n", peakMemoryKb() / 1024.0);
    std::printf("targets (ratio <= 1.5, peak < 100 MB): %s\n", met ? "met" : "NOT met");
    return 0;
}
