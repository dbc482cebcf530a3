// One reviewed recording per sheet layout: a representative sheet drawn on
// the recording surface, written one operation a line and compared with the
// file under tests/print/recordings/ named after the layout. A change in any
// position, size, colour, style or order shows up as a changed line.
//
// After a deliberate change of a layout, write the files anew with
//   BKS_UPDATE_RECORDINGS=1 build/tests/print/print_layout_tests --gtest_filter='LayoutRecording*'
// then read the difference (git diff tests/print/recordings) as a reviewer
// would before committing it.
#include "print/surfaces/recordingsurface.h"
#include "print/layouts/sheetlayout.h"
#include "tests/print/layout_helpers.h"
#include "tests/print/strokes_helpers.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

namespace bks::test {
namespace {

// Rounded to a thousandth of a unit: finer than anything on paper, coarse
// enough that the text does not depend on the last bits of a double.
QString num(double v)
{
    QString t = QString::number(v, 'f', 3);
    while (t.endsWith(QLatin1Char('0')))
        t.chop(1);
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    return t == QLatin1String("-0") ? QStringLiteral("0") : t;
}

QString page(const SurfaceSettings &op)
{
    return QStringLiteral("scale %1 orientation %2 paper %3")
        .arg(op.scaleMode)
        .arg(op.orientation)
        .arg(op.paperSize);
}

QString describe(const RecordedOp &op)
{
    switch (op.kind) {
    case RecordedOp::Print:
        return QStringLiteral("print \"%1\" at %2 %3 font \"%4\" %5 colour %6%7 | %8")
            .arg(op.text, num(op.x), num(op.y), op.fontName, num(op.fontSize))
            .arg(op.colour)
            .arg(op.halo > 0 ? QStringLiteral(" halo ") + num(op.halo) : QString())
            .arg(page(op));
    case RecordedOp::PrintColumn:
        return QStringLiteral("column \"%1\" at %2 %3 font \"%4\" %5 colour %6%7 | %8")
            .arg(op.text, num(op.x), num(op.y), op.fontName, num(op.fontSize))
            .arg(op.colour)
            .arg(op.halo > 0 ? QStringLiteral(" halo ") + num(op.halo) : QString())
            .arg(page(op));
    case RecordedOp::Line:
        return QStringLiteral("line %1 from %2 %3 to %4 %5 style %6 colour %7 | %8")
            .arg(op.flags)
            .arg(num(op.x1), num(op.y1), num(op.x2), num(op.y2))
            .arg(op.drawStyle)
            .arg(op.colour)
            .arg(page(op));
    case RecordedOp::StrokePath: {
        const QRectF r = op.path.boundingRect();
        const QPointF start = op.path.elementCount() > 0 ? QPointF(op.path.elementAt(0)) : QPointF();
        return QStringLiteral("path of %1 elements from %2 %3 within %4 %5 %6 %7 width %8 colour %9 | %10")
            .arg(op.path.elementCount())
            .arg(num(start.x()), num(start.y()), num(r.x()), num(r.y()), num(r.width()), num(r.height()),
                 num(op.width))
            .arg(op.colour)
            .arg(page(op));
    }
    case RecordedOp::NewPage: return QStringLiteral("new page");
    case RecordedOp::EndDoc: return QStringLiteral("end of document");
    }
    return {};
}

// The sheet as the surface would put it out. A document end or new page
// with nothing drawn since the last one produces nothing, so it is left out;
// the settings the sheet leaves behind come last, as the next sheet starts
// from them.
QStringList recordingOf(const RecordingSurface &surface)
{
    QStringList lines;
    bool drawn = false;
    for (const RecordedOp &op : surface.ops()) {
        const bool ends = op.kind == RecordedOp::NewPage || op.kind == RecordedOp::EndDoc;
        if (ends && !drawn)
            continue;
        drawn = !ends;
        lines << describe(op);
    }
    const SurfaceSettings &s = surface.settings();
    lines << QStringLiteral("left with font \"%1\" %2 colour %3 style %4 pen %5 %6 | %7")
                 .arg(s.fontName, num(s.fontSize))
                 .arg(s.colour)
                 .arg(s.drawStyle)
                 .arg(num(s.x), num(s.y), page(s));
    return lines;
}

QString recordingPath(std::string_view id)
{
    return QStringLiteral(BKS_RECORDINGS_DIR "/%1.txt").arg(QLatin1String(id.data(), qsizetype(id.size())));
}

// Everything a sheet can show: examples longer than the practice line,
// tracing on, a shift, every heading, a two-digit number and, where the
// layout asks, the stroke count.
RecordingSurface drawRepresentative(const SheetLayout &layout)
{
    SheetSettings settings = sheetSettings(layout.forVerticalFace ? QStringLiteral("@IPAexMincho")
                                                                  : QStringLiteral("IPAexMincho"));
    settings.tracing = true;
    settings.printOffset = 4;
    settings.writeStrokeCount = true;
    // 山 has strokes, 川 none: a stroke-order sheet shows both cases.
    const SheetContent content = contentFor(layout, QStringLiteral("山川").left(layout.charactersPerSheet),
                                            42,
                                            {QStringLiteral("山道を歩く"),
                                             QStringLiteral("川の水がきれいで冷たい")});
    RecordingSurface surface;
    printSheet(layout, surface, content, settings);
    return surface;
}

TEST(LayoutRecording, EveryLayoutDrawsItsReviewedSheet)
{
    const bool update = qEnvironmentVariableIntValue("BKS_UPDATE_RECORDINGS") == 1;
    for (const SheetLayout &layout : sheetLayouts()) {
        SCOPED_TRACE(std::string(layout.id));
        const QStringList drawn = recordingOf(drawRepresentative(layout));
        QFile file(recordingPath(layout.id));
        if (update) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write((drawn.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no recording; see the top of this file";
        const QStringList reviewed = QString::fromUtf8(file.readAll())
                                         .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < std::min(drawn.size(), reviewed.size()); ++i) {
            ASSERT_EQ(drawn[i], reviewed[i]) << "first difference at line " << i + 1;
        }
        EXPECT_EQ(drawn.size(), reviewed.size());
    }
}

}  // namespace
}  // namespace bks::test
