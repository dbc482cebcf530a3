#pragma once

// Stroke data made by hand for the sheet tests, so they do not depend on the
// installed data file.
#include "kanji/strokedata.h"
#include "print/content/sheetcontent.h"
#include "print/layouts/sheetlayout.h"
#include "tests/support/builtsources.h"

#include <QHash>
#include <QPainterPath>

namespace bks::test {

// 山 as KanjiVG writes it, near enough: its three strokes start where
// KanjiVG's do, in its 109-unit box.
inline CharacterStrokes mountainStrokes()
{
    QPainterPath centre(QPointF(52.49, 15.5));
    centre.cubicTo(53.5, 16.51, 54, 17.87, 54, 19.75);
    centre.cubicTo(54, 27.87, 53.92, 74.13, 53.92, 85.5);
    QPainterPath left(QPointF(21.49, 54.5));
    left.cubicTo(22.48, 55.49, 23, 56.75, 23, 58.25);
    left.lineTo(23, 85.25);
    left.cubicTo(23, 87, 24, 88, 26, 88);
    left.lineTo(85, 87.5);
    QPainterPath right(QPointF(89.24, 49));
    right.cubicTo(90.23, 49.99, 90.5, 51.25, 90.5, 52.75);
    right.lineTo(90.5, 92.75);
    return {{centre, left, right}, {{45.25, 14.5}, {14.5, 53.5}, {82.5, 46}}};
}

// `count` strokes of a made-up character, each a short curve of its own,
// spread over the box.
inline CharacterStrokes syntheticStrokes(int count)
{
    CharacterStrokes out;
    for (int i = 0; i < count; ++i) {
        const double y = 12 + 85.0 * i / std::max(1, count - 1);
        const double x = 12 + (i % 5) * 8;
        QPainterPath stroke(QPointF(x, y));
        stroke.cubicTo(x + 20, y - 4, x + 40, y + 4, x + 55, y);
        out.strokes.push_back(stroke);
        out.numberPositions.push_back({x - 6, y + 3});
    }
    return out;
}

inline const QString kMountain = QStringLiteral("山");
// A made-up character of many strokes, held under a code point of the
// private use area.
inline const QString kManyStrokes = QString(QChar(char16_t(0xE000)));

inline StrokeData handMadeStrokeData(int manyStrokes = 24)
{
    return StrokeData::fromCharacters(
        {{U'山', mountainStrokes()}, {char32_t(0xE000), syntheticStrokes(manyStrokes)}});
}

// A sheet's content as the run builds it for `layout`: with the strokes of
// the hand-made data where the layout shows stroke order.
inline SheetContent contentFor(const SheetLayout &layout, const QString &characters, qint16 number,
                               const std::array<QString, 2> &examples = {})
{
    static const SheetSources sources = sourcesWith(handMadeStrokeData());
    return sheetContent(layout, characters, number, examples, sources);
}

}  // namespace bks::test
