// Clicks and menu choices reach their handlers, and the design panel's button
// tells what it will do whichever way the panel moved.
#include "tests/app/windowfixture.h"

#include "app/usagetexts.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace bks;
using namespace bks::test;

namespace {

const QString kOpens = QStringLiteral("デザイン\r\n画面開く");
const QString kCloses = QStringLiteral("デザイン\r\n画面閉る");

}  // namespace

TEST_F(WindowTest, DesignButtonFollowsThePanelWhicheverWayItMoved)
{
    Form2 &f = open();
    struct Step {
        const char *what;
        std::function<void()> act;
        bool shown;
    };
    const Step steps[] = {
        {"menu opens", [&] { control<QAction>(f, "eds")->trigger(); }, true},
        {"button closes what the menu opened", [&] { control<QPushButton>(f, "Command5")->click(); }, false},
        {"button opens", [&] { control<QPushButton>(f, "Command5")->click(); }, true},
        {"menu again keeps it open", [&] { control<QAction>(f, "eds")->trigger(); }, true},
        {"edit end closes", [&] { control<QAction>(f, "ow")->trigger(); }, false},
        {"button opens after edit end", [&] { control<QPushButton>(f, "Command5")->click(); }, true},
        {"screen reset closes", [&] { control<QAction>(f, "gs")->trigger(); }, false},
        {"button opens after the reset", [&] { control<QPushButton>(f, "Command5")->click(); }, true},
    };
    for (const Step &s : steps) {
        s.act();
        EXPECT_EQ(f.designPanelShown(), s.shown) << s.what;
        EXPECT_EQ(control<QPushButton>(f, "Command5")->text(), s.shown ? kCloses : kOpens) << s.what;
        EXPECT_EQ(control<QAction>(f, "ow")->isEnabled(), s.shown) << s.what;
    }
}

TEST_F(WindowTest, MenusAndButtonsReachTheirHandlers)
{
    Form2 &f = open();
    control<QAction>(f, "nfs")->trigger();
    EXPECT_FLOAT_EQ(f.state().FontScale, 0.8f);
    control<QAction>(f, "hfs")->trigger();
    EXPECT_FLOAT_EQ(f.state().FontScale, 0.9f);
    control<QAction>(f, "lr", 5)->trigger();
    EXPECT_FLOAT_EQ(f.state().PrintOffset, -4.0f);
    control<QAction>(f, "tkdic")->trigger();
    EXPECT_FALSE(control<QAction>(f, "indic")->isChecked());
    control<QAction>(f, "indic")->trigger();
    EXPECT_FALSE(control<QAction>(f, "tkdic")->isChecked());
    control<QAction>(f, "hps")->trigger();
    EXPECT_TRUE(f.text1().contains(QStringLiteral("単票モード")));
    control<QAction>(f, "dcal")->trigger();
    EXPECT_EQ(services.openDialogs, 1);
    control<QAction>(f, "we")->trigger();
    EXPECT_EQ(services.urls.size(), 1u);
    control<QPushButton>(f, "Command2")->click();
    EXPECT_EQ(services.fontDialogs, 1);

    control<QLineEdit>(f, "Text4")->setText(QStringLiteral("川"));
    control<QPushButton>(f, "Command7")->click();
    EXPECT_EQ(control<CaptionLabel>(f, "Label21")->caption(), QStringLiteral("35"));
    control<QPushButton>(f, "Command5")->click();
    control<QPushButton>(f, "Command8")->click();
    EXPECT_EQ(control<QLineEdit>(f, "Text3", 1)->text(), QStringLiteral("漢字練習帳"));
    f.setText1(QStringLiteral("集"));
    control<QPushButton>(f, "Command3")->click();
    EXPECT_EQ(control<QComboBox>(f, "Combo3")->count(), 14);
    control<QComboBox>(f, "Combo1")
        ->setCurrentIndex(control<QComboBox>(f, "Combo1")->findText(QStringLiteral("東京書籍")));
    Q_EMIT control<QComboBox>(f, "Combo1")->activated(control<QComboBox>(f, "Combo1")->currentIndex());
    EXPECT_EQ(f.text1(), QStringLiteral("学年を選択してください"));
    control<QComboBox>(f, "Combo2")->setCurrentIndex(0);
    Q_EMIT control<QComboBox>(f, "Combo2")->activated(0);
    EXPECT_TRUE(f.text1().startsWith(QStringLiteral("一二三")));
    QTest::mouseClick(control<ClickableLabel>(f, "Image2"), Qt::LeftButton);
    EXPECT_TRUE(f.text1().isEmpty());

    control<QAction>(f, "gs")->trigger();
    EXPECT_EQ(f.text1(), joinLinesCrLf(ResetUsageLines()));
}
