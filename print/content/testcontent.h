#pragma once

#include "print/content/sheetcontent.h"
#include "quiz/testitems.h"

#include <span>

namespace bks {

// The question a test sheet asks in a place, with its answer: not looked
// up character by character, as the list as a whole decides which word
// each kanji is asked in.
inline constexpr SourceKey<TestItem> kTestItem{"test-item"};

// A test sheet of `layout` asking `items` in its places, one each; places
// past the items stay empty rather than asking an item twice.
SheetContent testSheetContent(const SheetLayout &layout, std::span<const TestItem> items, qint16 number,
                              bool answerKey, const SheetSources &sources);

}  // namespace bks
