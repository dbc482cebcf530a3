#include "design/singlesheet.h"

#include "print/sheetlayouts.h"

namespace bks {

namespace {

const QString kBlank = QString(QChar(0x3000));

}  // namespace

RunResult RunSingleSheet(RunHost &host, TextQueue &text1, SheetSettings settings, bool twoChar,
                         const QString &combo3Text, const QString &combo4Text,
                         SingleSheetState &state)
{
    PlatformServices &services = *host.services;
    if (settings.noFaceChosen()) {
        services.messageBox(QStringLiteral("フォントを設定してください"), QStringLiteral("インフォーメーション"),
                            MsgButtons::Ok, MsgIcon::Critical);
        return RunResult::NothingPrinted;
    }
    if (host.saveTemp)
        host.saveTemp(text1.text());
    const std::optional<PrinterChoice> choice = services.showPrinter();
    if (!choice)
        return RunResult::NothingPrinted;

    const QString front = text1.front(2);
    const QString first = printableFront(front, 1);
    std::unique_ptr<PrintSurface> surface;
    QString error;
    try {
        surface = host.openSurface(*choice);
        if (!surface)
            throw PrintSurfaceError("");
        if (twoChar) {
            // A lone character is paired with a blank and used up at once,
            // rather than printed a second time on the next press.
            state.CurrentPair = front == first ? first + kBlank : front;
            state.SentenceTexts[0] = combo3Text;
            state.SentenceTexts[1] = combo4Text;
            settings.sentenceTexts = state.SentenceTexts;
            PrintTwoCharPage(*surface, settings, state.CurrentPair, state.sheetNumber);
        } else {
            state.CurrentChar = first;
            state.SentenceTexts[0] = combo3Text;
            settings.sentenceTexts = state.SentenceTexts;
            PrintOneCharPage(*surface, settings, state.CurrentChar, state.sheetNumber);
        }
        surface->endDoc();
    } catch (const PrintSurfaceError &e) {
        // The output itself failed: say so, whatever else had gone wrong.
        error = QString::fromUtf8(e.what());
        if (surface)
            surface->finish(&error);
        ReportOutputFailure(services, error, QStringLiteral("単票印刷"), NotPrintedNote(host, text1));
        return RunResult::OutputFailed;
    } catch (const std::exception &) {
        // A run-time failure while drawing ends the sheet silently; the text
        // stays as it was.
        if (surface && !surface->finish(&error)) {
            ReportOutputFailure(services, error, QStringLiteral("単票印刷"), NotPrintedNote(host, text1));
            return RunResult::OutputFailed;
        }
        return RunResult::Stopped;
    }
    if (!surface->finish(&error)) {
        ReportOutputFailure(services, error, QStringLiteral("単票印刷"), NotPrintedNote(host, text1));
        return RunResult::OutputFailed;
    }
    ReportOutputNotice(services, *surface, QStringLiteral("単票印刷"));

    if (twoChar) {
        text1.takeFront(2);
        if (text1.printableCount() == 1 && text1.characters() == 1)
            text1.append(kBlank);
    } else {
        text1.takeFront(1);
    }
    return RunResult::Printed;
}

}  // namespace bks
