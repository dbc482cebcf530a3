#include "kanji/tools/edict.h"

#include <QFile>
#include <QStringDecoder>

namespace bks {

Result<QHash<QString, EdictEntry>> readEdict(const QString &path, const QSet<QString> &wanted)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{path + QStringLiteral(": ") + file.errorString()};
    QStringDecoder decode("EUC-JP");
    if (!decode.isValid())
        return Failure{QStringLiteral("no EUC-JP decoder in this Qt")};
    const QString text = decode(file.readAll());
    if (decode.hasError())
        return Failure{path + QStringLiteral(": not EUC-JP text")};
    QHash<QString, EdictEntry> out;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        if (space <= 0)
            continue;
        const QString word = line.left(space).toString();
        if (!wanted.isEmpty() && !wanted.contains(word))
            continue;
        QStringView rest = line.mid(space + 1);
        QString reading = word;
        if (rest.startsWith(QLatin1Char('['))) {
            const qsizetype close = rest.indexOf(QLatin1Char(']'));
            if (close < 0)
                continue;
            reading = rest.mid(1, close - 1).toString();
            rest = rest.mid(close + 1);
        }
        EdictEntry &entry = out[word];
        if (!entry.readings.contains(reading))
            entry.readings.append(reading);
        entry.common = entry.common || rest.contains(QLatin1String("(P)"));
    }
    if (out.isEmpty())
        return Failure{path + QStringLiteral(": no entries")};
    return out;
}

}  // namespace bks
