#include "print/content/testcontent.h"

#include "print/layouts/sheetlayout.h"

namespace bks {

SheetContent testSheetContent(const SheetLayout &layout, std::span<const TestItem> items, qint16 number,
                              bool answerKey, const SheetSources &sources)
{
    QString kanji;
    for (const TestItem &item : items)
        kanji += QString::fromUcs4(&item.kanji, 1);
    SheetContent content = sheetContent(layout, kanji, number, {}, sources);
    content.answerKey = answerKey;
    for (size_t place = 0; place < content.entries.size(); ++place) {
        CharacterEntry &entry = content.entries[place];
        if (place < items.size()) {
            entry.facts.emplace_back(kTestItem.id, items[place]);
        } else {
            entry.character.clear();
            entry.facts.clear();
        }
    }
    return content;
}

}  // namespace bks
