#pragma once

#include "print/layouts/sheetcatalog.h"
#include "print/run/runtypes.h"

#include <QString>

#include <array>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace bks {

// The menus and their items, by the names of their objects.
struct MenuItems {
    QMenu *f1 = nullptr, *ed = nullptr, *dct = nullptr, *FS = nullptr, *bc = nullptr, *so = nullptr,
          *hp = nullptr, *whp = nullptr, *va = nullptr;
    QAction *dcal = nullptr, *prv = nullptr, *gs = nullptr, *en = nullptr, *eds = nullptr, *ow = nullptr,
            *indic = nullptr, *tkdic = nullptr, *hfs = nullptr, *nfs = nullptr, *hps = nullptr,
            *zhp = nullptr, *we = nullptr, *bokuchan = nullptr, *bokuchan2 = nullptr, *bokuchan3 = nullptr,
            *sop = nullptr, *soc = nullptr, *sor = nullptr, *sob = nullptr, *ansOther = nullptr;
    std::array<QAction *, 7> lr{};
    // The forms menu's items, and where a test's answer keys go.
    std::vector<std::pair<QAction *, const SheetForm *>> forms;
    std::vector<std::pair<QAction *, AnswerKeys>> answers;
};

// All the menus see of the window.
class MenusEnvironment {
public:
    virtual ~MenusEnvironment() = default;
    virtual QMenuBar &menuBar() = 0;
    virtual const SheetCatalog &catalog() const = 0;
    // Why `form` cannot print now (its data is not installed); empty when it can.
    virtual QString formProblem(const SheetForm &form) = 0;
    virtual void showProblem(const QString &text, const QString &title) = 0;
    // The sample and the settings follow a changed choice of form or keys.
    virtual void formChoiceChanged() = 0;
};

// The window's menus. The items of each choice menu are check items that
// act as a choice of one; the window connects the others to its handlers.
class WindowMenus {
public:
    explicit WindowMenus(MenusEnvironment &env);

    const MenuItems &items() const { return m_items; }
    // The checked form, or the catalog's default while none is.
    const SheetForm &chosenForm() const;
    AnswerKeys answerKeys() const;
    // Which set of words a test asks: 0 until the user asks for another.
    int testVariant() const { return m_variant; }
    void chooseDictionary(QAction *item);

private:
    void build();
    void formItemClicked(QAction *item, const SheetForm &form);
    void answerItemClicked(QAction *item);

    MenusEnvironment &m_env;
    MenuItems m_items;
    int m_variant = 0;
};

}  // namespace bks
