#include "app/cli.h"

#include "app/factcommands.h"
#include "app/printargs.h"
#include "app/qtplatformservices.h"
#include "app/usagetexts.h"
#include "dictionary/compounddictionary.h"
#include "files/datafile.h"
#include "files/environmentfile.h"
#include "files/fonts.h"
#include "kanji/gradetables.h"
#include "kanji/kanjisearch.h"
#include "print/run/continuousrun.h"
#include "print/run/runmessages.h"
#include "print/surfaces/qtprintsurface.h"
#include "print/text/textqueue.h"

#include <QFileDevice>

#include <optional>

namespace bks {

namespace {

// Answers every question of a run the way a user who asked for the print
// would, and writes the messages to standard error.
class BatchServices : public PlatformServices {
public:
    BatchServices(PrinterChoice choice, QTextStream &err) : m_choice(std::move(choice)), m_err(err) {}
    MsgResult messageBox(const QString &text, const QString &, MsgButtons buttons, MsgIcon icon) override
    {
        if (icon == MsgIcon::Critical || buttons == MsgButtons::Ok)
            m_err << messageForDisplay(text) << Qt::endl;
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    }
    std::optional<PrinterChoice> showPrinter() override { return m_choice; }
    std::optional<QString> showOpen(const QString &) override { return std::nullopt; }
    std::optional<QString> showSave(const QString &) override { return std::nullopt; }
    std::optional<QString> showFont(const QString &) override { return std::nullopt; }
    bool openUrl(const QUrl &) override { return false; }
    std::unique_ptr<RunProgress> startProgress(const QString &, int) override { return nullptr; }

private:
    PrinterChoice m_choice;
    QTextStream &m_err;
};

int searchCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 2 || args[1].isEmpty()) {
        err << "使い方: bokushomaru search 漢字" << Qt::endl;
        return 2;
    }
    const auto hit = FindGrade(plainCharacters(args[1]));
    if (!hit) {
        err << kNotFoundMessage << Qt::endl;
        return 1;
    }
    out << hit->gradeText << ' ' << hit->position << Qt::endl;
    return 0;
}

int listCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 3) {
        err << "使い方: bokushomaru list 教科書会社 学年" << Qt::endl;
        return 2;
    }
    if (!PublisherNames().contains(args[1])) {
        err << "教科書会社が違います: " << args[1] << "（" << PublisherNames().join(QStringLiteral("、"))
            << "のどれかを指定してください）" << Qt::endl;
        return 2;
    }
    const auto grade = gradeName(args[2]);
    if (!grade) {
        err << "学年が違います: " << args[2] << "（1～6 または １年～６年）" << Qt::endl;
        return 2;
    }
    out << GradeKanji(args[1], *grade).value_or(QString()) << Qt::endl;
    return 0;
}

int compoundsCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 2) {
        err << "使い方: bokushomaru compounds 漢字" << Qt::endl;
        return 2;
    }
    CompoundDictionary dictionary;
    for (const QString &entry : MatchCompounds(dictionary, args[1], QString()).first)
        out << entry << '\n';
    out.flush();
    return 0;
}

// The stroke count, then each stroke's start in KanjiVG's box.
int strokesCommand(const QStringList &args, QTextStream &out, QTextStream &err, const SheetSources &sources)
{
    if (args.size() != 2) {
        err << "使い方: bokushomaru strokes 文字" << Qt::endl;
        return 2;
    }
    // A variation selector asks for a glyph shape, not another character.
    const std::optional<char32_t> character = singleCharacter(args[1]);
    if (!character) {
        err << "文字を一つだけ指定してください: " << args[1] << Qt::endl;
        return 2;
    }
    constexpr std::string_view needed[] = {kStrokes.id};
    if (const QString problem = sources.problem(needed); !problem.isEmpty()) {
        err << messageForDisplay(problem) << Qt::endl;
        return 1;
    }
    const std::optional<CharacterStrokes> found = sources.lookUp(kStrokes, *character);
    if (!found || found->count() == 0) {
        err << "「" << args[1] << "」の書き順データはありません" << Qt::endl;
        return 1;
    }
    out << found->count() << '\n';
    for (const QPainterPath &stroke : found->strokes) {
        const QPointF start = stroke.elementCount() > 0 ? QPointF(stroke.elementAt(0)) : QPointF();
        out << QString::number(start.x(), 'f', 2) << ',' << QString::number(start.y(), 'f', 2) << '\n';
    }
    out.flush();
    return 0;
}

int printCommand(const QStringList &args, QTextStream &err, const SheetSources &sources,
                 const SheetCatalog &catalog)
{
    // Headings and face as the window would start with them.
    Result<PrintArgs> parsed = parsePrintArgs(args, catalog, ReadEnvironmentFile());
    if (!parsed) {
        err << parsed.failure() << Qt::endl << "bokushomaru --help で使い方を表示します" << Qt::endl;
        return 2;
    }
    PrintArgs &p = parsed.value();
    // Refused before anything is written: no sheet without its stroke order.
    if (const QString problem = sources.problem(catalog.sourcesOf(p.options.form)); !problem.isEmpty()) {
        err << messageForDisplay(problem) << Qt::endl;
        return 1;
    }
    if (p.file) {
        // A list that cannot be read is a failure to find it, not a misuse.
        const Result<QString> loaded = LoadDataFile(*p.file);
        if (!loaded) {
            err << messageForDisplay(loaded.failure()) << Qt::endl;
            return 1;
        }
        p.text = *loaded;
    }
    InstallFontSubstitutions();
    BatchServices services(p.choice, err);
    RunHost host;
    host.services = &services;
    host.sources = &sources;
    host.catalog = &catalog;
    host.openSurface = &openPrintSurface;
    // The print goes on without the copy; the user learns it is missing.
    host.saveTemp = [&err](const QString &t) {
        if (const Result<> saved = SaveTempDataFile(t); !saved)
            err << "警告: 一時保存（BKStmp.txt）ができませんでした。" << saved.failure() << Qt::endl;
    };
    host.keepsText = false;
    host.asksUser = false;
    host.notice = [&err](const QString &what) { err << "警告: " << messageForDisplay(what) << Qt::endl; };
    TextQueue queue(p.text);
    RunCounters counters;
    const RunResult result = runContinuous(host, queue, p.settings, p.options, counters);
    switch (result) {
    case RunResult::Printed: return 0;
    case RunResult::OutputFailed:
    case RunResult::CharactersLeft:
    case RunResult::NumbersRanOut: return 1;  // the run has said what was not printed
    case RunResult::Stopped:
        err << "印刷が途中で止まりました。" << NotPrintedNote(host, queue, counters.padding) << Qt::endl;
        return 1;
    case RunResult::NothingPrinted: err << "何も印刷されませんでした" << Qt::endl; return 1;
    }
    return 1;
}

}  // namespace

bool isCommandLine(const QStringList &args)
{
    return !args.isEmpty() && args != QStringList{QString::fromLatin1(kDesktopOption)};
}

bool commandNeedsGui(const QStringList &args)
{
    return !args.isEmpty() && args.first() == QLatin1String("print");
}

namespace {

int runCommandFor(const QStringList &args, QTextStream &out, QTextStream &err, const SheetSources &sources,
                  const SheetCatalog &catalog)
{
    if (args.isEmpty())
        return 2;
    const QString &command = args.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")
        || command == QLatin1String("help")) {
        out << usageText();
        out.flush();
        return 0;
    }
    if (command == QLatin1String("search"))
        return searchCommand(args, out, err);
    if (command == QLatin1String("list"))
        return listCommand(args, out, err);
    if (command == QLatin1String("compounds"))
        return compoundsCommand(args, out, err);
    if (command == QLatin1String("strokes"))
        return strokesCommand(args, out, err, sources);
    if (command == QLatin1String("print"))
        return printCommand(args, err, sources, catalog);
    if (isFactCommand(command))
        return runFactCommand(args, out, err, KanjiFacts::open(KanjiFacts::installedPath()));
    err << "不明なコマンドです: " << command << Qt::endl << usageText();
    return 2;
}

}  // namespace

int RunCommandLine(const QStringList &args, QTextStream &out, QTextStream &err, const SheetSources &sources,
                   const SheetCatalog &catalog)
{
    const int code = runCommandFor(args, out, err, sources, catalog);
    // What a command printed counts only once it has arrived: a full disk or
    // /dev/full takes nothing and says so only here.
    out.flush();
    if (out.status() == QTextStream::Ok)
        return code;
    const auto *device = qobject_cast<const QFileDevice *>(out.device());
    err << "標準出力に書き込めませんでした（"
        << (device ? device->errorString() : QStringLiteral("書き込みが途中で失敗しました")) << "）"
        << Qt::endl;
    return code == 0 ? 1 : code;
}

}  // namespace bks
