// Where a start keeps BKS.ini and BKStmp.txt.
#include "files/settingsfolder.h"

#include "tests/files/filetestutil.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

using namespace bks;

namespace {

class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("work")));
    }
    QString path(const char *name) const { return root.filePath(QString::fromUtf8(name)); }

    QTemporaryDir root;
};

}  // namespace

TEST_F(SettingsFolderTest, DesktopStartMakesAFolderOfItsOwn)
{
    // The data home itself may not exist yet on a fresh account.
    const SettingsFolder f = chooseSettingsFolder(true, path("work"), path("home/.local/share"));
    EXPECT_EQ(f.path, path("home/.local/share/bokushomaru"));
    EXPECT_TRUE(f.problem.isEmpty());
    EXPECT_TRUE(QFileInfo(f.path).isDir());
    // A second start finds it and is content.
    EXPECT_EQ(chooseSettingsFolder(true, path("work"), path("home/.local/share")).path, f.path);
}

TEST_F(SettingsFolderTest, SettingsInTheWorkingDirectoryWinAndTerminalStartsStayThere)
{
    ASSERT_TRUE(test::writeBytes(path("work/BKS.ini"), "a,b,c,d,e,f,g,h,i\r\n"));
    for (const bool desktop : {true, false}) {
        const SettingsFolder f = chooseSettingsFolder(desktop, path("work"), path("share"));
        EXPECT_EQ(f.path, path("work")) << desktop;
        EXPECT_TRUE(f.problem.isEmpty());
    }
    // Without settings in it, a terminal start still uses the working directory.
    EXPECT_EQ(chooseSettingsFolder(false, path("share"), path("share")).path, path("share"));
    // Neither start made the program's own folder.
    EXPECT_FALSE(QFileInfo::exists(path("share/bokushomaru")));
}

TEST_F(SettingsFolderTest, FolderThatCannotBeMadeFallsBackAndSaysSo)
{
    // A file where the folder belongs, and a data home that is a file.
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("share")));
    ASSERT_TRUE(test::writeBytes(path("share/bokushomaru"), "not a folder"));
    ASSERT_TRUE(test::writeBytes(path("file"), "x"));
    for (const QString &dataHome : {path("share"), path("file"), QString(), QStringLiteral("relative")}) {
        const SettingsFolder f = chooseSettingsFolder(true, path("work"), dataHome);
        EXPECT_EQ(f.path, path("work")) << dataHome.toStdString();
        EXPECT_TRUE(f.problem.contains(QStringLiteral("作業フォルダ"))) << f.problem.toStdString();
        EXPECT_TRUE(f.problem.contains(QDir::toNativeSeparators(path("work")))) << f.problem.toStdString();
    }
    EXPECT_EQ(test::readBytes(path("share/bokushomaru")), QByteArray("not a folder"));
    EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath(QStringLiteral("relative"))));
}

// The XDG Base Directory rules, not Qt's reading of them: without HOME Qt
// answers "/", which made the folder //.local/share/bokushomaru.
TEST(XdgDataHome, AbsoluteXdgDataHomeElseHomesLocalShareElseNothing)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"/data", "/home/u", "/data"},
        {"relative/data", "/home/u", "/home/u/.local/share"},  // a relative one is ignored
        {"", "/home/u/", "/home/u/.local/share"},
        {"", "", ""},
        {"relative", "also/relative", ""},
    };
    for (const auto &[xdg, home, expected] : cases)
        EXPECT_EQ(xdgDataHome(QString::fromUtf8(xdg), QString::fromUtf8(home)), QString::fromUtf8(expected))
            << xdg << " " << home;
}
