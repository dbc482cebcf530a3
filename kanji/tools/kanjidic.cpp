#include "kanji/tools/kanjidic.h"

#include <QXmlStreamReader>

#include <zlib.h>

#include <memory>

namespace bks {
namespace {

Result<QByteArray> gunzip(const QString &path)
{
    const std::unique_ptr<gzFile_s, int (*)(gzFile)> file(gzopen(path.toLocal8Bit().constData(), "rb"),
                                                          &gzclose);
    if (!file)
        return Failure{path + QStringLiteral(": cannot be opened")};
    QByteArray out;
    char buffer[1 << 16];
    int n = 0;
    while ((n = gzread(file.get(), buffer, sizeof buffer)) > 0)
        out.append(buffer, n);
    if (n < 0)
        return Failure{path + QStringLiteral(": not a readable gzip file")};
    return out;
}

}  // namespace

QString kangxiRadical(int number)
{
    if (number < 1 || number > 214)
        return QString();
    // The Kangxi Radicals block holds the 214 in order; each stands for the
    // ordinary ideograph its compatibility decomposition names.
    return QString(QChar(char16_t(0x2F00 + number - 1))).normalized(QString::NormalizationForm_KC);
}

Result<QHash<char32_t, KanjidicEntry>> readKanjidic(const QString &gzipPath)
{
    Result<QByteArray> bytes = gunzip(gzipPath);
    if (!bytes)
        return Failure{bytes.failure()};
    QXmlStreamReader xml(bytes.value());
    QHash<char32_t, KanjidicEntry> out;
    QList<uint> literal;
    KanjidicEntry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringView name = xml.name();
            if (name == QLatin1String("character")) {
                literal.clear();
                entry = KanjidicEntry();
            } else if (name == QLatin1String("literal")) {
                literal = xml.readElementText().toUcs4();
            } else if (name == QLatin1String("grade")) {
                entry.grade = xml.readElementText().toInt();
            } else if (name == QLatin1String("rad_value")
                       && xml.attributes().value(QLatin1String("rad_type")) == QLatin1String("classical")) {
                entry.classicalRadical = xml.readElementText().toInt();
            } else if (name == QLatin1String("reading")
                       && xml.attributes().value(QLatin1String("r_type")) == QLatin1String("ja_kun")) {
                entry.kunReadings.append(xml.readElementText());
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("character") && literal.size() == 1) {
            out.insert(char32_t(literal[0]), entry);
        }
    }
    if (xml.hasError())
        return Failure{gzipPath + QStringLiteral(": ") + xml.errorString()};
    return out;
}

}  // namespace bks
