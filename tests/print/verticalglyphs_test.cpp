#include "print/surfaces/qtprintsurface.h"
#include "print/surfaces/recordingsurface.h"
#include "print/surfaces/variantglyphs.h"
#include "print/surfaces/verticalglyphs.h"
#include "tests/print/pdftools.h"

#include <QRawFont>

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace bks {
namespace {


QRawFont rawFont(const QString &family)
{
    QFont font(family);
    font.setPixelSize(100);
    return QRawFont::fromFont(font);
}

quint32 glyphOf(const QRawFont &font, const QString &c)
{
    return font.glyphIndexesForString(c).value(0);
}

struct FontCase {
    const char *family;
    int entries;
};

void PrintTo(const FontCase &font, std::ostream *os)
{
    *os << font.family;
}

class InstalledFont : public ::testing::TestWithParam<FontCase> {};

TEST_P(InstalledFont, HasVerticalFormsOfJapanesePunctuation)
{
    const QRawFont font = rawFont(QString::fromLatin1(GetParam().family));
    if (!font.isValid() || font.familyName() != QString::fromLatin1(GetParam().family))
        GTEST_SKIP() << GetParam().family << " not installed";
    const GlyphSubstitutions &map = VerticalSubstitutions(font);
    EXPECT_EQ(map.size(), GetParam().entries);
    for (const QString &c : {QStringLiteral("「"), QStringLiteral("」"), QStringLiteral("、"),
                             QStringLiteral("。"), QStringLiteral("ー")}) {
        const quint32 g = glyphOf(font, c);
        ASSERT_TRUE(map.contains(g)) << c.toStdString();
        EXPECT_NE(map.value(g), g);
    }
    // Kanji have no vertical form.
    EXPECT_FALSE(map.contains(glyphOf(font, QStringLiteral("漢"))));
    // The same map comes back for the same face.
    EXPECT_EQ(&VerticalSubstitutions(font), &map);
}

INSTANTIATE_TEST_SUITE_P(
    Japanese, InstalledFont,
    ::testing::Values(FontCase{"IPAexMincho", 212}, FontCase{"Klee One", 1449},
                      FontCase{"BIZ UDMincho", 351}),
    [](const auto &info) {
        return QString::fromLatin1(info.param.family).remove(QLatin1Char(' ')).toStdString();
    });

TEST(VerticalSubstitutionParser, DamagedTablesOfARealFontNeverCrash)
{
    const QRawFont font = rawFont(QStringLiteral("Klee One"));
    const QByteArray gsub = font.fontTable("GSUB");
    if (gsub.isEmpty())
        GTEST_SKIP() << "Klee One not installed";
    const GlyphSubstitutions full = ParseVerticalSubstitutions(gsub);
    ASSERT_FALSE(full.isEmpty());

    // Cut short anywhere: either the vertical part survived whole or
    // nothing is used.
    const qsizetype step = std::max<qsizetype>(1, gsub.size() / 400);
    for (qsizetype n = 0; n < gsub.size(); n += (n < 64 ? 1 : step)) {
        const auto map = ParseVerticalSubstitutions(gsub.left(n));
        EXPECT_TRUE(map.isEmpty() || map == full) << n;
    }

    std::mt19937 random(20200401);
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = gsub;
        std::uniform_int_distribution<qsizetype> where(0, std::min<qsizetype>(damaged.size() - 1, 4096));
        for (int k = 0; k < 8; ++k)
            damaged[where(random)] = char(random() & 0xFF);
        (void)ParseVerticalSubstitutions(damaged);
    }
}

// A kanji with a variation selector prints in the variant the face has for
// it (BIZ UDMincho has 葛 U+E0100), else in its usual shape (辻 U+FE00
// anywhere, every sequence in Klee One), upright and turned. The sequences
// come from the face's own table, which damaged never crashes the reader.
TEST(VariationSequences, AKanjiPrintsInTheFacesVariantOrItsUsualShape)
{
    auto ink = [](const QString &face, const QString &text) {
        return RenderPreviewPages(
                   [&](PrintSurface &s) {
                       s.setScaleMode(PrintSurface::Millimetres);
                       s.setFontName(face);
                       s.setFontSize(72);
                       s.setCurrentX(10);
                       s.setCurrentY(10);
                       s.print(text);
                   },
                   150)
            .at(0)
            .copy(0, 0, 300, 300);
    };
    const struct {
        const char *face;
        QString base, sequence;
        bool variant;
    } cases[] = {
        {"BIZ UDMincho", QStringLiteral("葛"), QString::fromUcs4(U"葛\U000E0100"), true},
        {"BIZ UDMincho", QStringLiteral("辻"), QString::fromUcs4(U"辻\uFE00"), false},
        {"Klee One", QStringLiteral("葛"), QString::fromUcs4(U"葛\U000E0100"), false},
    };
    for (const auto &c : cases) {
        for (const QString &face :
             {QString::fromLatin1(c.face), QLatin1Char('@') + QString::fromLatin1(c.face)}) {
            SCOPED_TRACE(face.toStdString() + " " + c.sequence.toStdString());
            const QImage usual = ink(face, c.base), printed = ink(face, c.sequence);
            ASSERT_FALSE(test::InkBounds(usual).isNull());
            EXPECT_EQ(printed != usual, c.variant);
        }
    }

    const QByteArray cmap = rawFont(QStringLiteral("BIZ UDMincho")).fontTable("cmap");
    ASSERT_FALSE(cmap.isEmpty());
    const auto full = ParseVariationSequences(cmap);
    EXPECT_GT(full.size(), 1000);
    for (qsizetype n = 0; n < cmap.size(); n += std::max<qsizetype>(1, cmap.size() / 300)) {
        const auto cut = ParseVariationSequences(cmap.left(n));
        EXPECT_TRUE(cut.isEmpty() || cut == full) << n;
    }
    std::mt19937 random(20240401);
    for (int round = 0; round < 200; ++round) {
        QByteArray damaged = cmap;
        std::uniform_int_distribution<qsizetype> where(0, damaged.size() - 1);
        for (int k = 0; k < 8; ++k)
            damaged[where(random)] = char(random() & 0xFF);
        (void)ParseVariationSequences(damaged);
    }
}

TEST(FullWidth, JapaneseCharactersAreFullAndAsciiHalf)
{
    for (char32_t c : {U'漢', U'あ', U'ア', U'「', U'、', U'ー', U'Ａ', U'１', U'　', U'𠮷', U'〜'})
        EXPECT_TRUE(isFullWidth(c)) << unsigned(c);
    // Symbols that take a full cell in Japanese text, outside the CJK blocks.
    for (char32_t c : {U'○', U'△', U'□', U'◎', U'→', U'⇔', U'※', U'×', U'÷', U'±',
                       U'α', U'Ω', U'Я', U'①', U'⑳', U'Ⅲ', U'─', U'♪', U'∞', U'§'})
        EXPECT_TRUE(isFullWidth(c)) << unsigned(c);
    for (char32_t c : {U'A', U'1', U'-', U' ', U'~', U'ｱ', U'ﾞ', U'é', U'¥'})
        EXPECT_FALSE(isFullWidth(c)) << unsigned(c);
}

// One text drawn on a preview page at 200 dpi.
QImage drawn(const QString &face, const QString &text, double points = 72)
{
    const auto pages = RenderPreviewPages(
        [&](PrintSurface &s) {
            s.setScaleMode(PrintSurface::Millimetres);
            s.setFontName(face);
            s.setFontSize(points);
            s.setCurrentX(20);
            s.setCurrentY(20);
            s.print(text);
        },
        200);
    return pages.empty() ? QImage() : pages.front();
}

TEST(AtFace, FullWidthCharactersTurnAQuarterAndHalfWidthStayUpright)
{
    const QString family = QStringLiteral("BIZ UDMincho");
    const QRect flat = test::InkBounds(drawn(family, QStringLiteral("一")));
    const QRect turned = test::InkBounds(drawn(QLatin1Char('@') + family, QStringLiteral("一")));
    ASSERT_FALSE(flat.isNull());
    ASSERT_FALSE(turned.isNull());
    EXPECT_GT(flat.width(), 4 * flat.height());
    EXPECT_GT(turned.height(), 4 * turned.width());
    // Turned inside its own cell: it stays near the pen.
    const double px = 200 / 25.4;
    const double cell = 72 / 72.0 * 200;
    EXPECT_GE(turned.left(), 25 * px - 2);
    EXPECT_LE(turned.right(), 25 * px + cell + 2);
    EXPECT_GE(turned.top(), 25 * px - 2);
    EXPECT_LE(turned.bottom(), 25 * px + 1.5 * cell);

    const QRect dash = test::InkBounds(drawn(QLatin1Char('@') + family, QStringLiteral("-")));
    EXPECT_GT(dash.width(), dash.height());
}

int darkPixels(const QImage &image, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return n;
}

TEST(AtFace, TurnsCounterClockwiseSoTheSheetReadsTurnedClockwise)
{
    // A full-width L turned a quarter counter-clockwise: its upright stroke
    // lies along the bottom, its foot up the right side.
    const QImage page = drawn(QStringLiteral("@BIZ UDMincho"), QStringLiteral("Ｌ"));
    const QRect ink = test::InkBounds(page);
    ASSERT_FALSE(ink.isNull());
    const QPoint c = ink.center();
    EXPECT_GT(darkPixels(page, QRect(QPoint(c.x(), ink.top()), ink.bottomRight())),
              1.3 * darkPixels(page, QRect(ink.topLeft(), QPoint(c.x() - 1, ink.bottom()))));
    EXPECT_GT(darkPixels(page, QRect(QPoint(ink.left(), c.y()), ink.bottomRight())),
              1.3 * darkPixels(page, QRect(ink.topLeft(), QPoint(ink.right(), c.y() - 1))));
}

TEST(AtFace, TextAdvancesByTheHorizontalCell)
{
    const QString face = QStringLiteral("@BIZ UDMincho");
    const QRect one = test::InkBounds(drawn(face, QStringLiteral("一")));
    const QRect three = test::InkBounds(drawn(face, QStringLiteral("一一一")));
    const double cell = 200.0;  // 72 pt at 200 dpi, a full-width advance of one em
    EXPECT_NEAR(three.width() - one.width(), 2 * cell, 4);
    EXPECT_NEAR(three.top(), one.top(), 1);
}

TEST(AtFace, BracketUsesItsVerticalForm)
{
    const QString family = QStringLiteral("IPAexMincho");
    // The vertical form turned a quarter left is not the horizontal glyph
    // turned a quarter left: compare with the fallback path's result by
    // drawing the horizontal bracket rotated by hand.
    const QImage vertical = drawn(QLatin1Char('@') + family, QStringLiteral("「"));
    QImage byHand(vertical.size(), QImage::Format_RGB32);
    byHand.fill(Qt::white);
    {
        QPainter p(&byHand);
        QFont font(family);
        font.setPixelSize(200);
        const QFontMetricsF m(font);
        const double px = 200 / 25.4;
        const double advance = m.horizontalAdvance(QStringLiteral("「"));
        p.setFont(font);
        p.setPen(Qt::black);
        p.translate(25 * px + advance / 2, 25 * px + (m.ascent() + m.descent()) / 2);
        p.rotate(-90);
        p.drawText(QPointF(-advance / 2, -(m.ascent() + m.descent()) / 2 + m.ascent()), QStringLiteral("「"));
    }
    const QRect a = test::InkBounds(vertical), b = test::InkBounds(byHand);
    ASSERT_FALSE(a.isNull());
    ASSERT_FALSE(b.isNull());
    EXPECT_GT((a.center() - b.center()).manhattanLength(), 20)
        << "vertical form sits elsewhere in the cell than the turned horizontal one";
}

// A column of vertical writing, upright and with an "@" face, on the page
// surface and through a recording replayed: every character's ink stays in
// its own em square, in order down the column (to the right when turned),
// ー stands along the column and 。 sits in its square's upper right as the
// reader sees it. Turned, the column is what the "@" face prints.
// (し between them shows the squares are one em apart, not its advance.)
TEST(ColumnText, EachCharacterKeepsToItsSquareInItsVerticalForm)
{
    constexpr double kDpi = 150, kEmMm = 72 * 25.4 / 72, kPen = 10;
    const QString text = QStringLiteral("生ーし。");
    auto draw = [&](PrintSurface &s, const QString &face, bool column) {
        s.setScaleMode(PrintSurface::Millimetres);
        s.setFontName(face);
        s.setFontSize(72);
        s.setCurrentX(kPen);
        s.setCurrentY(kPen);
        column ? s.printColumn(text) : s.print(text);
    };
    auto page = [&](const std::function<void(PrintSurface &)> &drawing) {
        return RenderPreviewPages(drawing, kDpi).at(0);
    };
    const double px = kDpi / 25.4;
    // Where the pen stands on the preview page, found by drawing there.
    const QPointF pen = test::InkBounds(page([&](PrintSurface &s) {
                            s.setScaleMode(PrintSurface::Millimetres);
                            s.line(PrintSurface::Box, kPen, kPen, kPen + 1, kPen + 1, 0);
                        })).topLeft();
    for (const char *family : {"Klee One", "BIZ UDMincho"}) {
        if (rawFont(QString::fromLatin1(family)).familyName() != QString::fromLatin1(family))
            GTEST_SKIP() << family << " not installed";
        for (const bool turned : {false, true}) {
            const QString face = (turned ? QStringLiteral("@") : QString()) + QString::fromLatin1(family);
            SCOPED_TRACE(face.toStdString());
            const QImage direct = page([&](PrintSurface &s) { draw(s, face, true); });
            RecordingSurface recording;
            draw(recording, face, true);
            EXPECT_EQ(page([&](PrintSurface &s) { replayRecording(s, recording.ops()); }), direct);

            // The reader's square k of the column, in page pixels.
            auto square = [&](int k) {
                const double along = k * kEmMm * px, em = kEmMm * px;
                return (turned ? QRectF(along, 0, em, em) : QRectF(0, along, em, em)).translated(pen);
            };
            for (int k = 0; k < 4; ++k)
                ASSERT_FALSE(test::InkBounds(direct.copy(square(k).toAlignedRect())).isNull()) << k;
            const QRect all = test::InkBounds(direct);
            EXPECT_TRUE(square(0).united(square(3)).toAlignedRect().adjusted(-1, -1, 1, 1).contains(all));

            const QRect bar = test::InkBounds(direct.copy(square(1).toAlignedRect()));
            EXPECT_EQ(bar.width() > bar.height(), turned);
            // 。 in the reader's upper right: on the turned page, its upper left.
            const QRectF stop = square(3);
            const QRect mark = test::InkBounds(direct.copy(stop.toAlignedRect()));
            const QPointF centre = QRectF(mark).center() + stop.topLeft();
            EXPECT_LT(centre.y(), stop.center().y());
            EXPECT_EQ(centre.x() > stop.center().x(), !turned);

            if (turned) {
                const QImage sideways = page([&](PrintSurface &s) { draw(s, face, false); });
                const QRect a = test::InkBounds(sideways), b = test::InkBounds(direct);
                EXPECT_LE((a.topLeft() - b.topLeft()).manhattanLength(), 2);
                EXPECT_LE((a.bottomRight() - b.bottomRight()).manhattanLength(), 2);
            }
        }
    }
}

}  // namespace
}  // namespace bks
