// Where the characters of each sheet land on paper. The ink of every face
// offered is read back from PDF files with poppler-utils and set against the
// squares the layouts draw: model, tracing and example characters inside
// their lines in every face, upright and "@", at both sizes and with every
// print-position shift (which the layout tests measure in millimetres).
// Beside it the tracing shade whatever the desktop theme.
#include "platform/colours.h"
#include "print/surfaces/qtprintsurface.h"
#include "print/surfaces/recordingsurface.h"
#include "print/layouts/sheetlayout.h"
#include "tests/print/layout_helpers.h"
#include "tests/print/pdftools.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <set>
#include <tuple>

namespace bks {
namespace {

using test::cellAround;
using test::mmPerUnit;
using test::printPractice;

constexpr int kDpi = 300;
// Ink this far from a line still reads as inside the square: more than the
// line's width and a pixel of the rendering.
constexpr double kClearMm = 0.2;

const QStringList kFaces = {QStringLiteral("Klee One"), QStringLiteral("BIZ UDMincho"),
                            QStringLiteral("IPAexMincho"), QStringLiteral("IPAexGothic")};
// Wide and narrow, tall and flat, and the 20 strokes that fill a square.
const QString kCharacters = QStringLiteral("読雪田車議");

// Where a face inks a character at a size, in millimetres from the top-left
// corner of its em box, read from PDF files: every glyph asked for once,
// one file per face.
class GlyphInk {
public:
    using Key = std::tuple<QString, double, QString>;  // face ("@" kept), points, character

    QRectF of(const Key &key) const
    {
        const auto it = m_ink.find(key);
        return it == m_ink.end() ? QRectF() : it->second;
    }

    void measure(const std::set<Key> &wanted)
    {
        std::map<QString, std::vector<Key>> byFace;
        for (const Key &key : wanted)
            if (!m_ink.count(key))
                byFace[std::get<0>(key)].push_back(key);
        for (const auto &[face, keys] : byFace)
            measureFace(face, keys);
    }

private:
    struct Placed {
        Key key;
        QPointF pen;  // mm on its page
        double em;
    };

    void measureFace(const QString &face, const std::vector<Key> &keys)
    {
        // Landscape pages of the PDF output, glyphs in rows 10 mm apart; a
        // corner of two lines at (1, 1) mm ties the rendering to the page.
        std::vector<std::vector<Placed>> pages(1);
        double x = 10, y = 10, rowHeight = 0;
        for (const Key &key : keys) {
            const double em = std::get<1>(key) * 25.4 / 72;
            if (x + em > 280) {
                x = 10;
                y += rowHeight + 10;
                rowHeight = 0;
            }
            if (y + em > 192) {
                pages.emplace_back();
                x = y = 10;
            }
            pages.back().push_back({key, QPointF(x, y), em});
            x += em + 10;
            rowHeight = std::max(rowHeight, em);
        }
        const QString pdf = test::ScratchPath(QStringLiteral("ink-%1.pdf").arg(qHash(face)));
        auto surface = openPrintSurface(PrinterChoice{QString(), pdf});
        for (const auto &page : pages) {
            surface->setOrientation(PrintSurface::Landscape);
            surface->setScaleMode(PrintSurface::Millimetres);
            surface->line(PrintSurface::StraightLine, 1, 1, 4, 1, 0);
            surface->line(PrintSurface::StraightLine, 1, 1, 1, 4, 0);
            surface->setFontName(face);
            surface->setForeColor(0);
            for (const Placed &g : page) {
                surface->setFontSize(std::get<1>(g.key));
                surface->setCurrentX(g.pen.x());
                surface->setCurrentY(g.pen.y());
                surface->print(std::get<2>(g.key));
            }
            surface->newPage();
        }
        ASSERT_TRUE(surface->finish().ok());
        const auto images = test::RenderPdfPages(pdf, kDpi);
        ASSERT_TRUE(images && images->size() == pages.size());
        const double k = kDpi / 25.4;
        for (size_t p = 0; p < pages.size(); ++p) {
            const QImage &image = (*images)[p];
            const QRect corner = test::InkBounds(image.copy(0, 0, int(8 * k), int(8 * k)));
            ASSERT_FALSE(corner.isNull());
            const QPointF origin = QPointF(corner.topLeft()) - QPointF(k, k);  // (0, 0) mm in pixels
            for (const Placed &g : pages[p]) {
                const QRect region(int(origin.x() + (g.pen.x() - 4) * k),
                                   int(origin.y() + (g.pen.y() - 4) * k), int((g.em + 8) * k),
                                   int((g.em + 8) * k));
                const QRect ink = test::InkBounds(image.copy(region));
                ASSERT_FALSE(ink.isNull()) << "no ink for " << std::get<2>(g.key).toStdString();
                const QPointF topLeft = (QPointF(region.topLeft() + ink.topLeft()) - origin) / k - g.pen;
                m_ink[g.key] = QRectF(topLeft, QSizeF(ink.width() + 1, ink.height() + 1) / k);
            }
        }
    }

    std::map<Key, QRectF> m_ink;
};

// A model, tracing or example character as a layout placed it: its em box
// and the square (or block of squares) it belongs to, in millimetres.
struct Placement {
    GlyphInk::Key glyph;
    QRectF em, square;
};

// Every print of `character` on a sheet of `layout` in `face`.
std::vector<Placement> placements(const SheetLayout &layout, const QString &face, float scale, float offset,
                                  const QString &character)
{
    SheetSettings settings;  // no headings: only the sheet's own characters print it
    settings.fontName = face;
    settings.fontScale = scale;
    settings.printOffset = offset;
    const bool two = layout.charactersPerSheet == 2;
    RecordingSurface recording;
    test::printSheet(layout, recording,
                     sheetContent(layout, two ? character + character : character, 1,
                                  std::array<QString, 2>{character, two ? character : QString()},
                                  SheetSources{}),
                     settings);
    const auto sheet = recording.sheets().at(0);
    std::vector<Placement> out;
    for (const RecordedOp &op : sheet) {
        if (op.kind != RecordedOp::Print || op.text != character)
            continue;
        const double k = mmPerUnit(op), em = op.fontSize * 25.4 / 72;
        const QPointF middle(op.x + em / k / 2, op.y + em / k / 2);
        QRectF square = cellAround(sheet, middle);
        // A model character stands over a block of squares.
        if (em / k > 1.2 * std::min(square.width(), square.height())) {
            for (const QPointF corner : {QPointF(-1, -1), QPointF(1, -1), QPointF(-1, 1), QPointF(1, 1)})
                square |= cellAround(sheet, middle + corner * (em / k / 4));
        }
        out.push_back({{op.fontName, op.fontSize, character},
                       QRectF(op.x * k, op.y * k, em, em),
                       QRectF(square.topLeft() * k, square.bottomRight() * k)});
    }
    return out;
}

// One sheet setting checked: the layout in a face, at a size, shifted.
struct Setting {
    const SheetLayout *layout;
    QString face;
    float scale, offset;
};

// Lays out every setting of `layouts` for the four faces (upright and, where
// the layout has a vertical form, "@"), at the sizes it offers and every
// shift, measures the glyphs, and checks each placement. The least margins
// are recorded per layout and face.
void checkInk(::testing::Test &test, GlyphInk &inks, std::string_view form)
{
    std::vector<Setting> settings;
    for (const SheetLayout &layout : test::sheetLayouts()) {
        if (layout.form != form || layout.forVerticalFace)
            continue;
        for (const QString &face : kFaces) {
            if (!QFontDatabase::families().contains(face)) {
                ADD_FAILURE() << face.toStdString() << " is not installed (install-deps.sh installs it)";
                continue;
            }
            QStringList faces{face};
            if (!layout.verticalForm.empty())
                faces << QLatin1Char('@') + face;
            for (const QString &f : faces)
                for (const float scale :
                     layout.offersSmallerSize ? std::vector{0.9f, 0.8f} : std::vector{0.9f})
                    for (int offset = -6; offset <= 6; offset += 2)
                        settings.push_back({&layout, f, scale, float(offset)});
        }
    }
    std::map<std::tuple<std::string, QString, float, int>, std::vector<Placement>> placed;
    std::set<GlyphInk::Key> glyphs;
    for (const Setting &s : settings) {
        for (const QString &c : QStringView(kCharacters).toString().split(QString(), Qt::SkipEmptyParts)) {
            SheetSettings inFace;
            inFace.fontName = s.face;
            const std::string id(test::layoutForFace(*s.layout, inFace).id);
            for (const Placement &p : placements(*s.layout, s.face, s.scale, s.offset, c)) {
                placed[{id, s.face, s.scale, int(s.offset)}].push_back(p);
                glyphs.insert(p.glyph);
            }
        }
    }
    inks.measure(glyphs);
    if (test.HasFatalFailure())
        return;

    // The least margin of each layout and face without a shift, and the
    // least on the side a shift moves copies towards, with where it is.
    std::map<std::string, std::pair<double, std::string>> still, towards;
    for (const auto &[key, list] : placed) {
        const auto &[id, face, scale, offset] = key;
        const std::string name = id + ", " + face.toStdString() + (scale < 0.85f ? ", 90%" : "");
        for (const Placement &p : list) {
            const std::string what = QStringLiteral("%1 %2pt at %3 mm")
                                         .arg(std::get<2>(p.glyph))
                                         .arg(std::get<1>(p.glyph))
                                         .arg(offset)
                                         .toStdString();
            SCOPED_TRACE(name + ": " + what);
            // The em box stands in the middle of its square, moved by the
            // shift alone.
            const QPointF moved = p.em.center() - p.square.center();
            const double by = std::hypot(moved.x(), moved.y());
            EXPECT_TRUE(std::abs(by) < 0.01 || std::abs(by - std::abs(offset)) < 0.01) << by;

            const QRectF ink = inks.of(p.glyph).translated(p.em.topLeft());
            ASSERT_FALSE(ink.isEmpty());
            const double margin[4] = {ink.left() - p.square.left(), ink.top() - p.square.top(),
                                      p.square.right() - ink.right(), p.square.bottom() - ink.bottom()};
            // The side the copy was moved towards, if any.
            int side = -1;
            if (by > 0.01)
                side = std::abs(moved.x()) > std::abs(moved.y()) ? (moved.x() < 0 ? 0 : 2)
                                                                 : (moved.y() < 0 ? 1 : 3);
            for (int m = 0; m < 4; ++m) {
                if (m == side) {
                    auto &worst = towards[name];
                    if (worst.second.empty() || margin[m] < worst.first)
                        worst = {margin[m], what};
                    continue;
                }
                EXPECT_GT(margin[m], kClearMm) << "side " << m;
                if (offset == 0) {
                    auto &worst = still[name];
                    if (worst.second.empty() || margin[m] < worst.first)
                        worst = {margin[m], what};
                }
            }
        }
    }
    for (const auto &[name, worst] : still) {
        std::string line = QString::number(worst.first, 'f', 2).toStdString() + " mm (" + worst.second + ")";
        if (towards.count(name)) {
            const auto &t = towards.at(name);
            line += "; shifted, towards the line: " + QString::number(t.first, 'f', 2).toStdString() + " mm ("
                    + t.second + ")";
        }
        test.RecordProperty(name, line);
        if (qEnvironmentVariableIsSet("BKS_INK_REPORT"))
            std::cout << name << ": " << line << '\n';
    }
}

class SheetInk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::HaveTool(QStringLiteral("pdftoppm")))
            GTEST_SKIP() << "pdftoppm not installed (poppler-utils)";
    }
    // Shared by the layout families: a glyph is measured once.
    static GlyphInk &inks()
    {
        static GlyphInk measured;
        return measured;
    }
};

TEST_F(SheetInk, PracticeSheetsKeepEveryCharacterInsideItsSquare)
{
    checkInk(*this, inks(), kPracticeForm);
}

TEST_F(SheetInk, StrokeOrderSheetsKeepEveryCharacterInsideItsSquare)
{
    checkInk(*this, inks(), kStrokeOrderForm);
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
        printPractice(*surface, 1, test::practiceContent(QStringLiteral("国"), 1), settings);
        EXPECT_TRUE(surface->finish().ok());
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
