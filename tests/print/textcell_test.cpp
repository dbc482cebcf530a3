#include "print/textcell.h"

#include <QFontDatabase>
#include <QRawFont>

#include <gtest/gtest.h>

namespace bks {
namespace {

QFont sized(const QString &family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

TEST(TextCell, ATallFaceGetsItsIdeographicEmBoxAndOthersKeepTheirAscent)
{
    for (const QString &family : {QStringLiteral("Klee One"), QStringLiteral("BIZ UDMincho")}) {
        if (!QFontDatabase::families().contains(family))
            GTEST_SKIP() << family.toStdString() << " not installed";
    }
    const QFont klee = sized(QStringLiteral("Klee One"), 1000);
    const TextCell tall = EmBoxCell(klee, QFontMetricsF(klee), 1000);
    EXPECT_NEAR(tall.baseline, 880, 1);  // not its ascent of 1,160
    EXPECT_NEAR(tall.height, 1000, 1e-9);

    const QFont biz = sized(QStringLiteral("BIZ UDMincho"), 997);
    const QFontMetricsF metrics(biz);
    const TextCell own = EmBoxCell(biz, metrics, 997);
    EXPECT_EQ(own.baseline, metrics.ascent());
    EXPECT_EQ(own.height, metrics.ascent() + metrics.descent());
}

TEST(TextCell, TypographicMetricsCountOnlyWhenTheySpanOneEmAndTheTablesAreWhole)
{
    auto table = [](std::initializer_list<std::pair<int, int>> words, int size) {
        QByteArray t(size, '\0');
        for (const auto &[at, v] : words) {
            t[at] = char((v >> 8) & 0xFF);
            t[at + 1] = char(v & 0xFF);
        }
        return t;
    };
    const QByteArray head = table({{18, 1000}}, 54);
    EXPECT_DOUBLE_EQ(TypoEmAscent(table({{68, 880}, {70, -120}}, 78), head), 0.88);
    EXPECT_LT(TypoEmAscent(table({{68, 1160}, {70, -288}}, 78), head), 0);
    EXPECT_LT(TypoEmAscent(table({{68, 880}, {70, -120}}, 71), head), 0);  // cut short
    EXPECT_LT(TypoEmAscent(table({{68, 880}, {70, -120}}, 78), QByteArray(18, '\0')), 0);
    EXPECT_LT(TypoEmAscent(QByteArray(), QByteArray()), 0);
}

}  // namespace
}  // namespace bks
