// Lists from files, exit with its save offer and BKS.ini, the font, help and
// the web page.
#include "tests/app/windowfixture.h"

#include "files/environmentfile.h"
#include "files/textcodec.h"
#include "tests/support/fulldisk.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>

using namespace bks;
using namespace bks::test;

TEST_F(WindowTest, MenuLoadAndDropGiveBackExactlyTheSavedText)
{
    const QString saved = QStringLiteral("山川,\"空\r\n　海 ");
    writeFile(QStringLiteral("list.txt"), encodeShiftJis(saved + QStringLiteral("\r\n")));
    Form2 &f = open();
    services.openNames.push_back(dir.filePath(QStringLiteral("list.txt")));
    f.dcal_Click();
    EXPECT_EQ(f.text1(), saved);
    EXPECT_EQ(f.state().CharCount, saved.size());
    EXPECT_EQ(control<QPlainTextEdit>(f, "Text1")->font().pointSize(), 18);

    f.setText1(QStringLiteral("x"));
    f.Label100_OLEDragDrop({dir.filePath(QStringLiteral("list.txt")), QStringLiteral("/nonexistent")});
    EXPECT_EQ(f.text1(), saved);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(WindowTest, CancelledOpenDialogChangesNothing)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("山"));
    f.dcal_Click();
    EXPECT_EQ(f.text1(), QStringLiteral("山"));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(WindowTest, UnreadableDropsLeaveTheTextAndSayWhy)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("山川"));
    writeFile(QStringLiteral("bin.txt"), QByteArray("\x00\x01\x02garbage", 10));
    QFile big(dir.filePath(QStringLiteral("big.txt")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(50LL * 1024 * 1024));
    big.close();
    for (const QString &name :
         {dir.path(), dir.filePath(QStringLiteral("bin.txt")), dir.filePath(QStringLiteral("big.txt"))}) {
        services.messages.clear();
        f.Label10_OLEDragDrop({name});
        EXPECT_EQ(f.text1(), QStringLiteral("山川")) << name.toStdString();
        ASSERT_EQ(services.messages.size(), 1u) << name.toStdString();
    }
    f.Label10_OLEDragDrop({});
    EXPECT_EQ(f.text1(), QStringLiteral("山川"));
}

TEST_F(WindowTest, ExitOffersToSaveAndWritesSettings)
{
    Form2 &f = open();
    f.Command8_Click();
    control<QLineEdit>(f, "Text3", 1)->setText(QStringLiteral("漢字,練習"));
    f.setText1(QStringLiteral("山川\r\n空"));
    services.answers.push_back(MsgResult::Yes);
    services.saveNames.push_back(dir.filePath(QStringLiteral("out.txt")));
    f.close();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, QStringLiteral("山川\r\n空\r\n上記のデータを保存しますか？"));
    EXPECT_EQ(services.messages[0].title, QStringLiteral("漢字練習帳連続印刷"));
    EXPECT_EQ(readFile(QStringLiteral("out.txt")), encodeShiftJis(QStringLiteral("山川\r\n空\r\n")));
    EXPECT_EQ(control<QLineEdit>(f, "Text4")->text(), QStringLiteral("山"));

    // The heading with a comma comes back whole on the next start.
    Form2 &again = open();
    EXPECT_EQ(control<QLineEdit>(again, "Text3", 1)->text(), QStringLiteral("漢字,練習"));
    EXPECT_EQ(control<QLineEdit>(again, "Text3", 2)->text(), QStringLiteral("名前"));
    EXPECT_EQ(control<QLabel>(again, "Label2")->text(),
              QStringLiteral("Klee One"));  // the first start's face, kept
    EXPECT_EQ(control<QLineEdit>(again, "Text4")->text(), QStringLiteral("山"));
}

TEST_F(WindowTest, ExitWithUsageOrEmptyTextAsksNothing)
{
    // The usage text holds none of the user's characters: the one
    // remembered stays.
    writeFile(QStringLiteral("BKS.ini"), encodeShiftJis(QStringLiteral("a,b,c,d,e,f,g,h,森\r\n")));
    Form2 &f = open();
    f.close();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(control<QLineEdit>(f, "Text4")->text(), QStringLiteral("森"));
    EXPECT_EQ(ReadEnvironmentFile().character, QStringLiteral("森"));

    Form2 &g = open();
    g.setText1(QString());
    control<QLineEdit>(g, "Text4")->setText(QStringLiteral("川"));
    g.close();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(control<QLineEdit>(g, "Text4")->text(), QStringLiteral("川"));
}

// Before the window closes, not silently afterwards: the user may make room
// and try again, or quit with the previous settings kept.
TEST_F(WindowTest, SettingsThatCannotBeWrittenAtExitAreSaidAndMayBeTriedAgain)
{
    FullDisk disk;
    if (!disk.ok())
        GTEST_SKIP() << "needs root to mount a small tmpfs";
    const QByteArray old = encodeShiftJis(QStringLiteral("a,b,c,d,e,f,g,h,森\r\n"));
    {
        QFile ini(disk.filePath(kEnvironmentFileName));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write(old) == old.size());
    }
    disk.fill();
    Form2 &f = open(false);
    f.setSettingsFolder(disk.filePath(QString()));
    f.Form_Load();
    control<QLineEdit>(f, "Text3", 1)->setText(QStringLiteral("新しい見出し"));
    services.answers = {MsgResult::Yes, MsgResult::No};  // try again, then quit anyway
    f.close();
    ASSERT_EQ(services.messages.size(), 2u);
    for (const auto &m : services.messages) {
        EXPECT_TRUE(m.text.contains(kEnvironmentFileName)
                    && m.text.contains(QStringLiteral("ディスクの空き")))
            << m.text.toStdString();
        EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    }
    QFile ini(disk.filePath(kEnvironmentFileName));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), old);
    EXPECT_EQ(disk.entries(), QStringList{kEnvironmentFileName});
}

TEST_F(WindowTest, DeclinedSaveStillWritesSettingsAndAFailedSaveAsksAgain)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("山"));
    services.answers.push_back(MsgResult::No);
    f.close();
    EXPECT_EQ(services.saveDialogs, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("BKS.ini"))));

    Form2 &g = open();
    g.setText1(QStringLiteral("川"));
    services.messages.clear();
    services.answers.push_back(MsgResult::Yes);
    services.saveNames.push_back(dir.filePath(QStringLiteral("no/such/dir/x.txt")));
    services.saveNames.push_back(dir.filePath(QStringLiteral("ok.txt")));
    g.close();
    EXPECT_EQ(services.saveDialogs, 2);
    EXPECT_EQ(readFile(QStringLiteral("ok.txt")), encodeShiftJis(QStringLiteral("川\r\n")));
}

TEST_F(WindowTest, FontChoiceAndCancel)
{
    Form2 &f = open();
    services.fonts.push_back(QStringLiteral("@Klee One"));
    f.Command2_Click();
    EXPECT_EQ(control<QLabel>(f, "Label2")->text(), QStringLiteral("@Klee One"));
    EXPECT_EQ(control<QLabel>(f, "Label6")->font().family(), QStringLiteral("Klee One"));
    f.Command2_Click();  // cancelled: the name stays
    EXPECT_EQ(control<QLabel>(f, "Label2")->text(), QStringLiteral("@Klee One"));

    Form2 &g = open();
    g.Command2_Click();  // first start, cancelled: the face it started with stays
    EXPECT_EQ(control<QLabel>(g, "Label2")->text(), QStringLiteral("Klee One"));
}

TEST_F(WindowTest, HelpTextsFillTheBoxAndTheSingleSheetSamples)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("山川"));
    f.hps_Click();
    EXPECT_TRUE(f.text1().startsWith(QStringLiteral("《使い方》\r\n　【単票モード】は、")));
    EXPECT_TRUE(f.text1().endsWith(QStringLiteral("　　　　　\r\n")));
    EXPECT_FALSE(control<QPushButton>(f, "Command1")->isEnabled());
    EXPECT_EQ(control<QComboBox>(f, "Combo3")->currentText(), QStringLiteral("漢字練習帳墨翔丸"));
    EXPECT_EQ(control<QComboBox>(f, "Combo4")->currentText(), QStringLiteral("墨翔丸漢字練習帳"));
    EXPECT_EQ(control<QLineEdit>(f, "Text50")->text(), QStringLiteral("漢字練習帳墨翔丸"));
    f.zhp_Click();
    EXPECT_TRUE(f.text1().startsWith(QStringLiteral("《使い方とフォント》\r\n\r\n")));
}

TEST_F(WindowTest, WebPageThatCannotBeOpenedIsReported)
{
    Form2 &f = open();
    f.we_Click();
    ASSERT_EQ(services.urls.size(), 1u);
    EXPECT_TRUE(services.urls[0].scheme().startsWith(QStringLiteral("http")));
    EXPECT_TRUE(services.messages.empty());
    services.urlOpens = false;
    f.we_Click();
    EXPECT_EQ(services.messages.size(), 1u);
}

TEST_F(WindowTest, ClearPictureEmptiesTextAndSample)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("山川"));
    f.Image2_Click();
    EXPECT_TRUE(f.text1().isEmpty());
    EXPECT_TRUE(control<QLabel>(f, "Label6")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>(f, "Label9", 0)->text().isEmpty());
}
