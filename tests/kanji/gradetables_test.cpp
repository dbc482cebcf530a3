#include "kanji/gradetables.h"
#include "kanji/kanjisearch.h"

#include <gtest/gtest.h>

#include <QSet>

#include <map>
#include <string_view>

namespace bks {
namespace {

QString Q(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()), qsizetype(text.size()));
}

QString Sorted(QSet<QChar> set)
{
    QList<QChar> chars(set.begin(), set.end());
    std::sort(chars.begin(), chars.end());
    return QString(chars.constData(), chars.size());
}

QSet<QChar> CharSet(const QString &text)
{
    return QSet<QChar>(text.begin(), text.end());
}

// Kanji a list names more than once, in sorted order.
QString Repeated(const QString &text)
{
    QSet<QChar> seen, twice;
    for (QChar c : text) {
        if (seen.contains(c))
            twice.insert(c);
        seen.insert(c);
    }
    return Sorted(twice);
}

struct TableRow {
    std::u16string_view publisher;
    std::u16string_view grade;
    int length;
    std::u16string_view head;  // first three kanji
    std::u16string_view tail;  // last three kanji
};

constexpr TableRow kRows[] = {
    {u"光村図書", u"１年", 80, u"木大小", u"石左力"},  {u"光村図書", u"２年", 160, u"読雪言", u"弱計直"},
    {u"光村図書", u"３年", 200, u"詩習商", u"神箱湯"}, {u"光村図書", u"４年", 202, u"信達飛", u"冷唱念"},
    {u"光村図書", u"５年", 193, u"任現際", u"喜導堂"}, {u"光村図書", u"６年", 191, u"視穴砂", u"灰奮済"},
    {u"東京書籍", u"１年", 80, u"一二三", u"正雨草"},  {u"東京書籍", u"２年", 163, u"友書風", u"園記台"},
    {u"東京書籍", u"３年", 200, u"葉使表", u"笛波級"}, {u"東京書籍", u"４年", 203, u"付共器", u"候害札"},
    {u"東京書籍", u"５年", 193, u"術述増", u"慣検築"}, {u"東京書籍", u"６年", 191, u"盛視並", u"看覧捨"},
    {u"学校図書", u"１年", 80, u"一二三", u"女夕草"},  {u"学校図書", u"２年", 160, u"魚黒前", u"弱岩妹"},
    {u"学校図書", u"３年", 200, u"物全橋", u"旅横美"}, {u"学校図書", u"４年", 202, u"信達飛", u"灯陸老"},
    {u"学校図書", u"５年", 194, u"性格情", u"査鉱慣"}, {u"学校図書", u"６年", 192, u"捨若机", u"臓推蚕"},
    {u"教育出版", u"１年", 80, u"山日月", u"早雨夕"},  {u"教育出版", u"２年", 160, u"書記活", u"刀午黒"},
    {u"教育出版", u"３年", 200, u"開返事", u"息波階"}, {u"教育出版", u"４年", 202, u"信初達", u"借阪賀"},
    {u"教育出版", u"５年", 195, u"常永慣", u"招格弁"}, {u"教育出版", u"６年", 191, u"背筋幼", u"覧捨批"},
};

TEST(GradeTables, NamesInBoxOrder)
{
    EXPECT_EQ(PublisherNames(), QStringList({QStringLiteral("光村図書"), QStringLiteral("東京書籍"),
                                             QStringLiteral("学校図書"), QStringLiteral("教育出版")}));
    EXPECT_EQ(GradeNames(),
              QStringList({QStringLiteral("１年"), QStringLiteral("２年"), QStringLiteral("３年"),
                           QStringLiteral("４年"), QStringLiteral("５年"), QStringLiteral("６年")}));
    EXPECT_EQ(kNoCharacters, QStringLiteral("文字なし"));
}

TEST(GradeTables, EveryListHasItsLengthAndEnds)
{
    for (const TableRow &row : kRows) {
        SCOPED_TRACE((Q(row.publisher) + Q(row.grade)).toStdString());
        const auto list = GradeKanji(Q(row.publisher), Q(row.grade));
        ASSERT_TRUE(list.has_value());
        EXPECT_EQ(list->size(), row.length);
        EXPECT_TRUE(list->startsWith(Q(row.head)));
        EXPECT_TRUE(list->endsWith(Q(row.tail)));
    }
}

TEST(GradeTables, EveryPublisherAndGradePairHasAList)
{
    int found = 0;
    for (const QString &publisher : PublisherNames()) {
        for (const QString &grade : GradeNames())
            found += GradeKanji(publisher, grade).has_value() ? 1 : 0;
    }
    EXPECT_EQ(found, 24);
}

TEST(GradeTables, LookupIsExact)
{
    const QString mitsumura = QStringLiteral("光村図書");
    EXPECT_FALSE(GradeKanji(mitsumura, QStringLiteral("1年")));   // half-width digit
    EXPECT_FALSE(GradeKanji(mitsumura, QStringLiteral("一年")));  // the search's grade text
    EXPECT_FALSE(GradeKanji(mitsumura, QStringLiteral("学年")));
    EXPECT_FALSE(GradeKanji(mitsumura, QStringLiteral("１年 ")));
    EXPECT_FALSE(GradeKanji(mitsumura, QString()));
    EXPECT_FALSE(GradeKanji(kNoCharacters, QStringLiteral("１年")));
    EXPECT_FALSE(GradeKanji(QStringLiteral("教科書会社"), QStringLiteral("１年")));
    EXPECT_FALSE(GradeKanji(QString(), QStringLiteral("１年")));
    EXPECT_FALSE(GradeKanji(QStringLiteral("光村"), QStringLiteral("１年")));
}

// The few kanji the textbooks' lists name twice are kept as they are.
TEST(GradeTables, RepeatedKanjiAreKept)
{
    const std::map<std::pair<std::u16string_view, std::u16string_view>, std::u16string_view> repeated = {
        {{u"東京書籍", u"２年"}, u"分数"},
        {{u"学校図書", u"５年"}, u"術"},
        {{u"学校図書", u"６年"}, u"割"},
        {{u"教育出版", u"５年"}, u"仏版"},
    };
    for (const TableRow &row : kRows) {
        SCOPED_TRACE((Q(row.publisher) + Q(row.grade)).toStdString());
        const auto it = repeated.find({row.publisher, row.grade});
        QString expected = it == repeated.end() ? QString() : Q(it->second);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Repeated(*GradeKanji(Q(row.publisher), Q(row.grade))), expected);
    }
}

TEST(GradeTables, OnlyEducationKanji)
{
    QString education;
    for (int grade = 1; grade <= 6; ++grade)
        education += SearchList(grade);
    const QSet<QChar> known = CharSet(education);
    for (const TableRow &row : kRows) {
        SCOPED_TRACE((Q(row.publisher) + Q(row.grade)).toStdString());
        const QSet<QChar> list = CharSet(*GradeKanji(Q(row.publisher), Q(row.grade)));
        EXPECT_EQ(Sorted(list - known), QString());
    }
}

// Every list holds every kanji the search knows for its grade. Apart from
// those, only 東京書籍 names kanji of another grade: 空 in ２年, 礼 in ４年.
TEST(GradeTables, EveryListHoldsItsWholeGrade)
{
    const std::map<std::pair<std::u16string_view, std::u16string_view>, std::u16string_view> known = {
        {{u"東京書籍", u"２年"}, u"空"},
        {{u"東京書籍", u"４年"}, u"礼"},
    };
    for (const TableRow &row : kRows) {
        SCOPED_TRACE((Q(row.publisher) + Q(row.grade)).toStdString());
        const QSet<QChar> list = CharSet(*GradeKanji(Q(row.publisher), Q(row.grade)));
        const QSet<QChar> search = CharSet(SearchList(int(GradeNames().indexOf(Q(row.grade))) + 1));
        const auto it = known.find({row.publisher, row.grade});
        EXPECT_EQ(Sorted(search - list), QString());
        EXPECT_EQ(Sorted(list - search), it == known.end() ? QString() : Q(it->second));
    }
}

}  // namespace
}  // namespace bks
