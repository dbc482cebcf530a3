#include "print/surfaces/variantglyphs.h"

#include "print/surfaces/fonttable.h"
#include "print/text/characters.h"
#include "print/text/textqueue.h"

#include <QCoreApplication>
#include <QRawFont>

namespace bks {

namespace {

// A malformed table can claim far more sequences than any font has; the
// parse gives up beyond this.
constexpr qint64 kMaxSequences = 1 << 20;

quint64 sequenceKey(char32_t base, char32_t selector)
{
    return (quint64(base) << 21) | selector;
}

// The format 14 subtable's offset in the table, or -1.
qint64 sequencesSubtable(FontTableReader &r)
{
    const quint16 tables = r.u16(2);
    for (quint32 i = 0; i < tables && !r.bad(); ++i) {
        const qint64 record = 4 + 8 * qint64(i);
        const qint64 at = r.u32(record + 4);
        if (r.u16(record) == 0 && r.u16(record + 2) == 5 && r.u16(at) == 14)
            return at;
    }
    return -1;
}

}  // namespace

QHash<quint64, quint32> ParseVariationSequences(const QByteArray &cmap)
{
    FontTableReader r(cmap);
    QHash<quint64, quint32> out;
    const qint64 table = sequencesSubtable(r);
    if (table < 0 || r.bad())
        return {};
    qint64 budget = kMaxSequences;
    const quint32 selectors = r.u32(table + 6);
    for (quint32 s = 0; s < selectors && !r.bad(); ++s) {
        const qint64 record = table + 10 + 11 * qint64(s);
        const char32_t selector = r.u24(record);
        const quint32 defaults = r.u32(record + 3), others = r.u32(record + 7);
        if (defaults != 0) {
            const qint64 at = table + defaults;
            const quint32 ranges = r.u32(at);
            for (quint32 i = 0; i < ranges && !r.bad(); ++i) {
                const char32_t first = r.u24(at + 4 + 4 * qint64(i));
                const quint8 more = r.u8(at + 7 + 4 * qint64(i));
                if ((budget -= more + 1) < 0)
                    r.markBad();
                for (quint32 k = 0; k <= more && !r.bad(); ++k)
                    out.insert(sequenceKey(first + k, selector), kBaseGlyph);
            }
        }
        if (others != 0) {
            const qint64 at = table + others;
            const quint32 mappings = r.u32(at);
            if ((budget -= mappings) < 0 || at + 4 + 5 * qint64(mappings) > r.size())
                r.markBad();
            for (quint32 i = 0; i < mappings && !r.bad(); ++i)
                out.insert(sequenceKey(r.u24(at + 4 + 5 * qint64(i)), selector),
                           r.u16(at + 7 + 5 * qint64(i)));
        }
    }
    if (r.bad())
        return {};
    return out;
}

std::optional<quint32> VariantGlyph(const QRawFont &font, char32_t base, char32_t selector)
{
    if (!font.isValid())
        return std::nullopt;
    // One program thread draws; the tables live as long as the program.
    static QHash<QString, QHash<quint64, quint32>> cache;
    const QString key = font.familyName() + QLatin1Char('\n') + font.styleName();
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, ParseVariationSequences(font.fontTable("cmap")));
    const auto found = it->find(sequenceKey(base, selector));
    if (found == it->end())
        return std::nullopt;
    if (*found != kBaseGlyph)
        return *found;
    const QList<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&base, 1));
    return glyphs.value(0);
}

bool hasVariationSelector(const QString &text)
{
    for (const char32_t c : text.toUcs4())
        if (isVariationSelector(c))
            return true;
    return false;
}

QString WithoutMissingVariants(const QString &text, const QRawFont &font)
{
    QString out;
    const QList<uint> codePoints = text.toUcs4();
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        const char32_t c = codePoints[i];
        if (isVariationSelector(c) && (i == 0 || !VariantGlyph(font, codePoints[i - 1], c)))
            continue;
        out += QString::fromUcs4(&c, 1);
    }
    return out;
}

FaceCharacter takeFaceCharacter(const QRawFont &font, const QString &text, qsizetype &at, PlainGlyphs plain)
{
    FaceCharacter one;
    const qsizetype units = characterLength(text, at);
    one.text = text.mid(at, units);
    at += units;
    const QList<uint> codePoints = one.text.toUcs4();
    one.base = codePoints.value(0);
    if (codePoints.size() == 2 && isVariationSelector(codePoints[1]))
        one.glyph = VariantGlyph(font, one.base, codePoints[1]);
    else if (plain == PlainGlyphs::Look && codePoints.size() == 1 && font.isValid()
             && font.supportsCharacter(uint(one.base)))
        one.glyph = font.glyphIndexesForString(one.text).value(0);
    return one;
}

}  // namespace bks
