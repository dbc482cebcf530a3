// Prints all education kanji one a sheet with the readings, the radical and
// the stroke count written into the heading cells, against the same run with
// the cells left empty, alternated in one process so that a loaded machine
// weighs on both alike: the medians, their ratio, peak memory and file
// sizes, upright and with an "@" face.

#include "bench/benchsupport.h"
#include "bench/qpainterbaseline.h"
#include "files/fonts.h"
#include "print/layouts/headingcells.h"
#include "print/layouts/sheetcatalog.h"
#include "print/surfaces/recordingsurface.h"

#include <QDir>

#include <algorithm>
#include <cstdio>

namespace {

using namespace bks;
using bench::peakMemoryKb;

constexpr int kRounds = 5;

SheetSettings benchSettings(const QString &face, bool filled)
{
    SheetSettings s;
    s.fontName = face;
    s.headings = kDefaultHeadings;
    s.writeReadings = filled;
    s.writeRadical = filled;
    s.writeStrokeCount = filled;
    return s;
}

struct Run {
    double seconds = 0;
    qint64 bytes = 0;
    int cut = 0;  // sheets whose readings were left off in part
};

// The run's sheets; returns how many had readings left off.
int drawRun(PrintSurface &surface, const SheetSources &sources, const QString &kanji,
            const SheetSettings &settings)
{
    const std::vector<std::string_view> also = headingSources(settings);
    const SheetLayout &layout = *SheetCatalog::standard().chooseLayout(kPracticeForm, 1);
    const std::array<QString, 2> examples = {QStringLiteral("学校"), QStringLiteral("先生")};
    int cut = 0;
    for (qsizetype i = 0; i < kanji.size(); ++i) {
        const SheetContent content = sheetContent(layout, kanji.mid(i, 1), qint16(i + 1), examples, sources,
                                                  also);
        SheetCatalog::standard().printSheet(layout, surface, content, settings);
        cut += std::any_of(content.entries.begin(), content.entries.end(),
                           [](const CharacterEntry &e) { return e.readingsCut; });
        surface.newPage();
    }
    surface.endDoc();
    return cut;
}

Run measure(const SheetSources &sources, const QString &kanji, const QString &face, bool filled,
            const QString &pdf)
{
    Run run;
    bench::SheetFigures f;
    bench::timeSurfaceRun(
        pdf,
        [&](PrintSurface &surface) {
            run.cut = drawRun(surface, sources, kanji, benchSettings(face, filled));
        },
        f);
    run.seconds = f.surfaceSeconds;
    run.bytes = f.bytes;
    return run;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Off then on, kRounds times; returns the ratio of the medians.
double compare(const SheetSources &sources, const QString &kanji, const QString &face, const QString &dir)
{
    const QString tag = isVerticalFace(face) ? QStringLiteral("at") : QStringLiteral("upright");
    std::vector<double> off, on;
    Run lastOff, lastOn;
    for (int round = 0; round < kRounds; ++round) {
        lastOff = measure(sources, kanji, face, false,
                          QDir(dir).filePath(QStringLiteral("headings-off-%1.pdf").arg(tag)));
        lastOn = measure(sources, kanji, face, true,
                         QDir(dir).filePath(QStringLiteral("headings-on-%1.pdf").arg(tag)));
        off.push_back(lastOff.seconds);
        on.push_back(lastOn.seconds);
    }
    const double ratio = median(on) / median(off);
    std::printf("%-8s cells empty  %6.3f s (%.3f-%.3f)  %6.2f MB\n", qPrintable(tag), median(off),
                *std::min_element(off.begin(), off.end()), *std::max_element(off.begin(), off.end()),
                lastOff.bytes / 1e6);
    std::printf("%-8s cells filled %6.3f s (%.3f-%.3f)  %6.2f MB  ratio %.3f  readings cut on %d sheets\n",
                qPrintable(tag), median(on), *std::min_element(on.begin(), on.end()),
                *std::max_element(on.begin(), on.end()), lastOn.bytes / 1e6, ratio, lastOn.cut);
    return ratio;
}

}  // namespace

int main(int argc, char **argv)
{
    bench::BenchApplication app(argc, argv);
    const QString kanji = bench::educationKanji();
    const std::optional<QString> folder = bench::outputFolder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                                                       : QString());
    if (!folder)
        return 1;
    // The files this build made, wherever the benchmark is started from.
    SheetSources sources;
    sources.add(kStrokes.id,
                strokeSource([] { return StrokeData::fromFile(QStringLiteral(BKS_STROKE_DATA_FILE)); }));
    sources.add(kFacts.id, factsSource(QStringLiteral(BKS_KANJI_FACTS_FILE)));
    for (const std::string_view id : {kStrokes.id, kFacts.id}) {
        if (const QString problem = sources.find(id)->problem(); !problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            return 1;
        }
    }
    std::printf("%lld education kanji one a sheet, %d rounds each way (medians, range), PDF files in %s\n",
                static_cast<long long>(kanji.size()), kRounds, qPrintable(*folder));

    // Once unmeasured, so font loading, opening the data files and the first
    // PDF set-up do not count.
    measure(sources, kanji.left(20), kDefaultFaceName, true,
            QDir(*folder).filePath(QStringLiteral("warm.pdf")));

    const double upright = compare(sources, kanji, kDefaultFaceName, *folder);
    const double turned = compare(sources, kanji, QLatin1Char('@') + kDefaultFaceName, *folder);
    const long peak = peakMemoryKb();
    std::printf("peak memory %.1f MB\n", peak / 1024.0);
    const bool met = std::max(upright, turned) <= 1.1 && peak < 100 * 1024;
    std::printf("targets (filled within 1.1 times empty, peak < 100 MB): %s\n", met ? "met" : "NOT met");

    // What the same drawing costs with nothing between it and QPainter:
    // the share of the difference that any program printing these glyphs
    // pays (upright only, as the baseline does not turn an "@" face's text).
    std::vector<std::vector<RecordedOp>> sheets[2];
    for (const bool filled : {false, true}) {
        RecordingSurface recording;
        drawRun(recording, sources, kanji, benchSettings(kDefaultFaceName, filled));
        sheets[filled] = recording.sheets();
    }
    std::vector<double> bare[2];
    for (int round = 0; round < kRounds; ++round)
        for (const bool filled : {false, true})
            bare[filled].push_back(bench::seconds([&] {
                bench::replayWithQPainter(sheets[filled],
                                          QDir(*folder).filePath(QStringLiteral("headings-baseline.pdf")));
            }));
    std::printf("bare QPainter, upright: empty %.3f s, filled %.3f s, ratio %.3f\n", median(bare[0]),
                median(bare[1]), median(bare[1]) / median(bare[0]));
    return 0;
}
