#pragma once

#include <QString>

namespace bks {

// Where BKS.ini and BKStmp.txt live for one run of the program, and what
// went wrong on the way there (empty when nothing did).
struct SettingsFolder {
    QString path;
    QString problem;  // for the user, in Japanese
};

// A start from the desktop menu would otherwise write both files into the
// home folder, beside the user's own files, so it gets a folder of its own,
// `dataHome`/bokushomaru, made when missing. A working directory that
// already holds a BKS.ini keeps it, however the program was started, and a
// start from a terminal or a script uses the working directory as it always
// has. When the program's own folder cannot be made the working directory
// is used, so the settings still have a place.
SettingsFolder chooseSettingsFolder(bool desktopStart, const QString &workingDir, const QString &dataHome);

// The data home by the XDG Base Directory rules, from the values of
// XDG_DATA_HOME and HOME: the first when it is an absolute path (a relative
// one is to be ignored), else HOME's .local/share when HOME is an absolute
// path; empty when neither is usable.
QString xdgDataHome(const QString &xdgDataHomeValue, const QString &homeValue);

// `chooseSettingsFolder` for this process: the working directory as ".",
// the data home from this process's environment.
SettingsFolder settingsFolderForStart(bool desktopStart);

}  // namespace bks
