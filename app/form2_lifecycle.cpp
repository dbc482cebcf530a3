// Start-up, the screen reset ("画面の初期化") and exit.
#include "app/form2.h"

#include "app/usagetexts.h"
#include "files/datafile.h"
#include "files/environmentfile.h"
#include "files/fonts.h"
#include "platform/colours.h"
#include "print/text/textqueue.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace bks {


void Form2::Form_Load()
{
    setWindowHeightTwips(kStartHeight);
    const EnvironmentData env = ReadEnvironmentFile(QDir(m_settingsFolder).filePath(kEnvironmentFileName));
    for (int k = 1; k <= 7; ++k)
        m_state.HeaderItems[k] = env.headings[k];
    m_state.SavedFontName = env.fontName;
    // A short file (an older or hand-edited one) gives what it holds; the
    // fields it lacks count as empty, as they would be written back at exit.
    if (env.fieldsRead > 0) {
        Text4->setText(env.character);
        for (int k = 1; k <= 7; ++k)
            Text3[k]->setText(m_state.HeaderItems[k].isEmpty() ? kDefaultHeadings[k]
                                                               : m_state.HeaderItems[k]);
    }
    // A first start (no settings file, or one that names no face or the
    // caption the window showed before any choice) prints in the textbook
    // hand when it is installed, rather than asking for a face.
    if (env.fieldsRead == 0 || m_state.SavedFontName.isEmpty() || isPlaceholderFace(m_state.SavedFontName))
        m_state.SavedFontName = firstStartFace();
    Label2->setText(m_state.SavedFontName);
    applySampleFont(m_state.SavedFontName);
    menus().ow->setEnabled(false);
    m_state.TraceShade = QString::number(kLightGrey);
    m_state.FontScale = 0.9f;
    m_state.LineSpacing = 0.0f;
}

void Form2::ScreenReset()
{
    const Text1Step step(*this);
    setText1(QString());
    selectOption(Option[1]);
    selectOption(Option[3]);
    for (QWidget *w : std::initializer_list<QWidget *>{Text1, Combo1, Combo2})
        setLabelBackground(w, kLightCyan);
    m_text1Background = kLightCyan;
    Combo1->setEditText(QStringLiteral("教科書会社"));
    Combo2->setEditText(QStringLiteral("学年"));
    Image1->show();
    Label3->setText(QString());
    setPoints(Text1, 10);
    for (int k = 1; k <= 7; ++k)
        Text3[k]->setText(m_state.HeaderItems[k]);
    for (QLabel *l : Label9)
        l->show();
    Combo2->setEnabled(true);
    m_state.SelectedPublisher.clear();
    m_state.SelectedGrade.clear();
    Combo3->clear();
    Combo4->clear();
    Combo3->setEditText(QString());
    Combo4->setEditText(QString());
    Label17->hide();
    Label7->setCaption(QString());
    Label8->setCaption(QString());
    for (QLabel *l : Label12)
        l->setText(QString());
    putOwnText(joinLinesCrLf(ResetUsageLines()));
    Label6->setText(QStringLiteral("墨"));
    Label66->setText(QStringLiteral("墨"));
    Label9[1]->setText(QStringLiteral("墨"));
    Label9[3]->setText(QStringLiteral("翔"));
    Label9[0]->setText(QStringLiteral("丸"));
    Label9[2]->setText(QString());
    Label9[7]->setText(QStringLiteral("漢"));
    Label9[4]->setText(QStringLiteral("丸"));
    Label9[6]->setText(QString());
    menus().eds->setEnabled(true);
    // The usage text put above counts as a change of the count, which made
    // printing available; the reset screen has nothing to print.
    setRunControlsEnabled(false);
    setWindowHeightTwips(kResetHeight);
    menus().ow->setEnabled(false);
    Image1->show();
    Image2->hide();
    m_state.run.sheetsOfList = 0;
}

void Form2::Form_Unload()
{
    const QString text = text1();
    // The character the user left first in the box, as the user sees it (a
    // surrogate pair stays whole, a line break is not one); the program's
    // own texts hold none of the user's, and the one remembered stays.
    const QString first = holdsOwnText() ? QString() : printableFront(text, 1);
    if (!first.isEmpty())
        Text4->setText(first);
    QString font = Label2->text();
    m_state.EnvironmentLine = BuildEnvironmentLine({QString(), Text3[1]->text(), Text3[2]->text(),
                                                    Text3[3]->text(), Text3[4]->text(), Text3[5]->text(),
                                                    Text3[6]->text(), Text3[7]->text()},
                                                   font, Text4->text());
    if (!text.isEmpty() && !text.startsWith(QStringLiteral("《使い方》")))
        m_listFiles->offerToSave(text);
    saveEnvironment();
}

// The settings are written while the window is still there, so a failure
// (a full disk, a read-only folder) can be told and tried again once the
// user has made room; quitting anyway keeps the previous file as it was.
void Form2::saveEnvironment()
{
    const QString path = QDir(m_settingsFolder).filePath(kEnvironmentFileName);
    for (;;) {
        const Result<> written = WriteEnvironmentFile(m_state.EnvironmentLine, path);
        if (written)
            return;
        const MsgResult again = m_services.messageBox(
            QStringLiteral("設定（見出し・フォント・最後の文字）を保存できませんでした。")
                + QLatin1String("\r\n") + written.failure() + QLatin1String("\r\n")
                + QStringLiteral(
                    "もう一度保存しますか？（「いいえ」で保存せずに終了します。前回の設定はそのまま残ります）"),
            QStringLiteral("墨翔丸"), MsgButtons::YesNo, MsgIcon::Exclamation);
        if (again != MsgResult::Yes)
            return;
    }
}

}  // namespace bks
