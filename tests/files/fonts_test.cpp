#include "files/fonts.h"

#include <QFont>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace bks {
namespace {

bool isMincho(const QString &family)
{
    return family.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive);
}

TEST(KanjiFontFamilies, ListsFacesThatPrintKanjiEachWithItsVerticalEntry)
{
    const QStringList families = KanjiFontFamilies();
    // Klee One is missing fontconfig's Japanese tag but prints kanji.
    const qsizetype klee = families.indexOf(QStringLiteral("Klee One"));
    ASSERT_GE(klee, 0);
    ASSERT_LT(klee + 1, families.size());
    EXPECT_EQ(families[klee + 1], QStringLiteral("@Klee One"));
    EXPECT_TRUE(families.contains(QStringLiteral("IPAexMincho")));
    EXPECT_TRUE(families.contains(QStringLiteral("@BIZ UDMincho")));

    // No kanji, or only through a fallback face: not listed.
    EXPECT_FALSE(families.contains(QStringLiteral("DejaVu Sans")));
    EXPECT_FALSE(families.contains(QStringLiteral("Sans Serif")));
    EXPECT_FALSE(families.contains(QStringLiteral("ＭＳ Ｐ明朝")));

    ASSERT_EQ(families.size() % 2, 0);
    QStringList horizontal;
    for (qsizetype i = 0; i < families.size(); i += 2) {
        EXPECT_FALSE(isVerticalFace(families[i]));
        EXPECT_EQ(families[i + 1], QLatin1Char('@') + families[i]);
        horizontal.append(families[i]);
    }
    QStringList sorted = horizontal;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(horizontal, sorted);
    EXPECT_EQ(horizontal.removeDuplicates(), 0);
}

TEST(FontSubstitutions, WindowsNamesDrawWithAnInstalledFace)
{
    InstallFontSubstitutions();
    for (const char *name : {"ＭＳ Ｐ明朝", "ＭＳ 明朝", "MS PMincho", "MS Mincho"})
        EXPECT_TRUE(isMincho(QFontInfo(QFont(QString::fromUtf8(name))).family())) << name;
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("ＭＳ Ｐ明朝"))).family(), QStringLiteral("BIZ UDPMincho"));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("ＭＳ 明朝"))).family(), QStringLiteral("BIZ UDMincho"));
    for (const char *name : {"ＭＳ Ｐゴシック", "ＭＳ ゴシック", "MS PGothic", "MS Gothic"}) {
        EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8(name))).family(), QStringLiteral("IPAexGothic")) << name;
    }
    EXPECT_EQ(QFontInfo(QFont(kDefaultFaceName)).family(), QStringLiteral("BIZ UDPMincho"));
}

TEST(ResolvedFamily, DropsTheVerticalMarkAndMapsWindowsNames)
{
    EXPECT_EQ(resolvedFamily(QStringLiteral("@Klee One")), QStringLiteral("Klee One"));
    EXPECT_EQ(resolvedFamily(QStringLiteral("Klee One")), QStringLiteral("Klee One"));
    EXPECT_EQ(resolvedFamily(QStringLiteral("@ＭＳ Ｐ明朝")), QStringLiteral("BIZ UDPMincho"));
    EXPECT_EQ(resolvedFamily(QStringLiteral("ms mincho")), QStringLiteral("BIZ UDMincho"));
    EXPECT_EQ(resolvedFamily(QStringLiteral("ＭＳ ゴシック")), QStringLiteral("IPAexGothic"));
    EXPECT_EQ(resolvedFamily(QStringLiteral("Unknown Face")), QStringLiteral("Unknown Face"));
    EXPECT_EQ(resolvedFamily(QString()), QString());
    EXPECT_EQ(resolvedFamily(QStringLiteral("@")), QString());
}

}  // namespace
}  // namespace bks
