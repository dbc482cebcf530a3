#include "kanji/kanjisearch.h"

#include <gtest/gtest.h>

#include <QSet>

namespace bks {
namespace {

TEST(KanjiSearch, ListLengthsAndGradeTexts)
{
    const int lengths[] = {80, 160, 200, 202, 193, 191};
    const QString texts[] = {QStringLiteral("一年"), QStringLiteral("二年"), QStringLiteral("三年"),
                             QStringLiteral("四年"), QStringLiteral("五年"), QStringLiteral("六年")};
    for (int grade = 1; grade <= 6; ++grade) {
        EXPECT_EQ(SearchList(grade).size(), lengths[grade - 1]) << grade;
        EXPECT_EQ(SearchGradeText(grade), texts[grade - 1]);
    }
    for (int outside : {0, 7, -1}) {
        EXPECT_TRUE(SearchList(outside).isEmpty());
        EXPECT_TRUE(SearchGradeText(outside).isEmpty());
    }
}

// Every kanji stands in one list only, so the search finds each in its own
// grade at its own place.
TEST(KanjiSearch, EveryKanjiIsFoundInItsOwnGradeAndPlace)
{
    QSet<QChar> all;
    int total = 0;
    for (int grade = 1; grade <= 6; ++grade) {
        const QString list = SearchList(grade);
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QChar c = list.at(i);
            EXPECT_TRUE(c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) << int(c.unicode());
            all.insert(c);
            ++total;
            const auto hit = FindGrade(QString(c));
            ASSERT_TRUE(hit.has_value());
            EXPECT_EQ(hit->grade, grade) << QString(c).toStdString();
            EXPECT_EQ(hit->position, i + 1) << QString(c).toStdString();
        }
    }
    EXPECT_EQ(total, 1026);
    EXPECT_EQ(all.size(), 1026);
}

TEST(KanjiSearch, FindsTheFirstGradeKanji)
{
    const auto hit = FindGrade(QStringLiteral("川"));
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->grade, 1);
    EXPECT_EQ(hit->gradeText, QStringLiteral("一年"));
    EXPECT_EQ(hit->list, SearchList(1));
    EXPECT_EQ(hit->position, 35);
    EXPECT_EQ(hit->list.mid(hit->position - 1, 1), QStringLiteral("川"));
}

TEST(KanjiSearch, FourthGradeHoldsThePrefectureKanji)
{
    const auto ai = FindGrade(QStringLiteral("愛"));
    ASSERT_TRUE(ai.has_value());
    EXPECT_EQ(ai->gradeText, QStringLiteral("四年"));
    const QString prefectures = QStringLiteral("茨城栃群埼潟井梨岡奈富岐阜滋阪徳香佐賀崎熊沖縄媛鹿");
    for (QChar c : prefectures) {
        const auto hit = FindGrade(QString(c));
        ASSERT_TRUE(hit.has_value()) << QString(c).toStdString();
        EXPECT_EQ(hit->grade, 4) << QString(c).toStdString();
    }
}

TEST(KanjiSearch, KanjiMovedBetweenUpperGrades)
{
    // These sat a grade too low or too high in older tables.
    const struct {
        const char16_t *kanji;
        int grade;
    } cases[] = {{u"胃", 6}, {u"腸", 6}, {u"象", 5}, {u"賞", 5}, {u"歴", 5}, {u"預", 6},
                 {u"券", 6}, {u"退", 6}, {u"舌", 6}, {u"城", 4}, {u"喜", 5}, {u"堂", 5}};
    for (const auto &c : cases) {
        const QString kanji = QString::fromUtf16(c.kanji);
        const auto hit = FindGrade(kanji);
        ASSERT_TRUE(hit.has_value()) << kanji.toStdString();
        EXPECT_EQ(hit->grade, c.grade) << kanji.toStdString();
    }
}

TEST(KanjiSearch, NothingFoundOutsideTheLists)
{
    EXPECT_FALSE(FindGrade(QStringLiteral("猫")));
    EXPECT_FALSE(FindGrade(QStringLiteral("墨")));
    EXPECT_FALSE(FindGrade(QStringLiteral("a")));
    EXPECT_FALSE(FindGrade(QString()));
}

TEST(KanjiSearch, SeveralCharactersMustStandTogether)
{
    const auto pair = FindGrade(QStringLiteral("大小"));
    ASSERT_TRUE(pair.has_value());
    EXPECT_EQ(pair->grade, 1);
    EXPECT_EQ(pair->position, 1);
    const auto later = FindGrade(QStringLiteral("読雪"));
    ASSERT_TRUE(later.has_value());
    EXPECT_EQ(later->grade, 2);
    EXPECT_EQ(later->position, 1);
    // Each is found alone, but not in this order or not side by side.
    EXPECT_FALSE(FindGrade(QStringLiteral("小大")));
    EXPECT_FALSE(FindGrade(QStringLiteral("大一")));
    // The last kanji of one grade and the first of the next.
    EXPECT_FALSE(FindGrade(QStringLiteral("先読")));
    // A kanji followed by a character no list holds.
    EXPECT_FALSE(FindGrade(QStringLiteral("川猫")));
}

TEST(KanjiSearch, NotFoundTextLines)
{
    const QString text = NotFoundText();
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 9);
    EXPECT_EQ(text.count(QLatin1Char('\n')), 9);  // no bare line feeds
    EXPECT_EQ(lines[0], QStringLiteral("《使い方》"));
    EXPECT_EQ(lines[3], QStringLiteral("  デザイン画面でワークシートの編集も可能です｡"));
    EXPECT_EQ(lines[7], QStringLiteral("  　光村図書/東京書籍/学校図書/教育出版の教科書に対応しています。"));
    EXPECT_TRUE(lines[1].startsWith(QLatin1Char(' ')));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("可能です｡ ")));
    EXPECT_TRUE(lines[6].endsWith(QStringLiteral("適用されます｡ ")));
    EXPECT_TRUE(lines[8].isEmpty());
    EXPECT_EQ(lines[9], QStringLiteral("　　　　　"));
    EXPECT_EQ(kNotFoundMessage, QStringLiteral("検索文字は教育漢字には含まれていません"));
}

}  // namespace
}  // namespace bks
