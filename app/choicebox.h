#pragma once

#include <QComboBox>
#include <QWheelEvent>

namespace bks {

// The window's drop-down lists. A choice changes only when the user picks
// it: typed text is never added to the list, and the mouse wheel turns
// through the entries only while the list has the focus (a wheel over an
// unfocused list scrolls whatever lies beneath it instead).
class ChoiceBox : public QComboBox {
public:
    explicit ChoiceBox(QWidget *parent = nullptr) : QComboBox(parent)
    {
        setInsertPolicy(QComboBox::NoInsert);
        setFocusPolicy(Qt::StrongFocus);  // a wheel alone does not give the focus
    }

protected:
    void wheelEvent(QWheelEvent *event) override
    {
        if (hasFocus())
            QComboBox::wheelEvent(event);
        else
            event->ignore();
    }
};

}  // namespace bks
