#pragma once

#include "print/run/runtypes.h"
#include "print/text/textqueue.h"

namespace bks {

// The output of one continuous run or one single sheet: opened from the
// printer dialog's choice, ended once, its failure or what it still has to
// say told to the user under `title`.
class SheetOutput {
public:
    SheetOutput(RunHost &host, QString title) : m_host(host), m_title(std::move(title)) {}

    // Opens the chosen printer or file; false (with error()) when it cannot.
    bool open(const PrinterChoice &choice);
    PrintSurface &surface() { return *m_surface; }

    // Keeps the first failure the drawing ran into; the output is then not
    // written.
    void fail(const QString &error);
    bool failed() const { return m_failed; }
    const QString &error() const { return m_error; }

    // Ends the document and closes the output. False when anything of it
    // failed, now or before.
    bool finish();
    // Drops the output unwritten: no file replaced, no job sent.
    void abandon() { m_surface.reset(); }

    // Tells the user that the output failed and what became of the
    // characters of `text1` that were not printed (less the run's `padding`).
    void reportFailure(const TextQueue &text1, int padding = 0) const;
    // Tells the user what a written output still has to say (a job held at
    // a stopped printer), if anything.
    void reportNotice() const;

private:
    RunHost &m_host;
    QString m_title;
    std::unique_ptr<PrintSurface> m_surface;
    bool m_failed = false;
    QString m_error;
};

}  // namespace bks
