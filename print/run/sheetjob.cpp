#include "print/run/sheetjob.h"

#include "print/run/characterscan.h"
#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"
#include "print/run/sheetoutput.h"
#include "print/run/sheetrun.h"

namespace bks {

namespace {

// Says why nothing prints for a form asked for with a count it does not
// offer, rather than printing nothing without a word.
void refuseCount(PlatformServices &services, const SheetCatalog &catalog, std::string_view form, int perSheet,
                 const QString &title)
{
    const SheetForm *known = catalog.findForm(form);
    const QString name = known ? known->name.toString()
                               : QString::fromUtf8(form.data(), qsizetype(form.size()));
    services.messageBox(QStringLiteral("「%1」には１枚に%2文字の用紙がありません。")
                            .arg(name, fullWidthDigits(std::max(perSheet, 0))),
                        title, MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace

RunResult runSheetJob(RunHost &host, TextQueue &text1, const SheetSettings &settings, std::string_view form,
                      int perSheet, JobSheets &sheets, const JobWording &wording)
{
    PlatformServices &services = *host.services;
    const SheetLayout *layout = host.sheetCatalog().chooseLayout(form, perSheet);
    if (!layout) {
        refuseCount(services, host.sheetCatalog(), form, perSheet, wording.title);
        return RunResult::NothingPrinted;
    }
    if (!sheets.begin(*layout))
        return RunResult::NothingPrinted;  // no document was opened to end
    if (settings.noFaceChosen()) {
        services.messageBox(wording.noFace, wording.noFaceTitle, MsgButtons::Ok, wording.noFaceIcon);
        return RunResult::NothingPrinted;
    }
    const CharacterScan scan = scanCharacters(sheets.characters(), settings.fontName,
                                              layout->drawsOn(kStrokes.id)
                                                  ? host.dataSources().find(kStrokes.id)
                                                  : nullptr);
    if (!confirmCharacters(host, scan, settings.fontName, wording.title))
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

    SheetOutput output(host, wording.title);
    auto outputFailed = [&] {
        sheets.restore();
        output.reportFailure(text1, sheets.padding());
        return RunResult::OutputFailed;
    };
    if (!output.open(*choice))
        return outputFailed();

    RunResult result = RunResult::Printed;
    try {
        result = sheets.draw(output.surface());
    } catch (const PrintSurfaceError &e) {
        output.fail(QString::fromUtf8(e.what()));
    } catch (const SheetNumbersRanOut &) {
        result = RunResult::NumbersRanOut;
    } catch (const std::exception &) {
        // A first number that is not a number, a 16-bit overflow: the sheets
        // end silently and those already ended stay printed.
        result = RunResult::Stopped;
    }

    // The whole output is one file or one job, written at its end: sheets
    // the user stopped are dropped whole, so no half-written PDF replaces an
    // earlier one, no printer gets half a stack, and the list is as it was.
    if (sheets.cancelled() && !output.failed()) {
        output.abandon();
        sheets.restore();
        return RunResult::Stopped;
    }
    if (!output.finish())
        return outputFailed();
    output.reportNotice();
    return sheets.written(result);
}

}  // namespace bks
