#pragma once

#include "platform/colours.h"
#include "print/run/continuousrun.h"
#include "print/run/runmessages.h"

#include <QString>

#include <array>

namespace bks {

// The module-level variables of the main window, shared by every handler.
struct WindowState {
    std::array<QString, 8> HeaderItems;  // slots 1..7 used
    QString SavedFontName;
    qint16 CharCount = 0;
    qint16 PageCount = 0;  // mirrored from the run counters after a run
    QString SelectedPublisher;
    QString SelectedGrade;
    QString SaveDataText;
    QString EnvironmentLine;
    QString TraceShade = QString::number(kLightGrey);
    float FontScale = 0.9f;
    float LineSpacing = 0.0f;
    float PrintOffset = 0.0f;

    // Print run and single sheets.
    RunCounters run;
    QString CurrentChar;
    QString CurrentPair;
    std::array<QString, 2> SentenceTexts;
};

}  // namespace bks
