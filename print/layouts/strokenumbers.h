#pragma once

#include "kanji/strokedata.h"

#include <QList>
#include <QPointF>
#include <QRectF>

namespace bks {

// The white border around the digits of a number `points` tall, in points.
double strokeNumberHalo(double points);

// How a stroke number of `digits` digits, its baseline starting at `at`,
// covers the diagram, in KanjiVG's units: the digits of a face `em` units
// tall, widened by the white halo printed around them.
QRectF strokeNumberBox(QPointF at, int digits, double em);

// Where each stroke's number goes, as the left end of its baseline in
// KanjiVG's box: at KanjiVG's own place unless the number would cover
// another number or the start of a stroke, then at the nearest place around
// it that covers neither, never far from its stroke's start and never
// outside the box. Numbers are placed in writing order, so an earlier
// stroke keeps its place.
QList<QPointF> placeStrokeNumbers(const CharacterStrokes &strokes, double em);

}  // namespace bks
