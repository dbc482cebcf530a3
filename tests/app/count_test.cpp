// The count of the kanji box: what its labels show and what a run takes.
#include "tests/app/windowfixture.h"

#include "files/textcodec.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace bks;
using namespace bks::test;

namespace {

// Both count labels and the run's count, in one line for the assertions.
QString countsOf(Form2 &f)
{
    return QStringLiteral("%1 %2 %3")
        .arg(control<CaptionLabel>(f, "Label21")->caption(), control<QLabel>(f, "Label11")->text())
        .arg(f.state().CharCount);
}

void choose(QComboBox *combo, const QString &item)
{
    combo->setCurrentIndex(combo->findText(item));
}

}  // namespace

TEST_F(WindowTest, CountLabelsAndRunCountAgreeAfterTypingAndLoading)
{
    Form2 &f = open();
    control<QPlainTextEdit>(f, "Text1")->clear();
    control<QPlainTextEdit>(f, "Text1")->setFocus();
    control<QPlainTextEdit>(f, "Text1")
        ->insertPlainText(QStringLiteral("山川"));  // as the input method hands it over
    EXPECT_EQ(countsOf(f), QStringLiteral("2 2字 2"));
    QTest::keyClick(control<QPlainTextEdit>(f, "Text1"), Qt::Key_Backspace);
    EXPECT_EQ(countsOf(f), QStringLiteral("1 1字 1"));

    choose(control<QComboBox>(f, "Combo1"), QStringLiteral("光村図書"));
    f.Combo1_Click();
    choose(control<QComboBox>(f, "Combo2"), QStringLiteral("２年"));
    f.Combo2_Click();
    EXPECT_EQ(countsOf(f), QStringLiteral("160 160字 160"));

    writeFile(QStringLiteral("list.txt"), encodeShiftJis(QStringLiteral("山\r\n川\r\n")));
    f.Label10_OLEDragDrop({dir.filePath(QStringLiteral("list.txt"))});
    EXPECT_EQ(countsOf(f), QStringLiteral("4 4字 4"));

    f.setText1(QString());
    EXPECT_EQ(countsOf(f), QStringLiteral("0 0字 0"));
    EXPECT_FALSE(control<QPushButton>(f, "Command3")->isEnabled());  // no character to find words for
}

TEST_F(WindowTest, NumberingOffShowsASearchPositionWithoutRunningToIt)
{
    Form2 &f = open();
    control<QRadioButton>(f, "Option", 2)->setChecked(true);
    control<QLineEdit>(f, "Text4")->setText(QStringLiteral("川"));
    f.Command7_Click();
    // The position is shown; the run still covers the whole list.
    EXPECT_EQ(countsOf(f), QStringLiteral("35 35字 80"));
    control<QRadioButton>(f, "Option", 1)->setChecked(true);
    EXPECT_EQ(f.state().CharCount, 80);
    // Switching numbering OFF takes the shown number as the count.
    control<QRadioButton>(f, "Option", 2)->setChecked(true);
    EXPECT_EQ(f.state().CharCount, 35);

    f.setText1(QStringLiteral("山川空"));
    EXPECT_EQ(countsOf(f), QStringLiteral("3 3字 3"));
}

// A search sets the count to the found kanji's place; the run ends on its
// sheet. With two per sheet the odd 35th kanji takes the 36th as its
// partner, and no blank is appended to the end of the list.
TEST_F(WindowTest, RunWithNumberingOnEndsOnTheSearchedKanjisSheet)
{
    struct Case {
        int option;
        size_t sheets;
        QString counts;
    };
    for (const Case &c :
         {Case{4, 35, QStringLiteral("45 45字 45")}, Case{3, 18, QStringLiteral("44 44字 44")}}) {
        Form2 &f = open();
        const size_t before = paper.sheets().size();
        control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
        control<QRadioButton>(f, "Option", c.option)->setChecked(true);
        control<QLineEdit>(f, "Text4")->setText(QStringLiteral("川"));
        f.Command7_Click();
        EXPECT_EQ(countsOf(f), QStringLiteral("35 35字 35"));
        const QString list = f.text1();
        services.printers.push_back(PrinterChoice{QStringLiteral("queue"), QString()});
        EXPECT_EQ(f.Command1_Click(), RunResult::Printed);
        EXPECT_EQ(paper.sheets().size() - before, c.sheets);
        EXPECT_EQ(countsOf(f), c.counts);
        EXPECT_EQ(f.text1(), list.right(c.counts.section(QLatin1Char(' '), 0, 0).toInt()));
    }
}
