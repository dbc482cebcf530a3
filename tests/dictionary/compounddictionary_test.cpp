#include "dictionary/compounddictionary.h"

#include <gtest/gtest.h>

#include <QSet>

#include <map>
#include <memory>

namespace bks {
namespace {

QStringList Strings(std::initializer_list<const char16_t *> texts)
{
    QStringList out;
    for (const char16_t *text : texts)
        out.append(QString::fromUtf16(text));
    return out;
}

QStringList Slots(const auto &slots, int from, int count)
{
    QStringList out;
    for (int i = from; i < from + count; ++i)
        out.append(slots[std::size_t(i)]);
    return out;
}

class CompoundDictionaryTest : public ::testing::Test {
protected:
    std::unique_ptr<CompoundDictionary> dict = std::make_unique<CompoundDictionary>();
};

TEST_F(CompoundDictionaryTest, EmptyBeforeTheFirstFill)
{
    EXPECT_EQ(dict->CompoundCountA, 0);
    EXPECT_EQ(dict->CompoundCountB, 0);
    EXPECT_TRUE(dict->CompoundListA[0].isEmpty());
    EXPECT_TRUE(dict->CompoundListB[0].isEmpty());
}

TEST_F(CompoundDictionaryTest, FillsSetCountsAndLeaveTheSpareSlotEmpty)
{
    dict->FillCompoundListA();
    EXPECT_EQ(dict->CompoundCountA, 2000);
    EXPECT_EQ(dict->CompoundCountB, 0);
    EXPECT_FALSE(dict->CompoundListA[1999].isEmpty());
    EXPECT_TRUE(dict->CompoundListA[2000].isEmpty());
    EXPECT_TRUE(dict->CompoundListB[0].isEmpty());

    dict->FillCompoundListB();
    EXPECT_EQ(dict->CompoundCountB, 2625);
    EXPECT_FALSE(dict->CompoundListB[2624].isEmpty());
    EXPECT_TRUE(dict->CompoundListB[2625].isEmpty());
}

TEST_F(CompoundDictionaryTest, SlotsHoldTheWordsInOrder)
{
    dict->FillCompoundListA();
    dict->FillCompoundListB();
    const auto &a = dict->CompoundListA;
    const auto &b = dict->CompoundListB;
    EXPECT_EQ(Slots(a, 0, 8),
              Strings({u"あま酒", u"一本調子", u"上底", u"裏表紙", u"お寺", u"お店", u"お墓", u"開会宣言"}));
    EXPECT_EQ(Slots(a, 35, 6), Strings({u"不許可", u"不注意", u"もう腸", u"愛好", u"愛情", u"愛想"}));
    EXPECT_EQ(a[38], QStringLiteral("愛好"));
    EXPECT_EQ(Slots(a, 1993, 7),
              Strings({u"住民", u"十だい", u"十ぴき", u"従う", u"従事", u"従者", u"従順"}));
    EXPECT_EQ(Slots(b, 0, 4), Strings({u"従容", u"従来", u"縦横", u"縦糸"}));
    EXPECT_EQ(Slots(b, 6, 2), Strings({u"重い", u"重荷"}));
    EXPECT_EQ(Slots(b, 2618, 7), Strings({u"和紙", u"和室", u"和風", u"和服", u"和訳", u"話す", u"話題"}));
}

TEST_F(CompoundDictionaryTest, AllCompoundsIsBothHalvesInSlotOrder)
{
    dict->FillCompoundListA();
    dict->FillCompoundListB();
    const QStringList all = AllCompounds();
    ASSERT_EQ(all.size(), 4625);
    EXPECT_EQ(all.mid(0, 2000), Slots(dict->CompoundListA, 0, 2000));
    EXPECT_EQ(all.mid(2000), Slots(dict->CompoundListB, 0, 2625));
}

TEST(CompoundWords, NoDoublesNoEmptiesNoWildcards)
{
    const QStringList all = AllCompounds();
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), 4625);
    for (const QString &word : all) {
        EXPECT_FALSE(word.isEmpty());
        for (QChar c : word) {
            EXPECT_FALSE(c.isSpace()) << word.toStdString();
            EXPECT_FALSE(c == u'*' || c == u'?' || c == u'#' || c == u'[') << word.toStdString();
            EXPECT_FALSE(c.isSurrogate()) << word.toStdString();
            EXPECT_NE(c, u'、') << word.toStdString();
        }
    }
}

TEST(CompoundWords, LengthClasses)
{
    std::map<qsizetype, int> byLength;
    QStringList single, five;
    for (const QString &word : AllCompounds()) {
        ++byLength[word.size()];
        if (word.size() == 1)
            single.append(word);
        if (word.size() == 5)
            five.append(word);
    }
    EXPECT_EQ(byLength, (std::map<qsizetype, int>{{1, 11}, {2, 3848}, {3, 643}, {4, 114}, {5, 9}}));
    EXPECT_EQ(single, Strings({u"岩", u"器", u"結", u"元", u"蚕", u"枝", u"傷", u"泉", u"敵", u"頭", u"訳"}));
    for (const char16_t *word : {u"二酸化炭素", u"天然記念物", u"国土交通省", u"中秋の名月"})
        EXPECT_TRUE(five.contains(QString::fromUtf16(word)));
}

TEST_F(CompoundDictionaryTest, MatchesInSlotOrder)
{
    const PickLists lists = MatchCompounds(*dict, QStringLiteral("集"), QString());
    ASSERT_EQ(lists.first.size(), 14);
    EXPECT_EQ(lists.first.front(), QStringLiteral("現地集合"));
    EXPECT_TRUE(lists.second.isEmpty());
    // The same words, in the same order, as a walk over every entry.
    QStringList expected;
    for (const QString &word : AllCompounds()) {
        if (word.contains(QStringLiteral("集")))
            expected.append(word);
    }
    EXPECT_EQ(lists.first, expected);
}

TEST_F(CompoundDictionaryTest, MatchCounts)
{
    const std::pair<const char16_t *, int> cases[] = {{u"水", 36}, {u"山", 23}, {u"学", 23},
                                                      {u"火", 21}, {u"木", 22}, {u"集", 14}};
    for (const auto &[kanji, count] : cases) {
        const QString c = QString::fromUtf16(kanji);
        EXPECT_EQ(MatchCompounds(*dict, c, QString()).first.size(), count) << c.toStdString();
    }
}

TEST_F(CompoundDictionaryTest, SecondCharacterFillsTheSecondList)
{
    const PickLists both = MatchCompounds(*dict, QStringLiteral("水"), QStringLiteral("山"));
    EXPECT_EQ(both.first, MatchCompounds(*dict, QStringLiteral("水"), QString()).first);
    EXPECT_EQ(both.second, MatchCompounds(*dict, QStringLiteral("山"), QString()).first);
    EXPECT_EQ(both.second.size(), 23);
    // The first half's words, then the second half's.
    EXPECT_EQ(both.second.front(), QStringLiteral("海底山脈"));
    EXPECT_EQ(both.second.mid(19), Strings({u"山林", u"登山", u"氷山", u"遊山"}));
}

TEST_F(CompoundDictionaryTest, EmptyFirstCharacterMatchesEverything)
{
    const PickLists lists = MatchCompounds(*dict, QString(), QStringLiteral("山"));
    EXPECT_EQ(lists.first, AllCompounds());
    EXPECT_EQ(lists.second.size(), 23);
}

TEST_F(CompoundDictionaryTest, WildcardCharactersMatchLiterally)
{
    for (const char16_t *pattern : {u"*", u"?", u"#", u"[", u"[!a]", u"猫"}) {
        const PickLists lists = MatchCompounds(*dict, QString::fromUtf16(pattern),
                                               QString::fromUtf16(pattern));
        EXPECT_TRUE(lists.first.isEmpty());
        EXPECT_TRUE(lists.second.isEmpty());
    }
}

TEST_F(CompoundDictionaryTest, TwoCharacterTextMustStandTogether)
{
    EXPECT_EQ(MatchCompounds(*dict, QStringLiteral("集合"), QString()).first,
              Strings({u"現地集合", u"集合", u"全員集合"}));
    EXPECT_TRUE(MatchCompounds(*dict, QStringLiteral("合集"), QString()).first.isEmpty());
}

TEST_F(CompoundDictionaryTest, FillingAgainChangesNothing)
{
    dict->FillCompoundListA();
    dict->FillCompoundListB();
    const QStringList before = Slots(dict->CompoundListA, 0, 2001) + Slots(dict->CompoundListB, 0, 2626);
    const QChar *firstData = dict->CompoundListA[0].constData();
    dict->FillCompoundListA();
    dict->FillCompoundListB();
    EXPECT_EQ(Slots(dict->CompoundListA, 0, 2001) + Slots(dict->CompoundListB, 0, 2626), before);
    EXPECT_EQ(dict->CompoundCountA, 2000);
    EXPECT_EQ(dict->CompoundCountB, 2625);
    // The slots refer to the built-in texts rather than holding copies.
    EXPECT_EQ(dict->CompoundListA[0].constData(), firstData);
    EXPECT_EQ(AllCompounds().front().constData(), firstData);
    EXPECT_EQ(MatchCompounds(*dict, QStringLiteral("集"), QString()).first.size(), 14);
}

TEST(Sentences, EmptyStoreGivesEmptyLists)
{
    auto store = std::make_unique<SentenceStore>();
    for (const QString &first : {QString(), QStringLiteral("山")}) {
        const PickLists lists = MatchSentences(*store, first, QStringLiteral("水"));
        EXPECT_TRUE(lists.first.isEmpty());
        EXPECT_TRUE(lists.second.isEmpty());
    }
}

TEST(Sentences, SlotsUpToTheCountAreMatched)
{
    auto store = std::make_unique<SentenceStore>();
    store->SentenceList[0] = QStringLiteral("山に登る");
    store->SentenceList[1] = QStringLiteral("山の水");
    store->SentenceList[2] = QStringLiteral("山が見える");
    // Slot 0 is visited even at a count of 0, and the slot at the count too.
    EXPECT_EQ(MatchSentences(*store, QStringLiteral("山"), QString()).first.size(), 1);
    store->SentenceCount = 1;
    const PickLists lists = MatchSentences(*store, QStringLiteral("山"), QStringLiteral("水"));
    EXPECT_EQ(lists.first, Strings({u"山に登る", u"山の水"}));
    EXPECT_EQ(lists.second, Strings({u"山の水"}));
}

TEST(Sentences, CountOutOfRangeStaysInsideTheList)
{
    auto store = std::make_unique<SentenceStore>();
    store->SentenceList[2000] = QStringLiteral("最後の山");
    store->SentenceCount = 32767;
    EXPECT_EQ(MatchSentences(*store, QStringLiteral("山"), QString()).first, Strings({u"最後の山"}));
    store->SentenceList[0] = QStringLiteral("山");
    store->SentenceCount = -1;
    EXPECT_TRUE(MatchSentences(*store, QStringLiteral("山"), QString()).first.isEmpty());
}

}  // namespace
}  // namespace bks
