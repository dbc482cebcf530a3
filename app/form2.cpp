#include "app/form2.h"

#include "app/controlplacement.h"
#include "app/filedrops.h"
#include "app/form2views.h"
#include "app/usagetexts.h"
#include "platform/colours.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

#include <algorithm>
#include <utility>

namespace bks {

namespace {

// The designed window heights count the title bar and the menu; this is what
// they leave for the client area.
constexpr int kNonClientTwips = 705;

// Command5 tells what a click on it does to the design panel.
const QString kOpenCaption = QStringLiteral("デザイン\r\n画面開く");
const QString kCloseCaption = QStringLiteral("デザイン\r\n画面閉る");

}  // namespace

Form2::Form2(PlatformServices &services, const SheetSources &sources, SurfaceOpener openSurface,
             const SheetCatalog &catalog, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_sources(sources), m_openSurface(std::move(openSurface)),
      m_catalog(catalog), m_listFilesView(std::make_unique<ListFilesView>(*this)),
      m_listFiles(std::make_unique<ListFiles>(*m_listFilesView)),
      m_menusView(std::make_unique<MenusView>(*this)),
      m_designPanelView(std::make_unique<DesignPanelView>(*this)),
      m_designPanel(std::make_unique<DesignPanel>(*m_designPanelView, static_cast<DesignPanelUi &>(*this)))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(kWindowTitle);
    m_menus = std::make_unique<WindowMenus>(*m_menusView);
    buildControls();
    connectHandlers();
    setAcceptDrops(true);
    m_listFiles->takeDropsOn(*this);
    setWindowHeightTwips(kStartHeight);
}

Form2::~Form2()
{
    // The controls outlive the parts their handlers forward to; a signal a
    // control sends while it is taken down must find no handler.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

QString Form2::text1() const
{
    QString t = Text1->toPlainText();
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return t;
}

void Form2::setText1(const QString &text)
{
    // The widget keeps bare line feeds; a lone CR is a line break as well.
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString old = Text1->toPlainText();
    if (t == old) {
        // Assigning the same text is still a change of the box.
        Text1_Change();
        return;
    }
    // Only the part that differs is replaced, through a cursor: the change is
    // one step of the box's own undo history (setPlainText would wipe it), and
    // cutting printed characters from a long list does not lay it out anew.
    const qsizetype shorter = std::min(old.size(), t.size());
    qsizetype prefix = 0;
    while (prefix < shorter && old[prefix] == t[prefix])
        ++prefix;
    if (prefix > 0 && old[prefix - 1].isHighSurrogate())
        --prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && old[old.size() - 1 - suffix] == t[t.size() - 1 - suffix])
        ++suffix;
    if (suffix > 0 && old[old.size() - suffix].isLowSurrogate())
        --suffix;
    QTextCursor cursor(Text1->document());
    if (m_text1StepOpen)
        cursor.joinPreviousEditBlock();
    else
        cursor.beginEditBlock();
    m_text1StepOpen = m_text1StepDepth > 0;
    cursor.setPosition(int(prefix));
    cursor.setPosition(int(old.size() - suffix), QTextCursor::KeepAnchor);
    cursor.insertText(t.mid(prefix, t.size() - prefix - suffix));
    cursor.endEditBlock();
}

void Form2::setWindowHeightTwips(int twips)
{
    m_heightTwips = twips;
    const int clientPx = (twips - kNonClientTwips + 7) / 15;
    const int widthPx = 15405 / 15;
    form->setMinimumSize(widthPx, clientPx);
    form->setMaximumSize(widthPx, clientPx);
    const int menuPx = menuBar()->sizeHint().height();
    setFixedSize(widthPx, clientPx + menuPx);
    // Controls below the lower edge must not be reachable by the keyboard.
    designPanel->setVisible(designPanelShown());
    Command5->setText(designPanelShown() ? kCloseCaption : kOpenCaption);
}

void setLabelBackground(QWidget *w, qint32 colour)
{
    QPalette pal = w->palette();
    const QColor c = colourFromNumber(colour);
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Button, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
        combo->lineEdit()->setPalette(pal);
}

void setLabelTextColour(QWidget *w, qint32 colour)
{
    QPalette pal = w->palette();
    const QColor c = colourFromNumber(colour);
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    w->setPalette(pal);
}

void Form2::selectOption(QRadioButton *option)
{
    // Selecting an option runs its handler, as a click would; selecting the
    // one already selected does not.
    if (!option->isChecked())
        option->setChecked(true);
}

void Form2::setPoints(QWidget *w, int points)
{
    QFont f = w->font();
    f.setPointSize(points);
    w->setFont(f);
}


void Form2::setCommand1Enabled(bool on)
{
    // Whatever else would allow a run, the program's own texts are no list.
    Command1->setEnabled(on && !holdsOwnText());
}

void Form2::setRunControlsEnabled(bool on)
{
    setCommand1Enabled(on);
    Frame4->setEnabled(on);
    Option[7]->setEnabled(on);
    Option[8]->setEnabled(on);
}

void Form2::connectHandlers()
{
    using Handler = void (Form2::*)();
    auto run = [this](Handler h) { return [this, h] { (this->*h)(); }; };

    connect(Text1, &QPlainTextEdit::textChanged, this, run(&Form2::Text1_Change));
    connect(Label7, &CaptionLabel::captionChanged, this, run(&Form2::Label7_Change));
    connect(Label8, &CaptionLabel::captionChanged, this, run(&Form2::Label8_Change));

    const Handler optionHandlers[13] = {nullptr,
                                        &Form2::Option1_Click,
                                        &Form2::Option2_Click,
                                        &Form2::Option3_Click,
                                        &Form2::Option4_Click,
                                        &Form2::Option5_Click,
                                        &Form2::Option6_Click,
                                        &Form2::Option7_Click,
                                        &Form2::Option8_Click,
                                        &Form2::Option9_Click,
                                        &Form2::Option10_Click,
                                        &Form2::Option11_Click,
                                        &Form2::Option12_Click};
    for (int k = 1; k <= 12; ++k) {
        const Handler h = optionHandlers[k];
        connect(Option[k], &QRadioButton::toggled, this, [this, h](bool on) {
            if (on)
                (this->*h)();
        });
    }

    const std::pair<QAction *, Handler> menuItems[] = {
        {menus().hfs, &Form2::hfs_Click},     {menus().nfs, &Form2::nfs_Click},
        {menus().dcal, &Form2::dcal_Click},   {menus().prv, &Form2::Preview_Click},
        {menus().gs, &Form2::gs_Click},       {menus().en, &Form2::en_Click},
        {menus().hps, &Form2::hps_Click},     {menus().zhp, &Form2::zhp_Click},
        {menus().we, &Form2::we_Click},       {menus().eds, &Form2::eds_Click},
        {menus().ow, &Form2::ow_Click},       {menus().indic, &Form2::indic_Click},
        {menus().tkdic, &Form2::tkdic_Click}, {menus().soc, &Form2::soc_Click}};
    for (const auto &[action, h] : menuItems)
        connect(action, &QAction::triggered, this, run(h));
    for (int i = 0; i < 7; ++i)
        connect(menus().lr[i], &QAction::triggered, this, [this, i] { lr_Click(i); });
    for (const auto &[count, option] : m_perSheetOptions)
        if (count > 2)
            connect(option, &QRadioButton::toggled, this, [this, count = count](bool on) {
                if (on)
                    perSheetChosen(count);
            });

    // The print button's result is for the tests; a click drops it.
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    const std::pair<QPushButton *, Handler> buttons[] = {{Command2, &Form2::Command2_Click},
                                                         {Command3, &Form2::Command3_Click},
                                                         {Command4, &Form2::Command4_Click},
                                                         {Command5, &Form2::Command5_Click},
                                                         {Command6, &Form2::Command6_Click},
                                                         {Command7, &Form2::Command7_Click},
                                                         {Command8, &Form2::Command8_Click}};
    for (const auto &[button, h] : buttons)
        connect(button, &QPushButton::clicked, this, run(h));
    connect(Image2, &ClickableLabel::clicked, this, run(&Form2::Image2_Click));

    connect(Combo1, &QComboBox::activated, this, run(&Form2::Combo1_Click));
    connect(Combo2, &QComboBox::activated, this, run(&Form2::Combo2_Click));
    connect(Combo3, &QComboBox::activated, this, run(&Form2::Combo3_Click));
    connect(Combo4, &QComboBox::activated, this, run(&Form2::Combo4_Click));
    connect(Combo3, &QComboBox::editTextChanged, this, run(&Form2::Combo3_Change));
    connect(Combo4, &QComboBox::editTextChanged, this, run(&Form2::Combo4_Change));
    connect(Text4, &QLineEdit::textChanged, this, run(&Form2::Text4_Change));
    connect(Text50, &QLineEdit::textChanged, this, run(&Form2::Text50_Change));
    connect(Text51, &QLineEdit::textChanged, this, run(&Form2::Text51_Change));
    for (int k = 1; k <= 7; ++k)
        connect(Text3[k], &QLineEdit::textChanged, this, [this, k] { Text3_Change(k); });
}

void Form2::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();  // the close is never cancelled
}

void Form2::en_Click()
{
    close();
}

// A file dropped anywhere on the window is loaded as if dropped on the
// sample; the text fields route theirs here through FileDropFilter.
void Form2::dragEnterEvent(QDragEnterEvent *event)
{
    acceptFileDrag(event);
}

void Form2::dropEvent(QDropEvent *event)
{
    if (acceptFileDrag(event))
        Label10_OLEDragDrop(droppedFiles(event->mimeData()));
}

}  // namespace bks
