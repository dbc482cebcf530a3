// The build's rules on made-up rows: where okurigana begin, the table's split
// notes, which radical is printed and what it is called.
#include "kanji/tools/joyotable.h"
#include "kanji/tools/kanjivgradical.h"
#include "kanji/tools/okurigana.h"

#include <gtest/gtest.h>

namespace bks {
namespace {

QStringList split(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

TEST(FactsBuild, WhereTheOkuriganaBegin)
{
    using S = OkuriganaSource;
    const struct {
        const char *kanji, *reading, *examples, *kanjidic;
        int stem;
        OkuriganaSource source;
    } cases[] = {
        {"生", "いきる", "生きる 長生き", "い.きる", 1, S::Examples},
        {"守", "もり", "お守り 子守", "もり", 1, S::Examples},  // the table over KANJIDIC2
        {"生", "おう", "生い立ち 生い茂る", "お.う", 1, S::ConjugatedExample},
        {"足", "たる", "舌足らず", "た.る", 1, S::ConjugatedExample},
        {"初", "そめる", "書き初め 出初め式", "-ぞ.め", 1, S::ConjugatedExample},
        {"生", "なま", "生の野菜 生水", "なま", 2, S::WrittenWithout},
        {"横", "よこ", "横顔 横たわる", "よこ", 2, S::WrittenWithout},
        {"謡", "うたい", "謡 素謡", "うた.い", 3, S::WrittenWithout},
        {"干", "ひる", "干上がる 干物 潮干狩り", "ほ.す ひ.る", 1, S::Kanjidic},
        {"真", "ま", "真南 真新しい", "ま- まこと", 1, S::Kanjidic},
        {"茨", "いばら", "", "いばら", 3, S::Kanjidic},
        {"彼", "かの", "彼女", "かれ かの か.の", 2, S::Undecided},
        {"岡", "おか", "", "", 2, S::Undecided},
    };
    for (const auto &c : cases) {
        const OkuriganaDecision d = decideOkurigana(QString::fromUtf8(c.kanji), QString::fromUtf8(c.reading),
                                                    split(c.examples), split(c.kanjidic));
        EXPECT_EQ(d.stemLength, c.stem) << c.kanji << c.reading;
        EXPECT_EQ(int(d.source), int(c.source)) << c.kanji << c.reading;
    }
}

TEST(FactsBuild, MendsTheRowsThePrintedLayoutSplit)
{
    QStringList mended;
    const QList<JoyoRow> rows = mendJoyoRows(
        {{QStringLiteral("イ"), {}, QStringLiteral("「三位一体」，「従三位」は，「サン")},
         {QStringLiteral("くらい"),
          {QStringLiteral("奮って〔副〕\t ⇔ 震う")},
          QStringLiteral("ミイッタイ」，「ジュサンミ」。")},
         {QStringLiteral("もと"), {}, QStringLiteral("「遺言」は，「イゴン」とも。")}},
        &mended);
    EXPECT_EQ(rows[0].note,
              QStringLiteral("「三位一体」，「従三位」は，「サンミイッタイ」，「ジュサンミ」。"));
    EXPECT_EQ(rows[1].note, QStringLiteral("⇔ 震う"));
    EXPECT_EQ(rows[1].examples, QStringList{QStringLiteral("奮って〔副〕")});
    EXPECT_EQ(rows[2].note, QStringLiteral("「遺言」は，「イゴン」とも。"));
    EXPECT_EQ(mended.size(), 2);

    EXPECT_EQ(exampleWord(QStringLiteral("果たして〔副〕")), QStringLiteral("果たして"));
    EXPECT_EQ(exampleWord(QStringLiteral("一羽（わ）")), QStringLiteral("一羽"));
    EXPECT_TRUE(exampleWord(QStringLiteral("○○県")).isEmpty());
    EXPECT_TRUE(exampleWord(QStringLiteral("......に因る")).isEmpty());
}

KanjivgRadicalGroup group(const char *element, const char *original, const char *position, const char *kind,
                          int strokes)
{
    return {QString::fromUtf8(element), QString::fromUtf8(original), QString::fromUtf8(position),
            QString::fromUtf8(kind), strokes};
}

TEST(FactsBuild, WhichRadicalIsPrinted)
{
    const struct {
        const char *kanji;
        KanjivgRadicals kanjivg;
        int kangxi;
        const char *form, *original, *name;
        RadicalPlace place;
        bool disagrees;
    } cases[] = {
        {"海",
         {{group("氵", "水", "left", "general", 3)}, 9},
         85,
         "氵",
         "水",
         "さんずい",
         RadicalPlace::Left,
         false},
        {"口", {{group("口", "", "", "general", 3)}, 3}, 30, "口", "", "くち", RadicalPlace::Whole, false},
        {"元",
         {{group("二", "", "top", "nelson", 2), group("儿", "八", "bottom", "tradit", 2)}, 4},
         10,
         "儿",
         "",
         "ひとあし",
         RadicalPlace::Bottom,
         false},
        {"服",
         {{group("月", "肉", "left", "general", 4)}, 8},
         74,
         "月",
         "",
         "つきへん",
         RadicalPlace::Left,
         true},
        {"脳",
         {{group("月", "肉", "left", "general", 4)}, 11},
         130,
         "月",
         "肉",
         "にくづき",
         RadicalPlace::Left,
         false},
        {"由",
         {{group("日", "", "", "tradit", 4), group("丨", "", "", "nelson", 1)}, 5},
         102,
         "田",
         "",
         "た",
         RadicalPlace::Unknown,
         true},
        {"全",
         {{group("人", "", "top", "general", 2)}, 6},
         11,
         "人",
         "",
         "ひとやね",
         RadicalPlace::Top,
         true},
        {"国",
         {{group("囗", "", "kamae", "general", 2), group("囗", "", "kamae", "general", 1)}, 8},
         31,
         "囗",
         "",
         "くにがまえ",
         RadicalPlace::Kamae,
         false},
    };
    for (const auto &c : cases) {
        const Result<RadicalDecision> d = decideRadical(c.kanjivg, c.kangxi);
        ASSERT_TRUE(d.ok()) << c.kanji;
        EXPECT_EQ(d->radical.form, QString::fromUtf8(c.form)) << c.kanji;
        EXPECT_EQ(d->radical.original, QString::fromUtf8(c.original)) << c.kanji;
        EXPECT_EQ(d->radical.name, QString::fromUtf8(c.name)) << c.kanji;
        EXPECT_EQ(d->radical.place, c.place) << c.kanji;
        EXPECT_EQ(!d->disagreement.isEmpty(), c.disagrees) << c.kanji;
    }
    EXPECT_FALSE(decideRadical({{group("二", "", "top", "nelson", 2)}, 4}, 10).ok());
}

TEST(FactsBuild, ReadsTheRadicalGroupsOfAKanjiVgFile)
{
    const QByteArray svg = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="109" height="109" viewBox="0 0 109 109">
<g id="kvg:StrokePaths_04f11" style="fill:none">
<g id="kvg:04f11" kvg:element="休">
<g id="kvg:04f11-g1" kvg:element="亻" kvg:original="人" kvg:position="left" kvg:radical="general">
<path id="kvg:04f11-s1" d="M1,1"/><path id="kvg:04f11-s2" d="M2,2"/></g>
<g id="kvg:04f11-g2" kvg:element="木" kvg:position="right">
<path id="kvg:04f11-s3" d="M3,3"/><path id="kvg:04f11-s4" d="M4,4"/></g>
</g></g>
<g id="kvg:StrokeNumbers_04f11"><text transform="matrix(1 0 0 1 1 1)">1</text></g>
</svg>)svg";
    const Result<KanjivgRadicals> read = readKanjivgRadicals(svg);
    ASSERT_TRUE(read.ok()) << qPrintable(read.failure());
    EXPECT_EQ(read->strokes, 4);
    ASSERT_EQ(read->groups.size(), 1);
    EXPECT_EQ(read->groups[0].element, QStringLiteral("亻"));
    EXPECT_EQ(read->groups[0].strokes, 2);
    EXPECT_FALSE(readKanjivgRadicals("<svg><g>").ok());
}

}  // namespace
}  // namespace bks
