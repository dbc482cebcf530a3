#pragma once

#include "app/form2.h"

namespace bks {

// Text1 as the queue of a run or a single sheet. While it runs, the count and
// the sample follow every character taken; the box itself gets what is left
// when the run is over, as one step of its undo history, so the run neither
// copies nor lays out a long list for every sheet.
class Form2::Text1Queue : public TextQueue {
public:
    explicit Text1Queue(Form2 &form) : TextQueue(form.text1()), m_form(form) {}

    // Puts what the run left into the box.
    void commit()
    {
        m_form.m_runChangesText = true;
        m_form.setText1(text());
        m_form.m_runChangesText = false;
    }

protected:
    void changed() override
    {
        const QString front = this->front(2);
        const QString first = printableFront(front, 1);
        m_form.showCount(characters(), first, front.mid(first.size()));
    }

private:
    Form2 &m_form;
};

}  // namespace bks
