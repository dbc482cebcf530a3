#include "kanji/tools/kanjivgsvg.h"

#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace bks {
namespace {

// Numbers from 1 to the count, each once: the values of `byNumber` in order.
template <typename T>
std::optional<QList<T>> numberedOneToN(const QMap<int, T> &byNumber)
{
    QList<T> out;
    int expected = 1;
    for (auto it = byNumber.cbegin(); it != byNumber.cend(); ++it, ++expected) {
        if (it.key() != expected)
            return std::nullopt;
        out.append(it.value());
    }
    return out;
}

}  // namespace

std::optional<char32_t> kanjivgMainFileCodePoint(const QString &fileName)
{
    static const QRegularExpression main(QStringLiteral("^([0-9a-f]{5})\\.svg$"));
    const QRegularExpressionMatch match = main.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    return char32_t(match.captured(1).toUInt(nullptr, 16));
}

Result<StrokeRecord> readKanjivgSvg(const QByteArray &svg, char32_t codePoint)
{
    const QString code = QStringLiteral("%1").arg(uint(codePoint), 5, 16, QLatin1Char('0'));
    const QRegularExpression strokeId(QStringLiteral("^kvg:%1-s([0-9]{1,3})$").arg(code));
    static const QRegularExpression numberAt(
        QStringLiteral("^matrix\\(1 0 0 1 (-?[0-9]+(?:\\.[0-9]+)?) (-?[0-9]+(?:\\.[0-9]+)?)\\)$"));
    const QString numbersGroup = QStringLiteral("kvg:StrokeNumbers_") + code;

    QMap<int, QByteArray> paths;
    QMap<int, QPointF> numbers;
    int numbersDepth = 0;  // inside the StrokeNumbers group when > 0
    QXmlStreamReader xml(svg);
    // KanjiVG declares its kvg: prefix in the DTD, which the reader does not
    // apply; ids and names are compared as written.
    xml.setNamespaceProcessing(false);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && numbersDepth > 0) {
            --numbersDepth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const QStringView name = xml.qualifiedName();
        if (numbersDepth > 0)
            ++numbersDepth;
        if (name == QLatin1String("g") && attributes.value(QLatin1String("id")) == numbersGroup) {
            numbersDepth = 1;
        } else if (name == QLatin1String("path")) {
            const QRegularExpressionMatch id = strokeId.match(attributes.value(QLatin1String("id")));
            if (!id.hasMatch())
                return Failure{QStringLiteral("a path without a stroke id")};
            const int n = id.captured(1).toInt();
            if (paths.contains(n))
                return Failure{QStringLiteral("stroke %1 twice").arg(n)};
            paths.insert(n, attributes.value(QLatin1String("d")).toLatin1());
        } else if (name == QLatin1String("text") && numbersDepth > 0) {
            const QRegularExpressionMatch at = numberAt.match(attributes.value(QLatin1String("transform")));
            bool isNumber = false;
            const int n = xml.readElementText().trimmed().toInt(&isNumber);
            --numbersDepth;  // readElementText() consumed the end of the text
            if (!at.hasMatch() || !isNumber)
                return Failure{QStringLiteral("a stroke number without a number or a position")};
            if (numbers.contains(n))
                return Failure{QStringLiteral("number %1 twice").arg(n)};
            numbers.insert(n, QPointF(at.captured(1).toDouble(), at.captured(2).toDouble()));
        }
    }
    if (xml.hasError())
        return Failure{QStringLiteral("XML: %1").arg(xml.errorString())};

    StrokeRecord record;
    record.codePoint = codePoint;
    const std::optional<QList<QByteArray>> orderedPaths = numberedOneToN(paths);
    const std::optional<QList<QPointF>> orderedNumbers = numberedOneToN(numbers);
    if (!orderedPaths)
        return Failure{QStringLiteral("strokes not numbered 1 to %1").arg(paths.size())};
    if (!orderedNumbers)
        return Failure{QStringLiteral("stroke numbers not 1 to %1").arg(numbers.size())};
    record.paths = *orderedPaths;
    record.numberPositions = *orderedNumbers;
    const QString problem = strokeRecordProblem(record);
    if (!problem.isEmpty())
        return Failure{problem};
    return record;
}

}  // namespace bks
