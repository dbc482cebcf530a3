#include "files/helptexts.h"

#include <gtest/gtest.h>

namespace bks {
namespace {

TEST(HelpTexts, LinesAndBlankLinesStandWhereTheMenuShowsThem)
{
    const QStringList design = DesignHelpLines();
    ASSERT_EQ(design.size(), 13);
    EXPECT_EQ(design.front(), QStringLiteral("《使い方》"));
    EXPECT_TRUE(design[6].isEmpty());
    EXPECT_TRUE(design[11].isEmpty());
    EXPECT_EQ(design.back(), QStringLiteral("　　　　　"));
    // The half-width full stop of the original lines is kept.
    EXPECT_TRUE(design[4].endsWith(QStringLiteral("有効です｡")));

    const QStringList dictionary = DictionaryHelpLines();
    ASSERT_EQ(dictionary.size(), 10);
    EXPECT_EQ(dictionary.front(), QStringLiteral("《使い方とフォント》"));
    for (int k : {1, 3, 5, 8})
        EXPECT_TRUE(dictionary[k].isEmpty()) << k;
    EXPECT_TRUE(dictionary[4].startsWith(QStringLiteral("【内臓辞書を使う】")));
    EXPECT_EQ(dictionary.back(), QStringLiteral("　　　　　"));
    // Every text begins with "《", so the text box holding it prints nothing.
    EXPECT_TRUE(design.front().startsWith(QStringLiteral("《")));
}

TEST(WebAddress, IsTheBuiltInPageAndOpenable)
{
    EXPECT_TRUE(WebAddress().isValid());
    EXPECT_TRUE(isOpenableWebAddress(WebAddress()));
}

TEST(WebAddress, OnlyHttpAndHttpsWithAHostAreOpened)
{
    EXPECT_TRUE(isOpenableWebAddress(QUrl(QStringLiteral("http://example.jp/a"))));
    EXPECT_TRUE(isOpenableWebAddress(QUrl(QStringLiteral("HTTPS://example.jp"))));
    EXPECT_FALSE(isOpenableWebAddress(QUrl(QStringLiteral("file:///etc/passwd"))));
    EXPECT_FALSE(isOpenableWebAddress(QUrl(QStringLiteral("javascript:alert(1)"))));
    EXPECT_FALSE(isOpenableWebAddress(QUrl(QStringLiteral("https:///nohost"))));
    EXPECT_FALSE(isOpenableWebAddress(QUrl(QStringLiteral("ftp://example.jp"))));
    EXPECT_FALSE(isOpenableWebAddress(QUrl()));
    EXPECT_FALSE(isOpenableWebAddress(QUrl(QStringLiteral("example.jp"))));
}

}  // namespace
}  // namespace bks
