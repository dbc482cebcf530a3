#pragma once

// The window as each of its parts with a class of its own sees it: every
// view answers its part's environment from the window's controls and state,
// so the part reaches nothing else.
#include "app/form2.h"

#include <QLabel>
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

}  // namespace bks
