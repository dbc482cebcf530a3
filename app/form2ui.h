#pragma once

// The window's controls, kept apart from its handlers: the window holds them
// privately, so code outside it (and the tests, as a user would) reaches a
// control by its object name, never through a member.
#include "app/captionlabel.h"
#include "app/designpanel.h"

#include <array>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace bks {

// The design panel's controls are the panel's own; the window reaches them
// for the sample and the single sheet.
struct Form2Ui : DesignPanelUi {
    QWidget *form = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command4 = nullptr, *Command5 = nullptr,
                *Command7 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label6 = nullptr, *Label66 = nullptr,
           *Label10 = nullptr, *Label100 = nullptr, *Label11 = nullptr, *Label15 = nullptr,
           *Label19 = nullptr;
    CaptionLabel *Label21 = nullptr;
    ClickableLabel *Image1 = nullptr, *Image2 = nullptr;
    std::array<QLabel *, 8> Label9{};
    std::array<QLabel *, 14> Label12{};
    std::array<QLabel *, 15> Label14{};  // 1..14
    QLineEdit *Text2 = nullptr, *Text4 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr;
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr, *Frame5 = nullptr,
              *Frame6 = nullptr;
    std::array<QRadioButton *, 13> Option{};  // 1..12
};

}  // namespace bks
