#pragma once

#include "print/layouts/sheetlayout.h"

#include <QStringView>

#include <span>
#include <string_view>
#include <vector>

namespace bks {

// A family of sheets the user chooses (the practice sheets, 書き順, the
// tests), registered once. The characters per sheet it offers are those of
// its layouts.
struct SheetForm {
    // What the program and `bokushomaru print --form` call it.
    std::string_view id;
    // What the user calls it: the title of what the window says about it.
    QStringView name;
    // The window's menu item that chooses it; empty for the form the window
    // prints while no item is checked.
    QStringView caption;
    // That item's object name.
    std::string_view menuItem;
};

inline constexpr std::string_view kPracticeForm = "practice";
inline constexpr std::string_view kStrokeOrderForm = "stroke-order";

// The forms and the layouts that draw them: what every output chooses its
// sheets from. The program prints from the standard one; a test builds one
// with rows of its own, which the program never ships.
class SheetCatalog {
public:
    SheetCatalog(std::vector<SheetForm> forms, std::vector<SheetLayout> layouts);
    // The program's own rows.
    static const SheetCatalog &standard();
    // This catalog with `forms` and `layouts` added after its own rows.
    SheetCatalog with(std::span<const SheetForm> forms, std::span<const SheetLayout> layouts) const;

    std::span<const SheetForm> forms() const { return m_forms; }
    std::span<const SheetLayout> layouts() const { return m_layouts; }
    const SheetForm *findForm(std::string_view id) const;
    // The form the window prints while none of its form items is checked.
    const SheetForm &defaultForm() const;
    const SheetLayout *findLayout(std::string_view id) const;
    // The layout of `form` for `charactersPerSheet`, or nullptr.
    const SheetLayout *chooseLayout(std::string_view form, int charactersPerSheet) const;
    // What draws a sheet of `chosen` in the settings' face.
    const SheetLayout &layoutForFace(const SheetLayout &chosen, const SheetSettings &settings) const;
    // The characters per sheet `form`'s layouts offer, largest first.
    std::vector<int> perSheetOffered(std::string_view form) const;
    // The data sources `form`'s layouts draw on, each once.
    std::vector<std::string_view> sourcesOf(std::string_view form) const;

    // Draws one sheet of `chosen` (in its vertical form for a vertical face)
    // and ends the document. Failures the layout does not skip leave by
    // exception.
    void printSheet(const SheetLayout &chosen, PrintSurface &surface, const SheetContent &content,
                    const SheetSettings &settings) const;

private:
    std::vector<SheetForm> m_forms;
    std::vector<SheetLayout> m_layouts;
};

}  // namespace bks
