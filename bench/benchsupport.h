#pragma once

// What the PDF benchmarks share: the application they run in, their output
// folder, the kanji they print and the figures of a run against the
// bare-QPainter baseline.
#include "print/surfaces/printsurface.h"

#include <QApplication>
#include <QString>

#include <functional>
#include <optional>

namespace bks::bench {

// The benchmarks draw offscreen (unless told otherwise) with the program's
// font substitutions, as the command line does.
class BenchApplication {
public:
    BenchApplication(int &argc, char **argv);

private:
    QApplication m_app;
};

// `argument` (the temporary folder when empty), created when missing; says
// why on stderr and gives nothing when it cannot be.
std::optional<QString> outputFolder(const QString &argument);

// The six grade lists of the search: all 1,026 education kanji.
QString educationKanji();

struct SheetFigures {
    int sheets = 0;
    double surfaceSeconds = 0;
    double baselineSeconds = 0;
    qint64 bytes = 0;
    qint64 baselineBytes = 0;
    long peakAfterSurfaceKb = 0;  // the process's peak once the surface run is done
};

// Times `draw` on the program's PDF surface into `pdf`, finishing the file,
// and fills in the surface's time, the file's size and the peak memory.
void timeSurfaceRun(const QString &pdf, const std::function<void(PrintSurface &)> &draw, SheetFigures &f);

}  // namespace bks::bench
