// Where the ink of a sheet lies in its PDF: every line the layout draws, and
// the model character filling its box.
#include "print/surfaces/recordingsurface.h"
#include "tests/print/sheetpdf.h"

#include <gtest/gtest.h>

namespace bks {
namespace {

using test::kFace;
using test::oneCharRun;
using test::Run;
using test::settingsFor;
using test::SheetPdf;
using test::twoCharRun;
using test::writePdf;

// Samples every line the layout draws on a sheet and looks for ink there
// in the rendered page: solid lines must be unbroken, dashed and dotted
// ones present, and nothing off by more than a pixel.
void expectLinesWhereTheLayoutPutsThem(const QString &pdf, const std::vector<RecordedOp> &sheet)
{
    const int dpi = 150;
    const auto page = test::RenderPdfPage(pdf, 1, dpi);
    ASSERT_TRUE(page);
    const double pxPerMm = dpi / 25.4;
    auto toPx = [&](const RecordedOp &op, double x, double y) {
        const double mm = op.scaleMode == PrintSurface::Twips ? 25.4 / 1440 : 1.0;
        return QPointF((5 + x * mm) * pxPerMm, (5 + y * mm) * pxPerMm);
    };
    auto inkNear = [&](QPointF p) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = qRound(p.x()) + dx, y = qRound(p.y()) + dy;
                if (x >= 0 && y >= 0 && x < page->width() && y < page->height()
                    && qGray(page->pixel(x, y)) < 128)
                    return true;
            }
        }
        return false;
    };
    int lines = 0;
    for (const RecordedOp &op : sheet) {
        if (op.kind != RecordedOp::Line)
            continue;
        ++lines;
        std::vector<std::pair<QPointF, QPointF>> segments;
        const QPointF a = toPx(op, op.x1, op.y1), b = toPx(op, op.x2, op.y2);
        if (op.flags == PrintSurface::Box)
            segments = {{a, QPointF(b.x(), a.y())},
                        {QPointF(b.x(), a.y()), b},
                        {b, QPointF(a.x(), b.y())},
                        {QPointF(a.x(), b.y()), a}};
        else
            segments = {{a, b}};
        for (const auto &[from, to] : segments) {
            const int samples = 40;
            int inked = 0;
            for (int i = 1; i < samples; ++i)
                inked += inkNear(from + (to - from) * (double(i) / samples)) ? 1 : 0;
            const double needed = op.drawStyle == PrintSurface::Solid ? samples - 1 : (samples - 1) * 0.4;
            EXPECT_GE(inked, needed) << "line " << op.x1 << "," << op.y1 << " - " << op.x2 << "," << op.y2
                                     << " style " << op.drawStyle;
        }
    }
    EXPECT_GT(lines, 20);
}

void checkGrid(const QString &name, const Run &run)
{
    RecordingSurface recording;
    run(recording);
    const auto sheets = recording.sheets();
    ASSERT_EQ(sheets.size(), 1u);
    expectLinesWhereTheLayoutPutsThem(writePdf(name, run), sheets.front());
}

TEST_F(SheetPdf, GridLinesLieWhereEachLayoutPutsThem)
{
    const SheetSettings horizontal = settingsFor(kFace);
    const SheetSettings vertical = settingsFor(QLatin1Char('@') + kFace);
    {
        SCOPED_TRACE("one character");
        checkGrid(QStringLiteral("grid1.pdf"), oneCharRun(horizontal, QStringLiteral("森")));
    }
    {
        SCOPED_TRACE("two characters");
        checkGrid(QStringLiteral("grid2.pdf"), twoCharRun(horizontal, QStringLiteral("森林")));
    }
    {
        SCOPED_TRACE("one character, @ face");
        checkGrid(QStringLiteral("grid3.pdf"), oneCharRun(vertical, QStringLiteral("森")));
    }
    {
        SCOPED_TRACE("two characters, @ face");
        checkGrid(QStringLiteral("grid4.pdf"), twoCharRun(vertical, QStringLiteral("森林")));
    }
}

TEST_F(SheetPdf, ModelCharacterFillsItsBox)
{
    // One-character sheet: the model box spans x 5800-9400 and y 600-4200
    // twips; a 143-point character printed at (W - 5400, 900) lies inside.
    const SheetSettings settings = settingsFor(kFace);
    const QString pdf = writePdf(QStringLiteral("model.pdf"), oneCharRun(settings, QStringLiteral("国")));
    const int dpi = 100;
    const auto page = test::RenderPdfPage(pdf, 1, dpi);
    ASSERT_TRUE(page);
    auto px = [&](double twips) { return int((5 + twips * 25.4 / 1440) * dpi / 25.4); };
    const QRect box(QPoint(px(5800) + 3, px(600) + 3), QPoint(px(9400) - 3, px(4200) - 3));
    const QRect ink = test::InkBounds(page->copy(box));
    ASSERT_FALSE(ink.isNull());
    // 143 pt is about 50 mm: the glyph covers most of the 63.5 mm box.
    EXPECT_GT(ink.width(), 40 * dpi / 25.4);
    EXPECT_GT(ink.height(), 40 * dpi / 25.4);
}
}  // namespace
}  // namespace bks
