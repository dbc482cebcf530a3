#pragma once

// The window as each of its parts with a class of its own sees it: every
// view answers its part's environment from the window's controls and state,
// so the part reaches nothing else.
#include "app/form2.h"

#include "platform/colours.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace bks {

class Form2::ListFilesView : public ListFilesEnvironment {
public:
    explicit ListFilesView(Form2 &form) : m_form(form) {}
    PlatformServices &services() override { return m_form.m_services; }
    QString settingsFolder() const override { return m_form.m_settingsFolder; }
    QString &savedText() override { return m_form.m_state.SaveDataText; }
    void showLoadedList(const QString &text) override
    {
        const Text1Step step(m_form);
        setPoints(m_form.Text1, 18);
        m_form.setText1(text);
    }
    void showSaveNote(const QString &note) override { m_form.Label3->setText(note); }

private:
    Form2 &m_form;
};

class Form2::MenusView : public MenusEnvironment {
public:
    explicit MenusView(Form2 &form) : m_form(form) {}
    QMenuBar &menuBar() override { return *m_form.menuBar(); }
    const SheetCatalog &catalog() const override { return m_form.m_catalog; }
    QString formProblem(const SheetForm &form) override
    {
        return m_form.m_sources.problem(m_form.m_catalog.sourcesOf(form.id));
    }
    void showProblem(const QString &text, const QString &title) override
    {
        m_form.m_services.messageBox(text, title, MsgButtons::Ok, MsgIcon::Exclamation);
    }
    void formChoiceChanged() override { m_form.showFormChoice(); }

private:
    Form2 &m_form;
};

class Form2::DesignPanelView : public DesignPanelEnvironment {
public:
    explicit DesignPanelView(Form2 &form) : m_form(form) {}
    bool panelShown() const override { return m_form.designPanelShown(); }
    void setWindowHeightTwips(int twips) override { m_form.setWindowHeightTwips(twips); }
    void showPanelOpen(bool open) override
    {
        // The button stays green once the panel has been open.
        if (open)
            m_form.Command5->setStyleSheet(QStringLiteral("background-color: %1;")
                                               .arg(colourFromNumber(rgbNumber(0xC0, 0xFF, 0xC0)).name()));
        m_form.menus().ow->setEnabled(open);
        // The menu marks the open panel; both ways of closing it clear the mark.
        m_form.menus().eds->setChecked(open);
    }
    void setRunControlsEnabled(bool on) override { m_form.setRunControlsEnabled(on); }
    bool builtInDictionary() const override { return m_form.menus().indic->isChecked(); }
    void keepHeading(int slot, const QString &text) override { m_form.m_state.HeaderItems[slot] = text; }
    void showSampleHeading(int slot, const QString &text) override
    {
        m_form.Label14[slot]->setText(text);
        m_form.Label14[slot + 7]->setText(text);
    }
    void showSentenceCell(int cell, const QString &character) override
    {
        m_form.Label12[cell]->setText(character);
    }
    void showSecondModel(const QString &character) override { m_form.Label66->setText(character); }
    void refreshSample() override { m_form.Label7_Change(); }

private:
    Form2 &m_form;
};

}  // namespace bks
