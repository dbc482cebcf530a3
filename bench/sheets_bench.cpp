// Prints all education kanji (the six grade lists of the search) to PDF,
// one and two per sheet, through the sheet layouts and the Qt print surface,
// and beside it draws the very same lines and texts with bare QPainter
// calls into a PDF: sheets per second, the ratio to that baseline, peak
// memory and file sizes.

#include "bench/benchsupport.h"
#include "bench/qpainterbaseline.h"
#include "files/fonts.h"
#include "print/surfaces/recordingsurface.h"
#include "print/layouts/sheetcatalog.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <functional>

namespace {

using namespace bks;
using bench::peakMemoryKb;
using Figures = bench::SheetFigures;
using bench::replayWithQPainter;
using bench::seconds;

SheetSettings benchSettings(const QString &face)
{
    SheetSettings s;
    s.fontName = face;
    s.headings = kDefaultHeadings;
    return s;
}

// The sheets of a run in the run's order of calls.
void drawRun(PrintSurface &surface, const SheetSettings &settings, const QString &kanji, int perSheet)
{
    const SheetLayout &layout = *SheetCatalog::standard().chooseLayout(kPracticeForm, perSheet);
    const std::array<QString, 2> examples = {QStringLiteral("学校"), QStringLiteral("先生")};
    const SheetSources none;
    qint16 number = 1;
    for (qsizetype i = 0; i < kanji.size(); i += perSheet, ++number) {
        SheetCatalog::standard().printSheet(
            layout, surface, sheetContent(layout, kanji.mid(i, perSheet), number, examples, none), settings);
        surface.newPage();
    }
    surface.endDoc();
}

Figures measure(const QString &kanji, int perSheet, const QString &face, const QString &dir, bool baseline)
{
    const SheetSettings settings = benchSettings(face);
    const QString tag = QStringLiteral("%1-%2").arg(perSheet).arg(face.startsWith(QLatin1Char('@')) ? 1 : 0);
    const QString pdf = QDir(dir).filePath(QStringLiteral("sheets-%1.pdf").arg(tag));
    Figures f;
    bench::timeSurfaceRun(
        pdf, [&](PrintSurface &surface) { drawRun(surface, settings, kanji, perSheet); }, f);

    RecordingSurface recording;
    drawRun(recording, settings, kanji, perSheet);
    const auto sheets = recording.sheets();
    f.sheets = int(sheets.size());
    if (baseline) {
        const QString basePdf = QDir(dir).filePath(QStringLiteral("baseline-%1.pdf").arg(tag));
        f.baselineSeconds = seconds([&] { replayWithQPainter(sheets, basePdf); });
        f.baselineBytes = QFileInfo(basePdf).size();
    }
    return f;
}

void report(const char *name, const Figures &f)
{
    std::printf("%-22s %5d sheets  %6.2f s  %7.0f sheets/s  %7.2f MB", name, f.sheets, f.surfaceSeconds,
                f.sheets / f.surfaceSeconds, f.bytes / 1e6);
    if (f.baselineSeconds > 0)
        std::printf("  | baseline %6.2f s  %7.0f sheets/s  %6.2f MB  ratio %.2f", f.baselineSeconds,
                    f.sheets / f.baselineSeconds, f.baselineBytes / 1e6,
                    f.surfaceSeconds / f.baselineSeconds);
    std::printf("\n");
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
    const QString &dir = *folder;
    std::printf("%lld education kanji, PDF files in %s\n", static_cast<long long>(kanji.size()),
                qPrintable(dir));

    // Once unmeasured, so font loading and the first PDF set-up do not count.
    measure(kanji.left(20), 1, kDefaultFaceName, dir, true);

    const Figures one = measure(kanji, 1, kDefaultFaceName, dir, true);
    report("one per sheet", one);
    std::printf("peak memory after the first surface run %.1f MB\n", one.peakAfterSurfaceKb / 1024.0);
    const Figures two = measure(kanji, 2, kDefaultFaceName, dir, true);
    report("two per sheet", two);
    const Figures vertical = measure(kanji, 1, QLatin1Char('@') + kDefaultFaceName, dir, false);
    report("one per sheet, @ face", vertical);
    std::printf("peak memory %.1f MB (with the recorded sheets of the baseline)\n", peakMemoryKb() / 1024.0);

    const double worst = std::max(one.surfaceSeconds / one.baselineSeconds,
                                  two.surfaceSeconds / two.baselineSeconds);
    const bool met = worst <= 1.5 && peakMemoryKb() < 100 * 1024 && one.bytes < 4'000'000;
    std::printf("targets (ratio <= 1.5, peak < 100 MB, 1,026-sheet PDF < 4 MB): %s\n",
                met ? "met" : "NOT met");
    return 0;
}
