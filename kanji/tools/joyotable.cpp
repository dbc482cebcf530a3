#include "kanji/tools/joyotable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <sqlite3.h>

#include <memory>

namespace bks {
namespace {

QString column(sqlite3_stmt *statement, int i)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, i));
    return text ? QString::fromUtf8(text) : QString();
}

bool continues(const QString &note)
{
    static const QRegularExpression remark(QStringLiteral("^[「［＊]"));
    return remark.match(note).hasMatch() && !note.endsWith(QStringLiteral("。"))
           && !note.endsWith(QStringLiteral("］"));
}

}  // namespace

QList<JoyoRow> mendJoyoRows(QList<JoyoRow> rows, QStringList *mended)
{
    for (qsizetype i = 0; i + 1 < rows.size(); ++i) {
        while (continues(rows[i].note) && i + 1 < rows.size() && !rows[i + 1].note.isEmpty()) {
            if (mended)
                mended->append(QStringLiteral("%1: the note goes on beside %2")
                                   .arg(rows[i].reading, rows[i + 1].reading));
            rows[i].note += rows[i + 1].note;
            rows[i + 1].note.clear();
        }
    }
    for (JoyoRow &row : rows) {
        for (QString &example : row.examples) {
            const qsizetype tab = example.indexOf(QLatin1Char('\t'));
            if (tab < 0)
                continue;
            const QString note = example.mid(tab + 1).trimmed();
            row.note = row.note.isEmpty() ? note : row.note + QLatin1Char(' ') + note;
            example.truncate(tab);
            if (mended)
                mended->append(
                    QStringLiteral("%1: the note %2 taken out of an example").arg(row.reading, note));
        }
    }
    return rows;
}

QString exampleWord(const QString &example)
{
    static const QRegularExpression marks(QStringLiteral("〔[^〕]*〕|（[^）]*）"));
    QString word = example;
    word.remove(marks);
    word = word.trimmed();
    if (word.contains(QStringLiteral("○")) || word.contains(QLatin1Char('.'))
        || word.contains(QStringLiteral("…")))
        return QString();
    return word;
}

Result<QList<JoyoKanji>> readJoyoTable(const QString &databasePath, QStringList *mended)
{
    sqlite3 *opened = nullptr;
    const int code = sqlite3_open_v2(databasePath.toUtf8().constData(), &opened, SQLITE_OPEN_READONLY,
                                     nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3 *)> db(opened, &sqlite3_close);
    if (code != SQLITE_OK)
        return Failure{QStringLiteral("%1: %2").arg(databasePath, QString::fromUtf8(sqlite3_errstr(code)))};
    sqlite3_stmt *prepared = nullptr;
    if (sqlite3_prepare_v2(db.get(), "SELECT 漢字, 音訓, 例, 備考 FROM joyo ORDER BY rowid", -1, &prepared,
                           nullptr)
        != SQLITE_OK)
        return Failure{
            QStringLiteral("%1: %2").arg(databasePath, QString::fromUtf8(sqlite3_errmsg(db.get())))};
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> statement(prepared, &sqlite3_finalize);
    QList<JoyoKanji> out;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
        const QList<uint> kanji = column(statement.get(), 0).toUcs4();
        JoyoRow row{column(statement.get(), 1), {}, column(statement.get(), 3)};
        QJsonParseError error;
        const QJsonDocument examples = QJsonDocument::fromJson(column(statement.get(), 2).toUtf8(), &error);
        if (kanji.size() != 1 || row.reading.isEmpty() || error.error != QJsonParseError::NoError
            || !examples.isArray())
            return Failure{
                QStringLiteral("a broken row: %1 %2").arg(column(statement.get(), 0), row.reading)};
        for (const QJsonValue &e : examples.array())
            row.examples.append(e.toString());
        if (out.isEmpty() || out.last().kanji != char32_t(kanji[0]))
            out.append(JoyoKanji{char32_t(kanji[0]), {}});
        out.last().rows.append(std::move(row));
    }
    if (step != SQLITE_DONE)
        return Failure{
            QStringLiteral("%1: %2").arg(databasePath, QString::fromUtf8(sqlite3_errmsg(db.get())))};
    for (JoyoKanji &k : out) {
        QStringList changed;
        k.rows = mendJoyoRows(std::move(k.rows), &changed);
        if (mended) {
            for (const QString &line : changed)
                mended->append(QString::fromUcs4(&k.kanji, 1) + QStringLiteral(" ") + line);
        }
    }
    return out;
}

}  // namespace bks
