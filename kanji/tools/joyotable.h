#pragma once

#include "common/result.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace bks {

// One reading of the 常用漢字表 as its row holds it: the reading (音 in
// katakana, 訓 in hiragana, okurigana not marked), the example words and the
// note.
struct JoyoRow {
    QString reading;
    QStringList examples;
    QString note;
};

struct JoyoKanji {
    char32_t kanji = 0;
    QList<JoyoRow> rows;
};

// The table `joyo` of mojidata's database, kanji and readings in the printed
// table's order. The rows carry no order column; they were stored in the
// printed order, so they are read by rowid (the primary key alone would give
// them sorted by kanji and reading). Each kanji's rows are mended as
// mendJoyoRows() says; `mended` gets a line for each row it changed.
Result<QList<JoyoKanji>> readJoyoTable(const QString &databasePath, QStringList *mended = nullptr);

// The printed table runs a long note down the rows beside it, and the
// database keeps each row's piece: 位's note begins beside イ and ends beside
// くらい. A note that opens as a remark (「, ［ or ＊) and stops neither at
// "。" nor at "］" goes on in the next row's note; the pieces are joined
// under the first row. A note that slipped into an example after a tab
// (奮って〔副〕<tab>⇔ 震う) goes back to the note.
QList<JoyoRow> mendJoyoRows(QList<JoyoRow> rows, QStringList *mended = nullptr);

// An example as a word of its own, or empty when it is a pattern rather than
// a word (○○県, ……に因る): without the table's marks 〔副〕 and the readings in
// brackets (一羽（わ）).
QString exampleWord(const QString &example);

}  // namespace bks
