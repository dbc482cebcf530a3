// The print font, the help texts and the web page.
#include "app/form2.h"

#include "files/fonts.h"
#include "files/helptexts.h"
#include "platform/colours.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace bks {

void Form2::Command2_Click()
{
    if (const std::optional<QString> face = m_services.showFont(m_state.SavedFontName)) {
        m_state.SavedFontName = face->isEmpty() ? kDefaultFaceName : *face;
    }
    Label2->setText(m_state.SavedFontName);
    applySampleFont(m_state.SavedFontName);
}

void Form2::applySampleFont(const QString &face)
{
    // The sample shows the print face; names kept for old settings files
    // are drawn with the installed face they stand for.
    const QString family = resolvedFamily(face);
    auto apply = [&family](QWidget *w) {
        QFont f = w->font();
        f.setFamily(family);
        w->setFont(f);
    };
    apply(Label6);
    apply(Label66);
    for (QLabel *l : Label12)
        apply(l);
    for (QLabel *l : Label9)
        apply(l);
}

void Form2::showHelp(const QStringList &lines)
{
    const Text1Step step(*this);
    setText1(QString());
    setPoints(Text1, 10);
    setLabelBackground(Text1, kLightCyan);
    m_text1Background = kLightCyan;
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1String("\r\n");
    putOwnText(text);
    Label7->setCaption(QStringLiteral("漢"));
    Combo3->setEditText(QStringLiteral("漢字練習帳墨翔丸"));
    Label8->setCaption(QStringLiteral("墨"));
    Combo4->setEditText(QStringLiteral("墨翔丸漢字練習帳"));
}

void Form2::hps_Click()
{
    showHelp(DesignHelpLines());
}
void Form2::zhp_Click()
{
    showHelp(DictionaryHelpLines());
}

void Form2::we_Click()
{
    const QUrl url = WebAddress();
    if (!isOpenableWebAddress(url)) {
        m_services.messageBox(QStringLiteral("Webサイトのアドレスが正しくないため開けません。")
                                  + QLatin1String("\r\n") + url.toString(),
                              QStringLiteral("KUROFUDE工房webサイト"), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (!m_services.openUrl(url))
        m_services.messageBox(QStringLiteral(
                                  "Webサイトを開けませんでした。ブラウザーで次のアドレスを開いてください。")
                                  + QLatin1String("\r\n") + url.toString(),
                              QStringLiteral("KUROFUDE工房webサイト"), MsgButtons::Ok, MsgIcon::Information);
}

void Form2::Image2_Click()
{
    const Text1Step step(*this);
    setText1(QString());
    Label6->setText(QString());
    for (QLabel *l : Label9)
        l->setText(QString());
    Label66->setText(QString());
}

}  // namespace bks
