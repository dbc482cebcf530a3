#pragma once

#include "print/run/sheetjob.h"
#include "quiz/testitems.h"

#include <optional>
#include <string_view>

namespace bks {

// What a form asks, if it is a test.
std::optional<TestKind> testKindOf(std::string_view form);

// The sheets of a test run: one item for each kanji of the list (the text
// as a whole, which stays in the box: a test is printed again, in another
// variant, from the same list), as many sheets as the items fill, and the
// answer keys where the options put them. The numbers go on as the run's
// do; a key carries its test's number.
class TestSheets : public JobSheets {
public:
    TestSheets(RunHost &host, TextQueue &text1, const SheetSettings &settings, const RunOptions &options,
               RunCounters &counters, TestKind kind);

    bool begin(const SheetLayout &layout) override;
    QString characters() const override;
    RunResult draw(PrintSurface &surface) override;
    bool cancelled() const override { return m_cancelled; }

    const QList<TestItem> &items() const { return m_items; }

private:
    RunHost &m_host;
    TextQueue &m_text1;
    const SheetSettings &m_settings;
    const RunOptions &m_options;
    RunCounters &m_c;
    TestKind m_kind;
    const SheetLayout *m_layout = nullptr;
    QList<TestItem> m_items;
    bool m_cancelled = false;
};

}  // namespace bks
