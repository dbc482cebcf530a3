#include "design/singlesheet.h"

#include "print/sheetlayouts.h"

namespace bks {

namespace {

const QString kNoFontYet = QStringLiteral("フォント");
const QString kBlank = QString(QChar(0x3000));

}  // namespace

RunResult RunSingleSheet(RunHost &host, TextQueue &text1, SheetSettings settings, bool twoChar,
                         const QString &combo3Text, const QString &combo4Text,
                         SingleSheetState &state)
{
    PlatformServices &services = *host.services;
    if (settings.fontName == kNoFontYet) {
        services.messageBox(QStringLiteral("フォントを設定してください"), QStringLiteral("インフォーメーション"),
                            MsgButtons::Ok, MsgIcon::Critical);
        return RunResult::NothingPrinted;
    }
    if (host.saveTemp)
        host.saveTemp(text1.text());
    const std::optional<PrinterChoice> choice = services.showPrinter();
    if (!choice)
        return RunResult::NothingPrinted;

    const QString text = text1.text();
    std::unique_ptr<PrintSurface> surface;
    QString error;
    try {
        surface = host.openSurface(*choice);
        if (!surface)
            throw PrintSurfaceError("");
        if (twoChar) {
            // A lone character is paired with a blank and used up at once,
            // rather than printed a second time on the next press.
            state.CurrentPair = text.size() == 1 ? text + kBlank : text.left(2);
            state.SentenceTexts[0] = combo3Text;
            state.SentenceTexts[1] = combo4Text;
            settings.sentenceTexts = state.SentenceTexts;
            PrintTwoCharPage(*surface, settings, state.CurrentPair, state.sheetNumber);
        } else {
            state.CurrentChar = text.left(1);
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
        ReportOutputFailure(services, error, QStringLiteral("単票印刷"));
        return RunResult::OutputFailed;
    } catch (const std::exception &) {
        // A run-time failure while drawing ends the sheet silently; the text
        // stays as it was.
        if (surface && !surface->finish(&error)) {
            ReportOutputFailure(services, error, QStringLiteral("単票印刷"));
            return RunResult::OutputFailed;
        }
        return RunResult::Stopped;
    }
    if (!surface->finish(&error)) {
        ReportOutputFailure(services, error, QStringLiteral("単票印刷"));
        return RunResult::OutputFailed;
    }
    ReportOutputNotice(services, *surface, QStringLiteral("単票印刷"));

    if (twoChar) {
        QString rest = text.size() >= 2 ? text.mid(2) : QString();
        if (rest.size() == 1)
            rest += kBlank;
        text1.setText(rest);
    } else {
        text1.setText(text.mid(1));
    }
    return RunResult::Printed;
}

}  // namespace bks
