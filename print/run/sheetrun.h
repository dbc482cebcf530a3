#pragma once

#include "print/layouts/headingcells.h"
#include "print/run/runtypes.h"
#include "print/text/textqueue.h"
#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"

namespace bks {

// The blank that stands for a missing character.
inline const QChar kBlank(char16_t(0x3000));

// A sheet number beyond the 16-bit range: the run ends there, and unlike
// the other run-time failures it says why.
class SheetNumbersRanOut : public RunTimeFailure {
public:
    using RunTimeFailure::RunTimeFailure;
};

// The sheets of one run, taken from the front of the queue and drawn in the
// chosen layout. Run-time failures and surface errors leave by exception.
class SheetRun {
public:
    SheetRun(PrintSurface &surface, TextQueue &text1, const SheetLayout &layout,
             const SheetSettings &settings, const RunOptions &options, RunCounters &counters,
             const SheetSources &sources, const SheetCatalog &catalog)
        : m_surface(surface), m_text1(text1), m_layout(layout), m_settings(settings), m_options(options),
          m_c(counters), m_sources(sources), m_catalog(catalog), m_headingSources(headingSources(settings))
    {
        if (m_layout.startsNumberAtOne)
            m_c.sheetNumber = 1;
    }

    void setProgress(RunProgress *progress, int total)
    {
        m_progress = progress;
        m_total = total;
    }
    bool cancelled() const { return m_cancelled; }
    // The characters whose readings did not all fit their cells, each once.
    const QStringList &readingsCut() const { return m_readingsCut; }

    // The sheet an empty text prints when the user agrees.
    void printBlankSheet();
    // Every sheet of the counted characters, or the next ten.
    void printSheets();

private:
    void printNext();
    SheetContent contentFor(const QString &characters) const;
    qint16 sheetNumber(long long position) const;
    bool afterSheet();

    PrintSurface &m_surface;
    TextQueue &m_text1;
    const SheetLayout &m_layout;
    const SheetSettings &m_settings;
    const RunOptions &m_options;
    RunCounters &m_c;
    const SheetSources &m_sources;
    const SheetCatalog &m_catalog;
    RunProgress *m_progress = nullptr;
    int m_total = 0;
    int m_done = 0;
    bool m_cancelled = false;
    std::vector<std::string_view> m_headingSources;
    QStringList m_readingsCut;
};

}  // namespace bks
