#pragma once

#include "print/layouts/sheetcatalog.h"
#include "print/content/sheetsources.h"

#include <QStringList>
#include <QTextStream>


namespace bks {

// Marks a start from the desktop menu (the desktop file's Exec line): the
// window, with its settings in a folder of its own.
inline constexpr char kDesktopOption[] = "--desktop";

// Whether the arguments ask for a command instead of the window.
bool isCommandLine(const QStringList &args);
// Whether the command draws (and so needs a GUI application object).
bool commandNeedsGui(const QStringList &args);

// Runs `bokushomaru COMMAND ...` (args without the program name) and returns
// the exit code: 0 done, 1 failed, 2 bad usage. The commands find their data
// in `sources`, each opened only by a command that needs it, and print the
// sheets of `catalog`.
int RunCommandLine(const QStringList &args, QTextStream &out, QTextStream &err, const SheetSources &sources,
                   const SheetCatalog &catalog = SheetCatalog::standard());

}  // namespace bks
