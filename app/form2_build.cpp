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

#include <span>
#include <type_traits>
#include <variant>

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

// Where a control of the table is kept: its member of the controls, or
// (a plain number) its place among the options.
using ControlSlot = std::variant<QLabel * Form2Ui::*, CaptionLabel * Form2Ui::*, ClickableLabel * Form2Ui::*,
                                 QPushButton * Form2Ui::*, QLineEdit * Form2Ui::*, QComboBox * Form2Ui::*,
                                 QPlainTextEdit * Form2Ui::*, QGroupBox * Form2Ui::*, int>;

// One control of the window's upper part, with its designed place in twips
// (inside `frame` when it has one) and its caption and tooltip. The rows are
// in the order the controls are made, which is the order Tab visits them.
struct ControlRow {
    ControlSlot slot;
    const char *name;
    int left, top, width, height;
    const char16_t *caption = nullptr;
    const char16_t *toolTip = nullptr;
    QGroupBox *Form2Ui::*frame = nullptr;
};

const ControlRow kUpperControls[] = {
    // The two halves of the sample sheet: Label10 and Label100 take dropped
    // files; Label100 also greys out in one-character work.
    {&Form2Ui::Label10, "Label10", 4200, 120, 5295, 6255},
    {&Form2Ui::Label100, "Label100", 9720, 120, 5535, 6255},
    {&Form2Ui::Command2, "Command2", 120, 120, 495, 495, nullptr, u"使用フォントの選択"},
    {&Form2Ui::Label2, "Label2", 720, 120, 2775, 375, u"フォント"},
    {&Form2Ui::Label1, "Label1", 720, 720, 375, 375, u"文字\r\n総数"},
    {&Form2Ui::Label21, "Label21", 1200, 720, 615, 375, u"0"},
    {&Form2Ui::Text2, "Text2", 1200, 720, 615, 420, u"0"},
    {&Form2Ui::Frame1, "Frame1", 1920, 600, 1575, 495, u"自動連番機能", u"連番の自動設定ON・OFF"},
    {1, "Option1", 120, 210, 700, 270, u"ON", nullptr, &Form2Ui::Frame1},
    {2, "Option2", 800, 210, 735, 270, u"OFF", nullptr, &Form2Ui::Frame1},
    {&Form2Ui::Command7, "Command7", 3600, 120, 495, 495, nullptr, u"右の1文字を検索"},
    {&Form2Ui::Text4, "Text4", 3600, 600, 495, 495, u"墨", u"前回操作時の最終文字"},
    {&Form2Ui::Combo1, "Combo1", 720, 1200, 2055, 360},
    {&Form2Ui::Combo2, "Combo2", 2880, 1200, 1215, 360},
    {&Form2Ui::Text1, "Text1", 120, 1680, 3975, 3255},
    {&Form2Ui::Frame2, "Frame2", 120, 5040, 1935, 495, u"Ａ４版1頁の文字数", u"ページ内の文字数選択"},
    {3, "Option3", 120, 210, 855, 270, u"２文字", nullptr, &Form2Ui::Frame2},
    {4, "Option4", 1000, 210, 855, 270, u"１文字", nullptr, &Form2Ui::Frame2},
    {&Form2Ui::Frame3, "Frame3", 2160, 5040, 1935, 495, u"なぞり書き", u"なぞり書き文字を加える"},
    {5, "Option5", 120, 210, 855, 270, u"あり", nullptr, &Form2Ui::Frame3},
    {6, "Option6", 1000, 210, 855, 270, u"なし", nullptr, &Form2Ui::Frame3},
    {&Form2Ui::Frame4, "Frame4", 2400, 5640, 1695, 735, u"連続印刷モード"},
    {7, "Option7", 120, 210, 1500, 255, u"全てのページ", nullptr, &Form2Ui::Frame4},
    {8, "Option8", 120, 465, 1500, 255, u"１０ページ毎", nullptr, &Form2Ui::Frame4},
    {&Form2Ui::Frame5, "Frame5", 1320, 5640, 975, 735, u"文字濃淡"},
    {9, "Option9", 120, 210, 800, 255, u"通常", nullptr, &Form2Ui::Frame5},
    {10, "Option10", 120, 465, 800, 255, u"薄い", nullptr, &Form2Ui::Frame5},
    {&Form2Ui::Frame6, "Frame6", 120, 5640, 1095, 735, u"行間幅"},
    {11, "Option11", 120, 210, 900, 255, u"通常", nullptr, &Form2Ui::Frame6},
    {12, "Option12", 120, 465, 900, 255, u"狭い", nullptr, &Form2Ui::Frame6},
    {&Form2Ui::Command1, "Command1", 4200, 5400, 855, 975, u"連続印刷", u"連続印刷の実行"},
    {&Form2Ui::Command4, "Command4", 8640, 5400, 975, 975, u"単票印刷", u"例文挿入の場合の印刷実行"},
    // Its caption follows the design panel (setWindowHeightTwips).
    {&Form2Ui::Command5, "Command5", 14400, 5400, 855, 975, nullptr, u"ワークシートのカスタマイズ"},
};

// The rows after the miniature sheet, which lie above it.
const ControlRow kLowerControls[] = {
    {&Form2Ui::Label11, "Label11", 7800, 6145, 735, 255, u"０字"},
    {&Form2Ui::Label3, "Label3", 5280, 6160, 2415, 255},
    {&Form2Ui::Label15, "Label15", 9720, 6145, 1800, 255, u"１頁２文字印刷"},
    // Beside it, whether the sheets carry the stroke order (form2_strokes.cpp).
    {&Form2Ui::Label19, "Label19", 11640, 6145, 2640, 255},
    {&Form2Ui::Image1, "Image1", 10080, 5400, 2400, 615},
    {&Form2Ui::Image2, "Image2", 10080, 5400, 2400, 615, nullptr, u"入力欄と見本を消します"},
};

template <typename W>
W *made(QWidget *parent, const ControlRow &row)
{
    W *w = place(new W(parent), QString::fromLatin1(row.name), row.left, row.top, row.width, row.height);
    if (row.toolTip)
        w->setToolTip(QString::fromUtf16(row.toolTip));
    if (!row.caption)
        return w;
    const QString caption = QString::fromUtf16(row.caption);
    if constexpr (std::is_base_of_v<QGroupBox, W>)
        w->setTitle(caption);
    else if constexpr (std::is_base_of_v<QComboBox, W>)
        w->setEditText(caption);
    else if constexpr (!std::is_base_of_v<QPlainTextEdit, W>)
        w->setText(caption);
    return w;
}

void placeControls(Form2Ui &ui, std::span<const ControlRow> rows)
{
    for (const ControlRow &row : rows) {
        QWidget *parent = row.frame ? static_cast<QWidget *>(ui.*row.frame) : ui.form;
        std::visit(
            [&](auto slot) {
                if constexpr (std::is_same_v<decltype(slot), int>) {
                    ui.Option[size_t(slot)] = made<QRadioButton>(parent, row);
                } else {
                    using W = std::remove_pointer_t<std::remove_reference_t<decltype(ui.*slot)>>;
                    // The pick lists follow the user's choices as ChoiceBoxes.
                    using Made = std::conditional_t<std::is_same_v<W, QComboBox>, ChoiceBox, W>;
                    ui.*slot = made<Made>(parent, row);
                }
            },
            row.slot);
    }
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
    QFont small = base;
    small.setPixelSize(10);

    placeControls(*this, kUpperControls);
    for (QLabel *half : {Label10, Label100}) {
        setLabelBackground(half, kWhite);
        half->setFrameShape(QFrame::Box);
    }
    Command2->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    Label2->setFrameShape(QFrame::Panel);
    Label1->setFont(small);
    Label21->setFrameShape(QFrame::Panel);
    Label21->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text2->hide();
    Command7->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    Text4->setAlignment(Qt::AlignCenter);
    Combo1->setEditable(true);
    Combo1->addItems(PublisherNames() << kNoCharacters);
    Combo1->setEditText(QStringLiteral("教科書会社"));
    Combo2->setEditable(true);
    Combo2->addItems(GradeNames());
    Combo2->setEditText(QStringLiteral("学年"));
    for (QWidget *w : std::initializer_list<QWidget *>{Text1, Combo1, Combo2})
        setLabelBackground(w, kLightCyan);
    m_text1Background = kLightCyan;

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
    for (int k : {1, 3, 5, 7, 9, 11})
        Option[k]->setChecked(true);
    for (QGroupBox *frame : {Frame1, Frame2, Frame3, Frame4, Frame5, Frame6}) {
        QFont f = small;
        frame->setFont(f);
    }

    buildSampleSheet(small);
    placeControls(*this, kLowerControls);
    Label3->setFont(small);
    setLabelTextColour(Label15, 255);
    setLabelTextColour(Label19, rgbNumber(0, 128, 0));
    Label19->hide();
    Image1->setPixmap(drawnPicture(Image1->size(), QStringLiteral("墨翔丸"), QColor(40, 40, 40)));
    Image2->setPixmap(drawnPicture(Image2->size(), QStringLiteral("見本を消す"), QColor(0, 90, 160)));
    Image2->hide();

    std::array<QRect, 8> headings;
    for (int k = 1; k <= 7; ++k)
        headings[k] = Label14[k]->geometry();
    m_designPanel->build(form, small, headings);
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

// The miniature sheet: the model, tracing and example cells and the headings.
void Form2::buildSampleSheet(const QFont &small)
{
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
}

}  // namespace bks
