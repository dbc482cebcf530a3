// The items of the tests drawn from every publisher's list with the built
// facts: only taught kanji in their words, answers as EDICT reads them.
#include "kanji/factsfile.h"
#include "kanji/gradetables.h"
#include "kanji/tools/edict.h"
#include "quiz/testitems.h"

#include <gtest/gtest.h>

#include <QSet>

namespace bks {
namespace {

const KanjiFacts &built()
{
    static const KanjiFacts facts = KanjiFacts::open(QStringLiteral(BKS_KANJI_FACTS_FILE));
    return facts;
}

struct PublisherList {
    QString publisher;
    int grade;
    // The publisher's grades up to this one, in teaching order.
    QString taughtOrder;
    QString list;
};

QList<PublisherList> publisherLists()
{
    QList<PublisherList> out;
    for (const QString &publisher : PublisherNames()) {
        QString order;
        for (int grade = 1; grade <= 6; ++grade) {
            const QString list = GradeKanji(publisher, GradeNames()[grade - 1]).value_or(QString());
            order += list;
            out.append({publisher, grade, order, list});
        }
    }
    return out;
}

QList<TestItem> items(const TestList &list, int variant = 0, TestKind kind = TestKind::Reading)
{
    Result<TestItems> built = buildTestItems(list, bks::built(), kind, variant);
    EXPECT_TRUE(built.ok()) << qPrintable(built.failure());
    return built.ok() ? built->items : QList<TestItem>();
}

QString text(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

// A 常用 reading of `kanji`, or that reading as compounds change it: its
// first kana voiced (がみ of 紙), its last one a small っ (がっ of 学), a
// verb in the form that joins it to what follows (おき of 置く in 置物).
bool isReadingOf(const QString &reading, char32_t kanji)
{
    const std::optional<KanjiFactsEntry> entry = built().lookup(kanji);
    if (!entry)
        return false;
    const QString uRow = QStringLiteral("うくぐすつぬぶむる"), iRow = QStringLiteral("いきぎしちにびみり");
    for (const KanjiReading &r : entry->readings) {
        const QString plain = toHiragana(r.stem()), whole = toHiragana(r.text);
        QStringList forms = {plain, plain.chopped(1) + QStringLiteral("っ")};
        forms << whole;  // 並木 reads the なみ of 並み whole
        if (r.hasOkurigana() && uRow.contains(whole.back()))
            forms << whole.chopped(1) << whole.chopped(1) + iRow[uRow.indexOf(whole.back())];
        for (const char16_t mark : {u'\u3099', u'\u309A'})
            forms << (plain.left(1) + QChar(mark)).normalized(QString::NormalizationForm_C) + plain.mid(1);
        if (forms.contains(reading))
            return true;
    }
    return false;
}

// Every item of every list, in two variants: each other kanji of its word
// comes earlier in the publisher's order, its answer is the only reading
// EDICT has for the word, and the target's part of it is one of the kanji's
// readings standing where the kanji stands.
TEST(TestItems, OnlyTaughtKanjiAndAnswersAsTheDictionaryReadsThem)
{
    ASSERT_TRUE(built().available()) << qPrintable(built().problem());
    QList<std::pair<TestItem, int>> all;
    for (const PublisherList &p : publisherLists()) {
        for (int variant : {0, 3}) {
            const QList<TestItem> got = items({p.list, p.publisher, p.grade}, variant);
            const QList<uint> kanji = p.list.toUcs4();
            EXPECT_EQ(got.size(), QSet<uint>(kanji.cbegin(), kanji.cend()).size());
            for (const TestItem &item : got) {
                const qsizetype target = p.taughtOrder.indexOf(text(item.kanji));
                for (uint c : item.word.toUcs4()) {
                    if (c == item.kanji || c == U'々' || QChar::script(c) != QChar::Script_Han)
                        continue;
                    const qsizetype at = p.taughtOrder.indexOf(text(char32_t(c)));
                    EXPECT_TRUE(at >= 0 && at < target) << qPrintable(p.publisher + item.word);
                }
                all.append({item, p.grade});
            }
        }
    }
    QSet<QString> words;
    for (const auto &[item, grade] : all)
        words.insert(item.word);
    const Result<QHash<QString, EdictEntry>> edict = readEdict(QStringLiteral(BKS_EDICT_FILE), words);
    ASSERT_TRUE(edict.ok()) << qPrintable(edict.failure());
    int fromWords = 0;
    for (const auto &[item, grade] : all) {
        ASSERT_EQ(item.word.mid(item.targetStart, item.targetLength), text(item.kanji));
        EXPECT_TRUE(toHiragana(item.wordReading).contains(item.targetReading)) << qPrintable(item.word);
        EXPECT_EQ(item.targetReading, toHiragana(item.targetReading));
        if (item.kanjiAlone)
            continue;
        ++fromWords;
        EXPECT_EQ(edict->value(item.word).readings, QStringList{item.wordReading}) << qPrintable(item.word);
        EXPECT_TRUE(isReadingOf(item.targetReading, item.kanji))
            << qPrintable(item.word + QLatin1Char(' ') + item.targetReading);
        const QString reading = toHiragana(item.wordReading);
        if (item.targetStart == 0) {
            EXPECT_TRUE(reading.startsWith(item.targetReading)) << qPrintable(item.word);
        }
        if (item.targetStart + item.targetLength == item.word.size()) {
            EXPECT_TRUE(reading.endsWith(item.targetReading)) << qPrintable(item.word);
        }
    }
    // A few kanji have no fair word this early (木, the first kanji of a
    // first grade; the prefectures' kanji of the fourth); nearly all have.
    EXPECT_GT(fromWords, all.size() * 9 / 10);
}

TEST(TestItems, TheSameListGivesTheSameItemsAndAnotherVariantOthers)
{
    const TestList grade = {GradeKanji(QStringLiteral("光村図書"), QStringLiteral("３年")).value(),
                            QStringLiteral("光村図書"), 3};
    const auto words = [](const QList<TestItem> &items) {
        QStringList out;
        for (const TestItem &i : items)
            out.append(i.word);
        return out;
    };
    EXPECT_EQ(words(items(grade)), words(items(grade)));
    EXPECT_NE(words(items(grade)), words(items(grade, 1)));
    EXPECT_EQ(words(items(grade, 1000)).size(), 200);
    // A typed list: the 2020 allocation's earlier grades and what comes before.
    const QList<TestItem> typed = items({QStringLiteral("校学あ学榊"), {}, 0}, 1);
    ASSERT_EQ(typed.size(), 2);
    EXPECT_EQ(typed[1].word, QStringLiteral("学校"));
    EXPECT_EQ(typed[1].targetReading, QStringLiteral("がっ"));
    const Result<TestItems> leftOut = buildTestItems({QStringLiteral("榊"), {}, 0}, built(),
                                                     TestKind::Reading, 0);
    EXPECT_EQ(leftOut->leftOut, QList<char32_t>{U'榊'});
}

// A kanji without a fair word is asked alone: for 読み as it reads alone
// (its 訓 as a word, not the table's first reading), for 書き with a
// reading that has okurigana, written after it.
TEST(TestItems, AKanjiWithoutAWordIsAskedAlone)
{
    FactsCharacter sei{U'生',
                       {{{ReadingKind::On, QStringLiteral("セイ"), 2, {}, {}},
                         {ReadingKind::Kun, QStringLiteral("いきる"), 1, {}, {}},
                         {ReadingKind::Kun, QStringLiteral("なま"), 2, {}, {}}},
                        std::nullopt},
                       {}};
    const KanjiFacts facts = KanjiFacts::fromBytes(writeFactsFile({sei}, {}).value(), QStringLiteral("test"));
    const struct {
        TestKind kind;
        const char *word, *reading, *target;
    } cases[] = {{TestKind::Reading, "生", "なま", "なま"}, {TestKind::Writing, "生きる", "いきる", "い"}};
    for (const auto &c : cases) {
        const Result<TestItems> got = buildTestItems({QStringLiteral("生生"), {}, 0}, facts, c.kind, 0);
        ASSERT_TRUE(got.ok());
        ASSERT_EQ(got->items.size(), 1);
        const TestItem &item = got->items.front();
        EXPECT_TRUE(item.kanjiAlone);
        EXPECT_EQ(item.word, QString::fromUtf8(c.word));
        EXPECT_EQ(item.wordReading, QString::fromUtf8(c.reading));
        EXPECT_EQ(item.targetReading, QString::fromUtf8(c.target));
        EXPECT_EQ(item.targetLength, 1);
    }
    EXPECT_FALSE(buildTestItems({QStringLiteral("生"), {}, 0}, KanjiFacts(), TestKind::Reading, 0).ok());
    EXPECT_FALSE(
        buildTestItems({QStringLiteral("生"), QStringLiteral("なし"), 1}, facts, TestKind::Reading, 0).ok());
    EXPECT_FALSE(buildTestItems({QStringLiteral("生"), {}, 0}, facts, TestKind::Reading, -1).ok());
}

}  // namespace
}  // namespace bks
