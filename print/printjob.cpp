#include "print/printjob.h"

#include "print/runloops.h"
#include "print/sheetmath.h"

#include <limits>

namespace bks {

namespace {


QString runTitle()
{
    return QStringLiteral("漢字練習帳連続印刷");
}


// The click handler's sheet count, with the blank that pairs an odd last
// character. Returns the number of sheets an all-pages run prints.
int countSheets(TextQueue &text1, const RunOptions &options, RunCounters &c)
{
    if (options.oneChar) {
        c.pageCount = c.runCharCount;
    } else if (c.runCharCount % 2 != 0) {
        text1.append(kBlank);
        c.pageCount = static_cast<qint16>((c.runCharCount + 1) / 2);
    } else {
        c.pageCount = static_cast<qint16>(c.runCharCount / 2);
    }
    return c.pageCount;
}

// The count stops at 32,767: a longer list is more than one run prints.
bool beyondCount(const TextQueue &text1)
{
    constexpr qint16 kMax = std::numeric_limits<qint16>::max();
    return text1.charCount() == kMax && text1.characters() > kMax;
}

// The run's count: of the characters the window counts, those that are
// printed (line breaks and tabs are not sheets). A list beyond the count
// prints as many of its own characters as the count allows, an even number
// for pairs, so no blank is added in the middle of it.
qint16 printedCount(const TextQueue &text1, bool pairs)
{
    constexpr qint16 kMax = std::numeric_limits<qint16>::max();
    const qint16 counted = text1.charCount();
    if (counted <= 0)
        return counted;
    if (beyondCount(text1)) {
        const qsizetype printable = text1.printableCount();
        if (printable > kMax)
            return pairs ? kMax - 1 : kMax;
        return static_cast<qint16>(printable);
    }
    return saturatedCount(text1.printableWithin(counted));
}

bool confirmEmptySheet(PlatformServices &services)
{
    return services.messageBox(QStringLiteral("印刷するものがありません") + QStringLiteral("\r\n") +
                                   QStringLiteral("文字なしで印刷しますか？"),
                               runTitle(), MsgButtons::YesNo, MsgIcon::Question) == MsgResult::Yes;
}

}  // namespace

RunResult Command1Click(RunHost &host, TextQueue &text1, const SheetSettings &settings,
                        const RunOptions &options, RunCounters &counters)
{
    PlatformServices &services = *host.services;
    RunCounters &c = counters;
    c.runCharCount = printedCount(text1, !options.oneChar);
    // The count is 16-bit: a longer list prints what the count allows and
    // the user is told about the rest.
    const bool tooLong = beyondCount(text1);

    if (!options.tenPages && c.runCharCount >= 50 && options.askBeforeLongRun) {
        const MsgResult answer = services.messageBox(
            QStringLiteral("印刷枚数が５０枚を超えています") + QStringLiteral("\r\n") +
                QStringLiteral("時間がかかりますが実行しますか"),
            QStringLiteral("印刷時間確認"), MsgButtons::OkCancel, MsgIcon::Exclamation);
        if (answer != MsgResult::Ok)
            return RunResult::NothingPrinted;  // no document was opened to end
    }

    const int sheets = countSheets(text1, options, c);

    if (settings.noFaceChosen()) {
        services.messageBox(QStringLiteral("フォントを選択してください"), QString(), MsgButtons::Ok,
                            MsgIcon::None);
        return RunResult::NothingPrinted;
    }
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
    auto outputFailed = [&](const QString &error) {
        if (text1.text() != startText)
            text1.setText(startText);
        c.sheetsOfList = startSheetsOfList;
        ReportOutputFailure(services, error, runTitle(), NotPrintedNote(host, text1));
        return RunResult::OutputFailed;
    };

    std::unique_ptr<PrintSurface> surface;
    try {
        if (host.openSurface)
            surface = host.openSurface(*choice);
    } catch (const std::exception &e) {
        return outputFailed(QString::fromUtf8(e.what()));
    }
    if (!surface)
        return outputFailed(QStringLiteral("出力先を開けませんでした。"));

    RunLoops run(*surface, text1, settings, options, c);
    std::unique_ptr<RunProgress> progress;
    RunResult result = RunResult::Printed;
    bool failed = false;
    QString error;
    try {
        const bool empty = options.oneChar ? c.runCharCount == 0 : printedCount(text1, true) == 0;
        if (!options.oneChar) {
            c.runCharCount = printedCount(text1, true);
            c.sheetNumber = 1;
        }
        if (empty) {
            if (confirmEmptySheet(services))
                run.printEmptySheet();
            else
                result = RunResult::NothingPrinted;
        } else {
            if (!options.tenPages && sheets > 10) {
                progress = services.startProgress(QStringLiteral("連続印刷"), sheets);
                run.setProgress(progress.get(), sheets);
            }
            if (options.oneChar)
                run.RunOneCharJob();
            else
                run.RunTwoCharJob();
            if (run.cancelled())
                result = RunResult::Stopped;
        }
    } catch (const PrintSurfaceError &e) {
        failed = true;
        error = QString::fromUtf8(e.what());
    } catch (const std::exception &) {
        // Text2 not a number, a 16-bit overflow: the run ends silently and
        // the sheets already ended stay printed.
        result = RunResult::Stopped;
    }
    progress.reset();

    // The whole run is one file or one job, written at its end: a stopped run
    // is abandoned whole, so no half-written PDF replaces an earlier one, no
    // printer gets half a stack, and the list is as it was.
    if (run.cancelled() && !failed) {
        surface.reset();
        text1.setText(startText);
        c.sheetsOfList = startSheetsOfList;
        return RunResult::Stopped;
    }

    try {
        surface->endDoc();
    } catch (const PrintSurfaceError &e) {
        if (!failed) {
            failed = true;
            error = QString::fromUtf8(e.what());
        }
    }
    QString finishError;
    if (!surface->finish(&finishError) && !failed) {
        failed = true;
        error = finishError;
    }
    if (failed)
        return outputFailed(error);
    ReportOutputNotice(services, *surface, runTitle());
    if (result == RunResult::Printed && tooLong && !options.tenPages && !text1.isEmpty()) {
        ReportCharactersLeft(services, text1.printableCount(), runTitle(), NotPrintedNote(host, text1));
        return RunResult::CharactersLeft;
    }
    return result;
}

void PreviewRun(PrintSurface &surface, QString text, const SheetSettings &settings,
                const RunOptions &options, RunCounters counters)
{
    TextQueue queue(text);
    RunCounters &c = counters;
    c.runCharCount = printedCount(queue, !options.oneChar);
    countSheets(queue, options, c);
    if (settings.noFaceChosen())
        return;

    RunLoops run(surface, queue, settings, options, c);
    try {
        if (!options.oneChar) {
            c.runCharCount = printedCount(queue, !options.oneChar);
            c.sheetNumber = 1;
        }
        if (c.runCharCount == 0)
            run.printEmptySheet();  // what a Yes to the question would print
        else if (options.oneChar)
            run.RunOneCharJob();
        else
            run.RunTwoCharJob();
    } catch (const PrintSurfaceError &) {
        throw;
    } catch (const std::exception &) {
        // The run would stop here without a word; so does its preview.
    }
    surface.endDoc();
}

}  // namespace bks
