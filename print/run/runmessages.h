#pragma once

// What a run tells the user when not everything it was asked for reached
// paper.

#include "print/run/runtypes.h"
#include "print/text/textqueue.h"

namespace bks {

// The last line of a message about characters that were not printed: where
// they are kept, or (without a text box) how many and which, less the
// `padding` blanks the run appended.
QString NotPrintedNote(const RunHost &host, const TextQueue &text1, int padding = 0);

// Tells the user that the output could not be written, and what became of
// the characters not printed (`note`).
void ReportOutputFailure(PlatformServices &services, const QString &error, const QString &title,
                         const QString &note);

// Tells the user that `left` characters beyond the 16-bit count were not
// printed and wait in the kanji box.
void ReportCharactersLeft(PlatformServices &services, qsizetype left, const QString &title,
                          const QString &note);

// Tells the user that the run ended because the sheet numbers left the
// range they can take.
void ReportNumbersRanOut(PlatformServices &services, const QString &title, const QString &note);

// Tells the user what a successful output still has to say (a job held at
// a stopped printer); says nothing when there is nothing to tell.
void ReportOutputNotice(PlatformServices &services, const PrintSurface &surface, const QString &title);

}  // namespace bks
