#include "app/designpanel.h"

#include "print/layouts/sheetsettings.h"
#include "print/text/characters.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
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

void DesignPanel::toggle()
{
    if (m_env.panelShown())
        close();
    else
        open();
}

void DesignPanel::open()
{
    m_env.setWindowHeightTwips(kDesignHeight);
    for (int i = 0; i < 7; ++i)
        m_env.showSentenceCell(i, QString());
    m_env.setRunControlsEnabled(false);
    m_ui.Command3->setText(m_env.builtInDictionary() ? QStringLiteral("熟語表示")
                                                     : QStringLiteral("例文表示"));
    m_env.showPanelOpen(true);
    showMarkers(true);
}

void DesignPanel::close()
{
    leave(kResetHeight);
    for (int i = 0; i < 14; ++i)
        m_env.showSentenceCell(i, QString());
}

// "編集終了" leaves the sample's example texts where they are.
void DesignPanel::finishEditing()
{
    leave(kStartHeight);
}

void DesignPanel::leave(int heightTwips)
{
    m_env.setWindowHeightTwips(heightTwips);
    m_env.showPanelOpen(false);
    showMarkers(false);
}

// The red numbers beside the sample's heading fields belong to the panel.
void DesignPanel::showMarkers(bool on)
{
    for (int i = 7; i < 14; ++i)
        m_ui.Label4[i]->setVisible(on);
}

void DesignPanel::resetHeadings()
{
    for (int k = 1; k <= 7; ++k)
        m_ui.Text3[k]->setText(kDefaultHeadings[k]);
    for (int k = 1; k <= 7; ++k)
        m_env.keepHeading(k, m_ui.Text3[k]->text());
}

void DesignPanel::headingEdited(int index)
{
    if (index < 1 || index > 7)
        return;
    const QString heading = m_ui.Text3[index]->text();
    m_env.showSampleHeading(index, heading);
    m_env.keepHeading(index, heading);
}

void DesignPanel::firstTextEdited()
{
    const QString t = m_ui.Text50->text();
    for (int i = 0; i < 7; ++i)
        m_env.showSentenceCell(i, characterAt(t, i));
}

void DesignPanel::secondTextEdited()
{
    const QString t = m_ui.Text51->text();
    for (int i = 0; i < 7; ++i)
        m_env.showSentenceCell(7 + i, characterAt(t, i));
}

void DesignPanel::firstPickTyped()
{
    m_ui.Text50->setText(m_ui.Combo3->currentText());
}
void DesignPanel::secondPickTyped()
{
    m_ui.Text51->setText(m_ui.Combo4->currentText());
}

void DesignPanel::firstPicked()
{
    m_env.refreshSample();  // the sample shows the sheet's characters again, even after a clear
    m_ui.Text50->setText(m_ui.Combo3->currentText());
}

void DesignPanel::secondPicked()
{
    m_env.showSecondModel(m_ui.Label8->caption());
    for (int i = 7; i < 14; ++i)
        m_env.showSentenceCell(i, m_ui.Label8->caption());
    m_ui.Text51->setText(m_ui.Combo4->currentText());
}

void DesignPanel::fillPickLists()
{
    const PickLists lists = !m_env.builtInDictionary()
                                ? MatchSentences(m_sentences, m_ui.Label7->caption(), m_ui.Label8->caption())
                                : MatchCompounds(m_dictionary, m_ui.Label7->caption(),
                                                 m_ui.Label8->caption());
    fillPickList(m_ui.Combo3, lists.first);
    fillPickList(m_ui.Combo4, lists.second);
    firstPickTyped();
    secondPickTyped();
    m_ui.Label17->show();
}

}  // namespace bks
