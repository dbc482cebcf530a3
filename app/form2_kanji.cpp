// Grade lists by publisher, and the search for a kanji's grade.
#include "app/form2.h"

#include "kanji/gradetables.h"
#include "kanji/kanjisearch.h"
#include "print/text/textqueue.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

namespace bks {

namespace {

// A position in the CR LF text the handlers see, as a position in the box,
// which keeps a line break as one character.
int widgetPosition(const QString &crlfText, int position)
{
    int crs = 0;
    for (int i = 0; i < position && i < crlfText.size(); ++i)
        if (crlfText.at(i) == QLatin1Char('\r') && i + 1 < crlfText.size()
            && crlfText.at(i + 1) == QLatin1Char('\n'))
            ++crs;
    return position - crs;
}

}  // namespace

void Form2::Combo1_Click()
{
    const Text1Step step(*this);
    if (Combo1->currentText() == kNoCharacters) {
        setText1(QString());
        Combo2->setEnabled(false);
    } else {
        putOwnText(QStringLiteral("学年を選択してください"));
        m_state.SelectedPublisher = Combo1->currentText();
        Combo2->setEnabled(true);
        LoadGradeKanji();
    }
    Image1->hide();
    Image2->show();
}

void Form2::Combo2_Click()
{
    const Text1Step step(*this);
    putOwnText(QStringLiteral("教科書会社を選択してください"));
    m_state.SelectedGrade = Combo2->currentText();
    LoadGradeKanji();
    Image1->hide();
}

void Form2::LoadGradeKanji()
{
    if (const auto list = GradeKanji(m_state.SelectedPublisher, m_state.SelectedGrade))
        setText1(*list);
    setPoints(Text1, 18);
    setRunControlsEnabled(true);
}

void Form2::Command7_Click()
{
    const Text1Step step(*this);
    // The character as the lists hold it: no variation selector, kana composed.
    const QString wanted = plainCharacters(Text4->text());
    if (wanted.isEmpty())
        return;
    Text1->setFocus();
    const std::optional<GradeHit> hit = FindGrade(wanted);
    setPoints(Text1, 18);
    if (hit) {
        Combo2->setEditText(hit->gradeText);
        setText1(hit->list);
    }
    Combo1->setEditText(QStringLiteral("光村図書"));
    const QString text = text1();
    const int p = static_cast<int>(text.indexOf(wanted)) + 1;
    if (p > 0) {
        QTextCursor cursor = Text1->textCursor();
        const int start = widgetPosition(text, p - 1);
        const int end = widgetPosition(text, p - 1 + static_cast<int>(wanted.size()));
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        Text1->setTextCursor(cursor);
        Text1->setFocus();
        // The labels show the position, counted as the count is; with
        // numbering ON a run then stops at the found character.
        setCount(countCharacters(QStringView(text).first(p - 1)) + 1, Option[1]->isChecked());
        Text4->setText(QString());
        return;
    }
    setPoints(Text1, 10);
    Text2->setText(QStringLiteral("0"));
    // From nothing, so that the not-found text below is a new count.
    setCount(0, Option[1]->isChecked());
    Combo1->setEditText(QStringLiteral("教科書会社"));
    Combo2->setEditText(QStringLiteral("学年"));
    putOwnText(NotFoundText());
    m_services.messageBox(kNotFoundMessage, QStringLiteral("文字検索"), MsgButtons::Ok, MsgIcon::Information);
    Text4->setText(QStringLiteral("墨"));
}

}  // namespace bks
