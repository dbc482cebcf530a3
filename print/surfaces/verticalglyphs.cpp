#include "print/surfaces/verticalglyphs.h"

#include "print/surfaces/fonttable.h"
#include "print/text/textqueue.h"
#include "print/surfaces/variantglyphs.h"

#include <QFontMetricsF>
#include <QCoreApplication>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QSet>

#include <algorithm>
#include <optional>
#include <vector>

namespace bks {

namespace {

// A malformed table can make coverage ranges and lookups claim far more
// glyphs than any font has; the parse gives up beyond this.
constexpr qint64 kMaxEntries = 1 << 20;

constexpr quint32 tag(char a, char b, char c, char d)
{
    return (quint32(uchar(a)) << 24) | (quint32(uchar(b)) << 16) | (quint32(uchar(c)) << 8) | uchar(d);
}

struct Parser {
    FontTableReader &r;
    qint64 budget = kMaxEntries;

    bool spend(qint64 n)
    {
        budget -= n;
        if (budget < 0)
            r.markBad();
        return !r.bad();
    }

    // Calls visit(glyph, coverageIndex) for every glyph of a coverage table.
    template <typename Visit>
    void coverage(qint64 at, Visit visit)
    {
        const quint16 format = r.u16(at);
        if (format == 1) {
            const quint16 count = r.u16(at + 2);
            if (!spend(count))
                return;
            for (quint32 i = 0; i < count && !r.bad(); ++i)
                visit(r.u16(at + 4 + 2 * qint64(i)), i);
        } else if (format == 2) {
            const quint16 ranges = r.u16(at + 2);
            for (quint32 i = 0; i < ranges && !r.bad(); ++i) {
                const qint64 rec = at + 4 + 6 * qint64(i);
                const quint16 start = r.u16(rec), end = r.u16(rec + 2), first = r.u16(rec + 4);
                if (r.bad() || end < start || !spend(end - start + 1)) {
                    r.markBad();
                    return;
                }
                for (quint32 g = start; g <= end; ++g)
                    visit(g, first + (g - start));
            }
        } else {
            r.markBad();
        }
    }

    // One single-substitution subtable; glyphs an earlier subtable of the
    // same lookup covers keep that subtable's result.
    void singleSubst(qint64 at, GlyphSubstitutions &out)
    {
        const quint16 format = r.u16(at);
        const qint64 cov = at + r.u16(at + 2);
        if (format == 1) {
            const quint16 delta = r.u16(at + 4);
            coverage(cov, [&](quint32 g, quint32) {
                if (!out.contains(g))
                    out.insert(g, (g + delta) & 0xFFFF);
            });
        } else if (format == 2) {
            const quint16 count = r.u16(at + 4);
            coverage(cov, [&](quint32 g, quint32 index) {
                if (index >= count) {
                    r.markBad();
                    return;
                }
                const quint16 to = r.u16(at + 6 + 2 * qint64(index));
                if (!out.contains(g))
                    out.insert(g, to);
            });
        } else {
            r.markBad();
        }
    }

    // Lookup types other than single substitution are not vertical forms
    // and are passed over.
    GlyphSubstitutions lookup(qint64 at)
    {
        GlyphSubstitutions out;
        const quint16 type = r.u16(at);
        const quint16 subtables = r.u16(at + 4);
        for (quint32 i = 0; i < subtables && !r.bad(); ++i) {
            const qint64 sub = at + r.u16(at + 6 + 2 * qint64(i));
            if (type == 1) {
                singleSubst(sub, out);
            } else if (type == 7) {
                if (r.u16(sub) != 1) {
                    r.markBad();
                    break;
                }
                if (r.u16(sub + 2) == 1)
                    singleSubst(sub + r.u32(sub + 4), out);
            }
        }
        return out;
    }

    // Feature indices of the vertical features the font's Japanese (or
    // default) language system uses; every vertical feature of the font
    // when the script list names none.
    std::vector<quint16> verticalFeatures(qint64 scriptList, qint64 featureList, quint32 wanted)
    {
        const quint16 featureCount = r.u16(featureList);
        auto isWanted = [&](quint32 index) {
            return index < featureCount && r.u32(featureList + 2 + 6 * qint64(index)) == wanted;
        };

        std::optional<qint64> langSys;
        const quint16 scripts = r.u16(scriptList);
        for (quint32 pick : {tag('k', 'a', 'n', 'a'), tag('h', 'a', 'n', 'i'), tag('D', 'F', 'L', 'T')}) {
            for (quint32 i = 0; i < scripts && !r.bad() && !langSys; ++i) {
                const qint64 rec = scriptList + 2 + 6 * qint64(i);
                if (r.u32(rec) != pick)
                    continue;
                const qint64 script = scriptList + r.u16(rec + 4);
                const quint16 langs = r.u16(script + 2);
                for (quint32 j = 0; j < langs && !r.bad(); ++j) {
                    const qint64 lrec = script + 4 + 6 * qint64(j);
                    if (r.u32(lrec) == tag('J', 'A', 'N', ' '))
                        langSys = script + r.u16(lrec + 4);
                }
                if (!langSys && r.u16(script) != 0)
                    langSys = script + r.u16(script);
            }
            if (langSys)
                break;
        }

        std::vector<quint16> features;
        if (langSys) {
            const quint16 count = r.u16(*langSys + 4);
            for (quint32 i = 0; i < count && !r.bad(); ++i) {
                const quint16 index = r.u16(*langSys + 6 + 2 * qint64(i));
                if (isWanted(index))
                    features.push_back(index);
            }
        } else {
            for (quint32 i = 0; i < featureCount && !r.bad(); ++i) {
                if (isWanted(i))
                    features.push_back(static_cast<quint16>(i));
            }
        }
        return features;
    }
};

}  // namespace

GlyphSubstitutions ParseVerticalSubstitutions(const QByteArray &gsub)
{
    FontTableReader r(gsub);
    Parser p{r};
    if (r.u16(0) != 1)
        return {};
    const qint64 scriptList = r.u16(4), featureList = r.u16(6), lookupList = r.u16(8);
    if (r.bad())
        return {};

    // 'vrt2' is the complete set where a font has it; 'vert' otherwise.
    std::vector<quint16> features = p.verticalFeatures(scriptList, featureList, tag('v', 'r', 't', '2'));
    if (features.empty())
        features = p.verticalFeatures(scriptList, featureList, tag('v', 'e', 'r', 't'));

    QSet<quint16> lookupIndices;
    for (quint16 f : features) {
        const qint64 feature = featureList + r.u16(featureList + 2 + 6 * qint64(f) + 4);
        const quint16 count = r.u16(feature + 2);
        for (quint32 i = 0; i < count && !r.bad(); ++i)
            lookupIndices.insert(r.u16(feature + 4 + 2 * qint64(i)));
    }
    std::vector<quint16> ordered(lookupIndices.begin(), lookupIndices.end());
    std::sort(ordered.begin(), ordered.end());

    const quint16 lookupCount = r.u16(lookupList);
    std::vector<GlyphSubstitutions> lookups;
    for (quint16 index : ordered) {
        if (index >= lookupCount) {
            r.markBad();
            break;
        }
        lookups.push_back(p.lookup(lookupList + r.u16(lookupList + 2 + 2 * qint64(index))));
        if (r.bad())
            break;
    }
    if (r.bad())
        return {};

    // Lookups apply one after the other, each to the result of the last.
    GlyphSubstitutions result;
    for (const GlyphSubstitutions &first : lookups) {
        for (auto it = first.begin(); it != first.end(); ++it) {
            if (result.contains(it.key()))
                continue;
            quint32 g = it.key();
            for (const GlyphSubstitutions &l : lookups)
                g = l.value(g, g);
            if (g != it.key())
                result.insert(it.key(), g);
        }
    }
    return result;
}

const GlyphSubstitutions &VerticalSubstitutions(const QRawFont &font)
{
    // One program thread draws; the cache lives as long as the program.
    static QHash<QString, GlyphSubstitutions> cache;
    const QString key = font.familyName() + QLatin1Char('\n') + font.styleName();
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, ParseVerticalSubstitutions(font.fontTable("GSUB")));
    return *it;
}

double DrawSidewaysText(QPainter &painter, const QFont &font, const QRawFont &raw,
                        const QFontMetricsF &metrics, const TextCell &cell, QPointF topLeft,
                        const QString &text)
{
    // Each character turns about the centre of its cell, the em box.
    const double ascent = cell.baseline;
    const double cellHeight = cell.height;
    const GlyphSubstitutions empty;
    const GlyphSubstitutions &vertical = raw.isValid() ? VerticalSubstitutions(raw) : empty;

    painter.setFont(font);
    double x = topLeft.x();
    // Character by character as the reader sees them: a base with its
    // marks or its variation selector turns as one.
    for (qsizetype i = 0; i < text.size();) {
        const FaceCharacter taken = takeFaceCharacter(raw, text, i, PlainGlyphs::Look);
        const QString &one = taken.text;
        const char32_t c = taken.base;
        const std::optional<quint32> &glyph = taken.glyph;

        if (!isFullWidth(c)) {
            painter.drawText(QPointF(x, topLeft.y() + ascent), one);
            x += metrics.horizontalAdvance(one);
            continue;
        }

        painter.save();
        if (glyph) {
            const double advance = raw.advancesForGlyphIndexes(QList<quint32>{*glyph}).value(0).x();
            QGlyphRun run;
            run.setRawFont(raw);
            run.setGlyphIndexes({vertical.value(*glyph, *glyph)});
            run.setPositions({QPointF(-advance / 2, -cellHeight / 2 + ascent)});
            painter.translate(x + advance / 2, topLeft.y() + cellHeight / 2);
            painter.rotate(-90);
            painter.drawGlyphRun(QPointF(0, 0), run);
            x += advance;
        } else {
            // A character the face lacks comes from a fallback face, turned
            // like the others but in its horizontal form; so does one with
            // combining marks, which the face's layout puts in place.
            const double advance = metrics.horizontalAdvance(one);
            painter.translate(x + advance / 2, topLeft.y() + cellHeight / 2);
            painter.rotate(-90);
            painter.drawText(QPointF(-advance / 2, -cellHeight / 2 + ascent), one);
            x += advance;
        }
        painter.restore();
    }
    return x - topLeft.x();
}

void DrawColumnText(QPainter &painter, const QFont &font, const QRawFont &raw, const QFontMetricsF &metrics,
                    const TextCell &cell, QPointF topLeft, const QString &text, bool turned)
{
    QPaintDevice *device = painter.device();
    const double em = font.pointSizeF() * device->logicalDpiY() / 72.0;
    const GlyphSubstitutions empty;
    const GlyphSubstitutions &vertical = raw.isValid() ? VerticalSubstitutions(raw) : empty;

    painter.save();
    painter.setFont(font);
    // A turned column is the upright one drawn a quarter turn
    // counter-clockwise, so its footprint starts at the pen as an "@" face's
    // text does and the reader who turns the page sees the same column.
    if (turned) {
        painter.translate(topLeft.x(), topLeft.y() + em);
        painter.rotate(-90);
    } else {
        painter.translate(topLeft);
    }
    double y = 0;
    // Every character, whatever its width, takes one em square of the column
    // so that columns side by side keep their characters level.
    for (qsizetype i = 0; i < text.size(); y += em) {
        const FaceCharacter taken = takeFaceCharacter(raw, text, i, PlainGlyphs::Look);
        const QString &one = taken.text;
        const std::optional<quint32> &glyph = taken.glyph;

        if (glyph) {
            // The vertical forms are drawn for the same em box as the
            // horizontal ones: 、。 move to the upper right, ー stands up.
            const quint32 shown = vertical.value(*glyph, *glyph);
            const double advance = raw.advancesForGlyphIndexes(QList<quint32>{shown}).value(0).x();
            QGlyphRun run;
            run.setRawFont(raw);
            run.setGlyphIndexes({shown});
            run.setPositions({QPointF((em - advance) / 2, y + cell.baseline)});
            painter.drawGlyphRun(QPointF(0, 0), run);
        } else {
            // A character the face lacks comes from a fallback face in its
            // horizontal form; so does one with combining marks.
            const double advance = metrics.horizontalAdvance(one);
            painter.drawText(QPointF((em - advance) / 2, y + cell.baseline), one);
        }
    }
    painter.restore();
}

}  // namespace bks
