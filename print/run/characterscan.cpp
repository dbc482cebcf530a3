#include "print/run/characterscan.h"

#include "files/fonts.h"
#include "print/text/textqueue.h"

#include <QFont>
#include <QRawFont>
#include <QSet>

#include <vector>

namespace bks {

namespace {

// So many characters are named in a message; the count says the rest.
constexpr qsizetype kNamed = 20;

QString named(const QStringList &characters)
{
    QString text = characters.mid(0, kNamed).join(QStringLiteral("、"));
    if (characters.size() > kNamed)
        text += QStringLiteral(" …（全%1字）").arg(characters.size());
    return text;
}

bool drawsAll(const QRawFont &raw, const QString &character)
{
    for (const char32_t c : character.toUcs4())
        if (!isVariationSelector(c) && !raw.supportsCharacter(uint(c)))
            return false;
    return true;
}

}  // namespace

CharacterScan scanCharacters(const QString &characters, const QString &face, const SheetSource *strokes)
{
    CharacterScan scan;
    const QRawFont raw = QRawFont::fromFont(QFont(resolvedFamily(face)));
    // A long list repeats its characters: each is looked at once, the
    // common one-unit ones through a table rather than a set.
    std::vector<bool> seenUnit(0x10000, false);
    QSet<QString> seen;
    for (qsizetype i = 0; i < characters.size();) {
        const qsizetype length = characterLength(characters, i);
        if (length == 1) {
            const char16_t unit = characters.at(i).unicode();
            const bool before = seenUnit[unit];
            seenUnit[unit] = true;
            if (before || characters.at(i).isSpace()) {
                ++i;
                continue;
            }
        }
        const QString character = composedCharacter(QStringView(characters).sliced(i, length));
        i += length;
        if (length > 1 && (character.at(0).isSpace() || seen.contains(character)))
            continue;
        seen.insert(character);
        if (raw.isValid() && !drawsAll(raw, character))
            scan.withoutGlyph << character;
        if (strokes && !strokes->lookUp(plainCharacters(character).toUcs4().value(0)).has_value())
            scan.withoutStrokes << character;
    }
    return scan;
}

bool confirmCharacters(RunHost &host, const CharacterScan &scan, const QString &face, const QString &title)
{
    const QString crlf = QStringLiteral("\r\n");
    const QString glyphs = QStringLiteral("書体「%1」にない文字があります（正しく印刷されません）: %2")
                               .arg(uprightFace(face), named(scan.withoutGlyph));
    const QString strokes =
        QStringLiteral(
            "書き順データのない文字があります（書き順の欄に「書き順データがありません」と印刷します）: %1")
            .arg(named(scan.withoutStrokes));
    PlatformServices &services = *host.services;
    if (!host.asksUser) {
        if (!scan.withoutGlyph.isEmpty())
            services.messageBox(glyphs, title, MsgButtons::Ok, MsgIcon::Exclamation);
        if (!scan.withoutStrokes.isEmpty())
            services.messageBox(strokes, title, MsgButtons::Ok, MsgIcon::Information);
        return true;
    }
    if (!scan.withoutGlyph.isEmpty()) {
        QString question = glyphs;
        if (!scan.withoutStrokes.isEmpty())
            question += crlf + strokes;
        question += crlf + QStringLiteral("このまま印刷しますか？");
        return services.messageBox(question, title, MsgButtons::YesNo, MsgIcon::Exclamation)
               == MsgResult::Yes;
    }
    if (!scan.withoutStrokes.isEmpty())
        services.messageBox(strokes, title, MsgButtons::Ok, MsgIcon::Information);
    return true;
}

}  // namespace bks
