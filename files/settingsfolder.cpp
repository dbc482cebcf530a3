#include "files/settingsfolder.h"

#include "common/shownname.h"
#include "files/environmentfile.h"

#include <QDir>
#include <QFileInfo>

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
                    .arg(shownName(QDir::toNativeSeparators(own)),
                         shownName(QDir::toNativeSeparators(working.absolutePath())))};
    }
    return {workingDir, QStringLiteral("設定を保存するフォルダが決められません（XDG_DATA_HOME も HOME "
                                       "もありません）。\r\n設定は作業フォルダ「%1」に置きます。")
                            .arg(shownName(QDir::toNativeSeparators(working.absolutePath())))};
}

QString xdgDataHome(const QString &xdgDataHomeValue, const QString &homeValue)
{
    if (QDir::isAbsolutePath(xdgDataHomeValue))
        return QDir::cleanPath(xdgDataHomeValue);
    // Not QDir::homePath(): without HOME it answers "/", and the settings
    // would go to a folder nobody chose.
    if (QDir::isAbsolutePath(homeValue))
        return QDir::cleanPath(homeValue + QStringLiteral("/.local/share"));
    return QString();
}

SettingsFolder settingsFolderForStart(bool desktopStart)
{
    return chooseSettingsFolder(desktopStart, QStringLiteral("."),
                                xdgDataHome(qEnvironmentVariable("XDG_DATA_HOME"),
                                            qEnvironmentVariable("HOME")));
}

}  // namespace bks
