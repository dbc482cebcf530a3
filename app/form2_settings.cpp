// The print settings and how the sample shows them.
#include "app/form2.h"

#include "platform/colours.h"
#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <cstdlib>

namespace bks {

void Form2::hfs_Click()
{
    fullSize(32);
}

// "100%": checked menu, scale 0.9 and the sample at full size; the tracing
// cells' size differs between the menu and the one-character option.
void Form2::fullSize(int tracingPoints)
{
    menus().hfs->setChecked(true);
    menus().nfs->setChecked(false);
    m_state.FontScale = 0.9f;
    setPoints(Label6, 72);
    setPoints(Label66, 72);
    for (QLabel *l : Label9)
        setPoints(l, tracingPoints);
}

void Form2::nfs_Click()
{
    menus().hfs->setChecked(false);
    menus().nfs->setChecked(true);
    m_state.FontScale = 0.8f;
    const int big = static_cast<int>(std::floor(double(m_state.FontScale) * 72));
    const int cell = static_cast<int>(std::floor(double(m_state.FontScale) * 36));
    setPoints(Label6, big);
    setPoints(Label66, big);
    for (QLabel *l : Label9)
        setPoints(l, cell);
}

void Form2::lr_Click(int index)
{
    static constexpr int kSteps[7] = {0, 1, 2, 3, -1, -2, -3};
    if (index < 0 || index > 6)
        return;
    const int steps = kSteps[index];
    m_state.PrintOffset = float(steps);
    samplePositionFeedback(steps);
    for (QAction *a : menus().lr)
        a->setChecked(false);
    menus().lr[index]->setChecked(true);
    m_state.PrintOffset = m_state.PrintOffset * 2;
}

void Form2::samplePositionFeedback(int s)
{
    const int t = 255 - std::abs(50 * s);
    const qint32 tint = rgbNumber(255, 255, t);
    if (Option[4]->isChecked()) {
        for (int i = 0; i < 4; ++i)
            setLabelBackground(Label9[i], tint);
        setLabelBackground(Label6, tint);
    } else {
        for (QLabel *l : Label9)
            setLabelBackground(l, tint);
        setLabelBackground(Label6, tint);
        setLabelBackground(Label66, tint);
    }
    auto moveLeft = [](QWidget *w, int twips) { w->move((twips + 7) / 15, w->y()); };
    moveLeft(Label6, 6960 + 10 * s);
    moveLeft(Label9[3], 7740 + 10 * s);
    moveLeft(Label9[1], 7740 + 10 * s);
    moveLeft(Label9[0], 6900 + 10 * s);
    moveLeft(Label9[2], 6900 + 10 * s);
}

void Form2::Option9_Click()
{
    setTraceShade(QString::number(kButtonFace));
}

void Form2::Option10_Click()
{
    setTraceShade(QString::number(kPaleGrey));
}

void Form2::setTraceShade(const QString &shade)
{
    m_state.TraceShade = shade;
    const qint32 c = colourNumberFromText(m_state.TraceShade);
    for (QLabel *l : Label9)
        setLabelTextColour(l, c);
    for (int i = 0; i < 7; ++i)
        setLabelTextColour(Label12[i], c);
}

// The right half of the sample is greyed in one-character work.
void Form2::showRightHalf(bool on)
{
    const qint32 background = on ? kWhite : kLightGrey;
    setLabelBackground(Label100, background);
    for (int n = 8; n <= 14; ++n)
        setLabelBackground(Label14[n], background);
    setLabelBackground(Label66, background);
    for (int i = 4; i < 8; ++i)
        setLabelBackground(Label9[i], background);
    Label8->setEnabled(on);
    Text51->setEnabled(on);
    Combo4->setEnabled(on);
    setLabelTextColour(Label66, on ? kButtonText : kLightGrey);
}

void Form2::Option11_Click()
{
    m_state.LineSpacing = 0.0f;
}
void Form2::Option12_Click()
{
    m_state.LineSpacing = 5.0f;
}

void Form2::Option5_Click()
{
    for (QLabel *l : Label9)
        l->show();
}

void Form2::Option6_Click()
{
    for (QLabel *l : Label9)
        l->hide();
}

void Form2::Option7_Click()
{
    Command1->setText(QStringLiteral("連続印刷"));
}
void Form2::Option8_Click()
{
    Command1->setText(QStringLiteral("１０ページ\r\n連続印刷"));
}

void Form2::Option1_Click()
{
    Text2->hide();
    Label21->show();
    Label1->setText(QStringLiteral("文字総数"));
}

void Form2::Option2_Click()
{
    Text2->show();
    Text2->setEnabled(true);
    Label21->hide();
    Label1->setText(QStringLiteral("1頁目番号"));
    // The number shown becomes the run's count, also a search position that
    // was only shown because numbering was already OFF.
    setCount(m_shownCount);
}

void Form2::Option4_Click()
{
    Label15->setText(QStringLiteral("１頁１文字印刷"));
    setLabelTextColour(Label15, rgbNumber(0, 0, 255));
    Label16->hide();
    Label13->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{Label8, Combo4, Frame6, Option[11], Option[12]})
        w->setEnabled(false);
    if (designPanelShown() && m_text1Background == kLightCyan)
        putOwnText(QStringLiteral("１文字の単票編集では文字列の左から１番目までが有効です。")
                   + QLatin1String("\r\n") + QStringLiteral("画面をクッリクしてください。"));
    m_state.FontScale = 0.9f;
    Label66->setText(QString());
    for (int i = 4; i < 8; ++i)
        Label9[i]->setText(QString());
    fullSize(36);
    offerSizeMenu(1);
    showRightHalf(false);
}

void Form2::Option3_Click()
{
    perSheetChosen(2);
}

void Form2::perSheetChosen(int perSheet)
{
    Label15->setText(QStringLiteral("１頁%1文字印刷").arg(fullWidthDigits(perSheet)));
    setLabelTextColour(Label15, 255);
    Label16->show();
    Label13->show();
    for (QWidget *w : std::initializer_list<QWidget *>{Label8, Combo4, Frame6, Option[11], Option[12]})
        w->setEnabled(true);
    const QString text = text1();
    const QString second = text.size() > 1 ? QString(text.at(1)) : QString();
    Label66->setText(second);
    for (int i = 4; i < 8; ++i)
        Label9[i]->setText(second);
    if (designPanelShown() && m_text1Background == kLightCyan)
        putOwnText(QStringLiteral("２文字の単票編集では文字列の左から２番目までが有効です。")
                   + QLatin1String("\r\n") + QStringLiteral("画面をクッリクしてください。"));
    offerSizeMenu(perSheet);
    showRightHalf(true);
}

// The size menu is there for the layouts that offer the smaller size; a
// layout without it prints at full size, and the menu shows so.
void Form2::offerSizeMenu(int perSheet)
{
    const SheetLayout *layout = m_catalog.chooseLayout(sheetForm(), perSheet);
    const bool offered = layout && layout->offersSmallerSize;
    menus().FS->setEnabled(offered);
    menus().FS->menuAction()->setEnabled(offered);
    if (!offered && menus().nfs->isChecked())
        hfs_Click();
}

}  // namespace bks
