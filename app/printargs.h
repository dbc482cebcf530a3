#pragma once

#include "platform/platformservices.h"
#include "print/printjob.h"

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

// Parses the print command's arguments (args[0] is "print"); on bad usage
// returns the message.
std::optional<QString> parsePrintArgs(const QStringList &args, PrintArgs &p);

// A grade as the grade lists name it, from "4", "４" or "４年".
std::optional<QString> gradeName(const QString &arg);

}  // namespace bks
