// The program's own texts in the kanji box: the prompts of the grade lists,
// the usage and not-found texts, the help texts and the single-sheet hints.
// They tell the user something; they are never a list to print.
#include "app/form2.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace bks {

void Form2::putOwnText(const QString &text)
{
    m_puttingOwnText = true;
    setText1(text);
    m_puttingOwnText = false;
    m_ownText = text1();
    setCommand1Enabled(false);
}

// Runs first on every change of the kanji box. The text stays the
// program's own only while the box holds exactly it; the first edit makes it
// the user's, and printing what the user now has is allowed again.
void Form2::noteText1Change()
{
    const QString text = text1();
    if (m_puttingOwnText) {
        m_ownText = text;
        return;
    }
    if (!holdsOwnText() || text == m_ownText)
        return;
    m_ownText = QString();
    setCommand1Enabled(true);
    Frame4->setEnabled(true);
    Option[7]->setEnabled(true);
    Option[8]->setEnabled(true);
}

}  // namespace bks
