#include "print/text/characters.h"

#include <QList>

namespace bks {

namespace {

char32_t codePointAt(QStringView text, qsizetype at, qsizetype *units)
{
    if (at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(text[at], text[at + 1]);
    }
    *units = 1;
    return text[at].unicode();
}

bool attachesToTheCharacterBefore(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:  // variation selectors among them
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing: return true;
    default: return false;
    }
}

bool isKana(char32_t c)
{
    return c >= 0x3041 && c <= 0x30FF;
}

bool isVoicingMark(QChar c)
{
    return c.unicode() == 0x3099 || c.unicode() == 0x309A;
}

}  // namespace

void appendComposed(QString &out, QStringView character)
{
    if (character.size() == 1)
        out += character[0];
    else
        out += composedCharacter(character);
}

qsizetype characterLength(QStringView text, qsizetype at)
{
    qsizetype units = 0;
    codePointAt(text, at, &units);
    if (isLayoutBreak(text[at]))
        return units;
    qsizetype end = at + units;
    while (end < text.size()) {
        qsizetype markUnits = 0;
        if (!attachesToTheCharacterBefore(codePointAt(text, end, &markUnits)))
            break;
        end += markUnits;
    }
    return end - at;
}

bool isVariationSelector(char32_t c)
{
    return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
}

QString composedCharacter(QStringView character)
{
    // Only the kana and its mark are composed: the normal form would also
    // turn compatibility ideographs into their unified ones.
    if (character.size() < 2 || !isKana(character[0].unicode()) || !isVoicingMark(character[1]))
        return character.toString();
    const QString pair = character.first(2).toString().normalized(QString::NormalizationForm_C);
    if (pair.size() != 1)
        return character.toString();
    return pair + character.sliced(2).toString();
}

QString plainCharacters(QStringView text)
{
    QString out;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype end = at + characterLength(text, at);
        QString character;
        for (qsizetype i = at; i < end;) {
            qsizetype units = 0;
            if (!isVariationSelector(codePointAt(text, i, &units)))
                character += text.sliced(i, units);
            i += units;
        }
        out += composedCharacter(character);
        at = end;
    }
    return out;
}

std::optional<char32_t> singleCharacter(QStringView text)
{
    if (countCharacters(text) != 1 || isLayoutBreak(text.at(0)))
        return std::nullopt;
    const QList<uint> codePoints = plainCharacters(text).toUcs4();
    if (codePoints.isEmpty())
        return std::nullopt;
    return char32_t(codePoints.front());
}

qsizetype countCharacters(QStringView text)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); i += characterLength(text, i))
        ++n;
    return n;
}

QString characterAt(QStringView text, qsizetype index)
{
    qsizetype i = 0;
    for (qsizetype k = 0; k < index && i < text.size(); ++k)
        i += characterLength(text, i);
    return i < text.size() ? composedCharacter(text.sliced(i, characterLength(text, i))) : QString();
}

QString printableFront(QStringView text, int n)
{
    QString out;
    qsizetype i = 0;
    for (int taken = 0; taken < n && i < text.size();) {
        if (isLayoutBreak(text[i])) {
            ++i;
            continue;
        }
        const qsizetype len = characterLength(text, i);
        appendComposed(out, text.sliced(i, len));
        i += len;
        ++taken;
    }
    return out;
}

}  // namespace bks
