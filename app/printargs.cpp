// The print command's arguments, checked and turned into a run's settings.
#include "app/printargs.h"

#include "files/environmentfile.h"
#include "files/fonts.h"
#include "kanji/gradetables.h"
#include "platform/colours.h"

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

std::optional<QString> parsePrintArgs(const QStringList &args, const SheetCatalog &catalog, PrintArgs &p)
{
    std::optional<QString> pdf, printer, publisher, grade, file, text, font, firstNumber, formName;
    std::optional<QString> example1, example2;
    bool light = false, noTracing = false, narrow = false, ninety = false;
    bool strokeOrder = false, strokeCount = false;
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
        else if (a == QLatin1String("--form"))
            ok = value(formName);
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
        else if (a == QLatin1String("--stroke-order"))
            strokeOrder = true;
        else if (a == QLatin1String("--stroke-count"))
            strokeCount = true;
        else if (a == QLatin1String("--per-sheet")) {
            std::optional<QString> v;
            ok = value(v);
            perSheet = ok ? v->toInt(&ok) : 0;
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
    // --stroke-order is another name for --form stroke-order.
    std::string_view form = catalog.defaultForm().id;
    if (formName) {
        const SheetForm *named = findFormNamed(catalog, *formName);
        if (!named)
            return QStringLiteral("--form には次のどれかを指定してください: %1").arg(formNames(catalog));
        form = named->id;
    }
    if (strokeOrder) {
        if (formName && form != kStrokeOrderForm)
            return QStringLiteral("--stroke-order と --form %1 は一緒に指定できません").arg(*formName);
        form = kStrokeOrderForm;
    }
    const std::vector<std::string_view> drawnOn = catalog.sourcesOf(form);
    if (strokeCount && std::find(drawnOn.begin(), drawnOn.end(), kStrokes.id) == drawnOn.end())
        return QStringLiteral("--stroke-count は --stroke-order と一緒に指定してください");
    const SheetLayout *layout = catalog.chooseLayout(form, perSheet);
    if (!layout)
        return QStringLiteral("オプションの値が正しくありません: --per-sheet %1").arg(perSheet);
    // Said rather than ignored: a sheet of one kanji has one size and no
    // space between blocks, a 書き順 sheet one size.
    if (ninety && !layout->offersSmallerSize)
        return QStringLiteral(
            "--size 90 は１枚に２文字の練習帳だけに使えます（--per-sheet 2、--stroke-order なし）");
    if (narrow && layout->charactersPerSheet != 2)
        return QStringLiteral("--narrow は１枚に２文字のときだけ使えます（--per-sheet 2）");
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
    p.settings.fontName = !env.fontName.isEmpty() && !isPlaceholderFace(env.fontName) ? env.fontName
                                                                                      : kDefaultFaceName;
    if (font)
        p.settings.fontName = *font;
    p.options.form = form;
    p.options.perSheet = perSheet;
    p.settings.writeStrokeCount = strokeCount;
    p.settings.fontScale = ninety ? 0.8f : 0.9f;
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

}  // namespace bks
