#include "app/factcommands.h"

#include "app/printargs.h"
#include "app/qtplatformservices.h"
#include "files/datafile.h"
#include "kanji/gradetables.h"
#include "print/text/characters.h"
#include "quiz/testitems.h"

namespace bks {
namespace {

const QString kReadings = QStringLiteral("readings");
const QString kRadical = QStringLiteral("radical");
const QString kTestItems = QStringLiteral("test-items");

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
    const std::optional<char32_t> c = args.size() == 2 ? singleCharacter(args[1]) : std::nullopt;
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

struct TestItemsArgs {
    TestList list;
    std::optional<QString> file;
    TestKind kind = TestKind::Reading;
    int variant = 0;
};

// The test-items arguments, or bad usage and why.
Result<TestItemsArgs> parseTestItemsArgs(const QStringList &args)
{
    TestItemsArgs p;
    std::optional<QString> publisher, grade, text;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool takesValue = a == QLatin1String("--publisher") || a == QLatin1String("--grade")
                                || a == QLatin1String("--file") || a == QLatin1String("--variant")
                                || a == QLatin1String("--form");
        if (takesValue && i + 1 >= args.size())
            return Failure{QStringLiteral("%1 には値が必要です").arg(a)};
        if (!takesValue) {
            if (a.startsWith(QLatin1String("--")))
                return Failure{QStringLiteral("不明なオプションです: %1").arg(a)};
            if (text)
                return Failure{QStringLiteral("文字は一つにまとめて指定してください: %1").arg(a)};
            text = a;
            continue;
        }
        const QString value = args[++i];
        if (a == QLatin1String("--publisher")) {
            publisher = value;
        } else if (a == QLatin1String("--grade")) {
            grade = value;
        } else if (a == QLatin1String("--file")) {
            p.file = value;
        } else if (a == QLatin1String("--variant")) {
            bool ok = false;
            p.variant = value.toInt(&ok);
            if (!ok || p.variant < 0)
                return Failure{QStringLiteral("--variant は 0 以上の整数です: %1").arg(value)};
        } else if (value == QLatin1String("reading-test") || value == QLatin1String("writing-test")) {
            p.kind = value == QLatin1String("reading-test") ? TestKind::Reading : TestKind::Writing;
        } else {
            return Failure{QStringLiteral("--form は reading-test か writing-test です: %1").arg(value)};
        }
    }
    if (int(bool(publisher) || bool(grade)) + int(bool(p.file)) + int(bool(text)) != 1)
        return Failure{QStringLiteral("--publisher と --grade、--file、文字のどれか一つを指定してください")};
    if (publisher || grade) {
        const std::optional<QString> name = grade ? gradeName(*grade) : std::nullopt;
        if (!publisher || !PublisherNames().contains(*publisher))
            return Failure{
                QStringLiteral("教科書会社が違います: %1（%2のどれかを指定してください）")
                    .arg(publisher.value_or(QString()), PublisherNames().join(QStringLiteral("、")))};
        if (!name)
            return Failure{QStringLiteral("学年が違います: %1（1～6 または １年～６年）")
                               .arg(grade.value_or(QString()))};
        p.list = TestList{GradeKanji(*publisher, *name).value_or(QString()), *publisher,
                          int(GradeNames().indexOf(*name)) + 1};
    }
    if (text)
        p.list.text = *text;
    return p;
}

int testItemsCommand(const QStringList &args, QTextStream &out, QTextStream &err, const KanjiFacts &facts)
{
    Result<TestItemsArgs> parsed = parseTestItemsArgs(args);
    if (!parsed) {
        err << parsed.failure() << Qt::endl << "bokushomaru --help で使い方を表示します" << Qt::endl;
        return 2;
    }
    TestItemsArgs &p = parsed.value();
    if (p.file) {
        const Result<QString> loaded = LoadDataFile(*p.file);
        if (!loaded) {
            err << messageForDisplay(loaded.failure()) << Qt::endl;
            return 1;
        }
        p.list.text = *loaded;
    }
    const Result<TestItems> built = buildTestItems(p.list, facts, p.kind, p.variant);
    if (!built) {
        err << messageForDisplay(built.failure()) << Qt::endl;
        return 1;
    }
    if (!built->leftOut.isEmpty()) {
        err << "常用漢字表にない漢字は問題にしません: "
            << QString::fromUcs4(built->leftOut.constData(), built->leftOut.size()) << Qt::endl;
    }
    if (built->items.isEmpty()) {
        err << "問題にできる漢字がありません" << Qt::endl;
        return 1;
    }
    for (const TestItem &item : built->items) {
        out << QString::fromUcs4(&item.kanji, 1) << '\t' << item.word << '\t' << item.wordReading << '\t'
            << item.targetReading << '\n';
    }
    return finish(out, err);
}

}  // namespace

bool isFactCommand(const QString &command)
{
    return command == kReadings || command == kRadical || command == kTestItems;
}

int runFactCommand(const QStringList &args, QTextStream &out, QTextStream &err, const KanjiFacts &facts)
{
    if (args.isEmpty())
        return 2;
    if (args[0] == kReadings)
        return readingsCommand(args, out, err, facts);
    if (args[0] == kRadical)
        return radicalCommand(args, out, err, facts);
    if (args[0] == kTestItems)
        return testItemsCommand(args, out, err, facts);
    return 2;
}

}  // namespace bks
