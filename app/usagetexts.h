#pragma once

#include <QStringList>

namespace bks {

// The usage text the kanji box holds when the window opens.
QStringList StartupUsageLines();
// The usage text the screen reset writes.
QStringList ResetUsageLines();
// Joins lines the way the window fills its text box: every line followed by
// "\r\n".
QString joinLinesCrLf(const QStringList &lines);

inline const QString kWindowTitle = QStringLiteral("墨翔丸ふたり筆－2020年度学習指導要領準拠－");
inline const QStringList kDefaultHeadings = {QString(),
                                             QStringLiteral("漢字練習帳"),
                                             QStringLiteral("名前"),
                                             QStringLiteral("音読み"),
                                             QStringLiteral("訓読み"),
                                             QStringLiteral("部首"),
                                             QStringLiteral("画数"),
                                             QStringLiteral("文作りをしましょう")};

}  // namespace bks
