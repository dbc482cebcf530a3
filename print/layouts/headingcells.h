#pragma once

#include "print/content/sheetcontent.h"
#include "print/layouts/sheetsettings.h"
#include "print/layouts/squares.h"
#include "print/surfaces/printsurface.h"

#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <string_view>
#include <vector>

// The facts a sheet writes into the cells of its heading: the readings, the
// radical with its name and the stroke count, each as the switches ask.

namespace bks {

// The sources the switches of `settings` need looked up for every
// character.
std::vector<std::string_view> headingSources(const SheetSettings &settings);

// The parts of a sheet's heading cells the labels leave free, in the sheet's
// unit and place on the page; an empty rectangle is a cell the layout lacks.
struct HeadingCells {
    QRectF on, kun, radical, count;
    // The page is read turned a quarter clockwise (an "@" face's sheet): the
    // cells' columns run along the page and follow one another down it.
    bool turned = false;
};

// Columns of vertical writing that fit a cell: the size and what each column
// holds, right to left.
struct ColumnFit {
    double points = 0;
    QStringList columns;
    // Some items were left off (the last column ends in "…").
    bool cut = false;
};

// The smallest readable size the cells shrink their text to.
inline constexpr double kSmallestCellPoints = 7;

// Lays `items` out in columns inside `area` (width across the columns,
// height along them, as the reader sees the cell): the largest size up to
// `largest` points at which every item fits, an item a column where that
// fits, else several to a column joined by "・"; an item is never split. At
// the smallest size, what does not fit is left off at a whole item.
ColumnFit fitColumns(const QStringList &items, QSizeF area, SheetUnit unit, double largest);

// The readings as a pupil reads them in the cells: 音 in katakana as the
// table gives them, 訓 in hiragana with the okurigana in brackets.
QStringList onReadings(const KanjiFactsEntry &facts);
QStringList kunReadings(const KanjiFactsEntry &facts);

// Writes what the switches of `settings` ask for into `cells`, in the
// sheet's face, black. Sets entry.readingsCut when readings were left off.
void writeHeadingCells(PrintSurface &p, const CharacterEntry &entry, const SheetSettings &settings,
                       const HeadingCells &cells, SheetUnit unit);

}  // namespace bks
