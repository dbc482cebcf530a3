#pragma once

#include "print/printsurface.h"
#include "print/sheetcontent.h"
#include "print/sheetsettings.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace bks {

using DrawSheet = void (*)(PrintSurface &, const SheetContent &, const SheetSettings &);

// One way of drawing a sheet, with what the run, the single sheet, the
// preview, the command line and the window need to know about it. The rows
// live in sheetlayouts.cpp; a new layout is its drawing file and one row.
struct SheetLayout {
    std::string_view id;
    // The family the user chooses ("practice"); a family offers one layout
    // for each number of characters per sheet.
    std::string_view form;
    int charactersPerSheet;
    PrintSurface::Orientation orientation;
    // The layout drawn in this one's place when the face writes vertically
    // ("@" faces turn every glyph a quarter); empty: the face prints upright.
    std::string_view verticalForm;
    // Only ever drawn in place of another layout, never chosen.
    bool forVerticalFace;
    // A failing drawing step (a face the printer lacks, a value out of range)
    // is skipped and the sheet goes on; otherwise it ends the run.
    bool skipsFailingSteps;
    // A run of this layout sets the sheet number to 1 before anything else,
    // so its blank sheet (a run without characters) is number 1 rather than
    // the number the last run left.
    bool startsNumberAtOne;
    // Offers the smaller ("90%") face size; otherwise it always prints at
    // full size.
    bool offersSmallerSize;
    // The data sources its sheets show facts from: the content looks each
    // character up in these.
    std::span<const std::string_view> sources;
    DrawSheet draw;

    bool drawsOn(std::string_view source) const
    {
        return std::find(sources.begin(), sources.end(), source) != sources.end();
    }
};

inline constexpr std::string_view kPracticeForm = "practice";
inline constexpr std::string_view kStrokeOrderForm = "stroke-order";

std::span<const SheetLayout> sheetLayouts();
const SheetLayout *findLayout(std::string_view id);
// The layout of `form` for `charactersPerSheet`, or nullptr.
const SheetLayout *chooseLayout(std::string_view form, int charactersPerSheet);
// What draws a sheet of `chosen` in the settings' face.
const SheetLayout &layoutForFace(const SheetLayout &chosen, const SheetSettings &settings);

// Draws one sheet of `chosen` (in its vertical form for a vertical face) and
// ends the document. Failures the layout does not skip leave by exception.
void printSheet(const SheetLayout &chosen, PrintSurface &surface, const SheetContent &content,
                const SheetSettings &settings);

}  // namespace bks
