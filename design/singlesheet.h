#pragma once

#include "print/printjob.h"

#include <QString>

#include <array>

namespace bks {

// Window state a single sheet writes (and the number it prints).
struct SingleSheetState {
    QString &CurrentChar;
    QString &CurrentPair;
    std::array<QString, 2> &SentenceTexts;
    qint16 sheetNumber;
};

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
};

// "単票印刷": one sheet for the first characters of the text, with the picked
// texts, into one output of its own; the printed characters are then cut
// from the text. A cancelled dialog or a failed drawing leaves the text as it
// was; a failed output is reported.
RunResult RunSingleSheet(RunHost &host, TextQueue &text1, const SheetSettings &settings,
                         const SingleSheetChoice &choice, SingleSheetState &state);

}  // namespace bks
