// Publisher and grade lists, and the grade search.
#include "tests/app/windowfixture.h"

#include "kanji/kanjisearch.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

using namespace bks;
using namespace bks::test;

namespace {

void pick(QComboBox *combo, const QString &item)
{
    combo->setCurrentIndex(combo->findText(item));
}

}  // namespace

TEST_F(WindowTest, GradeBeforePublisherAsksForThePublisher)
{
    Form2 &f = open();
    pick(control<QComboBox>(f, "Combo2"), QStringLiteral("１年"));
    f.Combo2_Click();
    EXPECT_EQ(f.text1(), QStringLiteral("教科書会社を選択してください"));
    EXPECT_EQ(f.state().CharCount, 14);
    EXPECT_FALSE(control<QPushButton>(f, "Command1")->isEnabled());  // the prompt is no list
    pick(control<QComboBox>(f, "Combo1"), QStringLiteral("光村図書"));
    f.Combo1_Click();
    EXPECT_EQ(f.text1().size(), 80);
    EXPECT_TRUE(control<QPushButton>(f, "Command1")->isEnabled());
    EXPECT_TRUE(f.text1().startsWith(QStringLiteral("木大小")));
}

TEST_F(WindowTest, PublisherThenGradeLoadsTheList)
{
    Form2 &f = open();
    pick(control<QComboBox>(f, "Combo1"), QStringLiteral("光村図書"));
    f.Combo1_Click();
    EXPECT_EQ(f.text1(), QStringLiteral("学年を選択してください"));
    EXPECT_TRUE(control<ClickableLabel>(f, "Image1")->isHidden());
    EXPECT_FALSE(control<ClickableLabel>(f, "Image2")->isHidden());
    pick(control<QComboBox>(f, "Combo2"), QStringLiteral("４年"));
    f.Combo2_Click();
    EXPECT_EQ(f.state().CharCount, 202);
    EXPECT_EQ(control<CaptionLabel>(f, "Label21")->caption(), QStringLiteral("202"));
    EXPECT_TRUE(control<QPushButton>(f, "Command1")->isEnabled());
    EXPECT_EQ(control<QPlainTextEdit>(f, "Text1")->font().pointSize(), 18);

    pick(control<QComboBox>(f, "Combo1"), QStringLiteral("文字なし"));
    f.Combo1_Click();
    EXPECT_TRUE(f.text1().isEmpty());
    EXPECT_EQ(f.state().CharCount, 0);
    EXPECT_FALSE(control<QComboBox>(f, "Combo2")->isEnabled());
}

TEST_F(WindowTest, SearchLoadsTheGradeAndSelectsTheKanji)
{
    Form2 &f = open();
    control<QLineEdit>(f, "Text4")->setText(QStringLiteral("川"));
    f.Command7_Click();
    EXPECT_EQ(f.text1().size(), 80);
    EXPECT_EQ(control<QComboBox>(f, "Combo2")->currentText(), QStringLiteral("一年"));
    EXPECT_EQ(control<QComboBox>(f, "Combo1")->currentText(), QStringLiteral("光村図書"));
    EXPECT_EQ(control<CaptionLabel>(f, "Label21")->caption(), QStringLiteral("35"));
    EXPECT_EQ(f.state().CharCount, 35);
    EXPECT_EQ(control<QPlainTextEdit>(f, "Text1")->textCursor().selectedText(), QStringLiteral("川"));
    EXPECT_TRUE(control<QLineEdit>(f, "Text4")->text().isEmpty());
}

TEST_F(WindowTest, SearchFindsThePrefectureKanjiOfTheCurrentCurriculum)
{
    Form2 &f = open();
    control<QLineEdit>(f, "Text4")->setText(QStringLiteral("茨"));
    f.Command7_Click();
    EXPECT_EQ(control<QComboBox>(f, "Combo2")->currentText(), QStringLiteral("四年"));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(WindowTest, SearchForAKanjiInNoGrade)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("山川"));
    control<QLineEdit>(f, "Text4")->setText(QStringLiteral("猫"));
    f.Command7_Click();
    EXPECT_EQ(f.text1(), NotFoundText());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, QStringLiteral("検索文字は教育漢字には含まれていません"));
    EXPECT_EQ(services.messages[0].title, QStringLiteral("文字検索"));
    EXPECT_EQ(services.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(control<QLineEdit>(f, "Text4")->text(), QStringLiteral("墨"));
    EXPECT_EQ(control<QComboBox>(f, "Combo1")->currentText(), QStringLiteral("教科書会社"));
}

TEST_F(WindowTest, SearchFallsBackToTheCurrentText)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("あいう\r\n猫犬"));
    control<QLineEdit>(f, "Text4")->setText(QStringLiteral("猫"));
    f.Command7_Click();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(control<CaptionLabel>(f, "Label21")->caption(), QStringLiteral("6"));
    EXPECT_EQ(control<QPlainTextEdit>(f, "Text1")->textCursor().selectedText(), QStringLiteral("猫"));
}

TEST_F(WindowTest, EmptySearchBoxDoesNothingAndTheBoxKeepsOneCharacter)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("山"));
    control<QLineEdit>(f, "Text4")->setText(QString());
    f.Command7_Click();
    EXPECT_EQ(f.text1(), QStringLiteral("山"));
    control<QLineEdit>(f, "Text4")->setText(QStringLiteral("山川"));
    EXPECT_EQ(control<QLineEdit>(f, "Text4")->text(), QStringLiteral("山"));
}
