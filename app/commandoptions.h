#pragma once

#include "common/result.h"

#include <QHash>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

namespace bks {

// One option of a command: what it is called, what value it takes, and the
// line the help gives it. The parser, the help text and (through --help)
// the man page's test all read the same rows.
struct CommandOption {
    enum Kind { Switch, Value, Text };
    // "--per-sheet"; for the command's one free argument, what the help
    // calls it ("文字").
    QStringView name;
    Kind kind = Switch;
    // The value as the help names it ("1|2").
    QStringView argument;
    // The help's lines, joined by '\n'; empty: told with the row before it,
    // whose help covers both ("--publisher NAME --grade GRADE").
    QStringView help;
    // A value this refuses is a misuse, said as a wrong value of the option.
    bool (*accepts)(const QString &value) = nullptr;
};

// What a command was given: the value of each option (a switch's empty)
// under its name, and the free argument.
struct GivenOptions {
    QHash<QString, QString> values;
    std::optional<QString> text;

    bool has(QStringView name) const { return values.contains(name.toString()); }
    std::optional<QString> value(QStringView name) const;
};

// Reads `args` (args[0] is the command) by `table`; fails with what was
// misused, in Japanese.
Result<GivenOptions> readOptions(const QStringList &args, std::span<const CommandOption> table);

// The help's lines for `table`: each option with its value in a column of
// its own and its help beside it.
QString optionsHelp(std::span<const CommandOption> table);

}  // namespace bks
