#include "print/content/sheetcontent.h"

#include "print/layouts/sheetlayout.h"
#include "print/text/textqueue.h"

#include <algorithm>

namespace bks {

const CharacterEntry &SheetContent::entry(int index) const
{
    static const CharacterEntry none;
    return index >= 0 && size_t(index) < entries.size() ? entries[size_t(index)] : none;
}

SheetContent sheetContent(const SheetLayout &layout, const QString &characters, qint16 number,
                          std::span<const QString> examples, const SheetSources &sources,
                          std::span<const std::string_view> alsoFrom)
{
    std::vector<std::string_view> ids(layout.sources.begin(), layout.sources.end());
    for (const std::string_view id : alsoFrom)
        if (std::find(ids.begin(), ids.end(), id) == ids.end())
            ids.push_back(id);
    SheetContent content;
    content.number = number;
    const qsizetype count = countCharacters(characters);
    content.entries.resize(size_t(std::max(layout.charactersPerSheet, 0)));
    for (size_t place = 0; place < content.entries.size(); ++place) {
        CharacterEntry &entry = content.entries[place];
        if (place < examples.size())
            entry.example = examples[place];
        if (count == 0)
            continue;
        entry.character = characterAt(characters, std::min<qsizetype>(qsizetype(place), count - 1));
        if (ids.empty())
            continue;
        const char32_t codePoint = char32_t(plainCharacters(entry.character).toUcs4().value(0));
        for (const std::string_view id : ids)
            if (const SheetSource *source = sources.find(id))
                entry.facts.emplace_back(id, source->lookUp(codePoint));
    }
    return content;
}

}  // namespace bks
