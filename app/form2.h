#pragma once

#include "app/captionlabel.h"
#include "app/controlplacement.h"
#include "app/form2ui.h"
#include "app/listfiles.h"
#include "app/windowmenus.h"
#include "app/windowstate.h"
#include "platform/platformservices.h"
#include "print/run/continuousrun.h"
#include "print/run/runmessages.h"

#include <QMainWindow>
#include <QSet>

#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace bks {

using SurfaceOpener = std::function<std::unique_ptr<PrintSurface>(const PrinterChoice &)>;

// The program's one window. Its handlers are split over files by concern:
// form2_build.cpp (the upper controls), form2_lifecycle.cpp (start-up,
// reset, exit), form2_entry.cpp (the kanji box and the sample),
// form2_settings.cpp (print settings), form2_kanji.cpp (grade lists and
// search), form2_fonthelp.cpp (fonts, help, the web page), form2_print.cpp
// (printing and single sheets), form2_forms.cpp (the forms menu's effect).
// The design panel, the menus and the list files are classes of their own
// (designpanel.h, windowmenus.h, listfiles.h) that see the window through
// the views in form2views.h.
class Form2 : public QMainWindow, private Form2Ui {
    Q_OBJECT
public:
    // The sheets draw on `sources` and are chosen from `catalog`, which both
    // outlive the window.
    Form2(PlatformServices &services, const SheetSources &sources, SurfaceOpener openSurface = {},
          const SheetCatalog &catalog = SheetCatalog::standard(), QWidget *parent = nullptr);
    ~Form2() override;

    WindowState &state() { return m_state; }
    // The folder of BKS.ini and BKStmp.txt; the working directory unless
    // set before Form_Load.
    void setSettingsFolder(const QString &folder) { m_settingsFolder = folder; }
    const QString &settingsFolder() const { return m_settingsFolder; }
    const WindowState &state() const { return m_state; }

    // The kanji box as every handler sees it: line breaks as CR LF.
    QString text1() const;
    void setText1(const QString &text);

    // Makes every change a handler makes to the kanji box one step of its
    // undo history, however many times the handler rewrites the box.
    class Text1Step {
    public:
        explicit Text1Step(Form2 &form) : m_form(form) { ++m_form.m_text1StepDepth; }
        ~Text1Step()
        {
            if (--m_form.m_text1StepDepth == 0)
                m_form.m_text1StepOpen = false;
        }
        Text1Step(const Text1Step &) = delete;
        Text1Step &operator=(const Text1Step &) = delete;

    private:
        Form2 &m_form;
    };

    int windowHeightTwips() const { return m_heightTwips; }
    void setWindowHeightTwips(int twips);
    bool designPanelShown() const { return m_heightTwips >= kDesignHeight; }

    static constexpr int kStartHeight = DesignPanel::kStartHeight;
    static constexpr int kResetHeight = DesignPanel::kResetHeight;
    static constexpr int kDesignHeight = DesignPanel::kDesignHeight;

    // Start-up, screen reset and exit.
    void Form_Load();
    void ScreenReset();
    void gs_Click() { ScreenReset(); }
    void en_Click();
    void Form_Unload();

    // The kanji box and the sample.
    void Text1_Change();
    void Label21_Change();
    void Label7_Change();
    void Label8_Change();

    // Print settings.
    void hfs_Click();
    void nfs_Click();
    void lr_Click(int index);
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Option10_Click();
    void Option11_Click();
    void Option12_Click();

    // Kanji sources.
    void Combo1_Click();
    void Combo2_Click();
    void LoadGradeKanji();
    void Command7_Click();

    // Files, fonts, help.
    void dcal_Click() { m_listFiles->open(); }
    void Label10_OLEDragDrop(const QStringList &files) { m_listFiles->takeDrop(files); }
    void Label100_OLEDragDrop(const QStringList &files) { Label10_OLEDragDrop(files); }
    // The run hands over its queue's text, which the box gets only when the
    // run is over.
    void SaveTempData(const QString &text) { m_listFiles->saveTemporary(text); }
    void Command2_Click();
    void hps_Click();
    void zhp_Click();
    void we_Click();
    void Image2_Click();

    // Printing.
    RunResult Command1_Click();
    void Preview_Click();
    SheetSettings sheetSettings() const;
    RunOptions runOptions() const;
    // The characters-per-sheet frame: "１文字" or "２文字".
    int charactersPerSheet() const;
    void offerSizeMenu(int perSheet);
    std::array<QString, 2> typedExamples() const;

    // Design screen and single sheets.
    void Command5_Click() { m_designPanel->toggle(); }
    void OpenDesignScreen() { m_designPanel->open(); }
    void CloseDesignScreen() { m_designPanel->close(); }
    void eds_Click() { OpenDesignScreen(); }
    void ow_Click() { m_designPanel->finishEditing(); }
    void Command8_Click() { m_designPanel->resetHeadings(); }
    void Text3_Change(int index) { m_designPanel->headingEdited(index); }
    void Text50_Change() { m_designPanel->firstTextEdited(); }
    void Text51_Change() { m_designPanel->secondTextEdited(); }
    void Combo3_Change() { m_designPanel->firstPickTyped(); }
    void Combo4_Change() { m_designPanel->secondPickTyped(); }
    void Combo3_Click() { m_designPanel->firstPicked(); }
    void Combo4_Click() { m_designPanel->secondPicked(); }
    void Command3_Click() { m_designPanel->fillPickLists(); }
    void Text4_Change();
    void Command4_Click() { PrintSingleSheet(); }
    void Command6_Click() { PrintSingleSheet(); }
    void indic_Click() { m_menus->chooseDictionary(menus().indic); }
    void tkdic_Click() { m_menus->chooseDictionary(menus().tkdic); }

    // The forms menu's heading-cell items act on the check mark the menu has
    // just set.
    void soc_Click();
    // The form every output of the window prints.
    std::string_view sheetForm() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    class Text1Queue;
    // What each part of the window that lives in a class of its own may see
    // of it (form2views.h).
    class ListFilesView;
    class MenusView;
    class DesignPanelView;

    void buildControls();
    void buildSampleSheet(const QFont &small);
    void connectHandlers();
    void applySampleFont(const QString &face);
    void setCommand1Enabled(bool on);
    // "連続印刷" with its range frame and options.
    void setRunControlsEnabled(bool on);
    void samplePositionFeedback(int steps);
    // Writes BKS.ini at exit, asking to try again while it fails.
    void saveEnvironment();
    // The program's own texts (prompts, usage, help, hints) in the kanji box.
    void putOwnText(const QString &text);
    void noteText1Change(const QString &text);
    bool holdsOwnText() const { return m_holdsOwnText; }
    void PrintSingleSheet();
    void showFormChoice();
    // The characters-per-sheet frame follows the chosen form.
    void offerCharactersPerSheet();
    // The sample and the controls for a sheet of `perSheet` (more than one).
    void perSheetChosen(int perSheet);
    RunHost runHost();
    const MenuItems &menus() const { return m_menus->items(); }
    void showHelp(const QStringList &lines);
    void selectOption(QRadioButton *option);
    void setTraceShade(const QString &shade);
    void showRightHalf(bool on);
    void fullSize(int tracingPoints);
    static void setPoints(QWidget *w, int points);
    // The count label and the sample for a text of `count` characters whose
    // first two characters to print are `first` and `second`.
    void showCount(qsizetype count, const QString &first, const QString &second);
    // The one place the count changes: the count labels show `number` (the
    // count of the kanji box, or where a search found its character) and,
    // when `runCounts`, a run takes it as CharCount.
    void setCount(qsizetype number, bool runCounts = true);
    // Both halves of the sample follow the preview labels; `firstCell` is
    // where the tracing cells of the changed half start.
    void followPreviews(int firstCell, const QString &character);

    PlatformServices &m_services;
    const SheetSources &m_sources;
    SurfaceOpener m_openSurface;
    const SheetCatalog &m_catalog;
    std::unique_ptr<ListFilesView> m_listFilesView;
    std::unique_ptr<ListFiles> m_listFiles;
    std::unique_ptr<MenusView> m_menusView;
    std::unique_ptr<WindowMenus> m_menus;
    std::unique_ptr<DesignPanelView> m_designPanelView;
    std::unique_ptr<DesignPanel> m_designPanel;
    // The frame's options for each count.
    std::vector<std::pair<int, QRadioButton *>> m_perSheetOptions;
    WindowState m_state;
    QString m_settingsFolder = QStringLiteral(".");
    int m_heightTwips = kStartHeight;
    qsizetype m_shownCount = 0;     // what Label21 and Label11 show
    bool m_runChangesText = false;  // the run, not the user, is changing the text
    qint32 m_text1Background = 0;
    // Every own text the program has put into the kanji box, and whether the
    // box holds exactly one of them now (however it got there: put, typed
    // back, or brought back by undo).
    QSet<QString> m_ownTexts;
    qsizetype m_longestOwnText = 0;
    bool m_holdsOwnText = false;
    int m_text1StepDepth = 0;
    bool m_text1StepOpen = false;  // the step has its first change
};

}  // namespace bks
