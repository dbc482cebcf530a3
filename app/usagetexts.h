#pragma once

#include <QStringList>

namespace bks {

// The usage text the kanji box holds when the window opens.
QStringList StartupUsageLines();
// The usage text the screen reset writes.
QStringList ResetUsageLines();
// What `bokushomaru --help` prints: every command and option.
QString usageText();
// Joins lines the way the window fills its text box: every line followed by
// "\r\n".
QString joinLinesCrLf(const QStringList &lines);

// Named in the version menu: the stroke data's source and licence.
inline const QString kVersionMenuStrokeCredit = QStringLiteral(
    "書き順データ: KanjiVG © Ulrich Apel (CC BY-SA 3.0)");
// And the sources of the readings, radicals and test words.
inline const QString kVersionMenuFactsCredit = QStringLiteral(
    "読み・部首・テストの言葉: 常用漢字表（パブリックドメイン、mojidata の形で、MIT）、"
    "KANJIDIC2・EDICT © EDRDG (CC BY-SA 3.0)、KanjiVG © Ulrich Apel (CC BY-SA 3.0)");

inline const QString kWindowTitle = QStringLiteral("墨翔丸ふたり筆－2020年度学習指導要領準拠－");

}  // namespace bks
