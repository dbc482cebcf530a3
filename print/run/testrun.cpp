#include "print/run/testrun.h"

#include "print/content/testcontent.h"
#include "print/run/sheetrun.h"

#include <QStringList>

namespace bks {

namespace {

QString testTitle()
{
    return QStringLiteral("漢字テスト印刷");
}

}  // namespace

std::optional<TestKind> testKindOf(std::string_view form)
{
    if (form == kReadingTestForm)
        return TestKind::Reading;
    if (form == kWritingTestForm)
        return TestKind::Writing;
    return std::nullopt;
}

TestSheets::TestSheets(RunHost &host, TextQueue &text1, const SheetSettings &settings,
                       const RunOptions &options, RunCounters &counters, TestKind kind)
    : m_host(host), m_text1(text1), m_settings(settings), m_options(options), m_c(counters), m_kind(kind)
{
}

bool TestSheets::begin(const SheetLayout &layout)
{
    m_layout = &layout;
    PlatformServices &services = *m_host.services;
    auto refuse = [&](const QString &why) {
        services.messageBox(why, testTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    };
    const KanjiFacts *facts = kanjiFactsIn(m_host.dataSources());
    if (!facts)
        return refuse(m_host.dataSources().problem(layout.sources));
    const QString text = m_options.count ? m_text1.front(*m_options.count) : m_text1.text();
    const TestChoice &test = m_options.test;
    const Result<TestItems> built = buildTestItems({text, test.publisher, test.grade}, *facts, m_kind,
                                                   test.variant);
    if (!built)
        return refuse(built.failure());
    if (built->items.isEmpty())
        return refuse(QStringLiteral("テストにする漢字がありません。漢字を入力してください。"));
    if (!built->leftOut.isEmpty()) {
        QStringList left;
        for (const char32_t kanji : built->leftOut)
            left << QString::fromUcs4(&kanji, 1);
        services.messageBox(QStringLiteral("常用漢字表に読みのない漢字は問題にしません: ")
                                + left.join(QStringLiteral("、")),
                            testTitle(), MsgButtons::Ok, MsgIcon::Information);
    }
    m_items = built->items;
    return true;
}

QString TestSheets::characters() const
{
    QString all;
    for (const TestItem &item : m_items)
        all += item.word + item.targetReading;
    return all;
}

RunResult TestSheets::draw(PrintSurface &surface)
{
    const int perSheet = m_layout->charactersPerSheet;
    const int tests = int((m_items.size() + perSheet - 1) / perSheet);
    const AnswerKeys answers = m_options.test.answers;
    const int total = answers == AnswerKeys::None ? tests : 2 * tests;
    const SheetCatalog &catalog = m_host.sheetCatalog();
    const double first = m_options.autoNumber ? 0.0 : numericValue(m_options.firstNumber);
    std::unique_ptr<RunProgress> progress;
    if (total > 10)
        progress = m_host.services->startProgress(QStringLiteral("テスト印刷"), total);

    int done = 0;
    auto sheet = [&](int index, bool key) {
        qint16 number = 0;
        try {
            number = toInt16(first + index + 1);
        } catch (const RunTimeFailure &e) {
            throw SheetNumbersRanOut(e.what());
        }
        m_c.sheetNumber = number;
        const auto items = std::span(m_items).subspan(size_t(index * perSheet));
        catalog.printSheet(*m_layout, surface,
                           testSheetContent(*m_layout, items.first(std::min(items.size(), size_t(perSheet))),
                                            number, key, m_host.dataSources()),
                           m_settings);
        surface.newPage();
        ++done;
        m_cancelled = progress && !progress->update(done, total) && done < total;
        return !m_cancelled;
    };
    for (int i = 0; i < tests; ++i) {
        if (!sheet(i, false) || (answers == AnswerKeys::AfterEach && !sheet(i, true)))
            return RunResult::Stopped;
    }
    if (answers == AnswerKeys::AtEnd)
        for (int i = 0; i < tests; ++i)
            if (!sheet(i, true))
                return RunResult::Stopped;
    return RunResult::Printed;
}

}  // namespace bks
