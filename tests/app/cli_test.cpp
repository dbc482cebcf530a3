// The command line runs the same code as the window.
#include "app/cli.h"
#include "app/printargs.h"
#include "app/qtplatformservices.h"
#include "tests/support/builtsources.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

using namespace bks;

namespace {

struct Ran {
    int code;
    QString out, err;
};

Ran run(const QStringList &args, const SheetSources &sources = test::builtSources())
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = RunCommandLine(args, o, e, sources);
    o.flush();
    e.flush();
    return {code, out, err};
}

// Strokes that start where `starts` say; what follows the start is not read.
CharacterStrokes strokesFrom(std::initializer_list<QPointF> starts)
{
    CharacterStrokes c;
    for (const QPointF &start : starts) {
        QPainterPath path(start);
        path.cubicTo(start + QPointF(1, 2), start + QPointF(3, 5), start + QPointF(4, 20));
        c.strokes << path;
        c.numberPositions << start - QPointF(5, 0);
    }
    return c;
}

SheetSources source(StrokeData data)
{
    return test::sourcesWith(std::move(data));
}

// Runs in a folder of its own, so nothing a command writes is left behind.
class InTempDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }
    QTemporaryDir dir;
    QString previous;
};

}  // namespace

TEST(CommandLine, SearchPrintsGradeAndPosition)
{
    const Ran r = run({QStringLiteral("search"), QStringLiteral("川")});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("一年 35\n"));
    const Ran miss = run({QStringLiteral("search"), QStringLiteral("猫")});
    EXPECT_EQ(miss.code, 1);
    EXPECT_TRUE(miss.out.isEmpty());
    EXPECT_EQ(miss.err.trimmed(), QStringLiteral("検索文字は教育漢字には含まれていません"));
    EXPECT_EQ(run({QStringLiteral("search")}).code, 2);
}

TEST(CommandLine, ListTakesBothGradeSpellings)
{
    const Ran a = run({QStringLiteral("list"), QStringLiteral("光村図書"), QStringLiteral("４年")});
    const Ran b = run({QStringLiteral("list"), QStringLiteral("光村図書"), QStringLiteral("4")});
    EXPECT_EQ(a.code, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(a.out.trimmed().size(), 202);
    EXPECT_EQ(run({QStringLiteral("list"), QStringLiteral("某出版"), QStringLiteral("4")}).code, 2);
    EXPECT_EQ(run({QStringLiteral("list"), QStringLiteral("光村図書"), QStringLiteral("7")}).code, 2);
}

TEST(CommandLine, CompoundsInDictionaryOrder)
{
    const Ran r = run({QStringLiteral("compounds"), QStringLiteral("集")});
    EXPECT_EQ(r.code, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines.first(), QStringLiteral("現地集合"));
    EXPECT_EQ(run({QStringLiteral("compounds"), QString()}).out.count(QLatin1Char('\n')), 4625);
}

TEST(CommandLine, HelpAndUnknownCommands)
{
    EXPECT_EQ(run({QStringLiteral("--help")}).code, 0);
    EXPECT_TRUE(run({QStringLiteral("--help")}).out.contains(QStringLiteral("bokushomaru print")));
    EXPECT_EQ(run({QStringLiteral("frobnicate")}).code, 2);
}

TEST(CommandLine, PrintRejectsBadUsage)
{
    for (const QStringList &args :
         {QStringList{QStringLiteral("print"), QStringLiteral("山")},
          QStringList{QStringLiteral("print"), QStringLiteral("--pdf"), QStringLiteral("a.pdf")},
          QStringList{QStringLiteral("print"), QStringLiteral("--pdf"), QStringLiteral("a.pdf"),
                      QStringLiteral("--offset"), QStringLiteral("3"), QStringLiteral("山")},
          QStringList{QStringLiteral("print"), QStringLiteral("--pdf"), QStringLiteral("a.pdf"),
                      QStringLiteral("--per-sheet"), QStringLiteral("3"), QStringLiteral("山")},
          QStringList{QStringLiteral("print"), QStringLiteral("--pdf"), QStringLiteral("a.pdf"),
                      QStringLiteral("--first-number"), QStringLiteral("abc"), QStringLiteral("山")},
          // An empty name is no output: never the default printer.
          QStringList{QStringLiteral("print"), QStringLiteral("--pdf"), QString(), QStringLiteral("山")},
          QStringList{QStringLiteral("print"), QStringLiteral("--printer"), QString(), QStringLiteral("山")},
          // Options no sheet of the choice can honour are said, not ignored.
          QStringList{QStringLiteral("print"), QStringLiteral("--pdf"), QStringLiteral("a.pdf"),
                      QStringLiteral("--per-sheet"), QStringLiteral("1"), QStringLiteral("--size"),
                      QStringLiteral("90"), QStringLiteral("山")},
          QStringList{QStringLiteral("print"), QStringLiteral("--pdf"), QStringLiteral("a.pdf"),
                      QStringLiteral("--per-sheet"), QStringLiteral("1"), QStringLiteral("--narrow"),
                      QStringLiteral("山")},
          QStringList{QStringLiteral("print"), QStringLiteral("--pdf"), QStringLiteral("a.pdf"),
                      QStringLiteral("--stroke-order"), QStringLiteral("--size"), QStringLiteral("90"),
                      QStringLiteral("山")},
          // A test counts its sheets in items, and only a test takes keys
          // and variants.
          QStringLiteral("print --pdf a.pdf --form practice --items 10 山").split(QLatin1Char(' ')),
          QStringLiteral("print --pdf a.pdf --variant 1 山").split(QLatin1Char(' ')),
          QStringLiteral("print --pdf a.pdf --form reading-test --per-sheet 2 山").split(QLatin1Char(' ')),
          QStringLiteral("print --pdf a.pdf --form reading-test --items 15 山").split(QLatin1Char(' ')),
          QStringLiteral("print --pdf a.pdf --form writing-test --answers later 山").split(QLatin1Char(' ')),
          QStringLiteral("print --pdf a.pdf --form writing-test --variant -1 山").split(QLatin1Char(' ')),
          // A test has no heading cells to write facts in.
          QStringLiteral("print --pdf a.pdf --form reading-test --readings 山").split(QLatin1Char(' '))}) {
        const Ran r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        if (args.contains(QStringLiteral("--narrow")) || args.contains(QStringLiteral("--size"))) {
            EXPECT_TRUE(r.err.contains(QStringLiteral("２文字"))) << r.err.toStdString();
        }
    }
}

TEST(CommandLine, PrintWritesOnePdfForTheRun)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const Ran r = run({QStringLiteral("print"), QStringLiteral("--pdf"), pdf, QStringLiteral("--font"),
                       QStringLiteral("IPAexMincho"), QStringLiteral("山川空")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
    QDir::setCurrent(previous);
}

TEST(CommandLine, FailuresExitOneAndNameWhatWasNotPrinted)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString list = QString(30, QChar(0x5C71)) + QStringLiteral("川海");
    const Ran bad = run({QStringLiteral("print"), QStringLiteral("--pdf"),
                         dir.filePath(QStringLiteral("no/such/dir/out.pdf")), list});
    EXPECT_EQ(bad.code, 1);
    // No input field keeps them: the message says how many and which.
    EXPECT_TRUE(
        bad.err.contains(QStringLiteral("32字（") + QString(20, QChar(0x5C71)) + QStringLiteral("…）")))
        << bad.err.toStdString();
    // The blank that fills the last pair is none of the user's characters.
    const Ran odd = run({QStringLiteral("print"), QStringLiteral("--pdf"),
                         dir.filePath(QStringLiteral("no/such/dir/out.pdf")), QStringLiteral("山川海")});
    EXPECT_TRUE(odd.err.contains(QStringLiteral("3字（山川海）"))) << odd.err.toStdString();

    // A list file that is not there is a failure to find, as the usage says.
    const Ran missing = run({QStringLiteral("print"), QStringLiteral("--pdf"),
                             dir.filePath(QStringLiteral("x.pdf")), QStringLiteral("--file"),
                             dir.filePath(QStringLiteral("none.txt"))});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("none.txt")));
    QDir::setCurrent(previous);
}

// What a command writes counts only once it has arrived (a full disk,
// /dev/full).
TEST(CommandLine, OutputThatDoesNotArriveIsAFailure)
{
    const SheetSources data = source(StrokeData::fromCharacters({{U'山', strokesFrom({{1, 2}})}}));
    for (const QStringList &args :
         {QStringList{QStringLiteral("list"), QStringLiteral("光村図書"), QStringLiteral("4")},
          QStringList{QStringLiteral("search"), QStringLiteral("山")},
          QStringList{QStringLiteral("compounds"), QStringLiteral("山")},
          QStringList{QStringLiteral("strokes"), QStringLiteral("山")},
          QStringList{QStringLiteral("--help")}}) {
        QFile full(QStringLiteral("/dev/full"));
        ASSERT_TRUE(full.open(QIODevice::WriteOnly));
        QTextStream out(&full);
        QString err;
        QTextStream e(&err);
        EXPECT_EQ(RunCommandLine(args, out, e, data), 1) << args.first().toStdString();
        e.flush();
        EXPECT_TRUE(err.contains(QStringLiteral("標準出力に書き込めませんでした"))) << err.toStdString();
    }
}

// A write-protected list is not replaced by the PDF; a temporary copy that
// cannot be written is warned of, and the print goes on.
TEST_F(InTempDir, PrintReplacesOnlyWhatItMayAndSaysWhatItCouldNotWrite)
{
    const QString list = dir.filePath(QStringLiteral("list.txt"));
    {
        QFile f(list);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("\x8E\x52\r\n") == 4);
    }
    ASSERT_TRUE(QFile::setPermissions(list, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QStringList font{QStringLiteral("--font"), QStringLiteral("IPAexMincho")};
    const Ran refused = run(
        QStringList{QStringLiteral("print"), QStringLiteral("--pdf"), list, QStringLiteral("--file"), list}
        + font);
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains(list) && refused.err.contains(QStringLiteral("許可されていません")))
        << refused.err.toStdString();
    QFile kept(list);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("\x8E\x52\r\n"));

    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("BKStmp.txt"))));  // the first print's
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("BKStmp.txt")));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const Ran warned = run(
        QStringList{QStringLiteral("print"), QStringLiteral("--pdf"), pdf, QStringLiteral("山")} + font);
    EXPECT_EQ(warned.code, 0);
    EXPECT_TRUE(warned.err.contains(QStringLiteral("警告"))
                && warned.err.contains(QStringLiteral("BKStmp.txt")))
        << warned.err.toStdString();
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST(CommandLine, StrokesPrintsTheCountAndEachStart)
{
    const SheetSources data = source(
        StrokeData::fromCharacters({{U'山', strokesFrom({{52.49, 15.5}, {21.49, 54.5}, {89.24, 49.0}})},
                                    {U'あ', strokesFrom({{30.126, 30.0}, {50.0, 20.0}, {60.0, 40.0}})},
                                    {U'\U00020B9F', strokesFrom({{10.0, 99.999}})}}));
    const Ran yama = run({QStringLiteral("strokes"), QStringLiteral("山")}, data);
    EXPECT_EQ(yama.code, 0);
    EXPECT_EQ(yama.out, QStringLiteral("3\n52.49,15.50\n21.49,54.50\n89.24,49.00\n"));
    EXPECT_TRUE(yama.err.isEmpty());
    // A kana is a character; one beyond the BMP is one as well.
    EXPECT_EQ(
        run({QStringLiteral("strokes"), QStringLiteral("あ")}, data).out.section(QLatin1Char('\n'), 0, 1),
        QStringLiteral("3\n30.13,30.00"));
    const Ran far = run({QStringLiteral("strokes"), QString::fromUcs4(U"\U00020B9F")}, data);
    EXPECT_EQ(far.code, 0);
    EXPECT_EQ(far.out, QStringLiteral("1\n10.00,100.00\n"));
    // A variation selector pasted with the kanji names the same character.
    EXPECT_EQ(run({QStringLiteral("strokes"), QString::fromUcs4(U"山\U000E0100")}, data).out, yama.out);
    EXPECT_EQ(run({QStringLiteral("strokes"), QString::fromUcs4(U"山\uFE00")}, data).out, yama.out);
}

TEST(CommandLine, StrokesFailsWithoutDataAndRefusesBadUsage)
{
    const SheetSources data = source(StrokeData::fromCharacters({{U'山', strokesFrom({{1, 2}})}}));
    const Ran unknown = run({QStringLiteral("strokes"), QStringLiteral("猫")}, data);
    EXPECT_EQ(unknown.code, 1);
    EXPECT_TRUE(unknown.out.isEmpty());
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("猫"))) << unknown.err.toStdString();

    const SheetSources missing = source(StrokeData::fromFile(QStringLiteral("/nonexistent/strokes.dat")));
    const Ran off = run({QStringLiteral("strokes"), QStringLiteral("山")}, missing);
    EXPECT_EQ(off.code, 1);
    EXPECT_TRUE(off.out.isEmpty());
    EXPECT_EQ(off.err.trimmed(), messageForDisplay(missing.find(kStrokes.id)->problem()));

    for (const QStringList &args :
         {QStringList{QStringLiteral("strokes")},
          QStringList{QStringLiteral("strokes"), QStringLiteral("山川")},
          QStringList{QStringLiteral("strokes"), QString()},
          QStringList{QStringLiteral("strokes"), QString::fromUcs4(U"\uFE00")},  // a selector alone
          QStringList{QStringLiteral("strokes"), QStringLiteral("山"), QStringLiteral("川")}}) {
        const Ran r = run(args, data);
        EXPECT_EQ(r.code, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_TRUE(run({QStringLiteral("--help")}).out.contains(QStringLiteral("bokushomaru strokes")));
}

TEST(CommandLine, PrintTakesTheStrokeOrderForm)
{
    const QStringList base{QStringLiteral("print"), QStringLiteral("--pdf"), QStringLiteral("a.pdf")};
    const Result<PrintArgs> plain = parsePrintArgs(base + QStringList{QStringLiteral("山")},
                                                   SheetCatalog::standard(), EnvironmentData{});
    ASSERT_TRUE(plain.ok()) << plain.failure().toStdString();
    EXPECT_EQ(plain->options.form, kPracticeForm);
    EXPECT_FALSE(plain->settings.writeStrokeCount);

    const Result<PrintArgs> one = parsePrintArgs(base
                                                     + QStringList{QStringLiteral("--stroke-order"),
                                                                   QStringLiteral("--per-sheet"),
                                                                   QStringLiteral("1"), QStringLiteral("山")},
                                                 SheetCatalog::standard(), EnvironmentData{});
    ASSERT_TRUE(one.ok()) << one.failure().toStdString();
    EXPECT_EQ(one->options.form, kStrokeOrderForm);
    EXPECT_EQ(one->options.perSheet, 1);
    EXPECT_FALSE(one->settings.writeStrokeCount);

    const Result<PrintArgs> counted = parsePrintArgs(base
                                                         + QStringList{QStringLiteral("--stroke-count"),
                                                                       QStringLiteral("--stroke-order"),
                                                                       QStringLiteral("山")},
                                                     SheetCatalog::standard(), EnvironmentData{});
    ASSERT_TRUE(counted.ok()) << counted.failure().toStdString();
    EXPECT_EQ(counted->options.form, kStrokeOrderForm);
    EXPECT_TRUE(counted->settings.writeStrokeCount);

    // Every form has the heading cells: each switch on its own.
    for (const char *option : {"--stroke-count", "--readings", "--radical"}) {
        const Result<PrintArgs> filled = parsePrintArgs(base
                                                            + QStringList{QString::fromLatin1(option),
                                                                          QStringLiteral("山")},
                                                        SheetCatalog::standard(), EnvironmentData{});
        ASSERT_TRUE(filled.ok()) << option;
        const SheetSettings &s = filled->settings;
        EXPECT_EQ((std::array{s.writeStrokeCount, s.writeReadings, s.writeRadical}),
                  (std::array{option[2] == 's', option[2] == 'r' && option[3] == 'e', option[3] == 'a'}))
            << option;
    }

    // --form names a form of the table; --stroke-order is another name for
    // one of them, and a form the table lacks or two forms are a misuse.
    const Result<PrintArgs> named = parsePrintArgs(base
                                                       + QStringList{QStringLiteral("--form"),
                                                                     QStringLiteral("stroke-order"),
                                                                     QStringLiteral("--stroke-count"),
                                                                     QStringLiteral("山")},
                                                   SheetCatalog::standard(), EnvironmentData{});
    ASSERT_TRUE(named.ok()) << named.failure().toStdString();
    EXPECT_EQ(named->options.form, kStrokeOrderForm);
    EXPECT_TRUE(named->settings.writeStrokeCount);
    for (const QStringList &misuse : {QStringList{QStringLiteral("--form"), QStringLiteral("review")},
                                      QStringList{QStringLiteral("--form"), QStringLiteral("practice"),
                                                  QStringLiteral("--stroke-order")}}) {
        const Ran r = run(base + misuse + QStringList{QStringLiteral("山")});
        EXPECT_EQ(r.code, 2) << misuse.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("--form"))) << r.err.toStdString();
    }
}

TEST_F(InTempDir, StrokeOrderPrintWithoutDataWritesNothing)
{
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const QStringList args{
        QStringLiteral("print"),  QStringLiteral("--pdf"),       pdf,
        QStringLiteral("--font"), QStringLiteral("IPAexMincho"), QStringLiteral("--stroke-order"),
        QStringLiteral("山川")};
    const SheetSources missing = source(StrokeData::fromFile(dir.filePath(QStringLiteral("strokes.dat"))));
    const Ran r = run(args, missing);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(messageForDisplay(missing.find(kStrokes.id)->problem())))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("BKStmp.txt"))));

    // With data the same command prints, with the data's credit at the foot
    // in the program's own words (the whole program is linked here, the
    // version menu's longer credit included).
    const SheetSources data = source(StrokeData::fromCharacters({}));
    EXPECT_EQ(run(args, data).code, 0);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("書き順データ: KanjiVG (CC BY-SA 3.0)")))
        << printed.toStdString();
}

// The settings a first start leaves name 「フォント」 for the face: that is no
// face, and the print goes on in the default one. Characters it cannot draw
// and characters without strokes are named on stderr; the sheets are printed
// all the same.
TEST_F(InTempDir, PrintAfterAFirstStartNamesWhatItCannotDrawAndGoesOn)
{
    QFile ini(dir.filePath(QStringLiteral("BKS.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("a,b,c,d,e,f,g,フォント,山\r\n").toUtf8());
    ini.close();
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const Ran plain = run({QStringLiteral("print"), QStringLiteral("--pdf"), pdf, QStringLiteral("山川")});
    EXPECT_EQ(plain.code, 0) << plain.err.toStdString();
    EXPECT_TRUE(plain.err.isEmpty()) << plain.err.toStdString();

    const Ran lacking = run({QStringLiteral("print"), QStringLiteral("--pdf"), pdf,
                             QStringLiteral("--stroke-order"), QStringLiteral("山龘ｱ")});
    EXPECT_EQ(lacking.code, 0) << lacking.err.toStdString();
    const QStringList lines = lacking.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << lacking.err.toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("書体")) && lines[0].endsWith(QStringLiteral("龘")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("書き順データ"))
                && lines[1].endsWith(QStringLiteral("龘、ｱ")));
    EXPECT_FALSE(lacking.err.contains(QStringLiteral("山")));
    EXPECT_TRUE(QFile::exists(pdf));
}

// A test of a publisher's grade prints with its keys; a list without kanji
// writes nothing and says so.
TEST_F(InTempDir, PrintTakesTheTestFormsAndRefusesAListWithoutKanji)
{
    const Ran printed = run(
        QStringLiteral("print --pdf test.pdf --font IPAexMincho --form reading-test --items 10 "
                       "--answers at-end --variant 2 --publisher 光村図書 --grade 1")
            .split(QLatin1Char(' ')));
    EXPECT_EQ(printed.code, 0) << printed.err.toStdString();
    QFile pdf(QStringLiteral("test.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll().count("/Type /Page\n"), 16);  // 80 kanji: eight tests, eight keys

    const Ran none = run(
        QStringLiteral("print --pdf none.pdf --form writing-test かなだけ").split(QLatin1Char(' ')));
    EXPECT_EQ(none.code, 1);
    EXPECT_TRUE(none.err.contains(QStringLiteral("漢字がありません"))) << none.err.toStdString();
    EXPECT_FALSE(QFile::exists(QStringLiteral("none.pdf")));
}
