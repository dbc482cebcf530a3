#pragma once

#include "print/surfaces/printsurface.h"
#include "print/content/sheetcontent.h"
#include "print/layouts/sheetsettings.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace bks {

using DrawSheet = void (*)(PrintSurface &, const SheetContent &, const SheetSettings &);

// One way of drawing a sheet, with what the run, the single sheet, the
// preview, the command line and the window need to know about it. The
// program's rows live in sheetcatalog.cpp; a new layout is its drawing file
// and one row.
struct SheetLayout {
    std::string_view id;
    // The form it draws (SheetForm::id); a form offers one layout for each
    // number of characters per sheet.
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

}  // namespace bks
