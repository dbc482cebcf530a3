#include "print/surfaces/textcell.h"

#include "print/surfaces/fonttable.h"

#include <QCoreApplication>
#include <QHash>
#include <QRawFont>

#include <cmath>

namespace bks {

namespace {

// Faces whose ascent and descent differ from one em by less than this share
// count as one em tall (rounding in the font engine, not a design choice).
constexpr double kEmTolerance = 0.01;
// Size at which a face's own proportions are read.
constexpr double kProbePixels = 1000;

// Share of the em above the baseline: sTypoAscender / unitsPerEm when the
// typographic ascender and descender span one em, otherwise nothing (-1).
double typoEmAscent(const QByteArray &os2, const QByteArray &head)
{
    FontTableReader os2Reader(os2), headReader(head);
    const int unitsPerEm = headReader.u16(18);
    const int ascender = os2Reader.s16(68), descender = os2Reader.s16(70);
    if (os2Reader.bad() || headReader.bad() || unitsPerEm <= 0)
        return -1;
    if (ascender <= 0 || ascender - descender != unitsPerEm)
        return -1;
    return double(ascender) / unitsPerEm;
}

struct FaceBox {
    bool ownAscent = true;  // ascent and descent already make one em
    double emAscent = 0;    // share of the em above the baseline otherwise
};

FaceBox measureFace(const QFont &font)
{
    QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid())
        return {};
    raw.setPixelSize(kProbePixels);
    const double ascent = raw.ascent(), descent = raw.descent();
    if (!(ascent > 0) || !(descent >= 0)
        || std::abs(ascent + descent - kProbePixels) <= kEmTolerance * kProbePixels)
        return {};
    const double typo = typoEmAscent(raw.fontTable("OS/2"), raw.fontTable("head"));
    return {false, typo > 0 ? typo : ascent / (ascent + descent)};
}

const FaceBox &faceBox(const QFont &font)
{
    // One program thread draws; fonts go before the application does.
    static QHash<QString, FaceBox> cache;
    static const bool cleared = [] {
        qAddPostRoutine([] { cache.clear(); });
        return true;
    }();
    (void)cleared;
    const QString key = font.family() + QLatin1Char('\n') + QString::number(font.weight())
                        + QLatin1Char(font.italic() ? 'i' : 'r');
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, measureFace(font));
    return *it;
}

}  // namespace

QRawFont RawFontAt(const QFont &font, double pixelSize)
{
    static QHash<QString, QRawFont> cache;
    // Font engines must go before the application that owns the font
    // database does.
    static const bool cleared = [] {
        qAddPostRoutine([] { cache.clear(); });
        return true;
    }();
    (void)cleared;
    const QString key = font.key() + QLatin1Char('\n') + QString::number(pixelSize, 'g', 10);
    auto it = cache.find(key);
    if (it == cache.end()) {
        QRawFont raw = QRawFont::fromFont(font);
        if (raw.isValid())
            raw.setPixelSize(pixelSize);
        if (cache.size() > 64)
            cache.clear();
        it = cache.insert(key, raw);
    }
    return *it;
}

TextCell EmBoxCell(const QFont &font, const QFontMetricsF &metrics, double pixelSize)
{
    const FaceBox &box = faceBox(font);
    if (box.ownAscent)
        return {metrics.ascent(), metrics.ascent() + metrics.descent()};
    return {box.emAscent * pixelSize, pixelSize};
}

}  // namespace bks
