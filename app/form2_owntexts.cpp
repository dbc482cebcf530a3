// The program's own texts in the kanji box: the prompts of the grade lists,
// the usage and not-found texts, the help texts and the single-sheet hints.
// They tell the user something; they are never a list to print.
#include "app/form2.h"

#include <algorithm>

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace bks {

void Form2::putOwnText(const QString &text)
{
    QString asInBox = text;
    asInBox.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    asInBox.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    m_ownTexts.insert(asInBox);
    m_longestOwnText = std::max(m_longestOwnText, asInBox.size());
    setText1(text);
}

// Runs first on every change of the kanji box. A text is the program's own
// while the box holds exactly it; the first edit makes it the user's, and
// printing what the user now has is allowed again.
void Form2::noteText1Change(const QString &text)
{
    const bool own = text.size() <= m_longestOwnText && m_ownTexts.contains(text);
    if (own == m_holdsOwnText)
        return;
    m_holdsOwnText = own;
    if (own) {
        setCommand1Enabled(false);
        return;
    }
    setRunControlsEnabled(true);
}

}  // namespace bks
