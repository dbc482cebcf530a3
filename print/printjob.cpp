#include "print/printjob.h"

#include "print/characterscan.h"
#include "print/sheetmath.h"
#include "print/sheetoutput.h"
#include "print/sheetrun.h"

#include <limits>

namespace bks {

namespace {

QString runTitle()
{
    return QStringLiteral("漢字練習帳連続印刷");
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

bool confirmEmptySheet(PlatformServices &services)
{
    return services.messageBox(QStringLiteral("印刷するものがありません") + QStringLiteral("\r\n")
                                   + QStringLiteral("文字なしで印刷しますか？"),
                               runTitle(), MsgButtons::YesNo, MsgIcon::Question)
           == MsgResult::Yes;
}

}  // namespace

RunResult runContinuous(RunHost &host, TextQueue &text1, const SheetSettings &settings,
                        const RunOptions &options, RunCounters &counters)
{
    PlatformServices &services = *host.services;
    RunCounters &c = counters;
    const SheetLayout *layout = host.sheetCatalog().chooseLayout(options.form, options.perSheet);
    if (!layout)
        return RunResult::NothingPrinted;
    const int perSheet = layout->charactersPerSheet;
    c.runCharCount = printedCount(text1, options, perSheet);
    // The count is 16-bit: a longer list prints what the count allows and
    // the user is told about the rest.
    const bool tooLong = beyondCount(text1, options);

    if (!options.tenPages && c.runCharCount >= 50 && options.askBeforeLongRun) {
        const MsgResult answer = services.messageBox(QStringLiteral("印刷枚数が５０枚を超えています")
                                                         + QStringLiteral("\r\n")
                                                         + QStringLiteral("時間がかかりますが実行しますか"),
                                                     QStringLiteral("印刷時間確認"), MsgButtons::OkCancel,
                                                     MsgIcon::Exclamation);
        if (answer != MsgResult::Ok)
            return RunResult::NothingPrinted;  // no document was opened to end
    }

    const int sheets = countSheets(text1, perSheet, c);

    if (settings.noFaceChosen()) {
        services.messageBox(QStringLiteral("フォントを選択してください"), QString(), MsgButtons::Ok,
                            MsgIcon::None);
        return RunResult::NothingPrinted;
    }
    // Every character this click prints, looked at once before anything is.
    const QString printed = text1.front(options.tenPages ? 10 * perSheet : c.runCharCount);
    const CharacterScan scan = scanCharacters(printed, settings.fontName,
                                              layout->drawsOn(kStrokes.id)
                                                  ? host.dataSources().find(kStrokes.id)
                                                  : nullptr);
    if (!confirmCharacters(host, scan, settings.fontName, runTitle()))
        return RunResult::NothingPrinted;
    if (host.saveTemp) {
        try {
            host.saveTemp(text1.text());
        } catch (const std::exception &) {
            // The temporary copy is a convenience; failing to write it is not
            // reported and does not stop the print.
        }
    }

    const std::optional<PrinterChoice> choice = services.showPrinter();
    if (!choice)
        return RunResult::NothingPrinted;

    // A failed output loses every sheet of this click, so the text goes back
    // to what it was when printing started.
    const QString startText = text1.text();
    const int startSheetsOfList = c.sheetsOfList;
    auto restore = [&] {
        if (text1.text() != startText)
            text1.setText(startText);
        c.sheetsOfList = startSheetsOfList;
    };
    SheetOutput output(host, runTitle());
    auto outputFailed = [&] {
        restore();
        output.reportFailure(text1, c.padding);
        return RunResult::OutputFailed;
    };
    if (!output.open(*choice))
        return outputFailed();

    SheetRun run(output.surface(), text1, *layout, settings, options, c, host.dataSources(),
                 host.sheetCatalog());
    std::unique_ptr<RunProgress> progress;
    RunResult result = RunResult::Printed;
    try {
        if (c.runCharCount == 0) {
            if (confirmEmptySheet(services))
                run.printBlankSheet();
            else
                result = RunResult::NothingPrinted;
        } else {
            if (!options.tenPages && sheets > 10) {
                progress = services.startProgress(QStringLiteral("連続印刷"), sheets);
                run.setProgress(progress.get(), sheets);
            }
            run.printSheets();
            if (run.cancelled())
                result = RunResult::Stopped;
        }
    } catch (const PrintSurfaceError &e) {
        output.fail(QString::fromUtf8(e.what()));
    } catch (const SheetNumbersRanOut &) {
        result = RunResult::NumbersRanOut;
    } catch (const std::exception &) {
        // A first number that is not a number, a 16-bit overflow: the run
        // ends silently and the sheets already ended stay printed.
        result = RunResult::Stopped;
    }
    progress.reset();

    // The whole run is one file or one job, written at its end: a stopped run
    // is abandoned whole, so no half-written PDF replaces an earlier one, no
    // printer gets half a stack, and the list is as it was.
    if (run.cancelled() && !output.failed()) {
        output.abandon();
        restore();
        return RunResult::Stopped;
    }
    if (!output.finish())
        return outputFailed();
    output.reportNotice();
    if (result == RunResult::NumbersRanOut)
        ReportNumbersRanOut(services, runTitle(), NotPrintedNote(host, text1, c.padding));
    if (result == RunResult::Printed && tooLong && !options.tenPages && !text1.isEmpty()) {
        ReportCharactersLeft(services, text1.printableCount(), runTitle(), NotPrintedNote(host, text1));
        return RunResult::CharactersLeft;
    }
    return result;
}

void previewRun(PrintSurface &surface, QString text, const SheetSettings &settings, const RunOptions &options,
                RunCounters counters, const SheetSources &sources, const SheetCatalog &catalog)
{
    const SheetLayout *layout = catalog.chooseLayout(options.form, options.perSheet);
    if (!layout)
        return;
    TextQueue queue(text);
    RunCounters &c = counters;
    c.runCharCount = printedCount(queue, options, layout->charactersPerSheet);
    countSheets(queue, layout->charactersPerSheet, c);
    if (settings.noFaceChosen())
        return;

    SheetRun run(surface, queue, *layout, settings, options, c, sources, catalog);
    try {
        if (c.runCharCount == 0)
            run.printBlankSheet();  // what a Yes to the question would print
        else
            run.printSheets();
    } catch (const PrintSurfaceError &) {
        throw;
    } catch (const std::exception &) {
        // The run would stop here without a word; so does its preview.
    }
    surface.endDoc();
}

}  // namespace bks
