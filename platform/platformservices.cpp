#include "platform/platformservices.h"

#include <QStringList>

namespace bks {

QString qtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            continue;
        QString name = parts[i];
        // "テキストファイル(*.txt)" already names its pattern; Qt reads the
        // pattern from the parentheses.
        if (!name.contains(QLatin1Char('(')))
            name += QLatin1String(" (") + parts[i + 1] + QLatin1Char(')');
        out << name;
    }
    return out.join(QLatin1String(";;"));
}

}  // namespace bks
