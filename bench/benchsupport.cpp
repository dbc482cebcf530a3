#include "bench/benchsupport.h"

#include "bench/qpainterbaseline.h"
#include "files/fonts.h"
#include "kanji/kanjisearch.h"
#include "print/surfaces/qtprintsurface.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace bks::bench {

namespace {

// Runs before the application is made: the platform is chosen then.
int &offscreen(int &argc)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

}  // namespace

BenchApplication::BenchApplication(int &argc, char **argv) : m_app(offscreen(argc), argv)
{
    InstallFontSubstitutions();
}

std::optional<QString> outputFolder(const QString &argument)
{
    const QString dir = argument.isEmpty() ? QDir::tempPath() : argument;
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return std::nullopt;
    }
    return dir;
}

QString educationKanji()
{
    QString kanji;
    for (int grade = 1; grade <= 6; ++grade)
        kanji += SearchList(grade);
    return kanji;
}

void timeSurfaceRun(const QString &pdf, const std::function<void(PrintSurface &)> &draw, SheetFigures &f)
{
    f.surfaceSeconds = seconds([&] {
        auto surface = openPrintSurface(PrinterChoice{QString(), pdf});
        draw(*surface);
        if (const Result<> finished = surface->finish(); !finished)
            std::fprintf(stderr, "output failed: %s\n", qPrintable(finished.failure()));
    });
    f.bytes = QFileInfo(pdf).size();
    f.peakAfterSurfaceKb = peakMemoryKb();
}

}  // namespace bks::bench
