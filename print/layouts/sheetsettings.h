#pragma once

#include "files/fonts.h"
#include "platform/colours.h"

#include <QString>

#include <array>

namespace bks {

// The headings a sheet carries until the user writes others: title, name,
// on-reading, kun-reading, radical, stroke count, sentence making (slot 0
// unused).
inline const std::array<QString, 8> kDefaultHeadings = {QString(),
                                                        QStringLiteral("漢字練習帳"),
                                                        QStringLiteral("名前"),
                                                        QStringLiteral("音読み"),
                                                        QStringLiteral("訓読み"),
                                                        QStringLiteral("部首"),
                                                        QStringLiteral("画数"),
                                                        QStringLiteral("文作りをしましょう")};

// Everything a sheet layout reads besides the characters and the number: a
// snapshot of the window's print settings taken when a run starts, so the
// window and the command line draw through the same code.
struct SheetSettings {
    QString fontName;                                  // the print face; "@..." is a vertical face
    float fontScale = 0.9f;                            // 0.9 ("100%") or 0.8 ("90%")
    float lineSpacing = 0.0f;                          // 0 or 5
    float printOffset = 0.0f;                          // millimetres: 0, ±2, ±4, ±6
    QString traceShade = QString::number(kLightGrey);  // decimal colour number
    bool tracing = true;                               // "あり" selected
    std::array<QString, 8> headings;                   // slots 1..7: the heading boxes; slot 0 unused
    // Facts written into the heading cells ("画数を記入", "読みを記入",
    // "部首を記入"); off at every start, as the cells are the pupil's.
    bool writeStrokeCount = false;
    bool writeReadings = false;
    bool writeRadical = false;

    bool verticalFont() const { return fontName.startsWith(QLatin1Char('@')); }
    // No face chosen yet ("フォント", the caption before any choice), or none
    // after a cancelled font dialog: either way there is nothing to print with.
    bool noFaceChosen() const { return fontName.isEmpty() || isPlaceholderFace(fontName); }
};

}  // namespace bks
