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

SheetContent sheetContent(const QString &characters, qint16 number, const std::array<QString, 2> &examples)
{
    return SheetContent{characters, number, examples};
}

}  // namespace bks
