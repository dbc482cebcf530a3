// The design panel: heading editors, the single-sheet rows and the
// dictionary choice.
#include "app/form2.h"

#include "app/text1queue.h"
#include "app/usagetexts.h"
#include "print/run/singlesheet.h"
#include "platform/colours.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace bks {

namespace {

void fillPickList(QComboBox *combo, const QStringList &entries)
{
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(entries);
    combo->setEditText(entries.isEmpty() ? QString() : entries.first());
}

}  // namespace

void Form2::Command5_Click()
{
    if (designPanelShown())
        CloseDesignScreen();
    else
        OpenDesignScreen();
}

void Form2::OpenDesignScreen()
{
    setWindowHeightTwips(kDesignHeight);
    for (int i = 0; i < 7; ++i)
        Label12[i]->setText(QString());
    setRunControlsEnabled(false);
    Command3->setText(menus().indic->isChecked() ? QStringLiteral("熟語表示") : QStringLiteral("例文表示"));
    Command5->setStyleSheet(
        QStringLiteral("background-color: %1;").arg(colourFromNumber(rgbNumber(0xC0, 0xFF, 0xC0)).name()));
    menus().ow->setEnabled(true);
    // The menu marks the open panel; both ways of closing it clear the mark.
    menus().eds->setChecked(true);
    showSampleMarkers(true);
}

void Form2::CloseDesignScreen()
{
    leaveDesignScreen(kResetHeight);
    for (QLabel *l : Label12)
        l->setText(QString());
}

// "編集終了" leaves the sample's example texts where they are.
void Form2::ow_Click()
{
    leaveDesignScreen(kStartHeight);
}

void Form2::leaveDesignScreen(int heightTwips)
{
    setWindowHeightTwips(heightTwips);
    menus().ow->setEnabled(false);
    menus().eds->setChecked(false);
    showSampleMarkers(false);
}

// The red numbers beside the sample's heading fields belong to the panel.
void Form2::showSampleMarkers(bool on)
{
    for (int i = 7; i < 14; ++i)
        Label4[i]->setVisible(on);
}

void Form2::Command8_Click()
{
    for (int k = 1; k <= 7; ++k)
        Text3[k]->setText(kDefaultHeadings[k]);
    for (int k = 1; k <= 7; ++k)
        m_state.HeaderItems[k] = Text3[k]->text();
}

void Form2::Text3_Change(int index)
{
    if (index < 1 || index > 7)
        return;
    Label14[index]->setText(Text3[index]->text());
    Label14[index + 7]->setText(Text3[index]->text());
    m_state.HeaderItems[index] = Label14[index]->text();
}

void Form2::Text50_Change()
{
    const QString t = Text50->text();
    for (int i = 0; i < 7; ++i)
        Label12[i]->setText(characterAt(t, i));
}

void Form2::Text51_Change()
{
    const QString t = Text51->text();
    for (int i = 0; i < 7; ++i)
        Label12[7 + i]->setText(characterAt(t, i));
}

void Form2::Combo3_Change()
{
    Text50->setText(Combo3->currentText());
}
void Form2::Combo4_Change()
{
    Text51->setText(Combo4->currentText());
}

void Form2::Combo3_Click()
{
    Label7_Change();  // the sample shows the sheet's characters again, even after a clear
    Text50->setText(Combo3->currentText());
}

void Form2::Combo4_Click()
{
    Label66->setText(Label8->caption());
    for (int i = 7; i < 14; ++i)
        Label12[i]->setText(Label8->caption());
    Text51->setText(Combo4->currentText());
}

void Form2::Command3_Click()
{
    const PickLists lists = menus().tkdic->isChecked()
                                ? MatchSentences(m_sentences, Label7->caption(), Label8->caption())
                                : MatchCompounds(m_dictionary, Label7->caption(), Label8->caption());
    fillPickList(Combo3, lists.first);
    fillPickList(Combo4, lists.second);
    Combo3_Change();
    Combo4_Change();
    Label17->show();
}

void Form2::PrintSingleSheet()
{
    if (holdsOwnText())
        return;
    RunHost host = runHost();
    Text1Queue queue(*this);
    SingleSheetChoice choice;
    choice.form = sheetForm();
    choice.perSheet = charactersPerSheet();
    choice.picked = {Combo3->currentText(), Combo4->currentText()};
    choice.printPicked = menus().tkdic->isChecked();
    choice.typed = typedExamples();
    choice.number = m_state.run.sheetNumber;
    const SingleSheetResult done = RunSingleSheet(host, queue, sheetSettings(), choice);
    queue.commit();
    if (done.drawn) {
        (choice.perSheet == 1 ? m_state.CurrentChar : m_state.CurrentPair) = done.characters;
        // The pick lists belong to the first two places.
        for (size_t i = 0; i < m_state.SentenceTexts.size() && i < size_t(choice.perSheet); ++i)
            m_state.SentenceTexts[i] = choice.picked[i];
    }
}

}  // namespace bks
