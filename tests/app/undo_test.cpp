// Every change the program makes to the kanji box is a step the user can
// take back, so no click loses a typed list for good.
#include "tests/app/windowfixture.h"

#include "files/datafile.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace bks;
using namespace bks::test;

namespace {

void undo(QPlainTextEdit *box)
{
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
}

void redo(QPlainTextEdit *box)
{
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
}

}  // namespace

TEST_F(WindowTest, EachReplacementOfTheListIsOneUndoStep)
{
    Form2 &f = open();
    f.setText1(QString());
    control<QPlainTextEdit>(f, "Text1")
        ->insertPlainText(QStringLiteral("山川海"));  // as an input method commits it
    const QString typed = f.text1();
    ASSERT_EQ(typed, QStringLiteral("山川海"));

    control<QComboBox>(f, "Combo1")
        ->setCurrentIndex(control<QComboBox>(f, "Combo1")->findText(QStringLiteral("光村図書")));
    f.Combo1_Click();
    ASSERT_EQ(f.text1(), QStringLiteral("学年を選択してください"));
    undo(control<QPlainTextEdit>(f, "Text1"));
    EXPECT_EQ(f.text1(), typed);
    EXPECT_EQ(control<CaptionLabel>(f, "Label21")->caption(),
              QStringLiteral("3"));  // the count follows the undo
    redo(control<QPlainTextEdit>(f, "Text1"));
    EXPECT_EQ(f.text1(), QStringLiteral("学年を選択してください"));
    undo(control<QPlainTextEdit>(f, "Text1"));

    ASSERT_TRUE(SaveDataFile(dir.filePath(QStringLiteral("list.txt")), QStringLiteral("一\r\n二")));
    f.Label10_OLEDragDrop({dir.filePath(QStringLiteral("list.txt"))});
    ASSERT_EQ(f.text1(), QStringLiteral("一\r\n二"));
    undo(control<QPlainTextEdit>(f, "Text1"));
    EXPECT_EQ(f.text1(), typed);

    f.hps_Click();
    ASSERT_NE(f.text1(), typed);
    undo(control<QPlainTextEdit>(f, "Text1"));
    EXPECT_EQ(f.text1(), typed);

    f.gs_Click();
    ASSERT_NE(f.text1(), typed);
    // The reset empties the box and then writes the usage text: one step.
    undo(control<QPlainTextEdit>(f, "Text1"));
    EXPECT_EQ(f.text1(), typed);
}

TEST_F(WindowTest, UndoNeverMakesTheProgramsOwnTextsPrintable)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    control<QComboBox>(f, "Combo1")
        ->setCurrentIndex(control<QComboBox>(f, "Combo1")->findText(QStringLiteral("光村図書")));
    f.Combo1_Click();
    control<QComboBox>(f, "Combo2")
        ->setCurrentIndex(control<QComboBox>(f, "Combo2")->findText(QStringLiteral("２年")));
    f.Combo2_Click();
    ASSERT_TRUE(control<QPushButton>(f, "Command1")->isEnabled());

    undo(control<QPlainTextEdit>(f, "Text1"));  // the prompt comes back
    ASSERT_EQ(f.text1(), QStringLiteral("学年を選択してください"));
    EXPECT_FALSE(control<QPushButton>(f, "Command1")->isEnabled());
    undo(control<QPlainTextEdit>(f, "Text1"));  // and the usage text before it
    for (int i = 0; i < 4; ++i)
        services.printers.push_back(PrinterChoice{QStringLiteral("q"), QString()});
    f.Command1_Click();
    f.Command4_Click();
    EXPECT_TRUE(paper.sheets().empty());
    redo(control<QPlainTextEdit>(f, "Text1"));
    redo(control<QPlainTextEdit>(f, "Text1"));
    EXPECT_TRUE(control<QPushButton>(f, "Command1")->isEnabled());  // the grade list is the user's to print
}

TEST_F(WindowTest, UndoAfterARunGivesTheListBackForPrintingAgain)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    f.setText1(QStringLiteral("山\r\n𠮟\r\n川\r\n海"));
    services.printers.push_back(PrinterChoice{QString(), dir.filePath(QStringLiteral("x.pdf"))});
    ASSERT_EQ(f.Command1_Click(), RunResult::Printed);
    EXPECT_TRUE(f.text1().isEmpty());
    EXPECT_EQ(paper.sheets().size(), 2u);

    undo(control<QPlainTextEdit>(f, "Text1"));
    EXPECT_EQ(f.text1(), QStringLiteral("山\r\n𠮟\r\n川\r\n海"));
    EXPECT_EQ(control<CaptionLabel>(f, "Label21")->caption(), QStringLiteral("10"));
    EXPECT_EQ(control<CaptionLabel>(f, "Label7")->caption(), QStringLiteral("山"));
    EXPECT_EQ(control<CaptionLabel>(f, "Label8")->caption(),
              QStringLiteral("𠮟"));  // whole, and never a line break
    services.printers.push_back(PrinterChoice{QString(), dir.filePath(QStringLiteral("x.pdf"))});
    ASSERT_EQ(f.Command1_Click(), RunResult::Printed);
    EXPECT_EQ(paper.sheets().size(), 4u);
}
