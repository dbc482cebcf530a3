// The table of sheet layouts. Each drawing lives in a file of its own; its
// function is declared here, next to its row, and nowhere else.
#include "print/sheetlayout.h"

#include "print/stepskippingsurface.h"

namespace bks {

void drawOneCharSheet(PrintSurface &, const SheetContent &, const SheetSettings &);
void drawOneCharSheetVertical(PrintSurface &, const SheetContent &, const SheetSettings &);
void drawTwoCharSheet(PrintSurface &, const SheetContent &, const SheetSettings &);
void drawTwoCharSheetVertical(PrintSurface &, const SheetContent &, const SheetSettings &);
void drawStrokeOrderSheet(PrintSurface &, const SheetContent &, const SheetSettings &);
void drawStrokeOrderTwoSheet(PrintSurface &, const SheetContent &, const SheetSettings &);

namespace {

using S = PrintSurface;

constexpr std::string_view kStrokeOrderSources[] = {kStrokes.id};

// The fields are named in every row: a row is read, and added, on its own.
constexpr SheetLayout kLayouts[] = {
    {.id = "one-char",
     .form = kPracticeForm,
     .charactersPerSheet = 1,
     .orientation = S::Portrait,
     .verticalForm = "one-char-vertical",
     .forVerticalFace = false,
     .skipsFailingSteps = true,
     .startsNumberAtOne = false,
     .offersSmallerSize = false,
     .sources = {},
     .draw = drawOneCharSheet},
    {.id = "two-char",
     .form = kPracticeForm,
     .charactersPerSheet = 2,
     .orientation = S::Landscape,
     .verticalForm = "two-char-vertical",
     .forVerticalFace = false,
     .skipsFailingSteps = false,
     .startsNumberAtOne = true,
     .offersSmallerSize = true,
     .sources = {},
     .draw = drawTwoCharSheet},
    {.id = "one-char-vertical",
     .form = kPracticeForm,
     .charactersPerSheet = 1,
     .orientation = S::Landscape,
     .verticalForm = {},
     .forVerticalFace = true,
     .skipsFailingSteps = true,
     .startsNumberAtOne = false,
     .offersSmallerSize = false,
     .sources = {},
     .draw = drawOneCharSheetVertical},
    {.id = "two-char-vertical",
     .form = kPracticeForm,
     .charactersPerSheet = 2,
     .orientation = S::Portrait,
     .verticalForm = {},
     .forVerticalFace = true,
     .skipsFailingSteps = false,
     .startsNumberAtOne = true,
     .offersSmallerSize = true,
     .sources = {},
     .draw = drawTwoCharSheetVertical},
    // Stroke order: no vertical form, a vertical face draws the model upright.
    // A failing step costs only that step, so a long run is not lost to one
    // refused text; a run's blank sheet is number 1, not what an earlier run
    // left; the sizes are fixed, as the diagrams are fitted to the squares.
    {.id = "stroke-order-one",
     .form = kStrokeOrderForm,
     .charactersPerSheet = 1,
     .orientation = S::Portrait,
     .verticalForm = {},
     .forVerticalFace = false,
     .skipsFailingSteps = true,
     .startsNumberAtOne = true,
     .offersSmallerSize = false,
     .sources = kStrokeOrderSources,
     .draw = drawStrokeOrderSheet},
    {.id = "stroke-order-two",
     .form = kStrokeOrderForm,
     .charactersPerSheet = 2,
     .orientation = S::Landscape,
     .verticalForm = {},
     .forVerticalFace = false,
     .skipsFailingSteps = true,
     .startsNumberAtOne = true,
     .offersSmallerSize = false,
     .sources = kStrokeOrderSources,
     .draw = drawStrokeOrderTwoSheet},
};

}  // namespace

std::span<const SheetLayout> sheetLayouts()
{
    return kLayouts;
}

const SheetLayout *findLayout(std::string_view id)
{
    for (const SheetLayout &layout : kLayouts)
        if (layout.id == id)
            return &layout;
    return nullptr;
}

const SheetLayout *chooseLayout(std::string_view form, int charactersPerSheet)
{
    for (const SheetLayout &layout : kLayouts)
        if (!layout.forVerticalFace && layout.form == form && layout.charactersPerSheet == charactersPerSheet)
            return &layout;
    return nullptr;
}

const SheetLayout &layoutForFace(const SheetLayout &chosen, const SheetSettings &settings)
{
    if (settings.verticalFont() && !chosen.verticalForm.empty())
        if (const SheetLayout *vertical = findLayout(chosen.verticalForm))
            return *vertical;
    return chosen;
}

void printSheet(const SheetLayout &chosen, PrintSurface &surface, const SheetContent &content,
                const SheetSettings &settings)
{
    const SheetLayout &layout = layoutForFace(chosen, settings);
    if (layout.skipsFailingSteps) {
        StepSkippingSurface skipping(surface);
        layout.draw(skipping, content, settings);
    } else {
        layout.draw(surface, content, settings);
    }
    // Outside the skipping: a lost output reaches the caller here.
    surface.endDoc();
}

}  // namespace bks
