// The vertical-form table read from a font's GSUB data: built by hand, so
// every substitution form, feature choice and damaged offset is covered.
#include "print/surfaces/verticalglyphs.h"

#include <gtest/gtest.h>

namespace bks {
namespace {


// Builds GSUB tables by hand: big-endian words, offsets patched later.
class Table {
public:
    int here() const { return int(m_data.size()); }
    int u16(int v)
    {
        const int at = here();
        m_data.append(char((v >> 8) & 0xFF));
        m_data.append(char(v & 0xFF));
        return at;
    }
    void u32(quint32 v)
    {
        u16(int(v >> 16));
        u16(int(v & 0xFFFF));
    }
    void tag(const char *t) { m_data.append(t, 4); }
    void patch16(int at, int v)
    {
        m_data[at] = char((v >> 8) & 0xFF);
        m_data[at + 1] = char(v & 0xFF);
    }
    void patch32(int at, quint32 v)
    {
        patch16(at, int(v >> 16));
        patch16(at + 2, int(v & 0xFFFF));
    }
    QByteArray bytes() const { return m_data; }

private:
    QByteArray m_data;
};

struct Lookup {
    int type;                        // 1, or 7 wrapping 1
    int format;                      // 1 delta, 2 list
    int coverageFormat;              // 1 list, 2 ranges
    QList<std::pair<int, int>> map;  // glyph -> substitute; format 1 uses the first delta
};

// A GSUB with one script (tag `script`, default language system) whose
// features are `features` (tag and lookup indices), and the lookups.
QByteArray buildGsub(const char *script, const QList<std::pair<const char *, QList<int>>> &features,
                     const QList<Lookup> &lookups)
{
    Table t;
    t.u32(0x00010000);
    const int scriptListField = t.u16(0), featureListField = t.u16(0), lookupListField = t.u16(0);

    // ScriptList -> Script -> default LangSys with every feature.
    const int scriptList = t.here();
    t.patch16(scriptListField, scriptList);
    t.u16(1);
    t.tag(script);
    const int scriptOffset = t.u16(0);
    const int scriptTable = t.here();
    t.patch16(scriptOffset, scriptTable - scriptList);
    const int defaultLangSys = t.u16(0);
    t.u16(0);
    t.patch16(defaultLangSys, t.here() - scriptTable);
    t.u16(0);
    t.u16(0xFFFF);
    t.u16(int(features.size()));
    for (int i = 0; i < features.size(); ++i)
        t.u16(i);

    const int featureList = t.here();
    t.patch16(featureListField, featureList);
    t.u16(int(features.size()));
    QList<int> featureOffsets;
    for (const auto &f : features) {
        t.tag(f.first);
        featureOffsets.append(t.u16(0));
    }
    for (int i = 0; i < features.size(); ++i) {
        t.patch16(featureOffsets[i], t.here() - featureList);
        t.u16(0);
        t.u16(int(features[i].second.size()));
        for (int l : features[i].second)
            t.u16(l);
    }

    const int lookupList = t.here();
    t.patch16(lookupListField, lookupList);
    t.u16(int(lookups.size()));
    QList<int> lookupOffsets;
    for (int i = 0; i < lookups.size(); ++i)
        lookupOffsets.append(t.u16(0));
    for (int i = 0; i < lookups.size(); ++i) {
        const Lookup &l = lookups[i];
        const int lookup = t.here();
        t.patch16(lookupOffsets[i], lookup - lookupList);
        t.u16(l.type);
        t.u16(0);
        t.u16(1);
        const int subOffset = t.u16(0);
        int sub = t.here();
        t.patch16(subOffset, sub - lookup);
        if (l.type == 7) {
            t.u16(1);
            t.u16(1);
            const int ext = t.here();
            t.u32(0);
            const int inner = t.here();
            t.patch32(ext, quint32(inner - sub));
            sub = inner;
        }
        t.u16(l.format);
        const int coverageOffset = t.u16(0);
        if (l.format == 1) {
            t.u16((l.map[0].second - l.map[0].first) & 0xFFFF);
        } else {
            t.u16(int(l.map.size()));
            for (const auto &m : l.map)
                t.u16(m.second);
        }
        t.patch16(coverageOffset, t.here() - sub);
        t.u16(l.coverageFormat);
        if (l.coverageFormat == 1) {
            t.u16(int(l.map.size()));
            for (const auto &m : l.map)
                t.u16(m.first);
        } else {
            // One range per glyph keeps the builder simple and still uses the
            // coverage indices.
            t.u16(int(l.map.size()));
            for (int k = 0; k < l.map.size(); ++k) {
                t.u16(l.map[k].first);
                t.u16(l.map[k].first);
                t.u16(k);
            }
        }
    }
    return t.bytes();
}

TEST(VerticalSubstitutionParser, ReadsEverySingleSubstitutionForm)
{
    const QList<Lookup> lookups = {
        {1, 1, 1, {{10, 110}, {11, 111}}},  // delta, glyph list
        {1, 2, 2, {{20, 220}, {21, 330}}},  // list, ranges
        {7, 2, 1, {{30, 303}}},             // extension
    };
    const auto map = ParseVerticalSubstitutions(buildGsub("kana", {{"vert", {0, 1, 2}}}, lookups));
    EXPECT_EQ(map.size(), 5);
    EXPECT_EQ(map.value(10), 110u);
    EXPECT_EQ(map.value(11), 111u);
    EXPECT_EQ(map.value(20), 220u);
    EXPECT_EQ(map.value(21), 330u);
    EXPECT_EQ(map.value(30), 303u);
}

TEST(VerticalSubstitutionParser, PrefersVrt2AndIgnoresOtherFeatures)
{
    const QList<Lookup> lookups = {{1, 2, 1, {{5, 50}}}, {1, 2, 1, {{5, 60}, {6, 61}}}, {1, 2, 1, {{7, 70}}}};
    const auto map = ParseVerticalSubstitutions(
        buildGsub("hani", {{"vert", {0}}, {"vrt2", {1}}, {"liga", {2}}}, lookups));
    EXPECT_EQ(map.size(), 2);
    EXPECT_EQ(map.value(5), 60u);
    EXPECT_FALSE(map.contains(7));
}

TEST(VerticalSubstitutionParser, ChainsLookupsInTheirOrder)
{
    const QList<Lookup> lookups = {{1, 2, 1, {{1, 2}}}, {1, 2, 1, {{2, 3}}}};
    const auto map = ParseVerticalSubstitutions(buildGsub("DFLT", {{"vert", {1, 0}}}, lookups));
    EXPECT_EQ(map.value(1), 3u);
    EXPECT_EQ(map.value(2), 3u);
}

TEST(VerticalSubstitutionParser, ScriptWithoutVerticalFeaturesGivesNothing)
{
    const QList<Lookup> lookups = {{1, 2, 1, {{1, 2}}}};
    EXPECT_TRUE(ParseVerticalSubstitutions(buildGsub("kana", {{"liga", {0}}}, lookups)).isEmpty());
}

TEST(VerticalSubstitutionParser, BadOffsetsAndIndicesGiveAnEmptyMap)
{
    const QList<Lookup> lookups = {{1, 2, 1, {{1, 2}}}};
    // A feature naming a lookup that does not exist.
    EXPECT_TRUE(ParseVerticalSubstitutions(buildGsub("kana", {{"vert", {3}}}, lookups)).isEmpty());
    // Wrong version, empty and tiny tables.
    QByteArray table = buildGsub("kana", {{"vert", {0}}}, lookups);
    ASSERT_EQ(ParseVerticalSubstitutions(table).size(), 1);
    table[1] = 2;
    EXPECT_TRUE(ParseVerticalSubstitutions(table).isEmpty());
    EXPECT_TRUE(ParseVerticalSubstitutions({}).isEmpty());
    EXPECT_TRUE(ParseVerticalSubstitutions(QByteArray("\0\1\0", 3)).isEmpty());
}

// A table of a few kilobytes whose vertical feature names `lookups`
// lookups, all of them the same subtable whose coverage is `ranges` ranges
// over the whole glyph space.
QByteArray inflatedGsub(int lookups, int ranges)
{
    Table t;
    t.u32(0x00010000);
    t.u16(10);                // script list
    t.u16(30);                // feature list
    t.u16(42 + 2 * lookups);  // lookup list
    t.u16(1);
    t.tag("kana");
    t.u16(8);  // script at 18
    t.u16(4);
    t.u16(0);  // default language system at 22
    t.u16(0);
    t.u16(0xFFFF);
    t.u16(1);
    t.u16(0);  // feature 0
    t.u16(1);
    t.tag("vert");
    t.u16(8);  // feature at 38
    t.u16(0);
    t.u16(lookups);
    for (int i = 0; i < lookups; ++i)
        t.u16(i);
    t.u16(lookups);
    for (int i = 0; i < lookups; ++i)
        t.u16(2 + 2 * lookups);
    t.u16(1);
    t.u16(0);
    t.u16(1);
    t.u16(8);  // single substitution lookup
    t.u16(1);
    t.u16(6);
    t.u16(1);  // format 1, delta 1
    t.u16(2);
    t.u16(ranges);
    for (int r = 0; r < ranges; ++r) {
        t.u16(0);
        t.u16(0xFFFF);
        t.u16(0);
    }
    return t.bytes();
}

TEST(VerticalSubstitutionParser, HugeRangesInATinyTableAreRefused)
{
    // Sound enough to parse when small.
    const auto small = ParseVerticalSubstitutions(inflatedGsub(1, 1));
    EXPECT_EQ(small.size(), 65536);
    EXPECT_EQ(small.value(7), 8u);
    // Thousands of lookups or ranges claiming every glyph must not expand
    // into billions of entries.
    EXPECT_TRUE(ParseVerticalSubstitutions(inflatedGsub(2000, 1)).isEmpty());
    EXPECT_TRUE(ParseVerticalSubstitutions(inflatedGsub(1, 3000)).isEmpty());
    // A range running backwards is malformed.
    QByteArray backwards = inflatedGsub(1, 1);
    backwards[backwards.size() - 4] = 0;
    backwards[backwards.size() - 3] = 0;
    backwards[backwards.size() - 6] = char(0x10);
    EXPECT_TRUE(ParseVerticalSubstitutions(backwards).isEmpty());
}
}  // namespace
}  // namespace bks
