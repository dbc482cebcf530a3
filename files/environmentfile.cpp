#include "files/environmentfile.h"

#include "files/checkedfile.h"
#include "files/textcodec.h"

#include <QFile>
#include <QFileInfo>

namespace bks {

namespace {

// A settings file is one short line; anything much longer is not one, and
// reading it whole would only hold up start-up.
constexpr qint64 kMaxEnvironmentBytes = 64 * 1024;
constexpr int kEnvironmentFields = 9;

const QChar kQuote = QLatin1Char('"');
const QChar kComma = QLatin1Char(',');
const QChar kFullWidthQuote = QChar(0xFF02);  // ＂

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Steps over one line end (CR LF, CR or LF) at `i`.
qsizetype skipLineEnd(const QString &text, qsizetype i)
{
    if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
        return i + 2;
    return i + 1;
}

}  // namespace

QStringList readListFields(const QString &text, int maxFields)
{
    QStringList fields;
    const qsizetype n = text.size();
    qsizetype i = 0;
    bool afterComma = false;  // a comma promises a field, even an empty one
    while (fields.size() < maxFields) {
        while (i < n && (isBlank(text[i]) || (!afterComma && isLineEnd(text[i]))))
            ++i;
        if (i >= n && !afterComma)
            break;

        QString field;
        if (i < n && text[i] == kQuote) {
            const qsizetype close = text.indexOf(kQuote, i + 1);
            const qsizetype end = close < 0 ? n : close;
            field = text.mid(i + 1, end - i - 1);
            // Whatever stands between the closing quote and the next comma
            // or line end belongs to no field.
            i = close < 0 ? n : close + 1;
            while (i < n && text[i] != kComma && !isLineEnd(text[i]))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != kComma && !isLineEnd(text[i]))
                ++i;
            qsizetype end = i;
            while (end > start && isBlank(text[end - 1]))
                --end;
            field = text.mid(start, end - start);
        }
        fields.append(field);

        afterComma = false;
        if (i < n) {
            if (text[i] == kComma) {
                afterComma = true;
                ++i;
            } else {
                i = skipLineEnd(text, i);
            }
        }
    }
    return fields;
}

EnvironmentData parseEnvironment(const QByteArray &bytes)
{
    EnvironmentData data;
    const QStringList fields = readListFields(decodeTextFile(bytes), kEnvironmentFields);
    data.fieldsRead = int(fields.size());
    for (int k = 0; k < data.fieldsRead; ++k) {
        if (k < 7)
            data.headings[std::size_t(k) + 1] = fields[k];
        else if (k == 7)
            data.fontName = fields[k];
        else
            data.character = fields[k];
    }
    return data;
}

EnvironmentData ReadEnvironmentFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(kMaxEnvironmentBytes);
    if (file.error() != QFileDevice::NoError)
        return {};
    return parseEnvironment(bytes);
}

namespace {

bool needsQuotes(const QString &field)
{
    if (field.isEmpty())
        return false;
    return field.contains(kComma) || field.startsWith(kQuote) || isBlank(field.front())
           || isBlank(field.back()) || field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
}

// A field is written as before unless reading would not give it back whole;
// then it goes in quotes, and a double quote, which a quoted field cannot
// hold, becomes its full-width form.
QString environmentField(const QString &field)
{
    if (!needsQuotes(field))
        return field;
    QString inner = field;
    inner.replace(kQuote, kFullWidthQuote);
    return kQuote + inner + kQuote;
}

}  // namespace

QString BuildEnvironmentLine(const std::array<QString, 8> &headings, const QString &fontName,
                             const QString &character)
{
    QStringList fields;
    for (std::size_t k = 1; k <= 7; ++k)
        fields.append(environmentField(headings[k]));
    fields.append(environmentField(fontName));
    fields.append(environmentField(character));
    return fields.join(kComma);
}

Result<> WriteEnvironmentFile(const QString &line, const QString &path)
{
    return writeFileAtomically(path, encodeShiftJis(line + QStringLiteral("\r\n")));
}

}  // namespace bks
