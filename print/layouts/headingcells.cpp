#include "print/layouts/headingcells.h"

#include "files/fonts.h"
#include "print/numbers/numbertext.h"
#include "print/layouts/strokeorderparts.h"
#include "print/text/characters.h"

#include <algorithm>
#include <cmath>

namespace bks {

namespace {

// Space between columns, in ems: enough that two readings side by side are
// not read as one line of text.
constexpr double kColumnGap = 0.3;
constexpr double kSizeStep = 0.5;
// The largest sizes: a reading as large as the sheet's headings, a radical
// and its name a little larger.
constexpr double kLargestReading = 16;
constexpr double kLargestRadical = 20;
const QString kJoin = QStringLiteral("・");
const QString kEllipsis = QStringLiteral("…");

// How many squares long and how many columns a cell holds at `points`.
struct Capacity {
    qsizetype length;
    qsizetype columns;
};

Capacity capacityAt(QSizeF area, double em)
{
    return {qsizetype(std::floor(area.height() / em + 1e-9)),
            qsizetype(std::floor((area.width() + kColumnGap * em) / ((1 + kColumnGap) * em) + 1e-9))};
}

// Items in order, several to a column where they fit; stops at the first
// item that finds no room and says how many were placed.
qsizetype pack(const QStringList &items, Capacity room, QStringList &columns)
{
    columns.clear();
    qsizetype placed = 0;
    for (const QString &item : items) {
        const qsizetype n = countCharacters(item);
        if (n > room.length)
            break;
        if (!columns.isEmpty() && countCharacters(columns.back()) + 1 + n <= room.length)
            columns.back() += kJoin + item;
        else if (columns.size() < room.columns)
            columns.append(item);
        else
            break;
        ++placed;
    }
    return placed;
}

bool fitsOneEach(const QStringList &items, Capacity room)
{
    if (items.size() > room.columns)
        return false;
    return std::all_of(items.begin(), items.end(),
                       [&](const QString &item) { return countCharacters(item) <= room.length; });
}

// The column `index` (counted from the right) of a fit in `area`, drawn with
// the pen where the surface wants it for the way the page is read.
void drawColumns(PrintSurface &p, const ColumnFit &fit, const QRectF &area, bool turned, SheetUnit unit)
{
    const double em = fit.points * unit.perPoint;
    // Across the cell as the reader sees it.
    const double across = turned ? area.height() : area.width();
    const qsizetype n = fit.columns.size();
    const double used = double(n) * em + double(n - 1) * kColumnGap * em;
    const double start = (across - used) / 2;  // the columns stand in the middle of the cell
    p.setFontSize(fit.points);
    for (qsizetype i = 0; i < n; ++i) {
        // The reader's distance from the cell's right edge to the column.
        const double fromRight = start + double(i) * (1 + kColumnGap) * em;
        if (turned) {
            // The reader's right is the page's top, the reader's top the
            // page's left.
            p.setCurrentX(area.left());
            p.setCurrentY(area.top() + fromRight);
        } else {
            p.setCurrentX(area.right() - fromRight - em);
            p.setCurrentY(area.top());
        }
        p.printColumn(fit.columns[i]);
    }
}

// Returns whether items were left off.
bool writeColumns(PrintSurface &p, const QStringList &items, QRectF area, bool turned, SheetUnit unit,
                  double largest)
{
    if (items.isEmpty() || area.isEmpty())
        return false;
    // Clear of the cell's lines.
    const double inset = std::min(area.width(), area.height()) * 0.06;
    area = area.adjusted(inset, inset, -inset, -inset);
    const QSizeF readerArea = turned ? area.size().transposed() : area.size();
    const ColumnFit fit = fitColumns(items, readerArea, unit, largest);
    if (!fit.columns.isEmpty())
        drawColumns(p, fit, area, turned, unit);
    return fit.cut;
}

}  // namespace

std::vector<std::string_view> headingSources(const SheetSettings &settings)
{
    std::vector<std::string_view> ids;
    if (settings.writeReadings || settings.writeRadical)
        ids.push_back(kFacts.id);
    if (settings.writeStrokeCount)
        ids.push_back(kStrokes.id);
    return ids;
}

ColumnFit fitColumns(const QStringList &items, QSizeF area, SheetUnit unit, double largest)
{
    ColumnFit fit;
    if (items.isEmpty())
        return fit;
    for (double points = std::floor(largest / kSizeStep) * kSizeStep; points >= kSmallestCellPoints;
         points -= kSizeStep) {
        const Capacity room = capacityAt(area, points * unit.perPoint);
        fit.points = points;
        if (fitsOneEach(items, room)) {
            fit.columns = items;
            return fit;
        }
        if (pack(items, room, fit.columns) == items.size())
            return fit;
    }
    // Left off at a whole item, with room made for the "…" that says so.
    fit.points = kSmallestCellPoints;
    const Capacity room = capacityAt(area, fit.points * unit.perPoint);
    fit.cut = true;
    for (qsizetype keep = pack(items, room, fit.columns); keep >= 0; --keep) {
        QStringList shown = items.mid(0, keep);
        shown << kEllipsis;
        if (pack(shown, room, fit.columns) == shown.size())
            return fit;
    }
    fit.columns.clear();
    return fit;
}

QStringList onReadings(const KanjiFactsEntry &facts)
{
    QStringList out;
    for (const KanjiReading &r : facts.readings)
        if (r.kind == ReadingKind::On)
            out << r.text;
    return out;
}

// Brackets rather than a lighter shade: they survive the photocopier and the
// monochrome printer a master copy goes through, and they are how pupils'
// dictionaries set the okurigana apart. Full-width, so that vertical
// writing turns them.
QStringList kunReadings(const KanjiFactsEntry &facts)
{
    QStringList out;
    for (const KanjiReading &r : facts.readings)
        if (r.kind == ReadingKind::Kun)
            out << (r.hasOkurigana() ? r.stem() + QStringLiteral("（") + r.okurigana() + QStringLiteral("）")
                                     : r.text);
    return out;
}

void writeHeadingCells(PrintSurface &p, const CharacterEntry &entry, const SheetSettings &settings,
                       const HeadingCells &cells, SheetUnit unit)
{
    const KanjiFactsEntry *facts = entry.fact(kFacts);
    const bool readings = settings.writeReadings && facts;
    const bool radical = settings.writeRadical && facts && facts->radical;
    const CharacterStrokes *strokes = entry.fact(kStrokes);
    const bool count = settings.writeStrokeCount && strokes && strokes->count() > 0;
    if (!readings && !radical && !count)
        return;
    p.setForeColor(0);
    // The cells are read the way the layout's page is. That is the face
    // the layout draws in already: an upright layout prints upright (the
    // 書き順 sheets even with an "@" face), a turned one only comes with an
    // "@" face.
    const QString upright = uprightFace(settings.fontName);
    p.setFontName(cells.turned ? QLatin1Char('@') + upright : upright);
    if (readings) {
        const bool on = writeColumns(p, onReadings(*facts), cells.on, cells.turned, unit, kLargestReading);
        const bool kun = writeColumns(p, kunReadings(*facts), cells.kun, cells.turned, unit, kLargestReading);
        entry.readingsCut = on || kun;
    } else {
        entry.readingsCut = false;
    }
    if (radical) {
        const QString name = facts->radical->name;
        const QString text = name.isEmpty() ? facts->radical->form
                                            : facts->radical->form + QChar(0x3000) + name;
        writeColumns(p, {text}, cells.radical, cells.turned, unit, kLargestRadical);
    }
    if (count && !cells.count.isEmpty()) {
        if (!cells.turned) {
            writeStrokeCount(p, strokes, settings, cells.count, unit);
        } else {
            // Turned, the digits stand one under the other in full width.
            writeColumns(p, {fullWidthDigits(strokes->count())}, cells.count, true, unit, kLargestRadical);
        }
    }
}

}  // namespace bks
