#include "design/singlesheet.h"

#include "print/sheetoutput.h"
#include "print/sheetrun.h"

namespace bks {

namespace {

const QString kTitle = QStringLiteral("単票印刷");

// A short sheet is filled with blanks, so a lone character is used up at
// once rather than printed a second time on the next press. A one-character
// sheet of an empty text shows nothing at all.
QString sheetCharacters(const TextQueue &text1, int perSheet)
{
    QString characters = text1.front(perSheet);
    const qsizetype count = countCharacters(characters);
    if (count > 0 || perSheet > 1)
        characters += QString(std::max<qsizetype>(perSheet - count, 0), kBlank);
    return characters;
}

}  // namespace

RunResult RunSingleSheet(RunHost &host, TextQueue &text1, const SheetSettings &settings,
                         const SingleSheetChoice &choice, SingleSheetState &state)
{
    PlatformServices &services = *host.services;
    const SheetLayout *layout = chooseLayout(choice.form, choice.perSheet);
    if (!layout)
        return RunResult::NothingPrinted;
    if (settings.noFaceChosen()) {
        services.messageBox(QStringLiteral("フォントを設定してください"),
                            QStringLiteral("インフォーメーション"), MsgButtons::Ok, MsgIcon::Critical);
        return RunResult::NothingPrinted;
    }
    if (host.saveTemp)
        host.saveTemp(text1.text());
    const std::optional<PrinterChoice> printer = services.showPrinter();
    if (!printer)
        return RunResult::NothingPrinted;

    const int perSheet = layout->charactersPerSheet;
    const QString characters = sheetCharacters(text1, perSheet);
    // The window remembers the last single sheet's characters by their count.
    (perSheet == 1 ? state.CurrentChar : state.CurrentPair) = characters;
    for (int i = 0; i < perSheet && i < 2; ++i)
        state.SentenceTexts[i] = choice.picked[i];
    const SheetContent content = sheetContent(characters, state.sheetNumber,
                                              choice.printPicked ? state.SentenceTexts : choice.typed);

    SheetOutput output(host, kTitle);
    if (!output.open(*printer)) {
        output.reportFailure(text1);
        return RunResult::OutputFailed;
    }
    bool stopped = false;
    try {
        printSheet(*layout, output.surface(), content, settings);
    } catch (const PrintSurfaceError &e) {
        output.fail(QString::fromUtf8(e.what()));
    } catch (const std::exception &) {
        // A run-time failure while drawing ends the sheet silently; the text
        // stays as it was.
        stopped = true;
    }
    if (!output.finish()) {
        output.reportFailure(text1);
        return RunResult::OutputFailed;
    }
    if (stopped)
        return RunResult::Stopped;
    output.reportNotice();

    text1.takeFront(perSheet);
    const qsizetype left = text1.printableCount();
    if (left > 0 && left < perSheet && text1.characters() == left)
        text1.append(QString(perSheet - left, kBlank));
    return RunResult::Printed;
}

}  // namespace bks
