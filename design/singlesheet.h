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

// "単票印刷": one sheet for the first one or two characters of the text, with
// the picked texts, into one output of its own; the printed characters are
// then cut from the text. A cancelled dialog or a failed drawing leaves the
// text as it was; a failed output is reported.
RunResult RunSingleSheet(RunHost &host, TextQueue &text1, SheetSettings settings, bool twoChar,
                         const QString &combo3Text, const QString &combo4Text,
                         SingleSheetState &state);

}  // namespace bks
