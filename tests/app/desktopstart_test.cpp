// A start from the desktop menu keeps its settings in a folder of its own;
// a start in a folder that holds settings keeps using them.
#include "tests/app/windowfixture.h"

#include "app/application.h"
#include "app/cli.h"
#include "app/usagetexts.h"
#include "files/environmentfile.h"
#include "files/textcodec.h"

#include <QFileInfo>
#include <QLineEdit>

using namespace bks;
using namespace bks::test;

namespace {

class DesktopStartTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        hadDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    }
    void TearDown() override
    {
        if (hadDataHome)
            qputenv("XDG_DATA_HOME", oldDataHome);
        else
            qunsetenv("XDG_DATA_HOME");
        WindowTest::TearDown();
    }
    Form2 &start(bool desktop)
    {
        Form2 &f = open(false);
        loadWindowSettings(f, services, desktop);
        return f;
    }
    QString own(const char *name) const
    {
        return dir.filePath(QStringLiteral("data/bokushomaru/") + QString::fromUtf8(name));
    }
    QByteArray settingsLine(const QString &title)
    {
        return encodeShiftJis(title + QStringLiteral(",名前,音読み,訓読み,部首,画数,文,IPAexMincho,山\r\n"));
    }

    bool hadDataHome = false;
    QByteArray oldDataHome;
};

}  // namespace

TEST_F(DesktopStartTest, MenuStartReadsAndWritesOnlyItsOwnFolder)
{
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("data/bokushomaru"))));
    QFile ini(own("BKS.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(settingsLine(QStringLiteral("自分の題")));
    ini.close();

    Form2 &f = start(true);
    EXPECT_EQ(control<QLineEdit>(f, "Text3", 1)->text(), QStringLiteral("自分の題"));
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    f.setText1(QStringLiteral("川"));
    services.printers.push_back(PrinterChoice{QString(), dir.filePath(QStringLiteral("x.pdf"))});
    EXPECT_EQ(f.Command1_Click(), RunResult::Printed);
    control<QLineEdit>(f, "Text3", 1)->setText(QStringLiteral("新しい題"));
    f.close();

    EXPECT_EQ(ReadEnvironmentFile(own("BKS.ini")).headings[1], QStringLiteral("新しい題"));
    EXPECT_TRUE(QFileInfo(own("BKStmp.txt")).isFile());
    // The home folder (here the working directory) stays as the user left it.
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("BKS.ini"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("BKStmp.txt"))));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(DesktopStartTest, SettingsInTheWorkingDirectoryAreKeptByEitherStart)
{
    for (const bool desktop : {false, true}) {
        writeFile(QStringLiteral("BKS.ini"), settingsLine(QStringLiteral("前からの題")));
        Form2 &f = start(desktop);
        EXPECT_EQ(control<QLineEdit>(f, "Text3", 1)->text(), QStringLiteral("前からの題")) << desktop;
        control<QLineEdit>(f, "Text3", 1)->setText(QStringLiteral("書き換えた題"));
        f.close();
        EXPECT_EQ(ReadEnvironmentFile().headings[1], QStringLiteral("書き換えた題")) << desktop;
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("data/bokushomaru"))));
}

TEST_F(DesktopStartTest, FolderThatCannotBeMadeIsToldAndTheWorkingDirectoryServes)
{
    writeFile(QStringLiteral("data"), "a file where the data home should be");
    Form2 &f = start(true);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(services.messages[0].text.contains(QStringLiteral("作れませんでした")));
    f.close();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("BKS.ini"))));
}

TEST(DesktopOption, OpensTheWindowAloneAndIsDocumented)
{
    EXPECT_FALSE(isCommandLine({}));
    EXPECT_FALSE(isCommandLine({QStringLiteral("--desktop")}));
    EXPECT_TRUE(isCommandLine({QStringLiteral("--desktop"), QStringLiteral("search")}));
    EXPECT_TRUE(isCommandLine({QStringLiteral("search"), QStringLiteral("--desktop")}));
    EXPECT_TRUE(usageText().contains(QStringLiteral("bokushomaru --desktop")));
}
