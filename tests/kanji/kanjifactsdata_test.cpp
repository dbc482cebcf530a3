// The facts file the build made, checked against its sources: the
// 常用漢字表's counts, the okurigana KANJIDIC2 also marks, the radicals where
// KanjiVG and KANJIDIC2 disagree, and the sound changes of compounds.
#include "kanji/kanjifacts.h"
#include "kanji/kanjisearch.h"
#include "kanji/tools/joyotable.h"
#include "kanji/tools/kanjidic.h"
#include "kanji/tools/kanjivgradical.h"
#include "kanji/tools/okurigana.h"
#include "kanji/tools/wordalign.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace bks {
namespace {

QString text(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

// The built file, the table it was made from and KANJIDIC2, read once.
struct Data {
    KanjiFacts facts = KanjiFacts::open(QStringLiteral(BKS_KANJI_FACTS_FILE));
    QList<JoyoKanji> joyo;
    QHash<char32_t, KanjidicEntry> kanjidic;
    QList<char32_t> education;

    Data()
    {
        if (Result<QList<JoyoKanji>> read = readJoyoTable(QStringLiteral(BKS_MOJIDATA_DB)))
            joyo = std::move(read).value();
        if (Result<QHash<char32_t, KanjidicEntry>> read = readKanjidic(QStringLiteral(BKS_KANJIDIC2_FILE)))
            kanjidic = std::move(read).value();
        for (int grade = 1; grade <= 6; ++grade) {
            for (uint c : SearchList(grade).toUcs4())
                education.append(char32_t(c));
        }
    }
    QStringList marked(char32_t kanji) const
    {
        QStringList out;
        for (const KanjiReading &r : facts.lookup(kanji).value_or(KanjiFactsEntry()).readings)
            out.append(r.marked());
        return out;
    }
};

const Data &data()
{
    static const Data d;
    return d;
}

TEST(KanjiFactsData, EveryKanjiOfTheTableAndTheCountsOfTheIssue)
{
    ASSERT_TRUE(data().facts.available()) << qPrintable(data().facts.problem());
    ASSERT_EQ(data().education.size(), 1026);
    int on = 0, kun = 0;
    for (char32_t c : data().education) {
        const std::optional<KanjiFactsEntry> e = data().facts.lookup(c);
        ASSERT_TRUE(e && !e->readings.isEmpty()) << qPrintable(text(c));
        EXPECT_TRUE(e->radical && !e->radical->form.isEmpty()) << qPrintable(text(c));
        for (const KanjiReading &r : e->readings)
            ++(r.kind == ReadingKind::On ? on : kun);
    }
    EXPECT_EQ(on, 1247);
    EXPECT_EQ(kun, 1204);
    int all = 0;
    for (char32_t c : data().facts.characters())
        all += data().facts.lookup(c)->readings.size();
    EXPECT_EQ(data().facts.characters().size(), 2136);
    EXPECT_EQ(all, 4388);
}

TEST(KanjiFactsData, ReadingsInTheTablesOrderWithTheirOkurigana)
{
    const struct {
        char32_t kanji;
        const char *readings;
    } cases[] = {
        {U'生', "セイ ショウ い(きる) い(かす) い(ける) う(まれる) う(む) お(う) は(える) は(やす) き なま"},
        {U'下', "カ ゲ した しも もと さ(げる) さ(がる) くだ(る) くだ(す) くだ(さる) お(ろす) お(りる)"},
        // 今日 and 今朝 are words of the 付表, a note, not readings of 今.
        {U'今', "コン キン いま"},
        {U'行', "コウ ギョウ アン い(く) ゆ(く) おこな(う)"},
        {U'日', "ニチ ジツ ひ か"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(data().marked(c.kanji).join(QLatin1Char(' ')), QString::fromUtf8(c.readings));
    const KanjiReading kon = data().facts.lookup(U'今')->readings.front();
    EXPECT_TRUE(kon.examples.contains(QStringLiteral("今日")));
    EXPECT_EQ(kon.note, QStringLiteral("今日（きょう）今朝（けさ）"));
}

// Where KANJIDIC2 marks one boundary, the file has it, but for the readings
// whose table examples show otherwise. The readings the examples leave open
// go by KANJIDIC2; the one neither decides has none.
TEST(KanjiFactsData, OkuriganaAgreeWithKanjidicWhereItDecides)
{
    ASSERT_FALSE(data().joyo.isEmpty());
    ASSERT_FALSE(data().kanjidic.isEmpty());
    QStringList differ, byKanjidicWithOkurigana, undecided;
    int byKanjidic = 0;
    for (const JoyoKanji &k : data().joyo) {
        const QList<KanjiReading> readings = data().facts.lookup(k.kanji)->readings;
        const QStringList kun = data().kanjidic.value(k.kanji).kunReadings;
        for (qsizetype i = 0; i < k.rows.size(); ++i) {
            const KanjiReading &r = readings[i];
            const QList<qsizetype> theirs = kanjidicStemLengths(r.text, kun);
            if (theirs.size() == 1 && theirs.front() != r.stemLength)
                differ.append(text(k.kanji) + r.marked());
            const OkuriganaDecision d = decideOkurigana(text(k.kanji), r.text, k.rows[i].examples, kun);
            if (r.kind == ReadingKind::Kun && d.source == OkuriganaSource::Kanjidic) {
                ++byKanjidic;
                if (r.hasOkurigana())
                    byKanjidicWithOkurigana.append(text(k.kanji) + r.marked());
            }
            if (r.kind == ReadingKind::Kun && d.source == OkuriganaSource::Undecided)
                undecided.append(text(k.kanji) + r.marked());
        }
    }
    EXPECT_EQ(differ, QStringList({QStringLiteral("守も(り)"), QStringLiteral("謡うたい"),
                                   QStringLiteral("籠こ(もる)")}));
    EXPECT_EQ(byKanjidic, 72);
    EXPECT_EQ(byKanjidicWithOkurigana, QStringList{QStringLiteral("干ひ(る)")});
    EXPECT_EQ(undecided, QStringList{QStringLiteral("彼かの")});
}

QString radicalText(const KanjiRadical &r)
{
    return r.name.isEmpty() ? r.form : r.form + QLatin1Char(' ') + r.name;
}

TEST(KanjiFactsData, RadicalsAndTheirNames)
{
    const struct {
        char32_t kanji;
        const char *radical;
    } cases[] = {
        {U'海', "氵 さんずい"},     {U'休', "亻 にんべん"},
        {U'花', "艹 くさかんむり"}, {U'語', "言 ごんべん"},
        {U'近', "⻌ しんにょう"},   {U'国', "囗 くにがまえ"},
        {U'間', "門 もんがまえ"},   {U'店', "广 まだれ"},
        {U'思', "心 こころ"},       {U'秋', "禾 のぎへん"},
        {U'村', "木 きへん"},       {U'森', "木 き"},
        {U'朝', "月 つき"},         {U'服', "月 つきへん"},
        {U'脳', "月 にくづき"},     {U'巣', "⺍"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(radicalText(*data().facts.lookup(c.kanji)->radical), QString::fromUtf8(c.radical));
    // Every education kanji's radical has its name but 巣's ⺍.
    for (char32_t c : data().education)
        EXPECT_TRUE(c == U'巣' || !data().facts.lookup(c)->radical->name.isEmpty()) << qPrintable(text(c));
}

// Every kanji of the table where KanjiVG's radical and KANJIDIC2's differ,
// and what the file prints.
TEST(KanjiFactsData, EveryRadicalDisagreementAndItsDecision)
{
    const QDir kanjivg(QStringLiteral(BKS_KANJIVG_DIR));
    QStringList found;
    for (const JoyoKanji &k : data().joyo) {
        QFile svg(kanjivg.filePath(QStringLiteral("%1.svg").arg(uint(k.kanji), 5, 16, QLatin1Char('0'))));
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << qPrintable(svg.fileName());
        const Result<RadicalDecision> d = decideRadical(readKanjivgRadicals(svg.readAll()).value(),
                                                        data().kanjidic.value(k.kanji).classicalRadical);
        ASSERT_TRUE(d.ok()) << qPrintable(text(k.kanji));
        EXPECT_EQ(data().facts.lookup(k.kanji)->radical->form, d->radical.form);
        if (!d->disagreement.isEmpty())
            found.append(text(k.kanji) + d->radical.form);
    }
    found.sort();
    // 月 where KanjiVG names 肉: 朝 朗 服 有 朕. KANJIDIC2's where KanjiVG
    // marks only the traditional radical by a part of it: 由 申 甲 (田), 曽
    // (曰). KanjiVG's elsewhere: 全 人, 当 ⺌, 歯 歯, 亀 亀, 及 丿, 采 ⺤,
    // 斉 斉, 竜 竜.
    QStringList decided = {QStringLiteral("亀亀"), QStringLiteral("及丿"), QStringLiteral("甲田"),
                           QStringLiteral("采⺤"), QStringLiteral("歯歯"), QStringLiteral("申田"),
                           QStringLiteral("斉斉"), QStringLiteral("全人"), QStringLiteral("曽曰"),
                           QStringLiteral("朝月"), QStringLiteral("朕月"), QStringLiteral("当⺌"),
                           QStringLiteral("服月"), QStringLiteral("由田"), QStringLiteral("有月"),
                           QStringLiteral("竜竜"), QStringLiteral("朗月")};
    decided.sort();
    EXPECT_EQ(found, decided);
}

// A word's kana split over its kanji with the sound changes of compounds;
// 付表 words and readings outside the table give no alignment.
TEST(KanjiFactsData, CompoundsAlignWithTheirSoundChanges)
{
    JoyoReadings readings;
    for (char32_t c : data().facts.characters())
        readings.insert(c, data().facts.lookup(c)->readings);
    const struct {
        const char *word, *reading, *parts;
    } cases[] = {
        {"学校", "がっこう", "がっ こう"},
        {"一本", "いっぽん", "いっ ぽん"},
        {"三本", "さんぼん", "さん ぼん"},
        {"発表", "はっぴょう", "はっ ぴょう"},
        {"手紙", "てがみ", "て がみ"},
        {"受付", "うけつけ", "うけ つけ"},
        {"人々", "ひとびと", "ひと びと"},
        {"生き物", "いきもの", "い き もの"},
        {"今日", "きょう", ""},
        {"日本", "にほん", ""},
    };
    for (const auto &c : cases) {
        const QList<QList<WordPart>> ways = alignWord(QString::fromUtf8(c.word), QString::fromUtf8(c.reading),
                                                      readings);
        QStringList parts;
        if (ways.size() == 1) {
            for (const WordPart &p : ways.front())
                parts.append(p.reading);
        }
        EXPECT_EQ(parts.join(QLatin1Char(' ')), QString::fromUtf8(c.parts)) << c.word << " " << ways.size();
    }
}

}  // namespace
}  // namespace bks
