#include "print/sheetcontent.h"

#include "print/textqueue.h"

namespace bks {

QString SheetContent::character(int index) const
{
    const qsizetype count = countCharacters(characters);
    if (count == 0)
        return {};
    return characterAt(characters, std::min<qsizetype>(index, count - 1));
}

SheetContent sheetContent(const QString &characters, qint16 number, const std::array<QString, 2> &examples,
                          const StrokeData *strokes)
{
    SheetContent content{characters, number, examples, {}};
    if (strokes) {
        for (int i = 0; i < 2 && i < countCharacters(characters); ++i) {
            const QString c = characterAt(characters, i);
            content.strokes[static_cast<size_t>(i)] = strokes->lookup(c.toUcs4().value(0));
        }
    }
    return content;
}

}  // namespace bks
