#pragma once

// The window's controls, kept apart from its handlers: the window holds them
// privately, so code outside it (and the tests, as a user would) reaches a
// control by its object name, never through a member.
#include "app/captionlabel.h"

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

struct Form2Ui {
    QWidget *form = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                *Command5 = nullptr, *Command6 = nullptr, *Command7 = nullptr, *Command8 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label6 = nullptr, *Label66 = nullptr,
           *Label10 = nullptr, *Label100 = nullptr, *Label11 = nullptr, *Label13 = nullptr,
           *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr, *Label88 = nullptr,
           *Label19 = nullptr;
    CaptionLabel *Label21 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
    ClickableLabel *Image1 = nullptr, *Image2 = nullptr;
    std::array<QLabel *, 8> Label9{};
    std::array<QLabel *, 14> Label12{};
    std::array<QLabel *, 15> Label14{};  // 1..14
    std::array<QLabel *, 14> Label4{};
    std::array<QLabel *, 2> Label5{};
    QLineEdit *Text2 = nullptr, *Text4 = nullptr, *Text50 = nullptr, *Text51 = nullptr;
    std::array<QLineEdit *, 8> Text3{};  // 1..7
    QPlainTextEdit *Text1 = nullptr;
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr, *Combo3 = nullptr, *Combo4 = nullptr;
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr, *Frame5 = nullptr,
              *Frame6 = nullptr;
    std::array<QRadioButton *, 13> Option{};  // 1..12
    QWidget *designPanel = nullptr;
};

}  // namespace bks
