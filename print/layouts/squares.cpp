#include "print/layouts/squares.h"

namespace bks {

QPointF centredPen(const QRectF &square, double points, SheetUnit unit, QPointF shift)
{
    const double em = points * unit.perPoint;
    return square.center() - QPointF(em / 2, em / 2) + shift;
}

void printCentred(PrintSurface &p, const QString &text, const QRectF &square, double points, SheetUnit unit,
                  QPointF shift)
{
    const QPointF pen = centredPen(square, points, unit, shift);
    p.setFontSize(points);
    p.setCurrentX(pen.x());
    p.setCurrentY(pen.y());
    if (!text.isEmpty())
        p.print(text);
}

}  // namespace bks
