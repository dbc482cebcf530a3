#include "print/layouts/sheetlayout.h"
#include "print/run/sheetrun.h"
#include "tests/print/layout_helpers.h"
#include "tests/print/strokes_helpers.h"

#include <gtest/gtest.h>

#include <set>

namespace bks::test {
namespace {

// The table is what a newcomer edits: a row that names a missing vertical
// form, or two rows that answer the same choice, would only show up as a
// wrong sheet on paper.
TEST(SheetLayoutTable, EveryChoiceHasOneLayoutAndEveryVerticalFormFits)
{
    std::set<std::pair<std::string_view, int>> choices;
    std::set<std::string_view> ids, verticalForms;
    for (const SheetLayout &row : sheetLayouts()) {
        EXPECT_TRUE(ids.insert(row.id).second) << row.id;
        // A sheet carries one example text for each of at most two characters.
        EXPECT_GE(row.charactersPerSheet, 1) << row.id;
        EXPECT_LE(row.charactersPerSheet, 2) << row.id;
        EXPECT_NE(row.draw, nullptr) << row.id;
        if (row.forVerticalFace) {
            EXPECT_TRUE(row.verticalForm.empty()) << row.id;
            continue;
        }
        EXPECT_TRUE(choices.insert({row.form, row.charactersPerSheet}).second) << row.id;
        EXPECT_EQ(chooseLayout(row.form, row.charactersPerSheet), &row);
        if (row.verticalForm.empty())
            continue;
        verticalForms.insert(row.verticalForm);
        const SheetLayout *vertical = findLayout(row.verticalForm);
        ASSERT_NE(vertical, nullptr) << row.id;
        EXPECT_TRUE(vertical->forVerticalFace) << row.id;
        EXPECT_EQ(vertical->form, row.form);
        EXPECT_EQ(vertical->charactersPerSheet, row.charactersPerSheet) << row.id;
        EXPECT_EQ(vertical->skipsFailingSteps, row.skipsFailingSteps) << row.id;
        EXPECT_EQ(vertical->offersSmallerSize, row.offersSmallerSize) << row.id;
    }
    for (const SheetLayout &row : sheetLayouts()) {
        if (row.forVerticalFace) {
            EXPECT_TRUE(verticalForms.count(row.id)) << row.id << " is never drawn";
        }
    }
    EXPECT_EQ(chooseLayout(kPracticeForm, 3), nullptr);
}

// The row's orientation is what the preview and the printer dialog rely on;
// the drawing sets it itself, and the two must agree.
TEST(SheetLayoutTable, EveryRowDrawsInTheOrientationItNames)
{
    for (const SheetLayout &row : sheetLayouts()) {
        RecordingSurface surface;
        const SheetSettings settings = sheetSettings(row.forVerticalFace ? QStringLiteral("@IPAexMincho")
                                                                         : QStringLiteral("IPAexMincho"));
        row.draw(surface, contentFor(row, QStringLiteral("山川").left(row.charactersPerSheet), 1), settings);
        const auto sheets = surface.sheets();
        ASSERT_FALSE(sheets.empty()) << row.id;
        for (const RecordedOp &op : sheets.front())
            EXPECT_EQ(op.orientation, row.orientation) << row.id;
    }
}

TEST(SheetLayoutTable, TheFaceDecidesBetweenUprightAndVertical)
{
    const SheetLayout &two = *chooseLayout(kPracticeForm, 2);
    EXPECT_EQ(&layoutForFace(two, sheetSettings()), &two);
    const SheetLayout &vertical = layoutForFace(two, sheetSettings(QStringLiteral("@IPAexMincho")));
    EXPECT_TRUE(vertical.forVerticalFace);
    EXPECT_EQ(vertical.orientation, PrintSurface::Portrait);  // a landscape sheet turned a quarter
}

TEST(SheetContent, AShortSheetShowsItsLastCharacterInTheEmptyPlaces)
{
    const QString hokke = QString::fromUtf16(u"\U00029E3D");
    const SheetContent pair = practiceContent(QStringLiteral("山") + hokke, 1);
    EXPECT_EQ(pair.character(0), QStringLiteral("山"));
    EXPECT_EQ(pair.character(1), hokke);  // a surrogate pair is one character
    const SheetContent blank = practiceContent(QString(kBlank), 1);
    EXPECT_EQ(blank.character(1), QString(kBlank));
    EXPECT_EQ(SheetContent{}.character(0), QString());
}

}  // namespace
}  // namespace bks::test
