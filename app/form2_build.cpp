// Construction of the window's upper part: the kanji box, its choices and
// options, and the miniature sheet. Positions are the designed ones in twips.
#include "app/form2.h"

#include "app/choicebox.h"
#include "app/controlplacement.h"
#include "app/usagetexts.h"
#include "kanji/gradetables.h"
#include "platform/colours.h"
#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextDocument>

namespace bks {

namespace {

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
    Label2 = place(new QLabel(QStringLiteral("フォント"), form), QStringLiteral("Label2"), 720, 120, 2775,
                   375);
    Label2->setFrameShape(QFrame::Panel);
    Label1 = place(new QLabel(QStringLiteral("文字\r\n総数"), form), QStringLiteral("Label1"), 720, 720, 375,
                   375);
    QFont small = base;
    small.setPixelSize(10);
    Label1->setFont(small);
    Label21 = place(new CaptionLabel(QStringLiteral("0"), form), QStringLiteral("Label21"), 1200, 720, 615,
                    375);
    Label21->setFrameShape(QFrame::Panel);
    Label21->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text2 = place(new QLineEdit(QStringLiteral("0"), form), QStringLiteral("Text2"), 1200, 720, 615, 420);
    Text2->hide();

    Frame1 = place(new QGroupBox(QStringLiteral("自動連番機能"), form), QStringLiteral("Frame1"), 1920, 600,
                   1575, 495);
    Frame1->setToolTip(QStringLiteral("連番の自動設定ON・OFF"));
    Option[1] = place(new QRadioButton(QStringLiteral("ON"), Frame1), QStringLiteral("Option1"), 120, 210,
                      700, 270);
    Option[2] = place(new QRadioButton(QStringLiteral("OFF"), Frame1), QStringLiteral("Option2"), 800, 210,
                      735, 270);

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

    Frame2 = place(new QGroupBox(QStringLiteral("Ａ４版1頁の文字数"), form), QStringLiteral("Frame2"), 120,
                   5040, 1935, 495);
    Frame2->setToolTip(QStringLiteral("ページ内の文字数選択"));
    Option[3] = place(new QRadioButton(QStringLiteral("２文字"), Frame2), QStringLiteral("Option3"), 120, 210,
                      855, 270);
    Option[4] = place(new QRadioButton(QStringLiteral("１文字"), Frame2), QStringLiteral("Option4"), 1000,
                      210, 855, 270);
    // Counts other forms offer have options of their own, shown with them.
    m_perSheetOptions = {{2, Option[3]}, {1, Option[4]}};
    for (const SheetForm &offering : m_catalog.forms()) {
        for (const int count : m_catalog.perSheetOffered(offering.id)) {
            if (std::any_of(m_perSheetOptions.begin(), m_perSheetOptions.end(),
                            [count](const auto &option) { return option.first == count; }))
                continue;
            auto *option = place(new QRadioButton(fullWidthDigits(count) + QStringLiteral("文字"), Frame2),
                                 QStringLiteral("Frame2Option%1").arg(count), 120, 210, 855, 270);
            option->hide();
            m_perSheetOptions.emplace_back(count, option);
        }
    }
    Frame3 = place(new QGroupBox(QStringLiteral("なぞり書き"), form), QStringLiteral("Frame3"), 2160, 5040,
                   1935, 495);
    Frame3->setToolTip(QStringLiteral("なぞり書き文字を加える"));
    Option[5] = place(new QRadioButton(QStringLiteral("あり"), Frame3), QStringLiteral("Option5"), 120, 210,
                      855, 270);
    Option[6] = place(new QRadioButton(QStringLiteral("なし"), Frame3), QStringLiteral("Option6"), 1000, 210,
                      855, 270);
    Frame4 = place(new QGroupBox(QStringLiteral("連続印刷モード"), form), QStringLiteral("Frame4"), 2400,
                   5640, 1695, 735);
    Option[7] = place(new QRadioButton(QStringLiteral("全てのページ"), Frame4), QStringLiteral("Option7"),
                      120, 210, 1500, 255);
    Option[8] = place(new QRadioButton(QStringLiteral("１０ページ毎"), Frame4), QStringLiteral("Option8"),
                      120, 465, 1500, 255);
    Frame5 = place(new QGroupBox(QStringLiteral("文字濃淡"), form), QStringLiteral("Frame5"), 1320, 5640, 975,
                   735);
    Option[9] = place(new QRadioButton(QStringLiteral("通常"), Frame5), QStringLiteral("Option9"), 120, 210,
                      800, 255);
    Option[10] = place(new QRadioButton(QStringLiteral("薄い"), Frame5), QStringLiteral("Option10"), 120, 465,
                       800, 255);
    Frame6 = place(new QGroupBox(QStringLiteral("行間幅"), form), QStringLiteral("Frame6"), 120, 5640, 1095,
                   735);
    Option[11] = place(new QRadioButton(QStringLiteral("通常"), Frame6), QStringLiteral("Option11"), 120, 210,
                       900, 255);
    Option[12] = place(new QRadioButton(QStringLiteral("狭い"), Frame6), QStringLiteral("Option12"), 120, 465,
                       900, 255);
    for (int k : {1, 3, 5, 7, 9, 11})
        Option[k]->setChecked(true);
    for (QGroupBox *frame : {Frame1, Frame2, Frame3, Frame4, Frame5, Frame6}) {
        QFont f = small;
        frame->setFont(f);
    }

    Command1 = place(new QPushButton(QStringLiteral("連続印刷"), form), QStringLiteral("Command1"), 4200,
                     5400, 855, 975);
    Command1->setToolTip(QStringLiteral("連続印刷の実行"));
    Command4 = place(new QPushButton(QStringLiteral("単票印刷"), form), QStringLiteral("Command4"), 8640,
                     5400, 975, 975);
    Command4->setToolTip(QStringLiteral("例文挿入の場合の印刷実行"));
    // Its caption follows the design panel (setWindowHeightTwips).
    Command5 = place(new QPushButton(form), QStringLiteral("Command5"), 14400, 5400, 855, 975);
    Command5->setToolTip(QStringLiteral("ワークシートのカスタマイズ"));

    // The miniature sheet.
    Label6 = sampleLabel(form, QStringLiteral("Label6"), 6960, 360, 1455, 1455, 72);
    Label66 = sampleLabel(form, QStringLiteral("Label66"), 12600, 360, 1455, 1455, 72);
    Label6->setText(QStringLiteral("墨"));
    Label66->setText(QStringLiteral("墨"));
    const int cells[8][2] = {{6900, 3630},  {7740, 3630},  {6900, 4470},  {7740, 4470},
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
    const int headingPos[7][4] = {{8760, 240, 600, 2400}, {8760, 3000, 600, 1400}, {7740, 1920, 735, 420},
                                  {6900, 1920, 735, 420}, {7740, 5280, 735, 300},  {6900, 5280, 735, 300},
                                  {4440, 240, 735, 2400}};
    for (int n = 1; n <= 14; ++n) {
        const int *p = headingPos[(n - 1) % 7];
        const int shift = n > 7 ? 5640 : 0;
        Label14[n] = place(new QLabel(form), indexed("Label14", n), p[0] + shift, p[1], p[2], p[3]);
        Label14[n]->setWordWrap(true);
        Label14[n]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Label14[n]->setFont(small);
    }
    Label11 = place(new QLabel(QStringLiteral("０字"), form), QStringLiteral("Label11"), 7800, 6145, 735,
                    255);
    Label3 = place(new QLabel(form), QStringLiteral("Label3"), 5280, 6160, 2415, 255);
    Label3->setFont(small);
    Label15 = place(new QLabel(QStringLiteral("１頁２文字印刷"), form), QStringLiteral("Label15"), 9720, 6145,
                    1800, 255);
    setLabelTextColour(Label15, 255);
    // Beside it, whether the sheets carry the stroke order (form2_strokes.cpp).
    Label19 = place(new QLabel(form), QStringLiteral("Label19"), 11640, 6145, 2640, 255);
    setLabelTextColour(Label19, rgbNumber(0, 128, 0));
    Label19->hide();

    Image1 = place(new ClickableLabel(form), QStringLiteral("Image1"), 10080, 5400, 2400, 615);
    Image1->setPixmap(drawnPicture(Image1->size(), QStringLiteral("墨翔丸"), QColor(40, 40, 40)));
    Image2 = place(new ClickableLabel(form), QStringLiteral("Image2"), 10080, 5400, 2400, 615);
    Image2->setPixmap(drawnPicture(Image2->size(), QStringLiteral("見本を消す"), QColor(0, 90, 160)));
    Image2->setToolTip(QStringLiteral("入力欄と見本を消します"));
    Image2->hide();

    buildDesignPanel(small);
    Label10->lower();
    Label100->lower();

    // The design-time state: nothing to print yet.
    setRunControlsEnabled(false);
    putOwnText(joinLinesCrLf(StartupUsageLines()));
    m_holdsOwnText = true;                     // the change handling is not connected yet
    Text1->document()->clearUndoRedoStacks();  // the start is not a step to undo

    // Captions show headings, font names and characters from the user and
    // from BKS.ini: text, never markup (which could name files to read).
    for (QLabel *label : findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
}

}  // namespace bks
