#include "print/sheetcontent.h"

#include "print/textqueue.h"

namespace bks {

qsizetype SheetContent::shownIndex(int index) const
{
    return std::max<qsizetype>(0, std::min<qsizetype>(index, countCharacters(characters) - 1));
}

QString SheetContent::character(int index) const
{
    if (countCharacters(characters) == 0)
        return {};
    return characterAt(characters, shownIndex(index));
}

const std::optional<CharacterStrokes> &SheetContent::strokesOf(int index) const
{
    // Only the first two characters' strokes are looked up.
    return strokes[static_cast<size_t>(std::min<qsizetype>(shownIndex(index), 1))];
}

SheetContent sheetContent(const QString &characters, qint16 number, const std::array<QString, 2> &examples,
                          const SheetSources *sources)
{
    SheetContent content{characters, number, examples, {}};
    if (sources) {
        for (int i = 0; i < 2 && i < countCharacters(characters); ++i) {
            const QString c = plainCharacters(characterAt(characters, i));
            content.strokes[static_cast<size_t>(i)] = sources->lookUp(kStrokes, c.toUcs4().value(0));
        }
    }
    return content;
}

}  // namespace bks
