// The design panel, the single-sheet rows and "単票印刷".
#include "tests/app/windowfixture.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace bks;
using namespace bks::test;

namespace {

QString combo(QComboBox *c, int i)
{
    return c->itemText(i);
}

}  // namespace

TEST_F(WindowTest, DesignPanelOpensAndClosesWithItsHeights)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("山川"));
    f.Command5_Click();
    EXPECT_EQ(f.windowHeightTwips(), Form2::kDesignHeight);
    EXPECT_TRUE(f.designPanelShown());
    EXPECT_EQ(control<QPushButton>(f, "Command5")->text(), QStringLiteral("デザイン\r\n画面閉る"));
    EXPECT_TRUE(control<QAction>(f, "ow")->isEnabled());
    EXPECT_TRUE(control<QAction>(f, "eds")->isChecked());
    EXPECT_FALSE(control<QPushButton>(f, "Command1")->isEnabled());
    EXPECT_FALSE(control<QGroupBox>(f, "Frame4")->isEnabled());
    EXPECT_EQ(control<QPushButton>(f, "Command3")->text(), QStringLiteral("熟語表示"));
    f.Command5_Click();
    EXPECT_EQ(f.windowHeightTwips(), Form2::kResetHeight);
    EXPECT_EQ(control<QPushButton>(f, "Command5")->text(), QStringLiteral("デザイン\r\n画面開く"));
    EXPECT_FALSE(control<QAction>(f, "eds")->isChecked());
    EXPECT_FALSE(control<QAction>(f, "ow")->isEnabled());
    EXPECT_FALSE(control<QWidget>(f, "designPanel")->isVisible());
    // Printing stays off until the count changes.
    EXPECT_FALSE(control<QPushButton>(f, "Command1")->isEnabled());
    f.setText1(QStringLiteral("山川空"));
    EXPECT_TRUE(control<QPushButton>(f, "Command1")->isEnabled());

    f.eds_Click();
    f.ow_Click();
    EXPECT_EQ(f.windowHeightTwips(), Form2::kStartHeight);
    EXPECT_EQ(control<QPushButton>(f, "Command5")->text(), QStringLiteral("デザイン\r\n画面開く"));
    f.Command5_Click();
    EXPECT_TRUE(f.designPanelShown());
}

TEST_F(WindowTest, DictionaryChoiceLabelsTheButtonWhenThePanelOpens)
{
    Form2 &f = open();
    f.tkdic_Click();
    EXPECT_TRUE(control<QAction>(f, "tkdic")->isChecked());
    EXPECT_FALSE(control<QAction>(f, "indic")->isChecked());
    f.Command5_Click();
    EXPECT_EQ(control<QPushButton>(f, "Command3")->text(), QStringLiteral("例文表示"));
    f.indic_Click();
    f.indic_Click();
    EXPECT_TRUE(control<QAction>(f, "indic")->isChecked());
    EXPECT_FALSE(control<QAction>(f, "tkdic")->isChecked());
    EXPECT_EQ(control<QPushButton>(f, "Command3")->text(),
              QStringLiteral("例文表示"));  // relabelled only on opening
}

TEST_F(WindowTest, HeadingBoxesMirrorAtOnceAndResetToTheInitialValues)
{
    Form2 &f = open();
    f.Command5_Click();
    control<QLineEdit>(f, "Text3", 2)->clear();
    for (const QChar c : QStringLiteral("なまえ"))
        control<QLineEdit>(f, "Text3", 2)->insert(QString(c));  // one keystroke at a time
    EXPECT_EQ(control<QLabel>(f, "Label14", 2)->text(), QStringLiteral("なまえ"));
    EXPECT_EQ(control<QLabel>(f, "Label14", 9)->text(), QStringLiteral("なまえ"));
    EXPECT_EQ(f.state().HeaderItems[2], QStringLiteral("なまえ"));
    EXPECT_EQ(f.sheetSettings().headings[2], QStringLiteral("なまえ"));
    control<QLineEdit>(f, "Text3", 5)->setText(QString());
    EXPECT_TRUE(f.state().HeaderItems[5].isEmpty());
    f.Command8_Click();
    const QStringList initial = {QStringLiteral("漢字練習帳"),
                                 QStringLiteral("名前"),
                                 QStringLiteral("音読み"),
                                 QStringLiteral("訓読み"),
                                 QStringLiteral("部首"),
                                 QStringLiteral("画数"),
                                 QStringLiteral("文作りをしましょう")};
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(control<QLineEdit>(f, "Text3", k)->text(), initial[k - 1]);
        EXPECT_EQ(control<QLabel>(f, "Label14", k + 7)->text(), initial[k - 1]);
        EXPECT_EQ(f.state().HeaderItems[k], initial[k - 1]);
    }
}

TEST_F(WindowTest, CompoundButtonFillsThePickLists)
{
    Form2 &f = open();
    f.Command5_Click();
    f.setText1(QStringLiteral("集"));
    f.Command3_Click();
    EXPECT_EQ(control<QComboBox>(f, "Combo3")->count(), 14);
    EXPECT_EQ(combo(control<QComboBox>(f, "Combo3"), 0), QStringLiteral("現地集合"));
    EXPECT_EQ(control<QComboBox>(f, "Combo3")->currentText(), QStringLiteral("現地集合"));
    EXPECT_EQ(control<QLineEdit>(f, "Text50")->text(), QStringLiteral("現地集合"));
    EXPECT_EQ(control<QLabel>(f, "Label12", 0)->text(), QStringLiteral("現"));
    EXPECT_EQ(control<QComboBox>(f, "Combo4")->count(), 0);
    EXPECT_FALSE(control<QLabel>(f, "Label17")->isHidden());

    f.setText1(QStringLiteral("水山"));
    EXPECT_EQ(control<QComboBox>(f, "Combo3")->count(), 0);  // a new text empties the lists
    EXPECT_EQ(control<QLineEdit>(f, "Text50")->text(), QStringLiteral("現地集合"));  // the example stays
    f.Command3_Click();
    EXPECT_EQ(control<QComboBox>(f, "Combo3")->count(), 36);
    EXPECT_EQ(control<QComboBox>(f, "Combo4")->count(), 23);

    f.tkdic_Click();
    f.Command3_Click();
    EXPECT_EQ(control<QComboBox>(f, "Combo3")->count(), 0);
    EXPECT_EQ(control<QComboBox>(f, "Combo4")->count(), 0);
}

TEST_F(WindowTest, TypedAndPickedExamplesReachTheSample)
{
    Form2 &f = open();
    f.Command5_Click();
    control<QComboBox>(f, "Combo3")->setEditText(QStringLiteral("山のぼり"));
    EXPECT_EQ(control<QLineEdit>(f, "Text50")->text(), QStringLiteral("山のぼり"));
    EXPECT_EQ(control<QLabel>(f, "Label12", 3)->text(), QStringLiteral("り"));
    EXPECT_TRUE(control<QLabel>(f, "Label12", 4)->text().isEmpty());
    control<QLineEdit>(f, "Text51")->setText(QStringLiteral("一二三四五六七八九"));
    EXPECT_EQ(control<QLabel>(f, "Label12", 13)->text(), QStringLiteral("七"));
}

TEST_F(WindowTest, SingleSheetsWalkThroughTheTextTwoAtATime)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    f.Command5_Click();
    f.setText1(QStringLiteral("一二三"));
    f.Command3_Click();
    services.printers.push_back(PrinterChoice{QStringLiteral("q"), QString()});
    f.Command6_Click();
    EXPECT_EQ(f.state().CurrentPair, QStringLiteral("一二"));
    EXPECT_EQ(f.text1(), QStringLiteral("三　"));
    EXPECT_EQ(f.state().SentenceTexts[0], control<QLineEdit>(f, "Text50")->text());
    EXPECT_EQ(paper.sheets().size(), 1u);
    services.printers.push_back(PrinterChoice{QStringLiteral("q"), QString()});
    f.Command4_Click();
    EXPECT_EQ(f.state().CurrentPair, QStringLiteral("三　"));
    EXPECT_TRUE(f.text1().isEmpty());
    EXPECT_EQ(paper.sheets().size(), 2u);
    EXPECT_EQ(paper.finishCount(), 2);  // one output per press
}

TEST_F(WindowTest, LoneCharacterInTwoCharacterWorkIsPrintedOnce)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    f.setText1(QStringLiteral("一"));
    services.printers.push_back(PrinterChoice{QStringLiteral("q"), QString()});
    f.Command4_Click();
    EXPECT_EQ(f.state().CurrentPair, QStringLiteral("一　"));
    EXPECT_TRUE(f.text1().isEmpty());
}

TEST_F(WindowTest, SingleSheetsInOneCharacterWork)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    control<QRadioButton>(f, "Option", 4)->setChecked(true);
    f.setText1(QStringLiteral("一二"));
    for (int i = 0; i < 3; ++i) {
        services.printers.push_back(PrinterChoice{QStringLiteral("q"), QString()});
        f.Command4_Click();
    }
    EXPECT_TRUE(f.text1().isEmpty());
    EXPECT_EQ(paper.sheets().size(), 3u);  // the last press draws the empty character
    EXPECT_TRUE(f.state().CurrentChar.isEmpty());
}

TEST_F(WindowTest, SingleSheetNeedsAFontAndACompletedDialog)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("山川"));
    control<QLabel>(f, "Label2")->setText(QStringLiteral("フォント"));  // as before any face was chosen
    f.Command4_Click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, QStringLiteral("フォントを設定してください"));
    EXPECT_EQ(services.messages[0].title, QStringLiteral("インフォーメーション"));
    EXPECT_EQ(services.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(services.printerDialogs, 0);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("BKStmp.txt"))));
    // No face at all, as a cancelled font dialog can leave it: refused alike.
    control<QLabel>(f, "Label2")->setText(QString());
    f.Command4_Click();
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[1].text, QStringLiteral("フォントを設定してください"));
    EXPECT_EQ(services.printerDialogs, 0);

    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    f.Command6_Click();  // the dialog is cancelled
    EXPECT_EQ(f.text1(), QStringLiteral("山川"));
    EXPECT_TRUE(paper.sheets().empty());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("BKStmp.txt"))));

    // A character the face cannot draw is named first; No prints nothing.
    f.setText1(QStringLiteral("龘山"));
    services.answers.push_back(MsgResult::No);
    f.Command6_Click();
    ASSERT_EQ(services.messages.size(), 3u);
    EXPECT_EQ(services.messages[2].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(services.messages[2].text.contains(QStringLiteral("龘")));
    EXPECT_EQ(services.printerDialogs, 1);
    EXPECT_EQ(f.text1(), QStringLiteral("龘山"));
}

TEST_F(WindowTest, ExampleTextsComeFromTheChosenSource)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    control<QRadioButton>(f, "Option", 4)->setChecked(true);
    f.Command5_Click();
    f.setText1(QStringLiteral("集集"));
    f.Command3_Click();                                                    // picks 現地集合
    control<QLineEdit>(f, "Text50")->setText(QStringLiteral("山のぼり"));  // typed over the pick
    auto printed = [this](const QString &c) {
        int n = 0;
        for (const RecordedOp &op : paper.ops())
            n += op.kind == RecordedOp::Print && op.text == c;
        return n;
    };
    services.printers.push_back(PrinterChoice{QStringLiteral("q"), QString()});
    f.Command6_Click();  // built-in dictionary chosen: the typed text is printed
    EXPECT_EQ(printed(QStringLiteral("の")), 1);
    EXPECT_EQ(printed(QStringLiteral("現")), 0);

    f.tkdic_Click();
    f.Command3_Click();  // the sentence list is empty: nothing to pick
    control<QComboBox>(f, "Combo3")->setEditText(QStringLiteral("現地集合"));
    control<QLineEdit>(f, "Text50")->setText(QStringLiteral("山のぼり"));
    services.printers.push_back(PrinterChoice{QStringLiteral("q"), QString()});
    f.Command6_Click();  // without the dictionary: the pick-list text is printed
    EXPECT_EQ(printed(QStringLiteral("現")), 1);
    EXPECT_EQ(printed(QStringLiteral("の")), 1);  // still only the first sheet's
    EXPECT_EQ(f.state().SentenceTexts[0], QStringLiteral("現地集合"));
}
