// The program's forms and sheet layouts. Each drawing lives in a file of its
// own; its function is declared here, next to its row, and nowhere else.
#include "print/layouts/sheetcatalog.h"

#include "print/surfaces/stepskippingsurface.h"

#include <algorithm>
#include <functional>

namespace bks {

void drawOneCharSheet(PrintSurface &, const SheetContent &, const SheetSettings &);
void drawOneCharSheetVertical(PrintSurface &, const SheetContent &, const SheetSettings &);
void drawTwoCharSheet(PrintSurface &, const SheetContent &, const SheetSettings &);
void drawTwoCharSheetVertical(PrintSurface &, const SheetContent &, const SheetSettings &);
void drawStrokeOrderSheet(PrintSurface &, const SheetContent &, const SheetSettings &);
void drawStrokeOrderTwoSheet(PrintSurface &, const SheetContent &, const SheetSettings &);
void drawReadingTestSheet(PrintSurface &, const SheetContent &, const SheetSettings &);
void drawWritingTestSheet(PrintSurface &, const SheetContent &, const SheetSettings &);

namespace {

using S = PrintSurface;

constexpr std::string_view kStrokeOrderSources[] = {kStrokes.id};
constexpr std::string_view kTestSources[] = {kFacts.id};

constexpr SheetForm kForms[] = {
    {.id = kPracticeForm, .name = u"練習帳", .caption = {}, .menuItem = {}},
    // Like the other print settings, the choice lasts for the session:
    // BKS.ini keeps its one line.
    {.id = kStrokeOrderForm, .name = u"書き順", .caption = u"書き順つきで印刷", .menuItem = "sop"},
    {.id = kReadingTestForm, .name = u"読みテスト", .caption = u"読みテスト", .menuItem = "readingTest"},
    {.id = kWritingTestForm, .name = u"書きテスト", .caption = u"書きテスト", .menuItem = "writingTest"},
};

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
    // Tests: ten items a sheet (large, for the first grades) or twenty,
    // written vertically in any face; a step that fails costs that step only.
    {.id = "reading-test-10",
     .form = kReadingTestForm,
     .charactersPerSheet = 10,
     .orientation = S::Portrait,
     .verticalForm = {},
     .forVerticalFace = false,
     .skipsFailingSteps = true,
     .startsNumberAtOne = false,
     .offersSmallerSize = false,
     .sources = kTestSources,
     .draw = drawReadingTestSheet},
    {.id = "reading-test-20",
     .form = kReadingTestForm,
     .charactersPerSheet = 20,
     .orientation = S::Portrait,
     .verticalForm = {},
     .forVerticalFace = false,
     .skipsFailingSteps = true,
     .startsNumberAtOne = false,
     .offersSmallerSize = false,
     .sources = kTestSources,
     .draw = drawReadingTestSheet},
    {.id = "writing-test-10",
     .form = kWritingTestForm,
     .charactersPerSheet = 10,
     .orientation = S::Portrait,
     .verticalForm = {},
     .forVerticalFace = false,
     .skipsFailingSteps = true,
     .startsNumberAtOne = false,
     .offersSmallerSize = false,
     .sources = kTestSources,
     .draw = drawWritingTestSheet},
    {.id = "writing-test-20",
     .form = kWritingTestForm,
     .charactersPerSheet = 20,
     .orientation = S::Portrait,
     .verticalForm = {},
     .forVerticalFace = false,
     .skipsFailingSteps = true,
     .startsNumberAtOne = false,
     .offersSmallerSize = false,
     .sources = kTestSources,
     .draw = drawWritingTestSheet},
};

}  // namespace

SheetCatalog::SheetCatalog(std::vector<SheetForm> forms, std::vector<SheetLayout> layouts)
    : m_forms(std::move(forms)), m_layouts(std::move(layouts))
{
}

const SheetCatalog &SheetCatalog::standard()
{
    static const SheetCatalog catalog({std::begin(kForms), std::end(kForms)},
                                      {std::begin(kLayouts), std::end(kLayouts)});
    return catalog;
}

SheetCatalog SheetCatalog::with(std::span<const SheetForm> forms, std::span<const SheetLayout> layouts) const
{
    SheetCatalog more = *this;
    more.m_forms.insert(more.m_forms.end(), forms.begin(), forms.end());
    more.m_layouts.insert(more.m_layouts.end(), layouts.begin(), layouts.end());
    return more;
}

const SheetForm *SheetCatalog::findForm(std::string_view id) const
{
    for (const SheetForm &form : m_forms)
        if (form.id == id)
            return &form;
    return nullptr;
}

const SheetForm &SheetCatalog::defaultForm() const
{
    for (const SheetForm &form : m_forms)
        if (form.caption.isEmpty())
            return form;
    return m_forms.front();
}

const SheetLayout *SheetCatalog::findLayout(std::string_view id) const
{
    for (const SheetLayout &layout : m_layouts)
        if (layout.id == id)
            return &layout;
    return nullptr;
}

const SheetLayout *SheetCatalog::chooseLayout(std::string_view form, int charactersPerSheet) const
{
    for (const SheetLayout &layout : m_layouts)
        if (!layout.forVerticalFace && layout.form == form && layout.charactersPerSheet == charactersPerSheet)
            return &layout;
    return nullptr;
}

const SheetLayout &SheetCatalog::layoutForFace(const SheetLayout &chosen, const SheetSettings &settings) const
{
    if (settings.verticalFont() && !chosen.verticalForm.empty())
        if (const SheetLayout *vertical = findLayout(chosen.verticalForm))
            return *vertical;
    return chosen;
}

std::vector<int> SheetCatalog::perSheetOffered(std::string_view form) const
{
    std::vector<int> counts;
    for (const SheetLayout &layout : m_layouts)
        if (!layout.forVerticalFace && layout.form == form)
            counts.push_back(layout.charactersPerSheet);
    std::sort(counts.begin(), counts.end(), std::greater<>());
    counts.erase(std::unique(counts.begin(), counts.end()), counts.end());
    return counts;
}

std::vector<std::string_view> SheetCatalog::sourcesOf(std::string_view form) const
{
    std::vector<std::string_view> ids;
    for (const SheetLayout &layout : m_layouts)
        if (layout.form == form)
            for (const std::string_view id : layout.sources)
                if (std::find(ids.begin(), ids.end(), id) == ids.end())
                    ids.push_back(id);
    return ids;
}

void SheetCatalog::printSheet(const SheetLayout &chosen, PrintSurface &surface, const SheetContent &content,
                              const SheetSettings &settings) const
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
