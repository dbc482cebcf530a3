#pragma once

#include "print/run/runtypes.h"
#include "print/text/textqueue.h"

namespace bks {

// The continuous run: questions, padding, font check, temporary copy,
// printer dialog, the sheets and the end of the output.
RunResult runContinuous(RunHost &host, TextQueue &text1, const SheetSettings &settings,
                        const RunOptions &options, RunCounters &counters);

// Draws the sheets the next run would print onto `surface` without asking,
// saving or consuming anything: the text and the counters are copies.
// Returns the first thing the run would have told the user, if anything.
QString previewRun(PrintSurface &surface, QString text, const SheetSettings &settings,
                   const RunOptions &options, RunCounters counters, const SheetSources &sources,
                   const SheetCatalog &catalog = SheetCatalog::standard());

}  // namespace bks
