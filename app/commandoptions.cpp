#include "app/commandoptions.h"

namespace bks {

namespace {

// The columns a terminal gives a text: two for a wide (CJK) character.
int columns(const QString &text)
{
    int n = 0;
    for (const QChar c : text)
        n += c.unicode() >= 0x1100 ? 2 : 1;
    return n;
}

const CommandOption *find(std::span<const CommandOption> table, QStringView name)
{
    for (const CommandOption &option : table)
        if (option.kind != CommandOption::Text && option.name == name)
            return &option;
    return nullptr;
}

}  // namespace

std::optional<QString> GivenOptions::value(QStringView name) const
{
    const auto found = values.constFind(name.toString());
    if (found == values.cend())
        return std::nullopt;
    return *found;
}

Result<GivenOptions> readOptions(const QStringList &args, std::span<const CommandOption> table)
{
    GivenOptions given;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        const CommandOption *option = find(table, a);
        if (!option) {
            if (a.startsWith(QLatin1String("--")))
                return Failure{QStringLiteral("不明なオプションです: ") + a};
            if (given.text)
                return Failure{QStringLiteral("印刷する文字は一つの引数にまとめてください: ") + a};
            given.text = a;
            continue;
        }
        QString value;
        if (option->kind == CommandOption::Value) {
            if (i + 1 >= args.size() || (option->accepts && !option->accepts(args[i + 1])))
                return Failure{QStringLiteral("オプションの値が正しくありません: ") + a};
            value = args[++i];
        }
        given.values.insert(a, value);
    }
    return given;
}

QString optionsHelp(std::span<const CommandOption> table)
{
    constexpr int kHelpColumn = 24;
    QString out;
    QString label;
    QStringView help;
    for (size_t i = 0; i < table.size(); ++i) {
        const CommandOption &option = table[i];
        if (!label.isEmpty())
            label += QLatin1Char(' ');
        else
            help = option.help;
        label += option.name.toString();
        if (!option.argument.isEmpty())
            label += QLatin1Char(' ') + option.argument.toString();
        if (i + 1 < table.size() && table[i + 1].help.isEmpty())
            continue;
        out += QStringLiteral("  ") + label;
        const int width = 2 + columns(label);
        if (width < kHelpColumn - 1)
            out += QString(kHelpColumn - width, QLatin1Char(' '));
        else
            out += QLatin1Char('\n') + QString(kHelpColumn, QLatin1Char(' '));
        out += help.toString().replace(QLatin1Char('\n'),
                                       QLatin1Char('\n') + QString(kHelpColumn, QLatin1Char(' ')))
               + QLatin1Char('\n');
        label.clear();
    }
    return out;
}

}  // namespace bks
