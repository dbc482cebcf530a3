#include "design/singlesheet.h"

#include "print/characterscan.h"
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

SingleSheetResult RunSingleSheet(RunHost &host, TextQueue &text1, const SheetSettings &settings,
                                 const SingleSheetChoice &choice)
{
    PlatformServices &services = *host.services;
    SingleSheetResult done;
    const SheetLayout *layout = host.sheetCatalog().chooseLayout(choice.form, choice.perSheet);
    if (!layout)
        return done;
    if (settings.noFaceChosen()) {
        services.messageBox(QStringLiteral("フォントを設定してください"),
                            QStringLiteral("インフォーメーション"), MsgButtons::Ok, MsgIcon::Critical);
        return done;
    }
    const int perSheet = layout->charactersPerSheet;
    const QString characters = sheetCharacters(text1, perSheet);
    const CharacterScan scan = scanCharacters(characters, settings.fontName,
                                              layout->drawsOn(kStrokes.id)
                                                  ? host.dataSources().find(kStrokes.id)
                                                  : nullptr);
    if (!confirmCharacters(host, scan, settings.fontName, kTitle))
        return done;
    if (host.saveTemp)
        host.saveTemp(text1.text());
    const std::optional<PrinterChoice> printer = services.showPrinter();
    if (!printer)
        return done;

    SheetOutput output(host, kTitle);
    if (!output.open(*printer)) {
        output.reportFailure(text1);
        done.result = RunResult::OutputFailed;
        return done;
    }
    done.drawn = true;
    done.characters = characters;
    const SheetContent content = sheetContent(*layout, done.characters, choice.number,
                                              choice.printPicked ? choice.picked : choice.typed,
                                              host.dataSources());
    bool stopped = false;
    try {
        host.sheetCatalog().printSheet(*layout, output.surface(), content, settings);
    } catch (const PrintSurfaceError &e) {
        output.fail(QString::fromUtf8(e.what()));
    } catch (const std::exception &) {
        // A run-time failure while drawing ends the sheet silently; the text
        // stays as it was.
        stopped = true;
    }
    if (!output.finish()) {
        output.reportFailure(text1);
        done.result = RunResult::OutputFailed;
        return done;
    }
    if (stopped) {
        done.result = RunResult::Stopped;
        return done;
    }
    output.reportNotice();

    text1.takeFront(perSheet);
    const qsizetype left = text1.printableCount();
    if (left > 0 && left < perSheet && text1.characters() == left)
        text1.append(QString(perSheet - left, kBlank));
    done.result = RunResult::Printed;
    return done;
}

}  // namespace bks
