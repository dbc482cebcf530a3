#pragma once

#include "print/run/runtypes.h"
#include "print/text/textqueue.h"

#include <QString>

#include <string_view>

namespace bks {

// How a job speaks: the title of its messages, and what it says when no
// face is chosen, which the continuous run and the single sheet word
// differently.
struct JobWording {
    QString title;
    QString noFace;
    QString noFaceTitle;
    MsgIcon noFaceIcon = MsgIcon::None;
};

// What one output of the sheet job prints: the part the continuous run (and
// its ten-sheet batches), the single sheet and the preview each bring to
// the steps the job takes for all of them.
class JobSheets {
public:
    virtual ~JobSheets() = default;
    // Before the face is looked at, with the layout chosen: the run's count,
    // its question before a long run and the blanks that fill its last
    // sheet. False: the user declined and nothing is printed.
    virtual bool begin(const SheetLayout &layout) = 0;
    // Every character this output prints, looked at once before anything is.
    virtual QString characters() const = 0;
    // Draws the sheets onto the open output and says what became of them;
    // failures leave by exception.
    virtual RunResult draw(PrintSurface &surface) = 0;
    // The user stopped the sheets before their end: the output is dropped.
    virtual bool cancelled() const { return false; }
    // The output failed or was dropped: the text goes back to what it was
    // when printing started.
    virtual void restore() {}
    // Blanks the sheets appended to the text: not the user's characters, so
    // what is named as not printed leaves them out.
    virtual int padding() const { return 0; }
    // Once the output is written: what is still to tell or to take from the
    // text. Returns the job's result.
    virtual RunResult written(RunResult result) { return result; }
};

// The one job behind every output: chooses the layout of `form` for
// `perSheet` through the host's table (a count the form does not offer is
// refused with a message), checks the face, looks at the characters,
// writes the temporary copy, asks for the printer, draws every sheet under
// one guard, finishes the output and reports.
RunResult runSheetJob(RunHost &host, TextQueue &text1, const SheetSettings &settings, std::string_view form,
                      int perSheet, JobSheets &sheets, const JobWording &wording);

}  // namespace bks
