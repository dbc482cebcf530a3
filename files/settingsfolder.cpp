#include "files/settingsfolder.h"

#include "files/environmentfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace bks {

SettingsFolder chooseSettingsFolder(bool desktopStart, const QString &workingDir, const QString &dataHome)
{
    const QDir working(workingDir);
    if (!desktopStart || QFileInfo(working.filePath(kEnvironmentFileName)).isFile())
        return {workingDir, QString()};
    // Without a data home there is no sensible own folder; a relative one
    // would land in whatever directory the desktop started us in.
    if (!dataHome.isEmpty() && QDir::isAbsolutePath(dataHome)) {
        const QString own = QDir(dataHome).filePath(QStringLiteral("bokushomaru"));
        if (QDir().mkpath(own) && QFileInfo(own).isDir() && QFileInfo(own).isWritable())
            return {own, QString()};
        return {workingDir,
                QStringLiteral("設定を保存するフォルダ「%1」を作れませんでした。\r\n"
                               "設定（BKS.ini）と一時保存（BKStmp.txt）は作業フォルダ「%2」に置きます。")
                    .arg(QDir::toNativeSeparators(own), QDir::toNativeSeparators(working.absolutePath()))};
    }
    return {workingDir, QStringLiteral("設定を保存するフォルダが決められません（XDG_DATA_HOME も HOME "
                                       "もありません）。\r\n設定は作業フォルダ「%1」に置きます。")
                            .arg(QDir::toNativeSeparators(working.absolutePath()))};
}

SettingsFolder settingsFolderForStart(bool desktopStart)
{
    return chooseSettingsFolder(desktopStart, QStringLiteral("."),
                                QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

}  // namespace bks
