// The kanji box, its count and the miniature sheet.
#include "app/form2.h"

#include "print/text/textqueue.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace bks {

namespace {

// Empties a pick list but keeps what its edit field shows, so the example
// texts typed or picked earlier stay for the next sheet.
void clearList(QComboBox *combo)
{
    const QSignalBlocker block(combo);
    const QString shown = combo->currentText();
    combo->clear();
    combo->setEditText(shown);
}

}  // namespace

void Form2::Text1_Change()
{
    const QString text = text1();
    noteText1Change(text);
    if (!m_runChangesText)
        m_state.run.sheetsOfList = 0;  // a new list numbers its batches from 1 again
    const QString front = printableFront(text, 2);
    const QString first = printableFront(front, 1);
    showCount(countCharacters(text), first, front.mid(first.size()));
    const bool usage = first == QStringLiteral("《");
    if (text.isEmpty() || usage) {
        Label6->setText(QStringLiteral("漢"));
        Label66->setText(QStringLiteral("墨"));
        for (int i = 0; i < 4; ++i)
            Label9[i]->setText(QStringLiteral("漢"));
        for (int i = 4; i < 8; ++i)
            Label9[i]->setText(QStringLiteral("墨"));
        if (usage)
            setCommand1Enabled(false);
    }
}

void Form2::showCount(qsizetype count, const QString &first, const QString &second)
{
    setCount(count);
    Label6->setText(first);
    Label66->setText(second);
    Label7->setCaption(first);
    Label8->setCaption(second);
    for (int i = 0; i < 4; ++i)
        Label9[i]->setText(first);
    for (int i = 4; i < 8; ++i)
        Label9[i]->setText(second);
    clearList(Combo3);
    clearList(Combo4);
}

void Form2::setCount(qsizetype number, bool runCounts)
{
    if (number != m_shownCount) {
        m_shownCount = number;
        Label21->setCaption(QString::number(number));
        Label21_Change();
    }
    if (runCounts)
        m_state.CharCount = saturatedCount(number);
}

// Any new number shown makes printing available again, even after the design
// panel turned it off.
void Form2::Label21_Change()
{
    setRunControlsEnabled(true);
    Label11->setText(QString::number(m_shownCount) + QStringLiteral("字"));
}

void Form2::Label7_Change()
{
    followPreviews(0, Label7->caption());
}
void Form2::Label8_Change()
{
    followPreviews(4, Label8->caption());
}

void Form2::followPreviews(int firstCell, const QString &character)
{
    Label6->setText(Label7->caption());
    Label66->setText(Label8->caption());
    for (int i = firstCell; i < firstCell + 4; ++i)
        Label9[i]->setText(character);
    Command3->setEnabled(!Label7->caption().isEmpty() || !Label8->caption().isEmpty());
}

void Form2::Text4_Change()
{
    const QString t = Text4->text();
    // One character as the reader sees it, its marks and selectors with it.
    const qsizetype keep = t.isEmpty() ? 0 : characterLength(t, 0);
    if (t.size() > keep)
        Text4->setText(t.left(keep));
}

}  // namespace bks
