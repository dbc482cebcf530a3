// Prints all education kanji as stroke-order sheets, one a sheet, into one
// PDF through the layout and the Qt print surface, and beside it draws the
// very same paths, lines and texts with bare QPainter calls into a PDF:
// the time against that baseline, peak memory and file size.
//
// The strokes are those of the installed data. With --synthetic-strokes
// every kanji gets ten made-up curves instead, to try the benchmark where
// the data is not installed; such figures say nothing about real sheets.

#include "bench/benchsupport.h"
#include "bench/qpainterbaseline.h"
#include "files/fonts.h"
#include "print/surfaces/recordingsurface.h"
#include "print/layouts/sheetcatalog.h"

#include <QApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

namespace {

using namespace bks;
using bench::peakMemoryKb;
using Figures = bench::SheetFigures;


StrokeData syntheticStrokes(const QString &kanji)
{
    QHash<char32_t, CharacterStrokes> all;
    for (const char32_t c : kanji.toUcs4()) {
        CharacterStrokes strokes;
        for (int i = 0; i < 10; ++i) {
            const double y = 12 + 9.0 * i, x = 10 + (c + i) % 30;
            QPainterPath curve(QPointF(x, y));
            curve.cubicTo(x + 15, y - 5, x + 35, y + 6, x + 60, y + 2);
            curve.cubicTo(x + 62, y + 4, x + 63, y + 8, x + 62, y + 12);
            strokes.strokes.push_back(curve);
            strokes.numberPositions.push_back({x - 7, y + 3});
        }
        all.insert(c, strokes);
    }
    return StrokeData::fromCharacters(all);
}

SheetSettings benchSettings()
{
    SheetSettings s;
    s.fontName = kDefaultFaceName;
    s.headings = kDefaultHeadings;
    s.writeStrokeCount = true;
    return s;
}

// The sheets of `kanji` from the `first`-th on, `count` of them, in a run's
// order of calls.
void drawRun(PrintSurface &surface, const SheetSources &data, const QString &kanji, qsizetype first,
             qsizetype count)
{
    const SheetLayout &layout = *SheetCatalog::standard().chooseLayout(kStrokeOrderForm, 1);
    const SheetSettings settings = benchSettings();
    for (qsizetype i = first; i < std::min(kanji.size(), first + count); ++i) {
        SheetCatalog::standard().printSheet(layout, surface,
                                            sheetContent(layout, kanji.mid(i, 1), qint16(i + 1), {}, data),
                                            settings);
        surface.newPage();
    }
}

Figures measure(const SheetSources &data, const QString &kanji, const QString &dir)
{
    Figures f;
    const QString pdf = QDir(dir).filePath(QStringLiteral("strokeorder.pdf"));
    bench::timeSurfaceRun(
        pdf,
        [&](PrintSurface &surface) {
            drawRun(surface, data, kanji, 0, kanji.size());
            surface.endDoc();
        },
        f);

    bench::replayInBatches(
        QDir(dir).filePath(QStringLiteral("strokeorder-baseline.pdf")), kanji.size(),
        [&](RecordingSurface &recording, qsizetype first, qsizetype n) {
            drawRun(recording, data, kanji, first, n);
        },
        f);
    return f;
}

}  // namespace

int main(int argc, char **argv)
{
    bench::BenchApplication app(argc, argv);

    QStringList args = QApplication::arguments().mid(1);
    const bool synthetic = args.removeAll(QStringLiteral("--synthetic-strokes")) > 0;
    const QString kanji = bench::educationKanji();
    const std::optional<QString> folder = bench::outputFolder(args.value(0));
    if (!folder)
        return 1;
    const QString &dir = *folder;
    // The data file this build made, wherever the benchmark is started from.
    SheetSources data;
    data.add(kStrokes.id,
             strokeSource(synthetic ? syntheticStrokes(kanji)
                                    : StrokeData::fromFile(QStringLiteral(BKS_STROKE_DATA_FILE))));
    if (const QString problem = data.find(kStrokes.id)->problem(); !synthetic && !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n(--synthetic-strokes tries the benchmark on made-up strokes)\n",
                     qPrintable(problem));
        return 1;
    }
    std::printf("%lld education kanji as stroke-order sheets (%s strokes), PDF files in %s\n",
                static_cast<long long>(kanji.size()), synthetic ? "synthetic" : "installed", qPrintable(dir));

    // Once unmeasured, so font loading and the first PDF set-up do not count.
    measure(data, kanji.left(20), dir);

    const Figures f = measure(data, kanji, dir);
    const double ratio = f.surfaceSeconds / f.baselineSeconds;
    std::printf("%5d sheets  %6.2f s  %6.0f sheets/s  %6.2f MB  | baseline %6.2f s  %6.2f MB  ratio %.2f\n",
                f.sheets, f.surfaceSeconds, f.sheets / f.surfaceSeconds, f.bytes / 1e6, f.baselineSeconds,
                f.baselineBytes / 1e6, ratio);
    std::printf("peak memory after the surface run %.1f MB, at the end %.1f MB\n",
                f.peakAfterSurfaceKb / 1024.0, peakMemoryKb() / 1024.0);
    const bool met = ratio <= 1.5 && f.peakAfterSurfaceKb < 100 * 1024 && f.bytes < 20'000'000;
    std::printf("targets (ratio <= 1.5, peak < 100 MB, PDF < 20 MB): %s\n", met ? "met" : "NOT met");
    return 0;
}
