#pragma once

#include "kanji/kanjifacts.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace bks {

// The commands that read the kanji facts: readings, radical, test-items.
bool isFactCommand(const QString &command);
// Runs one of them (args without the program name); 0 done, 1 failed (no
// facts for the character, the facts file missing or damaged, output lost),
// 2 bad usage.
int runFactCommand(const QStringList &args, QTextStream &out, QTextStream &err, const KanjiFacts &facts);

}  // namespace bks
