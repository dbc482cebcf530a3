// The command line runs the same code as the window.
#include "app/cli.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace bks;

namespace {

struct Result {
    int code;
    QString out, err;
};

Result run(const QStringList &args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = RunCommandLine(args, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}

}  // namespace

TEST(CommandLine, SearchPrintsGradeAndPosition)
{
    const Result r = run({QStringLiteral("search"), QStringLiteral("川")});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("一年 35\n"));
    const Result miss = run({QStringLiteral("search"), QStringLiteral("猫")});
    EXPECT_EQ(miss.code, 1);
    EXPECT_TRUE(miss.out.isEmpty());
    EXPECT_EQ(miss.err.trimmed(), QStringLiteral("検索文字は教育漢字には含まれていません"));
    EXPECT_EQ(run({QStringLiteral("search")}).code, 2);
}

TEST(CommandLine, ListTakesBothGradeSpellings)
{
    const Result a = run({QStringLiteral("list"), QStringLiteral("光村図書"), QStringLiteral("４年")});
    const Result b = run({QStringLiteral("list"), QStringLiteral("光村図書"), QStringLiteral("4")});
    EXPECT_EQ(a.code, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(a.out.trimmed().size(), 202);
    EXPECT_EQ(run({QStringLiteral("list"), QStringLiteral("某出版"), QStringLiteral("4")}).code, 2);
    EXPECT_EQ(run({QStringLiteral("list"), QStringLiteral("光村図書"), QStringLiteral("7")}).code, 2);
}

TEST(CommandLine, CompoundsInDictionaryOrder)
{
    const Result r = run({QStringLiteral("compounds"), QStringLiteral("集")});
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
          QStringList{QStringLiteral("print"), QStringLiteral("--printer"), QString(),
                      QStringLiteral("山")}}) {
        const Result r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
}

TEST(CommandLine, PrintWritesOnePdfForTheRun)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const Result r = run({QStringLiteral("print"), QStringLiteral("--pdf"), pdf, QStringLiteral("--font"),
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
    const Result bad = run({QStringLiteral("print"), QStringLiteral("--pdf"),
                            dir.filePath(QStringLiteral("no/such/dir/out.pdf")), list});
    EXPECT_EQ(bad.code, 1);
    // No input field keeps them: the message says how many and which.
    EXPECT_TRUE(
        bad.err.contains(QStringLiteral("32字（") + QString(20, QChar(0x5C71)) + QStringLiteral("…）")))
        << bad.err.toStdString();

    // A list file that is not there is a failure to find, as the usage says.
    const Result missing = run({QStringLiteral("print"), QStringLiteral("--pdf"),
                                dir.filePath(QStringLiteral("x.pdf")), QStringLiteral("--file"),
                                dir.filePath(QStringLiteral("none.txt"))});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("none.txt")));
    QDir::setCurrent(previous);
}
