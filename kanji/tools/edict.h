#pragma once

#include "common/result.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace bks {

// What EDICT (Debian's edict package) says of one written word.
struct EdictEntry {
    // Every reading it gives the word, each once, in its order.
    QStringList readings;
    // Some entry of it is marked (P), a common word.
    bool common = false;
};

// The EUC-JP EDICT file's entries of the words in `wanted` (every word when
// empty). A line is `WORD [READING] /glosses/`, or `WORD /glosses/` for a
// word written in kana, which reads as written.
Result<QHash<QString, EdictEntry>> readEdict(const QString &path, const QSet<QString> &wanted = {});

}  // namespace bks
