// Start-up, the controls and menus, the kanji box and the print settings.
#include "tests/app/windowfixture.h"

#include "app/usagetexts.h"
#include "files/textcodec.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace bks;
using namespace bks::test;

namespace {

QColor background(QWidget *w)
{
    return w->palette().color(QPalette::Window);
}

}  // namespace

TEST_F(WindowTest, FirstStartWithoutSettingsFileKeepsTheDesignedTexts)
{
    Form2 &f = open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("墨翔丸ふたり筆－2020年度学習指導要領準拠－"));
    for (int k = 1; k <= 7; ++k)
        EXPECT_TRUE(control<QLineEdit>(f, "Text3", k)->text().isEmpty()) << k;
    EXPECT_EQ(f.state().TraceShade, QStringLiteral("12632256"));
    EXPECT_FLOAT_EQ(f.state().FontScale, 0.9f);
    EXPECT_FLOAT_EQ(f.state().LineSpacing, 0.0f);
    EXPECT_FLOAT_EQ(f.state().PrintOffset, 0.0f);
    EXPECT_FALSE(control<QAction>(f, "ow")->isEnabled());
    EXPECT_EQ(f.windowHeightTwips(), Form2::kStartHeight);
    EXPECT_FALSE(f.designPanelShown());
    EXPECT_FALSE(control<QPushButton>(f, "Command1")->isEnabled());
    EXPECT_EQ(control<CaptionLabel>(f, "Label21")->caption(), QStringLiteral("0"));
    EXPECT_EQ(f.text1(), joinLinesCrLf(StartupUsageLines()));
    EXPECT_EQ(control<QLineEdit>(f, "Text4")->text(), QStringLiteral("墨"));
}

TEST_F(WindowTest, SettingsFileFillsHeadingsFontAndCharacter)
{
    writeFile(QStringLiteral("BKS.ini"),
              encodeShiftJis(QStringLiteral("題,名,音,訓,部,画,,IPAexMincho,山\r\n")));
    Form2 &f = open();
    EXPECT_EQ(control<QLabel>(f, "Label2")->text(), QStringLiteral("IPAexMincho"));
    EXPECT_EQ(control<QLineEdit>(f, "Text3", 1)->text(), QStringLiteral("題"));
    EXPECT_EQ(control<QLineEdit>(f, "Text3", 7)->text(),
              QStringLiteral("文作りをしましょう"));  // empty → default
    EXPECT_EQ(control<QLineEdit>(f, "Text4")->text(), QStringLiteral("山"));
    EXPECT_EQ(control<QLabel>(f, "Label6")->font().family(), QStringLiteral("IPAexMincho"));
}

// A first start (no settings file, or one naming no face or the caption
// 「フォント」 that an earlier first start wrote) shows the textbook hand and
// prints with it at once.
TEST_F(WindowTest, AFirstStartPrintsInTheTextbookHand)
{
    size_t sheets = 0;
    for (const QByteArray &settings : {QByteArray(), encodeShiftJis(QStringLiteral("a,b,c,d,e,f,g,,川\r\n")),
                                       encodeShiftJis(QStringLiteral("a,b,c,d,e,f,g,フォント,川\r\n"))}) {
        if (settings.isEmpty())
            QFile::remove(dir.filePath(QStringLiteral("BKS.ini")));
        else
            writeFile(QStringLiteral("BKS.ini"), settings);
        Form2 &f = open();
        EXPECT_EQ(control<QLabel>(f, "Label2")->text(), QStringLiteral("Klee One"));
        EXPECT_EQ(f.state().SavedFontName, QStringLiteral("Klee One"));
        EXPECT_EQ(control<QLabel>(f, "Label6")->font().family(), QStringLiteral("Klee One"));
        f.setText1(QStringLiteral("山川"));
        services.printers.push_back(PrinterChoice{QString(), dir.filePath(QStringLiteral("x.pdf"))});
        EXPECT_EQ(f.Command1_Click(), RunResult::Printed);
        ASSERT_EQ(paper.sheets().size(), ++sheets);
        EXPECT_EQ(paper.sheets().back().back().fontName, QStringLiteral("Klee One"));
    }
}

TEST_F(WindowTest, JunkSettingsFilesNeverStopTheStart)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 131) & 0xFF));
    for (const QByteArray &junk : {binary, QByteArray(100000, ','), QByteArray("\"unclosed,quote"),
                                   QByteArray("\x81\x81\x81\xff,\xfc\x40,,,,,,,\x82")}) {
        writeFile(QStringLiteral("BKS.ini"), junk);
        Form2 &f = open();
        EXPECT_FALSE(control<QLabel>(f, "Label2")->text().isNull());
        f.setText1(QStringLiteral("山"));
        EXPECT_EQ(f.state().CharCount, 1);
    }
}

TEST_F(WindowTest, ControlsAndMenusCarryTheirNamesAndCaptions)
{
    open();
    for (const char *name : {"Label9(0)", "Label9(7)", "Label12(13)", "Label14(1)", "Label14(14)", "Text3(1)",
                             "Text3(7)", "Label4(0)", "Label4(13)", "Label5(1)", "Command1", "Command8",
                             "Combo4", "Text51", "Image2", "Label100"})
        EXPECT_NE(window->findChild<QWidget *>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(child<QPushButton>("Command1")->toolTip(), QStringLiteral("連続印刷の実行"));
    EXPECT_EQ(child<QLineEdit>("Text4")->toolTip(), QStringLiteral("前回操作時の最終文字"));
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), QStringLiteral("Ａ４版1頁の文字数"));
    EXPECT_EQ(child<QAction>("lr(4)")->text(), QStringLiteral("左へ2ミリメートル"));
    EXPECT_TRUE(child<QAction>("lr(0)")->isChecked());
    EXPECT_TRUE(child<QAction>("hfs")->isChecked());
    EXPECT_TRUE(child<QAction>("indic")->isChecked());
    EXPECT_EQ(child<QAction>("bokuchan")->text(), QStringLiteral("墨翔丸　v.2.0.0"));
    QStringList menus;
    for (QAction *a : window->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{QStringLiteral("ファイル"), QStringLiteral("デザイン編集画面"),
                                  QStringLiteral("辞書の選択"), QStringLiteral("文字の大きさ"),
                                  QStringLiteral("印字位置の微調整"), QStringLiteral("書き順"),
                                  QStringLiteral("ヘルプ")}));
    // The designed client area at 15 twips a pixel.
    EXPECT_EQ(window->centralWidget()->width(), 1027);
}

TEST_F(WindowTest, ScreenResetReachesTheNothingToPrintState)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("山川"));
    control<QRadioButton>(f, "Option", 2)->setChecked(true);
    f.ScreenReset();
    EXPECT_TRUE(control<QRadioButton>(f, "Option", 1)->isChecked());
    EXPECT_TRUE(control<QRadioButton>(f, "Option", 3)->isChecked());
    EXPECT_TRUE(f.text1().startsWith(QStringLiteral("《使い方》\r\n")));
    EXPECT_EQ(f.text1(), joinLinesCrLf(ResetUsageLines()));
    EXPECT_FALSE(control<QPushButton>(f, "Command1")->isEnabled());
    EXPECT_FALSE(control<QGroupBox>(f, "Frame4")->isEnabled());
    EXPECT_EQ(control<QComboBox>(f, "Combo1")->currentText(), QStringLiteral("教科書会社"));
    EXPECT_EQ(f.windowHeightTwips(), Form2::kResetHeight);
    EXPECT_EQ(control<QLabel>(f, "Label6")->text(), QStringLiteral("墨"));
    EXPECT_EQ(control<QLabel>(f, "Label9", 3)->text(), QStringLiteral("翔"));
    EXPECT_FALSE(control<ClickableLabel>(f, "Image1")->isHidden());
    EXPECT_TRUE(control<ClickableLabel>(f, "Image2")->isHidden());
}

TEST_F(WindowTest, TextChangesRecountAndRedrawTheSample)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("山川"));
    EXPECT_EQ(f.state().CharCount, 2);
    EXPECT_EQ(control<QLabel>(f, "Label11")->text(), QStringLiteral("2字"));
    EXPECT_EQ(control<QLabel>(f, "Label6")->text(), QStringLiteral("山"));
    EXPECT_EQ(control<QLabel>(f, "Label66")->text(), QStringLiteral("川"));
    EXPECT_EQ(control<QLabel>(f, "Label9", 5)->text(), QStringLiteral("川"));
    EXPECT_TRUE(control<QPushButton>(f, "Command1")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(f, "Command3")->isEnabled());

    f.setText1(QStringLiteral("山\r\n川"));
    EXPECT_EQ(f.state().CharCount, 4);  // a line break counts two
    EXPECT_EQ(control<CaptionLabel>(f, "Label21")->caption(), QStringLiteral("4"));

    f.setText1(QStringLiteral("山"));
    EXPECT_TRUE(control<QLabel>(f, "Label66")->text().isEmpty());
    EXPECT_EQ(f.state().CharCount, 1);

    f.setText1(QString());
    EXPECT_EQ(control<QLabel>(f, "Label6")->text(), QStringLiteral("漢"));
    EXPECT_EQ(control<QLabel>(f, "Label66")->text(), QStringLiteral("墨"));
    EXPECT_EQ(f.state().CharCount, 0);
    EXPECT_TRUE(control<QPushButton>(f, "Command1")->isEnabled());

    f.setText1(QStringLiteral("《使い方》\r\nabc"));
    EXPECT_EQ(control<QLabel>(f, "Label6")->text(), QStringLiteral("漢"));
    EXPECT_FALSE(control<QPushButton>(f, "Command1")->isEnabled());
}

TEST_F(WindowTest, HandlersSeeCrLfWhateverTheBoxKeeps)
{
    Form2 &f = open();
    control<QPlainTextEdit>(f, "Text1")->clear();
    control<QPlainTextEdit>(f, "Text1")->setFocus();
    QTest::keyClicks(control<QPlainTextEdit>(f, "Text1"), QStringLiteral("ab"));
    QTest::keyClick(control<QPlainTextEdit>(f, "Text1"), Qt::Key_Return);
    QTest::keyClicks(control<QPlainTextEdit>(f, "Text1"), QStringLiteral("c"));
    EXPECT_EQ(f.text1(), QStringLiteral("ab\r\nc"));
    EXPECT_EQ(f.state().CharCount, 5);
    f.setText1(QStringLiteral("x\ny\rz"));
    EXPECT_EQ(f.text1(), QStringLiteral("x\r\ny\r\nz"));
}

TEST_F(WindowTest, TextsBeyondTheSixteenBitCountKeepWholeAndDoNotCrash)
{
    Form2 &f = open();
    const QString huge(40000, QChar(0x5C71));
    f.setText1(huge);
    EXPECT_EQ(f.text1().size(), 40000);
    EXPECT_EQ(control<CaptionLabel>(f, "Label21")->caption(), QStringLiteral("40000"));
    EXPECT_EQ(f.state().CharCount, 32767);
}

TEST_F(WindowTest, NinetyPercentThenOneCharacterForcesFullSize)
{
    Form2 &f = open();
    f.nfs_Click();
    EXPECT_FLOAT_EQ(f.state().FontScale, 0.8f);
    EXPECT_EQ(control<QLabel>(f, "Label6")->font().pointSize(), 57);
    EXPECT_EQ(control<QLabel>(f, "Label9", 0)->font().pointSize(), 28);
    control<QRadioButton>(f, "Option", 4)->setChecked(true);
    EXPECT_FALSE(control<QMenu>(f, "FS")->isEnabled());
    EXPECT_TRUE(control<QAction>(f, "hfs")->isChecked());
    EXPECT_FALSE(control<QAction>(f, "nfs")->isChecked());
    EXPECT_FLOAT_EQ(f.state().FontScale, 0.9f);
    EXPECT_TRUE(control<QLabel>(f, "Label16")->isHidden());
    EXPECT_FALSE(control<QComboBox>(f, "Combo4")->isEnabled());
    EXPECT_EQ(background(control<QLabel>(f, "Label100")), QColor(192, 192, 192));
    control<QRadioButton>(f, "Option", 3)->setChecked(true);
    EXPECT_TRUE(control<QMenu>(f, "FS")->isEnabled());
    EXPECT_FLOAT_EQ(f.state().FontScale, 0.9f);
    EXPECT_EQ(background(control<QLabel>(f, "Label100")), QColor(255, 255, 255));
}

TEST_F(WindowTest, PrintPositionMovesAndTintsTheSample)
{
    Form2 &f = open();
    const int left = control<QLabel>(f, "Label6")->x();
    f.lr_Click(6);
    EXPECT_FLOAT_EQ(f.state().PrintOffset, -6.0f);
    EXPECT_TRUE(control<QAction>(f, "lr", 6)->isChecked());
    EXPECT_FALSE(control<QAction>(f, "lr", 0)->isChecked());
    EXPECT_EQ(background(control<QLabel>(f, "Label6")), QColor(255, 255, 105));
    EXPECT_EQ(control<QLabel>(f, "Label6")->x(), left - 2);  // 30 twips
    f.lr_Click(2);
    EXPECT_FLOAT_EQ(f.state().PrintOffset, 4.0f);
    f.lr_Click(0);
    EXPECT_FLOAT_EQ(f.state().PrintOffset, 0.0f);
    EXPECT_EQ(background(control<QLabel>(f, "Label6")), QColor(255, 255, 255));
    EXPECT_EQ(control<QLabel>(f, "Label6")->x(), left);
}

TEST_F(WindowTest, ShadeSpacingRangeAndNumberingOptions)
{
    Form2 &f = open();
    control<QRadioButton>(f, "Option", 10)->setChecked(true);
    EXPECT_EQ(f.state().TraceShade, QStringLiteral("14737632"));
    control<QRadioButton>(f, "Option", 9)->setChecked(true);
    EXPECT_EQ(f.state().TraceShade, QStringLiteral("-2147483633"));
    control<QRadioButton>(f, "Option", 12)->setChecked(true);
    EXPECT_FLOAT_EQ(f.state().LineSpacing, 5.0f);
    control<QRadioButton>(f, "Option", 8)->setChecked(true);
    EXPECT_EQ(control<QPushButton>(f, "Command1")->text(), QStringLiteral("１０ページ\r\n連続印刷"));
    control<QRadioButton>(f, "Option", 7)->setChecked(true);
    EXPECT_EQ(control<QPushButton>(f, "Command1")->text(), QStringLiteral("連続印刷"));
    control<QRadioButton>(f, "Option", 6)->setChecked(true);
    EXPECT_TRUE(control<QLabel>(f, "Label9", 0)->isHidden());
    control<QRadioButton>(f, "Option", 2)->setChecked(true);
    EXPECT_FALSE(control<QLineEdit>(f, "Text2")->isHidden());
    EXPECT_EQ(control<QLineEdit>(f, "Text2")->text(), QStringLiteral("0"));
    EXPECT_TRUE(control<CaptionLabel>(f, "Label21")->isHidden());
    EXPECT_EQ(control<QLabel>(f, "Label1")->text(), QStringLiteral("1頁目番号"));
    control<QRadioButton>(f, "Option", 1)->setChecked(true);
    EXPECT_EQ(control<QLabel>(f, "Label1")->text(), QStringLiteral("文字総数"));
}
