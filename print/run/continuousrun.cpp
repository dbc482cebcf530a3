// "連続印刷": every sheet of the counted characters, or the next ten, as one
// output of the sheet job; and its preview.
#include "print/run/continuousrun.h"

#include "print/layouts/headingcells.h"
#include "print/run/runmessages.h"

#include "print/surfaces/forwardingsurface.h"
#include "print/run/sheetjob.h"
#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"
#include "print/run/sheetrun.h"
#include "print/run/testrun.h"

#include <limits>

namespace bks {

namespace {

QString runTitle()
{
    return QStringLiteral("漢字練習帳連続印刷");
}

JobWording runWording()
{
    return {runTitle(), QStringLiteral("フォントを選択してください"), QString(), MsgIcon::None};
}

constexpr qint16 kMaxCount = std::numeric_limits<qint16>::max();

qint16 countOf(const TextQueue &text1, const RunOptions &options)
{
    return options.count.value_or(text1.charCount());
}

// The count stops at 32,767: a longer list is more than one run prints.
bool beyondCount(const TextQueue &text1, const RunOptions &options)
{
    return countOf(text1, options) == kMaxCount && text1.characters() > kMaxCount;
}

// The run's count: of the characters counted, those that are printed (line
// breaks and tabs are not sheets). A list beyond the count prints as many of
// its own characters as the count allows, whole sheets of them, so no blank
// is added in the middle of it.
qint16 printedCount(const TextQueue &text1, const RunOptions &options, int perSheet)
{
    const qint16 counted = countOf(text1, options);
    if (counted <= 0)
        return counted;
    if (beyondCount(text1, options)) {
        const qsizetype printable = text1.printableCount();
        if (printable > kMaxCount)
            return static_cast<qint16>(kMaxCount - kMaxCount % perSheet);
        return static_cast<qint16>(printable);
    }
    return saturatedCount(text1.printableWithin(counted));
}

// Counts the sheets of an all-pages run. When the count takes the text to
// its end, blanks fill the last sheet; a count that stops inside the text (at
// a searched kanji) lets the last sheet take its partners from the text.
int countSheets(TextQueue &text1, int perSheet, RunCounters &c)
{
    const int counted = c.runCharCount;
    const int missing = (perSheet - counted % perSheet) % perSheet;
    c.padding = 0;
    if (missing > 0 && text1.printableCount() == counted) {
        text1.append(QString(missing, kBlank));
        c.runCharCount = saturatedCount(counted + missing);
        c.padding = missing;
    }
    c.pageCount = static_cast<qint16>((counted + perSheet - 1) / perSheet);
    return c.pageCount;
}

// The sheets of one click of "連続印刷".
class ContinuousSheets : public JobSheets {
public:
    ContinuousSheets(RunHost &host, TextQueue &text1, const SheetSettings &settings,
                     const RunOptions &options, RunCounters &counters)
        : m_host(host), m_text1(text1), m_settings(settings), m_options(options), m_c(counters)
    {
    }

    bool begin(const SheetLayout &layout) override
    {
        m_layout = &layout;
        m_c.runCharCount = printedCount(m_text1, m_options, perSheet());
        // The count is 16-bit: a longer list prints what the count allows
        // and the user is told about the rest.
        m_tooLong = beyondCount(m_text1, m_options);
        if (!m_options.tenPages && m_c.runCharCount >= 50 && m_options.askBeforeLongRun) {
            const MsgResult answer = m_host.services->messageBox(
                QStringLiteral("印刷枚数が５０枚を超えています") + QStringLiteral("\r\n")
                    + QStringLiteral("時間がかかりますが実行しますか"),
                QStringLiteral("印刷時間確認"), MsgButtons::OkCancel, MsgIcon::Exclamation);
            if (answer != MsgResult::Ok)
                return false;
        }
        m_sheets = countSheets(m_text1, perSheet(), m_c);
        // A failed output loses every sheet of this click, so the text goes
        // back to what it is now.
        m_startText = m_text1.text();
        m_startSheetsOfList = m_c.sheetsOfList;
        return true;
    }

    QString characters() const override
    {
        return m_text1.front(m_options.tenPages ? 10 * perSheet() : m_c.runCharCount);
    }

    RunResult draw(PrintSurface &surface) override
    {
        SheetRun run(surface, m_text1, *m_layout, m_settings, m_options, m_c, m_host.dataSources(),
                     m_host.sheetCatalog());
        tellMissingFacts();
        if (m_c.runCharCount == 0) {
            if (!confirmEmptySheet())
                return RunResult::NothingPrinted;
            run.printBlankSheet();
            return RunResult::Printed;
        }
        std::unique_ptr<RunProgress> progress;
        if (!m_options.tenPages && m_sheets > 10) {
            progress = m_host.services->startProgress(QStringLiteral("連続印刷"), m_sheets);
            run.setProgress(progress.get(), m_sheets);
        }
        run.printSheets();
        if (m_host.notice && !run.readingsCut().isEmpty())
            m_host.notice(QStringLiteral("読みが欄に入りきらず、一部を「…」で省いた漢字: ")
                          + run.readingsCut().join(QLatin1Char(' ')));
        m_cancelled = run.cancelled();
        return m_cancelled ? RunResult::Stopped : RunResult::Printed;
    }

    bool cancelled() const override { return m_cancelled; }

    // The sheets go on without the facts, their cells left empty.
    void tellMissingFacts() const
    {
        if (!m_host.notice)
            return;
        for (const std::string_view id : headingSources(m_settings)) {
            const std::string_view one[] = {id};
            if (const QString why = m_host.dataSources().problem(one); !why.isEmpty())
                m_host.notice(why
                              + (id == kFacts.id ? QStringLiteral(" 読み・部首の欄は空けたまま印刷します。")
                                                 : QStringLiteral(" 画数の欄は空けたまま印刷します。")));
        }
    }

    void restore() override
    {
        if (m_text1.text() != m_startText)
            m_text1.setText(m_startText);
        m_c.sheetsOfList = m_startSheetsOfList;
    }

    int padding() const override { return m_c.padding; }

    RunResult written(RunResult result) override
    {
        PlatformServices &services = *m_host.services;
        if (result == RunResult::NumbersRanOut)
            ReportNumbersRanOut(services, runTitle(), NotPrintedNote(m_host, m_text1, m_c.padding));
        if (result == RunResult::Printed && m_tooLong && !m_options.tenPages && !m_text1.isEmpty()) {
            ReportCharactersLeft(services, m_text1.printableCount(), runTitle(),
                                 NotPrintedNote(m_host, m_text1));
            return RunResult::CharactersLeft;
        }
        return result;
    }

private:
    int perSheet() const { return m_layout->charactersPerSheet; }

    bool confirmEmptySheet() const
    {
        return m_host.services->messageBox(QStringLiteral("印刷するものがありません") + QStringLiteral("\r\n")
                                               + QStringLiteral("文字なしで印刷しますか？"),
                                           runTitle(), MsgButtons::YesNo, MsgIcon::Question)
               == MsgResult::Yes;
    }

    RunHost &m_host;
    TextQueue &m_text1;
    const SheetSettings &m_settings;
    const RunOptions &m_options;
    RunCounters &m_c;
    const SheetLayout *m_layout = nullptr;
    bool m_tooLong = false;
    int m_sheets = 0;
    bool m_cancelled = false;
    QString m_startText;
    int m_startSheetsOfList = 0;
};

// The preview's side of the job: every question answered as a user who
// wants the sheets would, nothing shown, saved or asked for. What the run
// would have told the user is kept: a run that stops before its first
// sheet (a test without kanji) would otherwise leave a blank preview.
class PreviewServices : public PlatformServices {
public:
    MsgResult messageBox(const QString &text, const QString &, MsgButtons buttons, MsgIcon) override
    {
        if (buttons == MsgButtons::Ok && told.isEmpty())
            told = text;
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    }
    std::optional<PrinterChoice> showPrinter() override { return PrinterChoice{}; }
    std::optional<QString> showOpen(const QString &) override { return std::nullopt; }
    std::optional<QString> showSave(const QString &) override { return std::nullopt; }
    std::optional<QString> showFont(const QString &) override { return std::nullopt; }
    bool openUrl(const QUrl &) override { return false; }
    std::unique_ptr<RunProgress> startProgress(const QString &, int) override { return nullptr; }

    QString told;
};

// What went wrong with the preview's surface, kept for its caller.
template <typename Call>
void keepingFailure(QString &failure, Call call)
{
    try {
        call();
    } catch (const PrintSurfaceError &e) {
        failure = QString::fromUtf8(e.what());
        throw;
    }
}

// The preview's sheets: those of the next click.
class PreviewSheets : public ContinuousSheets {
public:
    PreviewSheets(RunHost &host, TextQueue &text1, const SheetSettings &settings, const RunOptions &options,
                  RunCounters &counters, QString &failure)
        : ContinuousSheets(host, text1, settings, options, counters), m_failure(failure)
    {
    }
    RunResult draw(PrintSurface &surface) override
    {
        RunResult result = RunResult::Printed;
        keepingFailure(m_failure, [&] { result = ContinuousSheets::draw(surface); });
        return result;
    }

private:
    QString &m_failure;
};

// The preview's output: the caller's surface, which is no file or job to
// finish.
class PreviewOutput : public ForwardingSurface {
public:
    PreviewOutput(PrintSurface &target, QString &failure) : ForwardingSurface(target), m_failure(failure) {}
    void endDoc() override
    {
        keepingFailure(m_failure, [this] { ForwardingSurface::endDoc(); });
    }
    Result<> finish() override { return {}; }
    QString notice() const override { return {}; }

private:
    QString &m_failure;
};

}  // namespace

RunResult runContinuous(RunHost &host, TextQueue &text1, const SheetSettings &settings,
                        const RunOptions &options, RunCounters &counters)
{
    if (const std::optional<TestKind> kind = testKindOf(options.form)) {
        TestSheets sheets(host, text1, settings, options, counters, *kind);
        return runSheetJob(host, text1, settings, options.form, options.perSheet, sheets, runWording());
    }
    ContinuousSheets sheets(host, text1, settings, options, counters);
    return runSheetJob(host, text1, settings, options.form, options.perSheet, sheets, runWording());
}

QString previewRun(PrintSurface &surface, QString text, const SheetSettings &settings,
                   const RunOptions &options, RunCounters counters, const SheetSources &sources,
                   const SheetCatalog &catalog)
{
    PreviewServices services;
    QString failure;
    RunHost host;
    host.services = &services;
    host.sources = &sources;
    host.catalog = &catalog;
    host.openSurface = [&](const PrinterChoice &) {
        return std::make_unique<PreviewOutput>(surface, failure);
    };
    TextQueue queue(std::move(text));
    RunResult result = RunResult::Printed;
    if (const std::optional<TestKind> kind = testKindOf(options.form)) {
        TestSheets sheets(host, queue, settings, options, counters, *kind);
        keepingFailure(failure, [&] {
            result = runSheetJob(host, queue, settings, options.form, options.perSheet, sheets, runWording());
        });
    } else {
        PreviewSheets sheets(host, queue, settings, options, counters, failure);
        result = runSheetJob(host, queue, settings, options.form, options.perSheet, sheets, runWording());
    }
    if (result == RunResult::OutputFailed)
        throw PrintSurfaceError(failure.toStdString());
    return services.told;
}

}  // namespace bks
