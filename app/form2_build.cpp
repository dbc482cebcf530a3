// Construction of the window's controls and menus. Positions are the
// designed ones in twips (15 twips to a pixel).
#include "app/form2.h"

#include "app/choicebox.h"
#include "app/usagetexts.h"
#include "files/helptexts.h"
#include "kanji/gradetables.h"
#include "platform/colours.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextDocument>

namespace bks {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kDesignTop = 6480;  // everything from here down belongs to the design panel

int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

template <typename W>
W *place(W *w, const QString &name, int left, int top, int width, int height)
{
    w->setObjectName(name);
    w->setGeometry(px(left), px(top), px(width), px(height));
    return w;
}

QString indexed(const char *name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

QLabel *sampleLabel(QWidget *parent, const QString &name, int l, int t, int w, int h, int points)
{
    auto *label = place(new QLabel(parent), name, l, t, w, h);
    QFont f = label->font();
    f.setPointSize(points);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// The pictures are drawn rather than shipped: a brush-stroke seal for the
// start screen, and a "clear" sign that empties the sample.
QPixmap drawnPicture(const QSize &size, const QString &caption, const QColor &ink)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 2));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(pm.rect()).adjusted(1, 1, -1, -1), 6, 6);
    QFont f = p.font();
    f.setPixelSize(size.height() / 2);
    p.setFont(f);
    p.drawText(pm.rect(), Qt::AlignCenter, caption);
    return pm;
}

}  // namespace

void Form2::buildControls()
{
    form = new QWidget(this);
    form->setObjectName(QStringLiteral("Form2"));
    setCentralWidget(form);
    QFont base = form->font();
    base.setPixelSize(12);
    form->setFont(base);

    // The two halves of the sample sheet: Label10 and Label100 take dropped
    // files; Label100 also greys out in one-character work.
    Label10 = place(new QLabel(form), QStringLiteral("Label10"), 4200, 120, 5295, 6255);
    Label100 = place(new QLabel(form), QStringLiteral("Label100"), 9720, 120, 5535, 6255);
    setLabelBackground(Label10, kWhite);
    setLabelBackground(Label100, kWhite);
    Label10->setFrameShape(QFrame::Box);
    Label100->setFrameShape(QFrame::Box);

    Command2 = place(new QPushButton(form), QStringLiteral("Command2"), 120, 120, 495, 495);
    Command2->setToolTip(QStringLiteral("使用フォントの選択"));
    Command2->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    Label2 = place(new QLabel(QStringLiteral("フォント"), form), QStringLiteral("Label2"), 720, 120, 2775, 375);
    Label2->setFrameShape(QFrame::Panel);
    Label1 = place(new QLabel(QStringLiteral("文字\r\n総数"), form), QStringLiteral("Label1"), 720, 720, 375, 375);
    QFont small = base;
    small.setPixelSize(10);
    Label1->setFont(small);
    Label21 = place(new CaptionLabel(QStringLiteral("0"), form), QStringLiteral("Label21"), 1200, 720, 615, 375);
    Label21->setFrameShape(QFrame::Panel);
    Label21->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text2 = place(new QLineEdit(QStringLiteral("0"), form), QStringLiteral("Text2"), 1200, 720, 615, 420);
    Text2->hide();

    Frame1 = place(new QGroupBox(QStringLiteral("自動連番機能"), form), QStringLiteral("Frame1"), 1920, 600, 1575, 495);
    Frame1->setToolTip(QStringLiteral("連番の自動設定ON・OFF"));
    Option[1] = place(new QRadioButton(QStringLiteral("ON"), Frame1), QStringLiteral("Option1"), 120, 210, 700, 270);
    Option[2] = place(new QRadioButton(QStringLiteral("OFF"), Frame1), QStringLiteral("Option2"), 800, 210, 735, 270);

    Command7 = place(new QPushButton(form), QStringLiteral("Command7"), 3600, 120, 495, 495);
    Command7->setToolTip(QStringLiteral("右の1文字を検索"));
    Command7->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    Text4 = place(new QLineEdit(QStringLiteral("墨"), form), QStringLiteral("Text4"), 3600, 600, 495, 495);
    Text4->setToolTip(QStringLiteral("前回操作時の最終文字"));
    Text4->setAlignment(Qt::AlignCenter);

    Combo1 = place(new ChoiceBox(form), QStringLiteral("Combo1"), 720, 1200, 2055, 360);
    Combo1->setEditable(true);
    Combo1->addItems(PublisherNames() << kNoCharacters);
    Combo1->setEditText(QStringLiteral("教科書会社"));
    Combo2 = place(new ChoiceBox(form), QStringLiteral("Combo2"), 2880, 1200, 1215, 360);
    Combo2->setEditable(true);
    Combo2->addItems(GradeNames());
    Combo2->setEditText(QStringLiteral("学年"));

    Text1 = place(new QPlainTextEdit(form), QStringLiteral("Text1"), 120, 1680, 3975, 3255);
    for (QWidget *w : std::initializer_list<QWidget *>{Text1, Combo1, Combo2})
        setLabelBackground(w, kLightCyan);
    m_text1Background = kLightCyan;

    Frame2 = place(new QGroupBox(QStringLiteral("Ａ４版1頁の文字数"), form), QStringLiteral("Frame2"), 120, 5040, 1935, 495);
    Frame2->setToolTip(QStringLiteral("ページ内の文字数選択"));
    Option[3] = place(new QRadioButton(QStringLiteral("２文字"), Frame2), QStringLiteral("Option3"), 120, 210, 855, 270);
    Option[4] = place(new QRadioButton(QStringLiteral("１文字"), Frame2), QStringLiteral("Option4"), 1000, 210, 855, 270);
    Frame3 = place(new QGroupBox(QStringLiteral("なぞり書き"), form), QStringLiteral("Frame3"), 2160, 5040, 1935, 495);
    Frame3->setToolTip(QStringLiteral("なぞり書き文字を加える"));
    Option[5] = place(new QRadioButton(QStringLiteral("あり"), Frame3), QStringLiteral("Option5"), 120, 210, 855, 270);
    Option[6] = place(new QRadioButton(QStringLiteral("なし"), Frame3), QStringLiteral("Option6"), 1000, 210, 855, 270);
    Frame4 = place(new QGroupBox(QStringLiteral("連続印刷モード"), form), QStringLiteral("Frame4"), 2400, 5640, 1695, 735);
    Option[7] = place(new QRadioButton(QStringLiteral("全てのページ"), Frame4), QStringLiteral("Option7"), 120, 210, 1500, 255);
    Option[8] = place(new QRadioButton(QStringLiteral("１０ページ毎"), Frame4), QStringLiteral("Option8"), 120, 465, 1500, 255);
    Frame5 = place(new QGroupBox(QStringLiteral("文字濃淡"), form), QStringLiteral("Frame5"), 1320, 5640, 975, 735);
    Option[9] = place(new QRadioButton(QStringLiteral("通常"), Frame5), QStringLiteral("Option9"), 120, 210, 800, 255);
    Option[10] = place(new QRadioButton(QStringLiteral("薄い"), Frame5), QStringLiteral("Option10"), 120, 465, 800, 255);
    Frame6 = place(new QGroupBox(QStringLiteral("行間幅"), form), QStringLiteral("Frame6"), 120, 5640, 1095, 735);
    Option[11] = place(new QRadioButton(QStringLiteral("通常"), Frame6), QStringLiteral("Option11"), 120, 210, 900, 255);
    Option[12] = place(new QRadioButton(QStringLiteral("狭い"), Frame6), QStringLiteral("Option12"), 120, 465, 900, 255);
    for (int k : {1, 3, 5, 7, 9, 11})
        Option[k]->setChecked(true);
    for (QGroupBox *frame : {Frame1, Frame2, Frame3, Frame4, Frame5, Frame6}) {
        QFont f = small;
        frame->setFont(f);
    }

    Command1 = place(new QPushButton(QStringLiteral("連続印刷"), form), QStringLiteral("Command1"), 4200, 5400, 855, 975);
    Command1->setToolTip(QStringLiteral("連続印刷の実行"));
    Command4 = place(new QPushButton(QStringLiteral("単票印刷"), form), QStringLiteral("Command4"), 8640, 5400, 975, 975);
    Command4->setToolTip(QStringLiteral("例文挿入の場合の印刷実行"));
    Command5 = place(new QPushButton(QStringLiteral("デザイン\r\n画面開く"), form), QStringLiteral("Command5"), 14400, 5400, 855, 975);
    Command5->setToolTip(QStringLiteral("ワークシートのカスタマイズ"));

    // The miniature sheet.
    Label6 = sampleLabel(form, QStringLiteral("Label6"), 6960, 360, 1455, 1455, 72);
    Label66 = sampleLabel(form, QStringLiteral("Label66"), 12600, 360, 1455, 1455, 72);
    Label6->setText(QStringLiteral("墨"));
    Label66->setText(QStringLiteral("墨"));
    const int cells[8][2] = {{6900, 3630}, {7740, 3630}, {6900, 4470}, {7740, 4470},
                             {13440, 3720}, {13400, 4560}, {12520, 3720}, {12550, 4560}};
    const char *const startCells = "丸墨　翔丸漢　漢";
    const QString start = QString::fromUtf8(startCells);
    for (int i = 0; i < 8; ++i) {
        Label9[i] = sampleLabel(form, indexed("Label9", i), cells[i][0], cells[i][1], 735, 735, 32);
        Label9[i]->setText(start.at(i) == QChar(0x3000) ? QString() : QString(start.at(i)));
        setLabelTextColour(Label9[i], kLightGrey);
    }
    for (int i = 0; i < 14; ++i) {
        const int left = i < 7 ? 6000 : 11640;
        Label12[i] = sampleLabel(form, indexed("Label12", i), left, 240 + (i % 7) * 860, 855, 735, 20);
        Label12[i]->setFrameShape(QFrame::Box);
        setLabelTextColour(Label12[i], kLightGrey);
    }
    // Heading labels of the sample pages, laid out like the printed blocks:
    // the title band at the page's edge, readings and radical in the model
    // column, the sentence title above the sentence strip.
    const int headingPos[7][4] = {{8760, 240, 600, 2400},  {8760, 3000, 600, 1400},
                                  {7740, 1920, 735, 420},  {6900, 1920, 735, 420},
                                  {7740, 5280, 735, 300},  {6900, 5280, 735, 300},
                                  {4440, 240, 735, 2400}};
    for (int n = 1; n <= 14; ++n) {
        const int *p = headingPos[(n - 1) % 7];
        const int shift = n > 7 ? 5640 : 0;
        Label14[n] = place(new QLabel(form), indexed("Label14", n), p[0] + shift, p[1], p[2], p[3]);
        Label14[n]->setWordWrap(true);
        Label14[n]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Label14[n]->setFont(small);
    }
    Label11 = place(new QLabel(QStringLiteral("０字"), form), QStringLiteral("Label11"), 7800, 6145, 735, 255);
    Label3 = place(new QLabel(form), QStringLiteral("Label3"), 5280, 6160, 2415, 255);
    Label3->setFont(small);
    Label15 = place(new QLabel(QStringLiteral("１頁２文字印刷"), form), QStringLiteral("Label15"), 9720, 6145, 1800, 255);
    setLabelTextColour(Label15, 255);

    Image1 = place(new ClickableLabel(form), QStringLiteral("Image1"), 10080, 5400, 2400, 615);
    Image1->setPixmap(drawnPicture(Image1->size(), QStringLiteral("墨翔丸"), QColor(40, 40, 40)));
    Image2 = place(new ClickableLabel(form), QStringLiteral("Image2"), 10080, 5400, 2400, 615);
    Image2->setPixmap(drawnPicture(Image2->size(), QStringLiteral("見本を消す"), QColor(0, 90, 160)));
    Image2->setToolTip(QStringLiteral("入力欄と見本を消します"));
    Image2->hide();

    // The design panel: hidden below the window's lower edge until opened.
    designPanel = new QWidget(form);
    designPanel->setObjectName(QStringLiteral("designPanel"));
    designPanel->setGeometry(0, px(kDesignTop), px(15405), px(8445 - kDesignTop));
    auto inPanel = [](int top) { return top - kDesignTop; };
    Label5[0] = place(new QLabel(designPanel), QStringLiteral("Label5(0)"), 120, inPanel(6480), 6855, 1935);
    Label5[1] = place(new QLabel(designPanel), QStringLiteral("Label5(1)"), 6960, inPanel(6480), 8415, 1935);
    setLabelBackground(Label5[0], rgbNumber(0xC0, 0xC0, 0xFF));
    setLabelBackground(Label5[1], rgbNumber(0xC0, 0xFF, 0xC0));
    const int text3Pos[8][3] = {{0, 0, 0},          {480, 6600, 1935}, {480, 7080, 1935},
                                {480, 7560, 1935},  {3000, 6600, 1935}, {3000, 7080, 1695},
                                {5160, 7080, 1695}, {3000, 7560, 3855}};
    const int label4Pos[7][2] = {{120, 6600}, {120, 7080}, {120, 7560}, {2640, 6600},
                                 {2640, 7080}, {4800, 7080}, {2640, 7560}};
    static const char *const circled[7] = {"①", "②", "③", "④", "⑤", "⑥", "⑦"};
    for (int k = 1; k <= 7; ++k) {
        Text3[k] = place(new QLineEdit(designPanel), indexed("Text3", k), text3Pos[k][0],
                         inPanel(text3Pos[k][1]), text3Pos[k][2], 285);
        QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
        f.setPointSizeF(9.75);
        Text3[k]->setFont(f);
        Label4[k - 1] = place(new QLabel(QString::fromUtf8(circled[k - 1]), designPanel),
                              indexed("Label4", k - 1), label4Pos[k - 1][0],
                              inPanel(label4Pos[k - 1][1]), 375, 285);
        setLabelTextColour(Label4[k - 1], 255);
        // The second set of markers stands beside the sample's heading fields.
        const QRect beside = Label14[k]->geometry();
        Label4[k + 6] = new QLabel(QString::fromUtf8(circled[k - 1]), form);
        Label4[k + 6]->setObjectName(indexed("Label4", k + 6));
        Label4[k + 6]->setGeometry(beside.x() - 12, beside.y(), 12, 14);
        Label4[k + 6]->setFont(small);
        setLabelTextColour(Label4[k + 6], 255);
        Label4[k + 6]->setVisible(false);  // shown with the design panel
    }
    Command8 = place(new QPushButton(QStringLiteral("初期値"), designPanel), QStringLiteral("Command8"), 5160, inPanel(6600), 1695, 375);
    Label88 = place(new QLabel(QStringLiteral("赤い番号の項目を入れ換えられます。空白も適用できます。"), designPanel),
                    QStringLiteral("Label88"), 240, inPanel(8040), 6615, 255);
    Label88->setAlignment(Qt::AlignCenter);

    Label7 = place(new CaptionLabel(designPanel), QStringLiteral("Label7"), 7200, inPanel(6600), 375, 375);
    setLabelBackground(Label7, rgbNumber(0xFF, 0xC0, 0xFF));
    setLabelTextColour(Label7, 255);
    Label13 = place(new QLabel(QStringLiteral("右ページ"), designPanel), QStringLiteral("Label13"), 7200, inPanel(6975), 975, 255);
    setLabelTextColour(Label13, rgbNumber(0xFF, 0x00, 0xFF));
    Text50 = place(new QLineEdit(designPanel), QStringLiteral("Text50"), 7680, inPanel(6600), 3015, 345);
    Combo3 = place(new ChoiceBox(designPanel), QStringLiteral("Combo3"), 11040, inPanel(6600), 3015, 405);
    Label8 = place(new CaptionLabel(designPanel), QStringLiteral("Label8"), 7200, inPanel(7200), 375, 375);
    setLabelBackground(Label8, rgbNumber(0x00, 0xC0, 0x00));
    setLabelTextColour(Label8, kWhite);
    Label16 = place(new QLabel(QStringLiteral("左ページ"), designPanel), QStringLiteral("Label16"), 7200, inPanel(7680), 1095, 255);
    setLabelTextColour(Label16, rgbNumber(0x00, 0x80, 0x00));
    Text51 = place(new QLineEdit(designPanel), QStringLiteral("Text51"), 7680, inPanel(7200), 3015, 360);
    Combo4 = place(new ChoiceBox(designPanel), QStringLiteral("Combo4"), 11040, inPanel(7200), 3015, 405);
    for (QWidget *w : std::initializer_list<QWidget *>{Text50, Text51, Combo3, Combo4}) {
        QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
        f.setPointSizeF(14.25);
        w->setFont(f);
    }
    setLabelBackground(Text50, rgbNumber(0xFF, 0xC0, 0xFF));
    setLabelBackground(Text51, rgbNumber(0xFF, 0xC0, 0xFF));
    for (QLabel *l : {static_cast<QLabel *>(Label7), static_cast<QLabel *>(Label8)})
        l->setAlignment(Qt::AlignCenter);
    Combo3->setEditable(true);
    Combo4->setEditable(true);
    Label18 = place(new QLabel(QStringLiteral("直接入力\r\n８文字有効"), designPanel), QStringLiteral("Label18"), 9600, inPanel(7800), 975, 375);
    Label18->setAlignment(Qt::AlignCenter);
    Label18->setFont(small);
    Label17 = place(new QLabel(QStringLiteral("プルダウンで\r\n例文表示"), designPanel), QStringLiteral("Label17"), 11640, inPanel(7800), 1095, 375);
    Label17->setFont(small);
    Label17->hide();
    Command3 = place(new QPushButton(QStringLiteral("熟語表示"), designPanel), QStringLiteral("Command3"), 12960, inPanel(7680), 975, 495);
    Command3->setEnabled(false);
    Command6 = place(new QPushButton(QStringLiteral("単票印刷"), designPanel), QStringLiteral("Command6"), 14160, inPanel(6600), 975, 1575);
    Command6->setToolTip(QStringLiteral("例文挿入の場合の印刷実行"));
    Label5[0]->lower();
    Label5[1]->lower();
    Label10->lower();
    Label100->lower();

    // The design-time state: nothing to print yet.
    Command1->setEnabled(false);
    Frame4->setEnabled(false);
    Option[7]->setEnabled(false);
    Option[8]->setEnabled(false);
    putOwnText(joinLinesCrLf(StartupUsageLines()));
    m_holdsOwnText = true;  // the change handling is not connected yet
    Text1->document()->clearUndoRedoStacks();  // the start is not a step to undo

    // Captions show headings, font names and characters from the user and
    // from BKS.ini: text, never markup (which could name files to read).
    for (QLabel *label : findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
}

void Form2::buildMenus()
{
    auto item = [this](QMenu *menu, const char *name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    auto menu = [this](QMenu *parent, const char *name, const QString &caption) {
        QMenu *m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };

    f1 = menu(nullptr, "f1", QStringLiteral("ファイル"));
    dcal = item(f1, "dcal", QStringLiteral("データ呼び出し"));
    prv = item(f1, "prv", QStringLiteral("印刷プレビュー"));
    separator(f1, "b2");
    gs = item(f1, "gs", QStringLiteral("画面の初期化"));
    separator(f1, "lin1");
    en = item(f1, "en", QStringLiteral("終了"));

    ed = menu(nullptr, "ed", QStringLiteral("デザイン編集画面"));
    eds = item(ed, "eds", QStringLiteral("デザイン＋例文（単票モード）編集"));
    eds->setCheckable(true);
    separator(ed, "b4");
    ow = item(ed, "ow", QStringLiteral("編集終了"));
    ow->setEnabled(false);

    dct = menu(nullptr, "dct", QStringLiteral("辞書の選択"));
    indic = item(dct, "indic", QStringLiteral("内蔵辞書を使う"));
    tkdic = item(dct, "tkdic", QStringLiteral("内蔵辞書を使わない"));
    indic->setCheckable(true);
    tkdic->setCheckable(true);
    indic->setChecked(true);

    FS = menu(nullptr, "FS", QStringLiteral("文字の大きさ"));
    hfs = item(FS, "hfs", QStringLiteral("100%"));
    nfs = item(FS, "nfs", QStringLiteral("90%"));
    hfs->setCheckable(true);
    nfs->setCheckable(true);
    hfs->setChecked(true);

    bc = menu(nullptr, "bc", QStringLiteral("印字位置の微調整"));
    const QStringList shifts = {QStringLiteral("中央"), QStringLiteral("右へ2ミリメートル"),
                                QStringLiteral("右へ4ミリメートル"), QStringLiteral("右へ6ミリメートル"),
                                QStringLiteral("左へ2ミリメートル"), QStringLiteral("左へ4ミリメートル"),
                                QStringLiteral("左へ6ミリメートル")};
    for (int i = 0; i < 7; ++i) {
        lr[i] = bc->addAction(shifts[i]);
        lr[i]->setObjectName(QStringLiteral("lr(%1)").arg(i));
        lr[i]->setCheckable(true);
    }
    lr[0]->setChecked(true);

    hp = menu(nullptr, "hp", QStringLiteral("ヘルプ"));
    whp = menu(hp, "whp", QStringLiteral("ワークシート編集のヘルプ"));
    hps = item(whp, "hps", QStringLiteral("デザイン＋例文（単票モード）編集のヘルプ"));
    zhp = item(hp, "zhp", QStringLiteral("内蔵辞書とフォント"));
    separator(hp, "b3");
    we = item(hp, "we", QStringLiteral("KUROFUDE工房webサイトへ"));
    separator(hp, "b1");
    va = menu(hp, "va", QStringLiteral("バージョン情報"));
    bokuchan = item(va, "bokuchan", kVersionCaption);
    bokuchan2 = item(va, "bokuchan2", kVersionDate);
}

}  // namespace bks
