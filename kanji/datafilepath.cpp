#include "kanji/datafilepath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace bks {

QString installedDataFile(const QString &name)
{
    const QString folder = QCoreApplication::instance()
                               ? QCoreApplication::applicationDirPath()
                               : QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget())
                                     .path();
    const QString built = folder + QStringLiteral("/data/") + name;
    if (QFileInfo::exists(built))
        return built;
    return QDir::cleanPath(folder + QStringLiteral("/../share/bokushomaru/") + name);
}

}  // namespace bks
