#include "app/cli.h"

#include "dictionary/compounddictionary.h"
#include "files/datafile.h"
#include "files/environmentfile.h"
#include "files/fonts.h"
#include "kanji/gradetables.h"
#include "kanji/kanjisearch.h"
#include "platform/colours.h"
#include "print/printjob.h"
#include "print/qtprintsurface.h"
#include "app/qtplatformservices.h"
#include "app/usagetexts.h"

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

std::optional<QString> gradeName(const QString &arg)
{
    QString g = arg.trimmed();
    if (g.endsWith(QStringLiteral("年")))
        g.chop(1);
    if (g.size() != 1)
        return std::nullopt;
    int digit = -1;
    const char16_t c = g.at(0).unicode();
    if (c >= u'1' && c <= u'6')
        digit = c - u'0';
    else if (c >= u'１' && c <= u'６')
        digit = c - u'０';
    if (digit < 1)
        return std::nullopt;
    return GradeNames().at(digit - 1);
}

int searchCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 2 || args[1].isEmpty()) {
        err << "使い方: bokushomaru search 漢字" << Qt::endl;
        return 2;
    }
    const auto hit = FindGrade(args[1]);
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

struct PrintArgs {
    PrinterChoice choice;
    QString text;
    SheetSettings settings;
    RunOptions options;
    std::optional<QString> file;
};

// Parses the print command's arguments; on failure returns the message.
std::optional<QString> parsePrintArgs(const QStringList &args, PrintArgs &p)
{
    std::optional<QString> pdf, printer, publisher, grade, file, text, font, firstNumber;
    std::optional<QString> example1, example2;
    bool light = false, noTracing = false, narrow = false, ninety = false;
    int perSheet = 2;
    float offset = 0;
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&](std::optional<QString> &slot) -> bool {
            if (i + 1 >= args.size())
                return false;
            slot = args[++i];
            return true;
        };
        bool ok = true;
        if (a == QLatin1String("--pdf"))
            ok = value(pdf);
        else if (a == QLatin1String("--printer"))
            ok = value(printer);
        else if (a == QLatin1String("--publisher"))
            ok = value(publisher);
        else if (a == QLatin1String("--grade"))
            ok = value(grade);
        else if (a == QLatin1String("--file"))
            ok = value(file);
        else if (a == QLatin1String("--font"))
            ok = value(font);
        else if (a == QLatin1String("--first-number"))
            ok = value(firstNumber);
        else if (a == QLatin1String("--example1"))
            ok = value(example1);
        else if (a == QLatin1String("--example2"))
            ok = value(example2);
        else if (a == QLatin1String("--light"))
            light = true;
        else if (a == QLatin1String("--no-tracing"))
            noTracing = true;
        else if (a == QLatin1String("--narrow"))
            narrow = true;
        else if (a == QLatin1String("--per-sheet")) {
            std::optional<QString> v;
            ok = value(v);
            perSheet = ok ? v->toInt(&ok) : 0;
            ok = ok && chooseLayout(kPracticeForm, perSheet);
        } else if (a == QLatin1String("--size")) {
            std::optional<QString> v;
            ok = value(v) && (*v == QLatin1String("90") || *v == QLatin1String("100"));
            if (ok)
                ninety = *v == QLatin1String("90");
        } else if (a == QLatin1String("--offset")) {
            std::optional<QString> v;
            ok = value(v);
            const int mm = ok ? v->toInt(&ok) : 0;
            ok = ok && mm >= -6 && mm <= 6 && mm % 2 == 0;
            offset = float(mm);
        } else if (a.startsWith(QLatin1String("--"))) {
            return QStringLiteral("不明なオプションです: ") + a;
        } else if (!text) {
            text = a;
        } else {
            return QStringLiteral("印刷する文字は一つの引数にまとめてください: ") + a;
        }
        if (!ok)
            return QStringLiteral("オプションの値が正しくありません: ") + a;
    }
    if (pdf.has_value() == printer.has_value())
        return QStringLiteral("--pdf FILE と --printer NAME のどちらか一方を指定してください");
    // An empty name would otherwise mean "the default printer".
    if ((pdf && pdf->isEmpty()) || (printer && printer->isEmpty()))
        return QStringLiteral("--pdf と --printer には空でない名前を指定してください");
    const int sources = int(text.has_value()) + int(file.has_value())
                        + int(publisher.has_value() || grade.has_value());
    if (sources != 1)
        return QStringLiteral(
            "印刷する文字を、文字・--file・--publisher と --grade のどれか一つで指定してください");
    if (pdf)
        p.choice.pdfFile = *pdf;
    else
        p.choice.printerName = *printer;

    if (text) {
        p.text = *text;
    } else if (file) {
        p.file = file;  // read once the arguments are known to be right
    } else {
        if (!publisher || !grade)
            return QStringLiteral("--publisher と --grade は両方指定してください");
        const auto g = gradeName(*grade);
        const auto list = g ? GradeKanji(*publisher, *g) : std::nullopt;
        if (!list)
            return QStringLiteral("教科書会社または学年が違います: ") + *publisher + QLatin1Char(' ')
                   + *grade;
        p.text = *list;
    }

    // Headings and face as the window would start with them: the fields the
    // settings file holds, the defaults for those it lacks.
    const EnvironmentData env = ReadEnvironmentFile();
    for (int k = 1; k <= 7; ++k)
        p.settings.headings[k] = !env.headings[k].isEmpty() ? env.headings[k] : kDefaultHeadings[k];
    p.settings.fontName = !env.fontName.isEmpty() ? env.fontName : kDefaultFaceName;
    if (font)
        p.settings.fontName = *font;
    p.options.perSheet = perSheet;
    // Only layouts that offer the smaller size print at 90%, as in the window.
    p.settings.fontScale = ninety && chooseLayout(kPracticeForm, perSheet)->offersSmallerSize ? 0.8f : 0.9f;
    p.settings.lineSpacing = narrow ? 5.0f : 0.0f;
    p.settings.printOffset = offset;
    p.settings.traceShade = QString::number(light ? kPaleGrey : kLightGrey);
    p.settings.tracing = !noTracing;
    p.options.examples = {example1.value_or(QString()), example2.value_or(QString())};
    if (firstNumber) {
        bool ok = false;
        const int n = firstNumber->toInt(&ok);
        if (!ok || n < 0 || n > 32000)
            return QStringLiteral("--first-number には 0～32000 の数を指定してください");
        p.options.autoNumber = false;
        p.options.firstNumber = *firstNumber;
    }
    p.options.askBeforeLongRun = false;
    return std::nullopt;
}

int printCommand(const QStringList &args, QTextStream &err)
{
    PrintArgs p;
    if (const auto problem = parsePrintArgs(args, p)) {
        err << *problem << Qt::endl << "bokushomaru --help で使い方を表示します" << Qt::endl;
        return 2;
    }
    if (p.file) {
        // A list that cannot be read is a failure to find it, not a misuse.
        const LoadResult loaded = LoadDataFile(*p.file);
        if (!loaded.ok()) {
            err << messageForDisplay(loadErrorMessage(loaded.error, *p.file)) << Qt::endl;
            return 1;
        }
        p.text = loaded.text;
    }
    InstallFontSubstitutions();
    BatchServices services(p.choice, err);
    RunHost host;
    host.services = &services;
    host.openSurface = &openPrintSurface;
    host.saveTemp = [](const QString &t) { SaveTempDataFile(t); };
    host.keepsText = false;
    TextQueue queue(p.text);
    RunCounters counters;
    const RunResult result = runContinuous(host, queue, p.settings, p.options, counters);
    switch (result) {
    case RunResult::Printed: return 0;
    case RunResult::OutputFailed:
    case RunResult::CharactersLeft: return 1;  // the run has said what was not printed
    case RunResult::Stopped:
        err << "印刷が途中で止まりました。" << NotPrintedNote(host, queue) << Qt::endl;
        return 1;
    case RunResult::NothingPrinted: err << "何も印刷されませんでした" << Qt::endl; return 1;
    }
    return 1;
}

}  // namespace

QString usageText()
{
    return QStringLiteral(
        "墨翔丸 — 漢字練習帳の印刷\n"
        "\n"
        "使い方:\n"
        "  bokushomaru                         ウィンドウを開きます\n"
        "  bokushomaru search 漢字              学年と、その学年の一覧での位置を表示します\n"
        "  bokushomaru list 教科書会社 学年      その学年の漢字を教科書の順に表示します（学年は 4 または ４年）\n"
        "  bokushomaru compounds 漢字           その漢字を含む内蔵辞書の熟語を表示します\n"
        "  bokushomaru print (--pdf FILE | --printer NAME)\n"
        "                    (--publisher NAME --grade GRADE | --file FILE | 文字)\n"
        "                    [--per-sheet 1|2] [--font FACE] [--no-tracing] [--light]\n"
        "                    [--size 90] [--narrow] [--offset MM] [--first-number N]\n"
        "                    [--example1 TEXT] [--example2 TEXT]\n"
        "                                      ウィンドウと同じ練習帳を印刷します\n"
        "  bokushomaru --desktop               ウィンドウを開きます（デスクトップのメニューから）。作業フォルダに\n"
        "                                      BKS.ini がなければ、設定と BKStmp.txt を\n"
        "                                      $XDG_DATA_HOME/bokushomaru（~/.local/share/bokushomaru）に置きます\n"
        "  bokushomaru --help                  この説明を表示します\n"
        "\n"
        "終了コード: 0 成功、1 失敗（見つからない・出力できない）、2 使い方の誤り\n");
}

bool isCommandLine(const QStringList &args)
{
    return !args.isEmpty() && args != QStringList{QString::fromLatin1(kDesktopOption)};
}

bool commandNeedsGui(const QStringList &args)
{
    return !args.isEmpty() && args.first() == QLatin1String("print");
}

int RunCommandLine(const QStringList &args, QTextStream &out, QTextStream &err)
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
    if (command == QLatin1String("print"))
        return printCommand(args, err);
    err << "不明なコマンドです: " << command << Qt::endl << usageText();
    return 2;
}

}  // namespace bks
