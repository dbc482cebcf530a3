// The stroke data the build made from KanjiVG, checked against KANJIDIC2
// (Debian's kanjidic-xml) and against what KanjiVG's release is known for.
#include "kanji/kanjisearch.h"
#include "kanji/strokedata.h"
#include "tests/support/builtsources.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QXmlStreamReader>

namespace bks {
namespace {

const StrokeData &built()
{
    static const StrokeData data = StrokeData::fromFile(QStringLiteral(BKS_STROKE_DATA_FILE));
    return data;
}

struct KanjidicEntry {
    int grade = 0;
    int strokes = 0;
};

// KANJIDIC2's grade and first stroke count of every kanji that has a grade.
QHash<char32_t, KanjidicEntry> kanjidicGrades()
{
    const QString path = QStringLiteral("/usr/share/edict/kanjidic2.xml.gz");
    if (!QFile::exists(path))
        return {};
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), path});
    if (!gzip.waitForFinished(60000) || gzip.exitCode() != 0)
        return {};
    QXmlStreamReader xml(gzip.readAllStandardOutput());
    QHash<char32_t, KanjidicEntry> out;
    QString literal;
    KanjidicEntry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("character")) {
                literal.clear();
                entry = KanjidicEntry();
            } else if (xml.name() == QLatin1String("literal")) {
                literal = xml.readElementText();
            } else if (xml.name() == QLatin1String("grade")) {
                entry.grade = xml.readElementText().toInt();
            } else if (xml.name() == QLatin1String("stroke_count") && entry.strokes == 0) {
                entry.strokes = xml.readElementText().toInt();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("character") && entry.grade > 0) {
            const QList<uint> codes = literal.toUcs4();
            if (codes.size() == 1)
                out.insert(char32_t(codes.first()), entry);
        }
    }
    return xml.hasError() ? QHash<char32_t, KanjidicEntry>() : out;
}

TEST(KanjivgData, TheBuiltFileIsCompleteAndEveryRecordReads)
{
    ASSERT_TRUE(built().available()) << qPrintable(built().problem());
    const QList<char32_t> characters = built().characters();
    EXPECT_GT(characters.size(), 6500);
    for (char32_t c : characters) {
        const std::optional<CharacterStrokes> strokes = built().lookup(c);
        ASSERT_TRUE(strokes) << "U+" << std::hex << uint(c);
        EXPECT_EQ(strokes->numberPositions.size(), strokes->count());
    }
    // The sheet tests read the same file through their sources.
    EXPECT_EQ(test::builtSources().lookUp(kStrokes, U'山')->count(), built().lookup(U'山')->count());
}

TEST(KanjivgData, TheCorrectedOrderOfKata)
{
    const std::optional<CharacterStrokes> kata = built().lookup(U'潟');
    ASSERT_TRUE(kata);
    ASSERT_EQ(kata->count(), 15);
    // Stroke 6 is the short horizontal of the left part; older releases
    // swapped it with stroke 7.
    const QPointF start = kata->strokes[5].elementAt(0);
    EXPECT_NEAR(start.x(), 46.49, 1e-9);
    EXPECT_NEAR(start.y(), 34.38, 1e-9);
    EXPECT_GT(kata->strokes[6].elementAt(0).x, 60.0);
}

TEST(KanjivgData, KanaHaveStrokes)
{
    const std::optional<CharacterStrokes> a = built().lookup(U'あ');
    ASSERT_TRUE(a);
    EXPECT_EQ(a->count(), 3);
    for (char32_t kana : {U'い', U'ん', U'ア', U'ン'})
        EXPECT_TRUE(built().lookup(kana)) << uint(kana);
    EXPECT_FALSE(built().lookup(U'\u3000'));
}

TEST(KanjivgData, EducationKanjiHaveKanjidicsStrokeCounts)
{
    const QHash<char32_t, KanjidicEntry> kanjidic = kanjidicGrades();
    ASSERT_FALSE(kanjidic.isEmpty()) << "kanjidic-xml (install-deps.sh --tests) is needed";
    QSet<char32_t> education;
    for (auto it = kanjidic.cbegin(); it != kanjidic.cend(); ++it) {
        if (it->grade >= 1 && it->grade <= 6)
            education.insert(it.key());
    }
    ASSERT_EQ(education.size(), 1026);

    // The program's own grade lists name the same kanji.
    QSet<char32_t> listed;
    for (int grade = 1; grade <= 6; ++grade) {
        for (QChar c : SearchList(grade))
            listed.insert(c.unicode());
    }
    EXPECT_EQ(listed, education);

    int agreeing = 0;
    for (char32_t kanji : education) {
        const std::optional<CharacterStrokes> strokes = built().lookup(kanji);
        ASSERT_TRUE(strokes) << qPrintable(QString::fromUcs4(&kanji, 1));
        EXPECT_EQ(strokes->count(), kanjidic.value(kanji).strokes)
            << qPrintable(QString::fromUcs4(&kanji, 1));
        agreeing += strokes->count() == kanjidic.value(kanji).strokes;
    }
    EXPECT_EQ(agreeing, 1026);
}

}  // namespace
}  // namespace bks
