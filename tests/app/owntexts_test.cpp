// The program's own texts in the kanji box are never printed, and the
// single-sheet hints appear only on the open design panel.
#include "tests/app/windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace bks;
using namespace bks::test;

namespace {

void pick(QComboBox *combo, const QString &item)
{
    combo->setCurrentIndex(combo->findText(item));
}

// Opens the print preview and reads what it says about the sheets.
QString previewPosition(Form2 &f)
{
    QString position;
    auto *timer = new QTimer(&f);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &position] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            if (auto *label = w->findChild<QLabel *>(QStringLiteral("previewPosition")))
                position = label->text();
            qobject_cast<QDialog *>(w)->accept();
        }
    });
    timer->start();
    f.Preview_Click();
    return position;
}

}  // namespace

TEST_F(WindowTest, NoPrintButtonPrintsTheProgramsOwnTexts)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    // Every question would be answered and every dialog completed, so only
    // the window itself can keep these texts from the printer.
    for (int i = 0; i < 20; ++i)
        services.printers.push_back(PrinterChoice{QStringLiteral("q"), QString()});
    const std::vector<std::pair<const char *, std::function<void()>>> ways = {
        {"start-up usage", [] {}},
        {"publisher before grade",
         [&] {
             pick(control<QComboBox>(f, "Combo1"), QStringLiteral("光村図書"));
             f.Combo1_Click();
         }},
        {"grade before publisher",
         [&] {
             f.ScreenReset();  // forgets the publisher
             pick(control<QComboBox>(f, "Combo2"), QStringLiteral("２年"));
             f.Combo2_Click();
         }},
        {"search finds nothing",
         [&] {
             control<QLineEdit>(f, "Text4")->setText(QStringLiteral("A"));
             f.Command7_Click();
         }},
        {"design help", [&] { f.hps_Click(); }},
        {"dictionary help", [&] { f.zhp_Click(); }},
        {"screen reset", [&] { f.ScreenReset(); }},
        {"one-character hint",
         [&] {
             f.Command5_Click();
             control<QRadioButton>(f, "Option", 4)->setChecked(true);
         }},
        {"two-character hint", [&] { control<QRadioButton>(f, "Option", 3)->setChecked(true); }},
    };
    for (const auto &[name, put] : ways) {
        SCOPED_TRACE(name);
        put();
        const QString shown = f.text1();
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_FALSE(control<QPushButton>(f, "Command1")->isEnabled());
        EXPECT_EQ(f.Command1_Click(), RunResult::NothingPrinted);
        f.Command4_Click();
        f.Command6_Click();
        EXPECT_EQ(f.text1(), shown);
    }
    EXPECT_TRUE(previewPosition(f).contains(QStringLiteral("説明です")));  // and says why
    EXPECT_EQ(services.printerDialogs, 0);
    EXPECT_TRUE(paper.sheets().empty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("BKStmp.txt"))));
}

TEST_F(WindowTest, TypingIntoAPromptMakesItTheUsersText)
{
    Form2 &f = open();
    control<QLabel>(f, "Label2")->setText(QStringLiteral("IPAexMincho"));
    pick(control<QComboBox>(f, "Combo1"), QStringLiteral("光村図書"));
    f.Combo1_Click();
    // Replacing the last character keeps the count: the edit alone counts.
    QTextCursor cursor = control<QPlainTextEdit>(f, "Text1")->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor);
    control<QPlainTextEdit>(f, "Text1")->setTextCursor(cursor);
    control<QPlainTextEdit>(f, "Text1")->setFocus();
    QTest::keyClicks(control<QPlainTextEdit>(f, "Text1"), QStringLiteral("x"));
    EXPECT_EQ(f.text1(), QStringLiteral("学年を選択してくださx"));
    EXPECT_TRUE(control<QPushButton>(f, "Command1")->isEnabled());
    services.printers.push_back(PrinterChoice{QStringLiteral("q"), QString()});
    f.Command4_Click();
    EXPECT_EQ(paper.sheets().size(), 1u);
    EXPECT_EQ(f.state().CurrentPair, QStringLiteral("学年"));

    // The very text of a prompt is the prompt, however it comes back.
    f.setText1(QStringLiteral("学年を選択してください"));
    EXPECT_FALSE(control<QPushButton>(f, "Command1")->isEnabled());
}

TEST_F(WindowTest, SingleSheetHintsOnlyOnTheOpenDesignPanel)
{
    Form2 &f = open();
    f.setText1(QStringLiteral("山川"));
    f.eds_Click();
    EXPECT_TRUE(control<QAction>(f, "eds")->isChecked());
    f.ow_Click();  // "編集終了"
    EXPECT_FALSE(control<QAction>(f, "eds")->isChecked());
    control<QRadioButton>(f, "Option", 4)->setChecked(true);
    control<QRadioButton>(f, "Option", 3)->setChecked(true);
    EXPECT_EQ(f.text1(), QStringLiteral("山川"));

    f.Command5_Click();
    f.Command5_Click();
    control<QRadioButton>(f, "Option", 4)->setChecked(true);
    EXPECT_EQ(f.text1(), QStringLiteral("山川"));

    f.Command5_Click();
    control<QRadioButton>(f, "Option", 3)->setChecked(true);
    EXPECT_TRUE(f.text1().startsWith(QStringLiteral("２文字の単票編集では")));
}
