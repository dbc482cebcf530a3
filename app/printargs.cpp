// The print command's arguments, checked and turned into a run's settings.
#include "app/printargs.h"

#include "files/fonts.h"
#include "kanji/gradetables.h"
#include "platform/colours.h"
#include "print/run/testrun.h"

#include <algorithm>

namespace bks {

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

const SheetForm *findFormNamed(const SheetCatalog &catalog, const QString &name)
{
    for (const SheetForm &form : catalog.forms())
        if (name == QLatin1String(form.id.data(), qsizetype(form.id.size())))
            return &form;
    return nullptr;
}

QString formNames(const SheetCatalog &catalog)
{
    QStringList names;
    for (const SheetForm &form : catalog.forms())
        names << QString::fromUtf8(form.id.data(), qsizetype(form.id.size()));
    return names.join(QStringLiteral("、"));
}

namespace {

bool isInteger(const QString &value)
{
    bool ok = false;
    value.toInt(&ok);
    return ok;
}

bool isSize(const QString &value)
{
    return value == QLatin1String("90") || value == QLatin1String("100");
}

bool isOffset(const QString &value)
{
    bool ok = false;
    const int mm = value.toInt(&ok);
    return ok && mm >= -6 && mm <= 6 && mm % 2 == 0;
}

bool isItemCount(const QString &value)
{
    return value == QLatin1String("10") || value == QLatin1String("20");
}

bool isAnswers(const QString &value)
{
    return value == QLatin1String("after-each") || value == QLatin1String("at-end")
           || value == QLatin1String("none");
}

bool isVariant(const QString &value)
{
    bool ok = false;
    return value.toInt(&ok) >= 0 && ok;
}

using O = CommandOption;

// The print command's options, in the order the help tells them.
constexpr CommandOption kPrintOptions[] = {
    {u"--pdf", O::Value, u"FILE", u"PDF ファイルに書き出します"},
    {u"--printer", O::Value, u"NAME", u"CUPS のプリンター NAME で印刷します"},
    {u"--publisher", O::Value, u"NAME", u"その教科書会社・学年の漢字を印刷します"},
    {u"--grade", O::Value, u"GRADE", {}},
    {u"--file", O::Value, u"FILE", u"漢字の一覧ファイル（Shift-JIS、EUC-JP または UTF-8）を印刷します"},
    {u"文字", O::Text, {}, u"指定した文字を印刷します"},
    {u"--per-sheet", O::Value, u"1|2", u"1枚に1文字または2文字（既定は 2）", isInteger},
    {u"--font", O::Value, u"FACE",
     u"印刷する書体（既定は BKS.ini の書体、なければ ＭＳ Ｐ明朝。\n"
     u"BKS.ini の「フォント」は書体なしとみなします）。\n"
     u"@ で始まる書体は縦書き用です"},
    {u"--no-tracing", O::Switch, {}, u"なぞり書きの文字を印刷しません"},
    {u"--light", O::Switch, {}, u"なぞり書きの文字を薄く印刷します"},
    {u"--size", O::Value, u"90|100",
     u"文字の大きさ（既定は 100）。90 は1枚に2文字の練習帳だけで、\n"
     u"--per-sheet 1 や --stroke-order と一緒では使い方の誤りです",
     isSize},
    {u"--narrow", O::Switch, {}, u"行間幅を狭くします（1枚に2文字のときだけ）"},
    {u"--offset", O::Value, u"MM",
     u"なぞり書きの文字を MM ミリ右へ（負の数は左へ）ずらします\n"
     u"（-6～6 の偶数）",
     isOffset},
    {u"--first-number", O::Value, u"N", u"自動連番を止め、N の次の番号から付けます（0～32000）"},
    {u"--example1", O::Value, u"TEXT", u"1文字目の例文（その文字を含むときだけ印刷します）"},
    {u"--example2", O::Value, u"TEXT", u"2文字目の例文（同じく）"},
    {u"--form", O::Value, u"NAME", u"用紙の種類（{forms}。既定は practice）"},
    {u"--stroke-order", O::Switch, {}, u"書き順つきの用紙を印刷します（書き順データが必要です）"},
    {u"--readings", O::Switch, {}, u"音読み・訓読みの欄に常用漢字表の読みを記入します"},
    {u"--radical", O::Switch, {}, u"部首の欄に部首とその名前を記入します"},
    {u"--stroke-count", O::Switch, {}, u"画数の欄に書き順データの画数を記入します"},
    {u"--items", O::Value, u"10|20", u"テスト（--form reading-test、writing-test）の1枚の問題数（既定は 20）",
     isItemCount},
    {u"--answers", O::Value, u"after-each|at-end|none",
     u"テストの答えの用紙を、各テストの後・全部の後に印刷するか、\n"
     u"印刷しないか（既定は after-each）",
     isAnswers},
    {u"--variant", O::Value, u"N", u"テストの問題の組み合わせ（0 以上の整数、既定は 0）", isVariant},
};

}  // namespace

std::span<const CommandOption> printOptions()
{
    return kPrintOptions;
}

Result<PrintArgs> parsePrintArgs(const QStringList &args, const SheetCatalog &catalog,
                                 const EnvironmentData &env)
{
    const Result<GivenOptions> read = readOptions(args, kPrintOptions);
    if (!read)
        return Failure{read.failure()};
    const GivenOptions &given = *read;
    const std::optional<QString> pdf = given.value(u"--pdf"), printer = given.value(u"--printer"),
                                 publisher = given.value(u"--publisher"), grade = given.value(u"--grade"),
                                 file = given.value(u"--file"), font = given.value(u"--font"),
                                 firstNumber = given.value(u"--first-number"),
                                 formName = given.value(u"--form"), text = given.text;
    const bool strokeOrder = given.has(u"--stroke-order"), strokeCount = given.has(u"--stroke-count");
    const bool narrow = given.has(u"--narrow"), ninety = given.value(u"--size") == QLatin1String("90");
    PrintArgs p;

    // --stroke-order is another name for --form stroke-order.
    std::string_view form = catalog.defaultForm().id;
    if (formName) {
        const SheetForm *named = findFormNamed(catalog, *formName);
        if (!named)
            return Failure{
                QStringLiteral("--form には次のどれかを指定してください: %1").arg(formNames(catalog))};
        form = named->id;
    }
    if (strokeOrder) {
        if (formName && form != kStrokeOrderForm)
            return Failure{
                QStringLiteral("--stroke-order と --form %1 は一緒に指定できません").arg(*formName)};
        form = kStrokeOrderForm;
    }
    // A test's sheets are counted in items and only a test has keys and
    // variants: asked of another form, they are misuses, not ignored.
    const bool test = testKindOf(form).has_value();
    for (const QStringView option : {u"--items", u"--answers", u"--variant"})
        if (!test && given.has(option))
            return Failure{
                QStringLiteral("%1 はテストの用紙（--form reading-test、writing-test）だけに使えます")
                    .arg(option)};
    if (test && given.has(u"--per-sheet"))
        return Failure{QStringLiteral("テストの１枚の問題数は --items で指定してください")};
    const QStringView countOption = test ? u"--items" : u"--per-sheet";
    // A test has no heading cells to write the facts in.
    for (const QStringView option : {u"--readings", u"--radical", u"--stroke-count"})
        if (test && given.has(option))
            return Failure{QStringLiteral("%1 はテストの用紙には使えません").arg(option)};
    // Unsaid, two a sheet, or the most the form offers when it has no sheet
    // of two (a test: twenty).
    const std::vector<int> offered = catalog.perSheetOffered(form);
    const bool offersTwo = offered.empty() || std::find(offered.begin(), offered.end(), 2) != offered.end();
    const int perSheet =
        given.value(countOption).value_or(QString::number(offersTwo ? 2 : offered.front())).toInt();
    const SheetLayout *layout = catalog.chooseLayout(form, perSheet);
    if (!layout)
        return Failure{
            QStringLiteral("オプションの値が正しくありません: %1 %2").arg(countOption).arg(perSheet)};
    // Said rather than ignored: a sheet of one kanji has one size and no
    // space between blocks, a 書き順 sheet one size.
    if (ninety && !layout->offersSmallerSize)
        return Failure{QStringLiteral(
            "--size 90 は１枚に２文字の練習帳だけに使えます（--per-sheet 2、--stroke-order なし）")};
    if (narrow && layout->charactersPerSheet != 2)
        return Failure{QStringLiteral("--narrow は１枚に２文字のときだけ使えます（--per-sheet 2）")};
    if (pdf.has_value() == printer.has_value())
        return Failure{QStringLiteral("--pdf FILE と --printer NAME のどちらか一方を指定してください")};
    // An empty name would otherwise mean "the default printer".
    if ((pdf && pdf->isEmpty()) || (printer && printer->isEmpty()))
        return Failure{QStringLiteral("--pdf と --printer には空でない名前を指定してください")};
    const int sources = int(text.has_value()) + int(file.has_value())
                        + int(publisher.has_value() || grade.has_value());
    if (sources != 1)
        return Failure{QStringLiteral(
            "印刷する文字を、文字・--file・--publisher と --grade のどれか一つで指定してください")};
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
            return Failure{QStringLiteral("--publisher と --grade は両方指定してください")};
        const auto g = gradeName(*grade);
        const auto list = g ? GradeKanji(*publisher, *g) : std::nullopt;
        if (!list)
            return Failure{QStringLiteral("教科書会社または学年が違います: ") + *publisher + QLatin1Char(' ')
                           + *grade};
        p.text = *list;
        // Which kanji the pupils have been taught goes by this publisher's order.
        p.options.test.publisher = *publisher;
        p.options.test.grade = int(GradeNames().indexOf(*g)) + 1;
    }
    const QString answers = given.value(u"--answers").value_or(QStringLiteral("after-each"));
    p.options.test.answers = answers == QLatin1String("none")     ? AnswerKeys::None
                             : answers == QLatin1String("at-end") ? AnswerKeys::AtEnd
                                                                  : AnswerKeys::AfterEach;
    p.options.test.variant = given.value(u"--variant").value_or(QStringLiteral("0")).toInt();

    // Headings and face as the window would start with them: the fields the
    // settings file holds, the defaults for those it lacks.
    for (int k = 1; k <= 7; ++k)
        p.settings.headings[k] = !env.headings[k].isEmpty() ? env.headings[k] : kDefaultHeadings[k];
    p.settings.fontName = !env.fontName.isEmpty() && !isPlaceholderFace(env.fontName) ? env.fontName
                                                                                      : kDefaultFaceName;
    if (font)
        p.settings.fontName = *font;
    p.options.form = form;
    p.options.perSheet = perSheet;
    p.settings.writeStrokeCount = strokeCount;
    p.settings.writeReadings = given.has(u"--readings");
    p.settings.writeRadical = given.has(u"--radical");
    p.settings.fontScale = ninety ? 0.8f : 0.9f;
    p.settings.lineSpacing = narrow ? 5.0f : 0.0f;
    p.settings.printOffset = float(given.value(u"--offset").value_or(QStringLiteral("0")).toInt());
    p.settings.traceShade = QString::number(given.has(u"--light") ? kPaleGrey : kLightGrey);
    p.settings.tracing = !given.has(u"--no-tracing");
    p.options.examples = {given.value(u"--example1").value_or(QString()),
                          given.value(u"--example2").value_or(QString())};
    if (firstNumber) {
        bool ok = false;
        const int n = firstNumber->toInt(&ok);
        if (!ok || n < 0 || n > 32000)
            return Failure{QStringLiteral("--first-number には 0～32000 の数を指定してください")};
        p.options.autoNumber = false;
        p.options.firstNumber = *firstNumber;
    }
    p.options.askBeforeLongRun = false;
    return p;
}

}  // namespace bks
