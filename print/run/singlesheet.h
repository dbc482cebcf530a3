#pragma once

#include "print/run/runtypes.h"
#include "print/text/textqueue.h"

#include <QString>

#include <array>

namespace bks {

// What the single sheet is asked to print besides the text's front.
struct SingleSheetChoice {
    std::string_view form = kPracticeForm;
    int perSheet = 2;
    // The texts of the two pick lists, and whether they are the examples
    // (the built-in dictionary is not used) ...
    std::array<QString, 2> picked;
    bool printPicked = false;
    // ... or the typed example texts are.
    std::array<QString, 2> typed;
    // Printed at the sheet's foot.
    qint16 number = 0;
};

struct SingleSheetResult {
    RunResult result = RunResult::NothingPrinted;
    // Once the output was open, the sheet's characters: what the window
    // remembers as the last single sheet, together with the picked texts.
    bool drawn = false;
    QString characters;
};

// "単票印刷": one sheet for the first characters of the text, with the picked
// texts, into one output of its own; the printed characters are then cut
// from the text. A cancelled dialog or a failed drawing leaves the text as it
// was; a failed output is reported.
SingleSheetResult RunSingleSheet(RunHost &host, TextQueue &text1, const SheetSettings &settings,
                                 const SingleSheetChoice &choice);

}  // namespace bks
