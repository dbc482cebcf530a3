#pragma once

#include "app/form2.h"

namespace bks {

// Text1 as the run's queue: each cut goes through the change handling, so the
// count and the sample follow the run.
class Form2::Text1Queue : public TextQueue {
public:
    explicit Text1Queue(Form2 &form) : m_form(form) {}
    QString text() const override { return m_form.text1(); }
    void setText(const QString &text) override
    {
        m_form.m_runChangesText = true;
        m_form.setText1(text);
        m_form.m_runChangesText = false;
    }
    qint16 charCount() const override { return m_form.m_state.CharCount; }
    QString countLabel() const override { return m_form.Label21->caption(); }
    void setCountLabel(const QString &caption) override { m_form.Label21->setCaption(caption); }

private:
    Form2 &m_form;
};

}  // namespace bks
