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
        {"menu opens", [&] { f.eds->trigger(); }, true},
        {"button closes what the menu opened", [&] { f.Command5->click(); }, false},
        {"button opens", [&] { f.Command5->click(); }, true},
        {"menu again keeps it open", [&] { f.eds->trigger(); }, true},
        {"edit end closes", [&] { f.ow->trigger(); }, false},
        {"button opens after edit end", [&] { f.Command5->click(); }, true},
        {"screen reset closes", [&] { f.gs->trigger(); }, false},
        {"button opens after the reset", [&] { f.Command5->click(); }, true},
    };
    for (const Step &s : steps) {
        s.act();
        EXPECT_EQ(f.designPanelShown(), s.shown) << s.what;
        EXPECT_EQ(f.Command5->text(), s.shown ? kCloses : kOpens) << s.what;
        EXPECT_EQ(f.ow->isEnabled(), s.shown) << s.what;
    }
}

TEST_F(WindowTest, MenusAndButtonsReachTheirHandlers)
{
    Form2 &f = open();
    f.nfs->trigger();
    EXPECT_FLOAT_EQ(f.state().FontScale, 0.8f);
    f.hfs->trigger();
    EXPECT_FLOAT_EQ(f.state().FontScale, 0.9f);
    f.lr[5]->trigger();
    EXPECT_FLOAT_EQ(f.state().PrintOffset, -4.0f);
    f.tkdic->trigger();
    EXPECT_FALSE(f.indic->isChecked());
    f.indic->trigger();
    EXPECT_FALSE(f.tkdic->isChecked());
    f.hps->trigger();
    EXPECT_TRUE(f.text1().contains(QStringLiteral("単票モード")));
    f.dcal->trigger();
    EXPECT_EQ(services.openDialogs, 1);
    f.we->trigger();
    EXPECT_EQ(services.urls.size(), 1u);
    f.Command2->click();
    EXPECT_EQ(services.fontDialogs, 1);

    f.Text4->setText(QStringLiteral("川"));
    f.Command7->click();
    EXPECT_EQ(f.Label21->caption(), QStringLiteral("35"));
    f.Command5->click();
    f.Command8->click();
    EXPECT_EQ(f.Text3[1]->text(), QStringLiteral("漢字練習帳"));
    f.setText1(QStringLiteral("集"));
    f.Command3->click();
    EXPECT_EQ(f.Combo3->count(), 14);
    f.Combo1->setCurrentIndex(f.Combo1->findText(QStringLiteral("東京書籍")));
    Q_EMIT f.Combo1->activated(f.Combo1->currentIndex());
    EXPECT_EQ(f.text1(), QStringLiteral("学年を選択してください"));
    f.Combo2->setCurrentIndex(0);
    Q_EMIT f.Combo2->activated(0);
    EXPECT_TRUE(f.text1().startsWith(QStringLiteral("一二三")));
    QTest::mouseClick(f.Image2, Qt::LeftButton);
    EXPECT_TRUE(f.text1().isEmpty());

    f.gs->trigger();
    EXPECT_EQ(f.text1(), joinLinesCrLf(ResetUsageLines()));
}
