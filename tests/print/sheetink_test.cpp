// Where the characters of each sheet land on paper: every model and tracing
// character's ink inside its square in every face the program offers, the
// print-position shift in millimetres, and the tracing shade whatever the
// desktop theme. Read back from PDF files with poppler-utils.
#include "platform/colours.h"
#include "print/qtprintsurface.h"
#include "print/recordingsurface.h"
#include "print/sheetlayouts.h"
#include "tests/print/pdftools.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>

#include <gtest/gtest.h>

#include <map>

namespace bks {
namespace {

constexpr int kDpi = 200;
constexpr double kMarginMm = 5;  // the PDF output's printable area starts here

struct Layout {
    const char *name;
    bool twoChars;
    bool vertical;
};
constexpr Layout kLayouts[] = {
    {"one character", false, false},
    {"two characters", true, false},
    {"one character, @ face", false, true},
    {"two characters, @ face", true, true},
};

double mmPerUnit(const RecordedOp &op)
{
    return op.scaleMode == PrintSurface::Twips ? 25.4 / 1440 : 1.0;
}

// A model or tracing character with the square it belongs in and its
// one-em box at the pen, in millimetres from the paper's corner.
struct Placed {
    RecordedOp op;
    QRectF cell;
    QRectF em;
};

// The smallest rectangle of solid lines around `p` (layout units).
QRectF cellAround(const std::vector<RecordedOp> &sheet, QPointF p)
{
    double left = -1e9, right = 1e9, top = -1e9, bottom = 1e9;
    auto narrow = [](double at, double from, double &low, double &high) {
        if (at <= from)
            low = std::max(low, at);
        else
            high = std::min(high, at);
    };
    auto vertical = [&](double x, double ya, double yb) {
        if (std::min(ya, yb) <= p.y() && p.y() <= std::max(ya, yb))
            narrow(x, p.x(), left, right);
    };
    auto horizontal = [&](double y, double xa, double xb) {
        if (std::min(xa, xb) <= p.x() && p.x() <= std::max(xa, xb))
            narrow(y, p.y(), top, bottom);
    };
    for (const RecordedOp &op : sheet) {
        if (op.kind != RecordedOp::Line || op.drawStyle != PrintSurface::Solid)
            continue;
        if (op.flags == PrintSurface::Box) {
            vertical(op.x1, op.y1, op.y2);
            vertical(op.x2, op.y1, op.y2);
            horizontal(op.y1, op.x1, op.x2);
            horizontal(op.y2, op.x1, op.x2);
        } else if (op.x1 == op.x2) {
            vertical(op.x1, op.y1, op.y2);
        } else if (op.y1 == op.y2) {
            horizontal(op.y1, op.x1, op.x2);
        }
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

SheetSettings settingsFor(const QString &face, bool vertical)
{
    SheetSettings s;
    s.fontName = vertical ? QLatin1Char('@') + face : face;
    return s;
}

// The model and tracing characters of one sheet, each with its square.
std::vector<Placed> placedCharacters(const Layout &layout, const SheetSettings &settings)
{
    RecordingSurface recording;
    if (layout.twoChars)
        PrintTwoCharPage(recording, settings, QStringLiteral("国園"), 1);
    else
        PrintOneCharPage(recording, settings, QStringLiteral("国"), 1);
    const auto sheets = recording.sheets();
    std::vector<Placed> placed;
    if (sheets.empty())
        return placed;
    for (const RecordedOp &op : sheets.front()) {
        if (op.kind != RecordedOp::Print || (op.text != QStringLiteral("国") && op.text != QStringLiteral("園")))
            continue;
        // The square the layout means: the one around the middle of the
        // character's one-em cell.
        const double em = op.fontSize / 72 * 25.4 / mmPerUnit(op);
        const QPointF middle(op.x + em / 2, op.y + em / 2);
        QRectF cell = cellAround(sheets.front(), middle);
        if (em > 1.2 * std::min(cell.width(), cell.height())) {
            // A model character spread over a block of squares.
            for (const QPointF corner : {QPointF(-1, -1), QPointF(1, -1), QPointF(-1, 1), QPointF(1, 1)})
                cell |= cellAround(sheets.front(), middle + corner * em / 4);
        }
        const double mm = mmPerUnit(op);
        auto onPaper = [mm](const QRectF &r) {
            return QRectF(kMarginMm + r.left() * mm, kMarginMm + r.top() * mm, r.width() * mm, r.height() * mm);
        };
        placed.push_back({op, onPaper(cell), onPaper(QRectF(op.x, op.y, em, em))});
    }
    return placed;
}

// Prints each character again on a page of its own sheet's orientation,
// each in a grey of its own (10 levels apart), and returns the ink of each
// in millimetres from the paper's corner.
std::vector<QRectF> inkOf(const std::vector<Placed> &placed, const QString &name)
{
    const QString pdf = test::ScratchPath(name + QStringLiteral(".pdf"));
    {
        auto surface = openPrintSurface(PrinterChoice{QString(), pdf});
        for (size_t k = 0; k < placed.size(); ++k) {
            const RecordedOp &op = placed[k].op;
            surface->setOrientation(op.orientation);
            surface->setScaleMode(op.scaleMode);
            surface->setFontName(op.fontName);
            surface->setFontSize(op.fontSize);
            const int grey = int(10 * k);
            surface->setForeColor(rgbNumber(grey, grey, grey));
            surface->setCurrentX(op.x);
            surface->setCurrentY(op.y);
            surface->print(op.text);
        }
        EXPECT_TRUE(surface->finish(nullptr));
    }
    const auto page = test::RenderPdfPage(pdf, 1, kDpi);
    std::vector<QRectF> ink(placed.size());
    if (!page)
        return ink;
    std::vector<QRect> px(placed.size());
    for (int y = 0; y < page->height(); ++y) {
        const uchar *row = page->constScanLine(y);
        for (int x = 0; x < page->width(); ++x) {
            const size_t k = size_t((row[x] + 5) / 10);
            if (row[x] < 250 && k < px.size())
                px[k] |= QRect(x, y, 1, 1);
        }
    }
    for (size_t k = 0; k < px.size(); ++k) {
        const double mm = 25.4 / kDpi;
        if (!px[k].isNull())
            ink[k] = QRectF(px[k].x() * mm, px[k].y() * mm, px[k].width() * mm, px[k].height() * mm);
    }
    return ink;
}

class SheetInk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::HaveTool(QStringLiteral("pdftoppm")))
            GTEST_SKIP() << "pdftoppm not installed (poppler-utils)";
    }
};

// The smallest distance from the ink to its square's sides, in mm.
double smallestMargin(const QRectF &ink, const QRectF &cell)
{
    return std::min({ink.left() - cell.left(), ink.top() - cell.top(), cell.right() - ink.right(),
                     cell.bottom() - ink.bottom()});
}

// Every face's characters stand in their one-em box at the pen, as the
// layouts were drawn for; wherever the layout puts that box inside a
// square, the ink stays clear of the square's lines.
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
            const auto placed = placedCharacters(layout, settingsFor(face, layout.vertical));
            ASSERT_EQ(placed.size(), layout.twoChars ? 14u : 7u);
            const auto ink = inkOf(placed, face + QString::number(&layout - kLayouts));
            double least = 1e9;
            for (size_t k = 0; k < placed.size(); ++k) {
                const Placed &p = placed[k];
                ASSERT_FALSE(ink[k].isNull()) << "no ink for character " << k;
                const double margin = smallestMargin(ink[k], p.cell);
                EXPECT_GT(smallestMargin(ink[k], p.em), -0.2)
                    << "character " << k << " leaves its em box by " << -smallestMargin(ink[k], p.em) << " mm";
                // More than a line's width and a pixel from every side.
                if (smallestMargin(p.em, p.cell) > -0.1) {
                    EXPECT_GT(margin, 0.3) << "character " << k << " at " << p.op.x << ", " << p.op.y;
                }
                least = std::min(least, margin);
            }
            RecordProperty(QStringLiteral("%1, %2").arg(face, QLatin1String(layout.name)).toStdString(),
                           QString::number(least, 'f', 2).toStdString());
        }
    }
}

TEST_F(SheetInk, ShiftMovesTheCharactersByTheMillimetresTheMenuNames)
{
    const QString face = QStringLiteral("BIZ UDMincho");
    for (const Layout &layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        SheetSettings settings = settingsFor(face, layout.vertical);
        const auto still = placedCharacters(layout, settings);
        settings.printOffset = 4;
        const auto moved = placedCharacters(layout, settings);
        ASSERT_EQ(still.size(), moved.size());
        const QString name = QStringLiteral("shift%1-").arg(&layout - kLayouts);
        const auto before = inkOf(still, name + QLatin1Char('0')), after = inkOf(moved, name + QLatin1Char('4'));
        int shifted = 0;
        for (size_t k = 0; k < before.size(); ++k) {
            const QPointF d = after[k].center() - before[k].center();
            const double distance = std::hypot(d.x(), d.y());
            if (distance < 0.2)
                continue;  // a model character the layout keeps in place
            ++shifted;
            EXPECT_NEAR(distance, 4, 0.2) << "character " << k;
        }
        EXPECT_GE(shifted, 6);
    }
}

TEST_F(SheetInk, NormalTracingShadeIsMidGreyOnAnyDesktopTheme)
{
    const QPalette before = QApplication::palette();
    for (const QColor face : {QColor(239, 239, 239), QColor(53, 53, 53)}) {
        QPalette theme = before;
        theme.setColor(QPalette::Button, face);
        QApplication::setPalette(theme);
        SheetSettings settings = settingsFor(QStringLiteral("BIZ UDMincho"), false);
        settings.traceShade = QString::number(kButtonFace);
        const QString pdf = test::ScratchPath(QStringLiteral("shade%1.pdf").arg(face.red()));
        {
            auto surface = openPrintSurface(PrinterChoice{QString(), pdf});
            PrintOneCharPage(*surface, settings, QStringLiteral("国"), 1);
            EXPECT_TRUE(surface->finish(nullptr));
        }
        QApplication::setPalette(before);
        const auto page = test::RenderPdfPage(pdf, 1, 100);
        ASSERT_TRUE(page);
        std::map<int, int> greys;
        for (int y = 0; y < page->height(); ++y)
            for (int x = 0; x < page->width(); ++x)
                ++greys[page->constScanLine(y)[x]];
        EXPECT_GT(greys[192], 2000) << "tracing characters in the grey of 192";
        EXPECT_EQ(greys[face.red()], 0);
    }
}

}  // namespace
}  // namespace bks
