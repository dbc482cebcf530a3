#include "app/factcommands.h"

#include "app/qtplatformservices.h"

namespace bks {
namespace {

const QString kReadings = QStringLiteral("readings");
const QString kRadical = QStringLiteral("radical");

// Standard output counts as written only once it arrived.
int finish(QTextStream &out, QTextStream &err)
{
    out.flush();
    if (out.status() != QTextStream::Ok) {
        err << "標準出力に書き出せませんでした" << Qt::endl;
        return 1;
    }
    return 0;
}

// The facts of the one character the command names, or the exit code.
std::variant<KanjiFactsEntry, int> factsOf(const QStringList &args, QTextStream &err, const KanjiFacts &facts)
{
    const std::optional<char32_t> c = args.size() == 2 ? oneCharacter(args[1]) : std::nullopt;
    if (!c) {
        err << "使い方: bokushomaru " << args[0] << " 漢字（1文字）" << Qt::endl;
        return 2;
    }
    if (!facts.available()) {
        err << messageForDisplay(facts.problem()) << Qt::endl;
        return 1;
    }
    std::optional<KanjiFactsEntry> entry = facts.lookup(*c);
    if (!entry) {
        err << "「" << args[1] << "」は常用漢字表にありません" << Qt::endl;
        return 1;
    }
    return std::move(*entry);
}

int readingsCommand(const QStringList &args, QTextStream &out, QTextStream &err, const KanjiFacts &facts)
{
    const auto found = factsOf(args, err, facts);
    if (const int *code = std::get_if<int>(&found))
        return *code;
    for (const KanjiReading &r : std::get<KanjiFactsEntry>(found).readings)
        out << (r.kind == ReadingKind::On ? "音 " : "訓 ") << r.marked() << '\n';
    return finish(out, err);
}

int radicalCommand(const QStringList &args, QTextStream &out, QTextStream &err, const KanjiFacts &facts)
{
    const auto found = factsOf(args, err, facts);
    if (const int *code = std::get_if<int>(&found))
        return *code;
    const std::optional<KanjiRadical> &radical = std::get<KanjiFactsEntry>(found).radical;
    if (!radical) {
        err << "「" << args[1] << "」の部首のデータはありません" << Qt::endl;
        return 1;
    }
    const QString place = radicalPlaceName(radical->place);
    out << "部首 " << radical->form << '\n'
        << "元の字 " << (radical->original.isEmpty() ? radical->form : radical->original) << '\n'
        << "位置 " << (place.isEmpty() ? QStringLiteral("不明") : place) << '\n'
        << "名前 " << (radical->name.isEmpty() ? QStringLiteral("なし") : radical->name) << '\n';
    return finish(out, err);
}

}  // namespace

std::optional<char32_t> oneCharacter(const QString &arg)
{
    QList<uint> codePoints = arg.toUcs4();
    codePoints.removeIf(
        [](uint c) { return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF); });
    if (codePoints.size() != 1)
        return std::nullopt;
    return char32_t(codePoints.front());
}

bool isFactCommand(const QString &command)
{
    return command == kReadings || command == kRadical;
}

int runFactCommand(const QStringList &args, QTextStream &out, QTextStream &err, const KanjiFacts &facts)
{
    if (args.isEmpty())
        return 2;
    if (args[0] == kReadings)
        return readingsCommand(args, out, err, facts);
    if (args[0] == kRadical)
        return radicalCommand(args, out, err, facts);
    return 2;
}

}  // namespace bks
