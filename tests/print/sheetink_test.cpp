// Where the characters of each sheet land on paper, read back from PDF files
// with poppler-utils: model and tracing characters in their squares in every
// face offered, the print-position shift in millimetres, the tracing shade
// whatever the desktop theme.
#include "platform/colours.h"
#include "print/qtprintsurface.h"
#include "print/recordingsurface.h"
#include "print/sheetlayout.h"
#include "tests/print/layout_helpers.h"
#include "tests/print/pdftools.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>

#include <gtest/gtest.h>

namespace bks {
namespace {

using test::printPractice;

constexpr int kDpi = 200;
constexpr double kMarginMm = 5;  // where the PDF output's printable area starts

struct Layout {
    const char *name;
    bool twoChars, vertical;
};
constexpr Layout kLayouts[] = {{"one character", false, false},
                               {"two characters", true, false},
                               {"one character, @ face", false, true},
                               {"two characters, @ face", true, true}};

// A model or tracing character, the square it belongs in and its one-em
// box at the pen, in millimetres from the paper's corner.
struct Placed {
    RecordedOp op;
    QRectF cell, em;
};

// The smallest rectangle of solid lines around `p` (layout units).
QRectF cellAround(const std::vector<RecordedOp> &sheet, QPointF p)
{
    double low[2] = {-1e9, -1e9}, high[2] = {1e9, 1e9};
    const double at[2] = {p.x(), p.y()};
    // A line across axis `a` at `v`, spanning `from`..`to` along the other.
    auto crossing = [&](int a, double v, double from, double to) {
        const double along = at[1 - a];
        if (along < std::min(from, to) || along > std::max(from, to))
            return;
        if (v <= at[a])
            low[a] = std::max(low[a], v);
        else
            high[a] = std::min(high[a], v);
    };
    for (const RecordedOp &op : sheet) {
        if (op.kind != RecordedOp::Line || op.drawStyle != PrintSurface::Solid)
            continue;
        const bool box = op.flags == PrintSurface::Box;
        if (box || op.x1 == op.x2) {
            crossing(0, op.x1, op.y1, op.y2);
            crossing(0, op.x2, op.y1, op.y2);
        }
        if (box || op.y1 == op.y2) {
            crossing(1, op.y1, op.x1, op.x2);
            crossing(1, op.y2, op.x1, op.x2);
        }
    }
    return QRectF(QPointF(low[0], low[1]), QPointF(high[0], high[1]));
}

std::vector<Placed> placedCharacters(const Layout &layout, const QString &face, float offset = 0)
{
    SheetSettings settings;
    settings.fontName = layout.vertical ? QLatin1Char('@') + face : face;
    settings.printOffset = offset;
    RecordingSurface recording;
    printPractice(recording, layout.twoChars ? 2 : 1,
                  SheetContent{layout.twoChars ? QStringLiteral("国園") : QStringLiteral("国"), 1, {}},
                  settings);
    std::vector<Placed> placed;
    const auto sheet = recording.sheets().at(0);
    for (const RecordedOp &op : sheet) {
        if (op.kind != RecordedOp::Print
            || (op.text != QStringLiteral("国") && op.text != QStringLiteral("園")))
            continue;
        const double mm = op.scaleMode == PrintSurface::Twips ? 25.4 / 1440 : 1.0;
        const double em = op.fontSize / 72 * 25.4 / mm;
        // The square around the middle of the em box; a model character
        // spreads over a block of squares.
        const QPointF middle(op.x + em / 2, op.y + em / 2);
        QRectF cell = cellAround(sheet, middle);
        if (em > 1.2 * std::min(cell.width(), cell.height())) {
            for (const QPointF corner : {QPointF(-1, -1), QPointF(1, -1), QPointF(-1, 1), QPointF(1, 1)})
                cell |= cellAround(sheet, middle + corner * em / 4);
        }
        auto onPaper = [mm](const QRectF &r) {
            return QRectF(kMarginMm + r.left() * mm, kMarginMm + r.top() * mm, r.width() * mm,
                          r.height() * mm);
        };
        placed.push_back({op, onPaper(cell), onPaper(QRectF(op.x, op.y, em, em))});
    }
    return placed;
}

// Prints the characters again on one page, each in a grey of its own (ten
// levels apart), and returns the ink of each in millimetres.
std::vector<QRectF> inkOf(const std::vector<Placed> &placed, const QString &name)
{
    const QString pdf = test::ScratchPath(name + QStringLiteral(".pdf"));
    auto surface = openPrintSurface(PrinterChoice{QString(), pdf});
    for (size_t k = 0; k < placed.size(); ++k) {
        const RecordedOp &op = placed[k].op;
        surface->setOrientation(op.orientation);
        surface->setScaleMode(op.scaleMode);
        surface->setFontName(op.fontName);
        surface->setFontSize(op.fontSize);
        surface->setForeColor(rgbNumber(int(10 * k), int(10 * k), int(10 * k)));
        surface->setCurrentX(op.x);
        surface->setCurrentY(op.y);
        surface->print(op.text);
    }
    EXPECT_TRUE(surface->finish(nullptr));
    std::vector<QRect> px(placed.size());
    if (const auto page = test::RenderPdfPage(pdf, 1, kDpi)) {
        for (int y = 0; y < page->height(); ++y) {
            const uchar *row = page->constScanLine(y);
            for (int x = 0; x < page->width(); ++x) {
                if (row[x] < 250 && size_t((row[x] + 5) / 10) < px.size())
                    px[size_t((row[x] + 5) / 10)] |= QRect(x, y, 1, 1);
            }
        }
    }
    std::vector<QRectF> ink;
    for (const QRectF r : px)
        ink.push_back(QRectF(r.topLeft() * (25.4 / kDpi), r.size() * (25.4 / kDpi)));
    return ink;
}

// The smallest distance from the inner rectangle to the outer one's sides.
double smallestMargin(const QRectF &inner, const QRectF &outer)
{
    return std::min({inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                     outer.bottom() - inner.bottom()});
}

class SheetInk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::HaveTool(QStringLiteral("pdftoppm")))
            GTEST_SKIP() << "pdftoppm not installed (poppler-utils)";
    }
};

// Every face stands in its one-em box at the pen, as the layouts were drawn
// for; wherever a layout puts that box inside a square, the ink stays clear
// of the square's lines. The least margin of each sheet is recorded.
TEST_F(SheetInk, EveryModelAndTracingCharacterSitsInItsSquareInEveryFace)
{
    for (const QString &face : {QStringLiteral("Klee One"), QStringLiteral("BIZ UDMincho"),
                                QStringLiteral("IPAexMincho"), QStringLiteral("IPAexGothic")}) {
        if (!QFontDatabase::families().contains(face)) {
            ADD_FAILURE() << face.toStdString() << " is not installed (install-deps.sh installs it)";
            continue;
        }
        for (const Layout &layout : kLayouts) {
            SCOPED_TRACE(face.toStdString() + ", " + layout.name);
            const auto placed = placedCharacters(layout, face);
            ASSERT_EQ(placed.size(), layout.twoChars ? 14u : 7u);
            const auto ink = inkOf(placed, face + QString::number(&layout - kLayouts));
            double least = 1e9;
            for (size_t k = 0; k < placed.size(); ++k) {
                ASSERT_FALSE(ink[k].isEmpty()) << "no ink for character " << k;
                EXPECT_GT(smallestMargin(ink[k], placed[k].em), -0.2)
                    << "character " << k << " leaves its em box";
                // More than a line's width and a pixel from every side.
                if (smallestMargin(placed[k].em, placed[k].cell) > -0.1) {
                    EXPECT_GT(smallestMargin(ink[k], placed[k].cell), 0.3) << "character " << k;
                }
                least = std::min(least, smallestMargin(ink[k], placed[k].cell));
            }
            RecordProperty(face.toStdString() + ", " + layout.name,
                           QString::number(least, 'f', 2).toStdString());
        }
    }
}

TEST_F(SheetInk, ShiftMovesTheCharactersByTheMillimetresTheMenuNames)
{
    for (const Layout &layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        const QString face = QStringLiteral("BIZ UDMincho"),
                      name = QStringLiteral("shift%1-").arg(&layout - kLayouts);
        const auto before = inkOf(placedCharacters(layout, face), name + QLatin1Char('0'));
        const auto after = inkOf(placedCharacters(layout, face, 4), name + QLatin1Char('4'));
        ASSERT_EQ(before.size(), after.size());
        int shifted = 0;
        for (size_t k = 0; k < before.size(); ++k) {
            const QPointF d = after[k].center() - before[k].center();
            if (std::hypot(d.x(), d.y()) < 0.2)
                continue;  // a model character the layout keeps in place
            ++shifted;
            EXPECT_NEAR(std::hypot(d.x(), d.y()), 4, 0.2) << "character " << k;
        }
        EXPECT_GE(shifted, 6);
    }
}

TEST_F(SheetInk, NormalTracingShadeIsMidGreyOnAnyDesktopTheme)
{
    const QPalette before = QApplication::palette();
    for (const int buttonFace : {239, 53}) {  // a light and a dark theme
        QPalette theme = before;
        theme.setColor(QPalette::Button, QColor(buttonFace, buttonFace, buttonFace));
        QApplication::setPalette(theme);
        SheetSettings settings;
        settings.fontName = QStringLiteral("BIZ UDMincho");
        settings.traceShade = QString::number(kButtonFace);
        const QString pdf = test::ScratchPath(QStringLiteral("shade%1.pdf").arg(buttonFace));
        auto surface = openPrintSurface(PrinterChoice{QString(), pdf});
        printPractice(*surface, 1, SheetContent{QStringLiteral("国"), 1, {}}, settings);
        EXPECT_TRUE(surface->finish(nullptr));
        QApplication::setPalette(before);
        const auto page = test::RenderPdfPage(pdf, 1, 100);
        ASSERT_TRUE(page);
        int greys[256] = {};
        for (int y = 0; y < page->height(); ++y)
            for (int x = 0; x < page->width(); ++x)
                ++greys[page->constScanLine(y)[x]];
        EXPECT_GT(greys[192], 2000) << "tracing characters in the grey of 192";
        EXPECT_EQ(greys[buttonFace], 0);
    }
}

}  // namespace
}  // namespace bks
