#pragma once

#include "app/captionlabel.h"
#include "dictionary/compounddictionary.h"

#include <QString>

#include <array>

class QComboBox;
class QFont;
class QLineEdit;
class QPushButton;
class QRect;
class QWidget;

namespace bks {

// The design panel's own controls: the heading editors and the
// single-sheet rows.
struct DesignPanelUi {
    QWidget *designPanel = nullptr;
    std::array<QLabel *, 2> Label5{};
    std::array<QLineEdit *, 8> Text3{};  // 1..7
    // 0..6 beside the heading editors, 7..13 beside the sample's headings.
    std::array<QLabel *, 14> Label4{};
    QPushButton *Command8 = nullptr, *Command3 = nullptr, *Command6 = nullptr;
    QLabel *Label88 = nullptr, *Label13 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr;
    CaptionLabel *Label7 = nullptr, *Label8 = nullptr;
    QLineEdit *Text50 = nullptr, *Text51 = nullptr;
    QComboBox *Combo3 = nullptr, *Combo4 = nullptr;
};

// All the design panel sees of the rest of the window.
class DesignPanelEnvironment {
public:
    virtual ~DesignPanelEnvironment() = default;
    virtual bool panelShown() const = 0;
    virtual void setWindowHeightTwips(int twips) = 0;
    // The design button's colour and the design menu's items follow the panel.
    virtual void showPanelOpen(bool open) = 0;
    virtual void setRunControlsEnabled(bool on) = 0;
    virtual bool builtInDictionary() const = 0;
    // Heading slot 1..7 as the next sheet prints it.
    virtual void keepHeading(int slot, const QString &text) = 0;
    // The sample sheet: a heading on both pages, one cell of the sentence
    // columns (0..13), the second page's model, and all of it anew from the
    // characters of the single-sheet rows.
    virtual void showSampleHeading(int slot, const QString &text) = 0;
    virtual void showSentenceCell(int cell, const QString &character) = 0;
    virtual void showSecondModel(const QString &character) = 0;
    virtual void refreshSample() = 0;
};

// The design panel: the headings every sheet prints and the single-sheet
// rows with their pick lists from the dictionary or the example sentences.
class DesignPanel {
public:
    static constexpr int kResetHeight = 7100;
    static constexpr int kStartHeight = 7150;
    static constexpr int kDesignHeight = 9150;

    DesignPanel(DesignPanelEnvironment &env, DesignPanelUi &ui) : m_env(env), m_ui(ui) {}

    // The panel below the window's lower edge in `form`; the second set of
    // markers stands beside `headings`, the sample's heading fields 1..7.
    void build(QWidget *form, const QFont &small, const std::array<QRect, 8> &headings);

    void toggle();
    void open();
    void close();
    // "編集終了" leaves the sample's example texts where they are.
    void finishEditing();
    void resetHeadings();
    void headingEdited(int slot);
    void firstTextEdited();
    void secondTextEdited();
    void firstPickTyped();
    void secondPickTyped();
    void firstPicked();
    void secondPicked();
    void fillPickLists();

private:
    void leave(int heightTwips);
    void showMarkers(bool on);

    DesignPanelEnvironment &m_env;
    DesignPanelUi &m_ui;
    CompoundDictionary m_dictionary;
    SentenceStore m_sentences;
};

}  // namespace bks
