#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace bks {

QStringList DesignHelpLines();      // "デザイン＋例文（単票モード）編集のヘルプ"
QStringList DictionaryHelpLines();  // "内蔵辞書とフォント"

// The maker's web page, set when the program is built.
QUrl WebAddress();
// Only http and https addresses are handed to the desktop.
bool isOpenableWebAddress(const QUrl &url);

inline const QString kVersionCaption = QStringLiteral("墨翔丸　v.2.0.0");
inline const QString kVersionDate = QStringLiteral("2020 JUN");

}  // namespace bks
