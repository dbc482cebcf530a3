// The commands that read the kanji facts, run on the file the build made.
#include "app/cli.h"
#include "app/factcommands.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace bks {
namespace {

struct Ran {
    int code;
    QString out, err;
};

// The arguments, split at spaces.
Ran run(const char *line, const KanjiFacts &facts)
{
    const QStringList args = QString::fromUtf8(line).split(QLatin1Char(' '));
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = runFactCommand(args, o, e, facts);
    o.flush();
    e.flush();
    return {code, out, err};
}

const KanjiFacts &built()
{
    static const KanjiFacts facts = KanjiFacts::open(QStringLiteral(BKS_KANJI_FACTS_FILE));
    return facts;
}

TEST(FactCommands, AnswerOrSayWhyNot)
{
    const struct {
        const char *args;
        int code;
        const char *out;  // the start of standard output
        const char *err;  // in standard error
    } cases[] = {
        {"readings 生", 0, "音 セイ\n音 ショウ\n訓 い(きる)\n訓 い(かす)\n", ""},
        {"readings 生\uFE00", 0, "音 セイ\n", ""},  // a variation selector is no second character
        {"radical 海", 0, "部首 氵\n元の字 水\n位置 へん\n名前 さんずい\n", ""},
        {"radical 巣", 0, "部首 ⺍\n元の字 巛\n位置 かんむり\n名前 なし\n", ""},
        {"readings 榊", 1, "", "常用漢字表にありません"},
        {"radical あ", 1, "", "常用漢字表にありません"},
        {"readings", 2, "", "使い方"},
        {"radical 生下", 2, "", "使い方"},
        {"test-items --publisher 光村図書 --grade 1", 0, "木\t木\tき\tき\n大\t", ""},
        {"test-items --variant 1 校学", 0, "校\t校\tこう\tこう\n学\t学校\tがっこう\tがっ\n", ""},
        {"test-items --form writing-test 生", 0, "生\t生きる\tいきる\tい\n", ""},
        {"test-items 榊山", 0, "山\t", "常用漢字表にない漢字は問題にしません: 榊"},
        {"test-items あいう", 1, "", "問題にできる漢字がありません"},
        {"test-items --file /nonexistent/list.txt", 1, "", "/nonexistent/list.txt"},
        {"test-items --grade 1", 2, "", "教科書会社が違います"},
        {"test-items --publisher 光村図書 --grade 7", 2, "", "学年が違います"},
        {"test-items --variant -1 山", 2, "", "--variant"},
        {"test-items --form print 山", 2, "", "--form"},
        {"test-items 山 川", 2, "", "一つ"},
        {"test-items --bogus 山", 2, "", "不明なオプション"},
        {"test-items --publisher 光村図書 --grade 1 山", 2, "", "どれか一つ"},
    };
    for (const auto &c : cases) {
        const Ran r = run(c.args, built());
        EXPECT_EQ(r.code, c.code) << c.args;
        EXPECT_EQ(r.out.left(int(QString::fromUtf8(c.out).size())), QString::fromUtf8(c.out)) << c.args;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.err))) << c.args;
    }
    // The program's command line hands these commands on.
    QString out, err;
    QTextStream o(&out), e(&err);
    EXPECT_EQ(RunCommandLine({QStringLiteral("radical")}, o, e, SheetSources{}), 2);
}

TEST(FactCommands, FailWithoutTheFileOrWhenTheOutputIsLost)
{
    QTemporaryDir dir;
    const QString damagedPath = dir.filePath(QStringLiteral("kanjifacts.dat"));
    QFile damaged(damagedPath);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("BKSFACTS and then nothing of use");
    damaged.close();
    const Ran missing = run("readings 生", KanjiFacts::open(dir.filePath(QStringLiteral("none.dat"))));
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("見つかりません")));
    const Ran broken = run("radical 海", KanjiFacts::open(damagedPath));
    EXPECT_EQ(broken.code, 1);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("読めません")));

    QFile full(QStringLiteral("/dev/full"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    QString err;
    QTextStream o(&full), e(&err);
    EXPECT_EQ(runFactCommand({QStringLiteral("readings"), QStringLiteral("生")}, o, e, built()), 1);
    e.flush();
    EXPECT_TRUE(err.contains(QStringLiteral("標準出力")));
}

}  // namespace
}  // namespace bks
