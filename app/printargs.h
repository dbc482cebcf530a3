#pragma once

#include "app/commandoptions.h"
#include "files/environmentfile.h"
#include "platform/platformservices.h"
#include "print/run/runtypes.h"

#include <QStringList>

#include <optional>

namespace bks {

// What `bokushomaru print` was asked for.
struct PrintArgs {
    PrinterChoice choice;
    QString text;
    SheetSettings settings;
    RunOptions options;
    std::optional<QString> file;  // the list file, read once the arguments are known to be right
};

// The print command's arguments (args[0] is "print") for sheets of
// `catalog`, with the headings and face of the settings `env` the caller
// read; fails on bad usage, saying what was wrong.
Result<PrintArgs> parsePrintArgs(const QStringList &args, const SheetCatalog &catalog,
                                 const EnvironmentData &env);
// Its options, as the help tells them.
std::span<const CommandOption> printOptions();

// The form `bokushomaru print --form NAME` names, or nullptr.
const SheetForm *findFormNamed(const SheetCatalog &catalog, const QString &name);
// Every form's name, for the help and the usage errors.
QString formNames(const SheetCatalog &catalog);

// A grade as the grade lists name it, from "4", "４" or "４年".
std::optional<QString> gradeName(const QString &arg);

}  // namespace bks
