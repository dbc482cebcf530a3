#pragma once

#include "platform/platformservices.h"
#include "print/run/continuousrun.h"
#include "print/run/runmessages.h"

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

// Parses the print command's arguments (args[0] is "print") for sheets of
// `catalog`; on bad usage returns the message.
std::optional<QString> parsePrintArgs(const QStringList &args, const SheetCatalog &catalog, PrintArgs &p);

// The form `bokushomaru print --form NAME` names, or nullptr.
const SheetForm *findFormNamed(const SheetCatalog &catalog, const QString &name);
// Every form's name, for the help and the usage errors.
QString formNames(const SheetCatalog &catalog);

// A grade as the grade lists name it, from "4", "４" or "４年".
std::optional<QString> gradeName(const QString &arg);

}  // namespace bks
