// Construction of the design panel: the heading editors and the
// single-sheet rows below the window's lower edge. Positions are the designed
// ones in twips, counted from the top of the window.
#include "app/designpanel.h"

#include "app/choicebox.h"
#include "app/controlplacement.h"
#include "platform/colours.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace bks {

namespace {

constexpr int kDesignTop = 6480;  // everything from here down belongs to the design panel

int inPanel(int top)
{
    return top - kDesignTop;
}

}  // namespace

void DesignPanel::build(QWidget *form, const QFont &small, const std::array<QRect, 8> &headings)
{
    DesignPanelUi &u = m_ui;
    u.designPanel = new QWidget(form);
    u.designPanel->setObjectName(QStringLiteral("designPanel"));
    u.designPanel->setGeometry(0, px(kDesignTop), px(15405), px(8445 - kDesignTop));
    u.Label5[0] = place(new QLabel(u.designPanel), QStringLiteral("Label5(0)"), 120, inPanel(6480), 6855,
                        1935);
    u.Label5[1] = place(new QLabel(u.designPanel), QStringLiteral("Label5(1)"), 6960, inPanel(6480), 8415,
                        1935);
    setLabelBackground(u.Label5[0], rgbNumber(0xC0, 0xC0, 0xFF));
    setLabelBackground(u.Label5[1], rgbNumber(0xC0, 0xFF, 0xC0));
    const int text3Pos[8][3] = {{0, 0, 0},          {480, 6600, 1935},  {480, 7080, 1935},
                                {480, 7560, 1935},  {3000, 6600, 1935}, {3000, 7080, 1695},
                                {5160, 7080, 1695}, {3000, 7560, 3855}};
    const int label4Pos[7][2] = {{120, 6600},  {120, 7080},  {120, 7560}, {2640, 6600},
                                 {2640, 7080}, {4800, 7080}, {2640, 7560}};
    static const char *const circled[7] = {"①", "②", "③", "④", "⑤", "⑥", "⑦"};
    for (int k = 1; k <= 7; ++k) {
        u.Text3[k] = place(new QLineEdit(u.designPanel), indexed("Text3", k), text3Pos[k][0],
                           inPanel(text3Pos[k][1]), text3Pos[k][2], 285);
        QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
        f.setPointSizeF(9.75);
        u.Text3[k]->setFont(f);
        u.Label4[k - 1] = place(new QLabel(QString::fromUtf8(circled[k - 1]), u.designPanel),
                                indexed("Label4", k - 1), label4Pos[k - 1][0], inPanel(label4Pos[k - 1][1]),
                                375, 285);
        setLabelTextColour(u.Label4[k - 1], 255);
        // The second set of markers stands beside the sample's heading fields.
        const QRect &beside = headings[k];
        u.Label4[k + 6] = new QLabel(QString::fromUtf8(circled[k - 1]), form);
        u.Label4[k + 6]->setObjectName(indexed("Label4", k + 6));
        u.Label4[k + 6]->setGeometry(beside.x() - 12, beside.y(), 12, 14);
        u.Label4[k + 6]->setFont(small);
        setLabelTextColour(u.Label4[k + 6], 255);
        u.Label4[k + 6]->setVisible(false);  // shown with the design panel
    }
    u.Command8 = place(new QPushButton(QStringLiteral("初期値"), u.designPanel), QStringLiteral("Command8"),
                       5160, inPanel(6600), 1695, 375);
    u.Label88 = place(new QLabel(QStringLiteral("赤い番号の項目を入れ換えられます。空白も適用できます。"),
                                 u.designPanel),
                      QStringLiteral("Label88"), 240, inPanel(8040), 6615, 255);
    u.Label88->setAlignment(Qt::AlignCenter);

    u.Label7 = place(new CaptionLabel(u.designPanel), QStringLiteral("Label7"), 7200, inPanel(6600), 375,
                     375);
    setLabelBackground(u.Label7, rgbNumber(0xFF, 0xC0, 0xFF));
    setLabelTextColour(u.Label7, 255);
    u.Label13 = place(new QLabel(QStringLiteral("右ページ"), u.designPanel), QStringLiteral("Label13"), 7200,
                      inPanel(6975), 975, 255);
    setLabelTextColour(u.Label13, rgbNumber(0xFF, 0x00, 0xFF));
    u.Text50 = place(new QLineEdit(u.designPanel), QStringLiteral("Text50"), 7680, inPanel(6600), 3015, 345);
    u.Combo3 = place(new ChoiceBox(u.designPanel), QStringLiteral("Combo3"), 11040, inPanel(6600), 3015, 405);
    u.Label8 = place(new CaptionLabel(u.designPanel), QStringLiteral("Label8"), 7200, inPanel(7200), 375,
                     375);
    setLabelBackground(u.Label8, rgbNumber(0x00, 0xC0, 0x00));
    setLabelTextColour(u.Label8, kWhite);
    u.Label16 = place(new QLabel(QStringLiteral("左ページ"), u.designPanel), QStringLiteral("Label16"), 7200,
                      inPanel(7680), 1095, 255);
    setLabelTextColour(u.Label16, rgbNumber(0x00, 0x80, 0x00));
    u.Text51 = place(new QLineEdit(u.designPanel), QStringLiteral("Text51"), 7680, inPanel(7200), 3015, 360);
    u.Combo4 = place(new ChoiceBox(u.designPanel), QStringLiteral("Combo4"), 11040, inPanel(7200), 3015, 405);
    for (QWidget *w : std::initializer_list<QWidget *>{u.Text50, u.Text51, u.Combo3, u.Combo4}) {
        QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
        f.setPointSizeF(14.25);
        w->setFont(f);
    }
    setLabelBackground(u.Text50, rgbNumber(0xFF, 0xC0, 0xFF));
    setLabelBackground(u.Text51, rgbNumber(0xFF, 0xC0, 0xFF));
    for (QLabel *l : {static_cast<QLabel *>(u.Label7), static_cast<QLabel *>(u.Label8)})
        l->setAlignment(Qt::AlignCenter);
    u.Combo3->setEditable(true);
    u.Combo4->setEditable(true);
    u.Label18 = place(new QLabel(QStringLiteral("直接入力\r\n８文字有効"), u.designPanel),
                      QStringLiteral("Label18"), 9600, inPanel(7800), 975, 375);
    u.Label18->setAlignment(Qt::AlignCenter);
    u.Label18->setFont(small);
    u.Label17 = place(new QLabel(QStringLiteral("プルダウンで\r\n例文表示"), u.designPanel),
                      QStringLiteral("Label17"), 11640, inPanel(7800), 1095, 375);
    u.Label17->setFont(small);
    u.Label17->hide();
    u.Command3 = place(new QPushButton(QStringLiteral("熟語表示"), u.designPanel), QStringLiteral("Command3"),
                       12960, inPanel(7680), 975, 495);
    u.Command3->setEnabled(false);
    u.Command6 = place(new QPushButton(QStringLiteral("単票印刷"), u.designPanel), QStringLiteral("Command6"),
                       14160, inPanel(6600), 975, 1575);
    u.Command6->setToolTip(QStringLiteral("例文挿入の場合の印刷実行"));
    u.Label5[0]->lower();
    u.Label5[1]->lower();
}

}  // namespace bks
