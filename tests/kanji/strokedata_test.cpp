#include "kanji/strokedata.h"
#include "kanji/strokefile.h"
#include "kanji/svgpath.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace bks {
namespace {

// Two made-up characters, not KanjiVG's: a cross of two strokes and a hook.
QList<StrokeRecord> sampleRecords()
{
    StrokeRecord cross;
    cross.codePoint = U'十';
    cross.paths = {"M20,50c20,0,50-1,70-1", "M54,15C54.5,40 55,70 55,95"};
    cross.numberPositions = {QPointF(12.5, 48), QPointF(45.25, 14)};
    StrokeRecord hook;
    hook.codePoint = U'𠂉';  // beyond the BMP: code points are not UTF-16 units
    hook.paths = {"M30,30 l40,0 s-5,40-20,50"};
    hook.numberPositions = {QPointF(-2.56, 106.11)};
    return {hook, cross};
}

class StrokeFileTest : public ::testing::Test {
protected:
    QByteArray bytes = *writeStrokeFile(sampleRecords());
    QTemporaryDir dir;

    QString written(const QByteArray &content)
    {
        const QString path = dir.filePath(QStringLiteral("strokes.dat"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        return path;
    }
    // The index entry of the `i`-th character, field `field` (0 code point,
    // 1 offset, 2 length).
    void setIndexField(QByteArray &b, int i, int field, quint32 value)
    {
        const int at = kStrokeFileHeaderBytes + i * kStrokeFileIndexEntryBytes + field * 4;
        for (int k = 0; k < 4; ++k)
            b[at + k] = char((value >> (8 * k)) & 0xFF);
    }
    quint32 indexField(int i, int field) const
    {
        const int at = kStrokeFileHeaderBytes + i * kStrokeFileIndexEntryBytes + field * 4;
        quint32 v = 0;
        for (int k = 3; k >= 0; --k)
            v = v << 8 | quint8(bytes[at + k]);
        return v;
    }
    void expectDamaged(const QByteArray &content, const char *what)
    {
        const QString path = written(content);
        const StrokeData data = StrokeData::fromFile(path);
        EXPECT_FALSE(data.available()) << what;
        EXPECT_TRUE(data.problem().contains(path)) << what;
        EXPECT_TRUE(data.problem().contains(QStringLiteral("読めません"))) << what;
        EXPECT_FALSE(data.lookup(U'十')) << what;
        EXPECT_TRUE(data.characters().isEmpty()) << what;
    }
};

TEST_F(StrokeFileTest, WhatTheWriterWritesReadsBack)
{
    const StrokeData data = StrokeData::fromFile(written(bytes));
    ASSERT_TRUE(data.available());
    EXPECT_TRUE(data.problem().isEmpty());
    EXPECT_EQ(data.characters(), (QList<char32_t>{U'十', U'𠂉'}));
    for (const StrokeRecord &record : sampleRecords()) {
        const std::optional<CharacterStrokes> strokes = data.lookup(record.codePoint);
        ASSERT_TRUE(strokes);
        ASSERT_EQ(strokes->count(), record.paths.size());
        EXPECT_EQ(strokes->numberPositions, record.numberPositions);
        for (int i = 0; i < strokes->count(); ++i)
            EXPECT_EQ(strokes->strokes[i], *parseSvgPath(record.paths[i]));
    }
    for (char32_t absent : {U'一', U'\0', U'\U0010FFFF', char32_t(0x7FFFFFFF)})
        EXPECT_FALSE(data.lookup(absent));
}

TEST_F(StrokeFileTest, WriterRefusesWhatTheReaderWouldNot)
{
    QList<StrokeRecord> records = sampleRecords();
    records.append(records.first());
    EXPECT_FALSE(writeStrokeFile(records)) << "a character twice";

    StrokeRecord bad = sampleRecords().first();
    bad.numberPositions.append(QPointF(1, 1));
    EXPECT_FALSE(strokeRecordProblem(bad).isEmpty()) << "more numbers than strokes";
    bad = sampleRecords().first();
    bad.paths[0] = "M30,30 L40";
    EXPECT_FALSE(strokeRecordProblem(bad).isEmpty()) << "broken path data";
    bad = sampleRecords().first();
    bad.paths[0] = "M30,30 L400,30";
    EXPECT_FALSE(strokeRecordProblem(bad).isEmpty()) << "far outside the box";
    bad.paths.clear();
    bad.numberPositions.clear();
    EXPECT_FALSE(strokeRecordProblem(bad).isEmpty()) << "no strokes";
    bad = sampleRecords().first();
    bad.codePoint = 0xD800;
    EXPECT_FALSE(writeStrokeFile({bad})) << "a surrogate";
}

TEST_F(StrokeFileTest, MissingFileTurnsTheDataOff)
{
    const QString path = dir.filePath(QStringLiteral("none.dat"));
    const StrokeData data = StrokeData::fromFile(path);
    EXPECT_FALSE(data.available());
    EXPECT_TRUE(data.problem().contains(path));
    EXPECT_TRUE(data.problem().contains(QStringLiteral("見つかりません")));
    EXPECT_FALSE(data.lookup(U'十'));
}

TEST_F(StrokeFileTest, DamagedHeaderOrIndexTurnsTheDataOff)
{
    expectDamaged(QByteArray(), "empty");
    QByteArray b = bytes;
    b[0] = 'X';
    expectDamaged(b, "wrong magic");
    b = bytes;
    b[8] = 2;
    expectDamaged(b, "another version");
    expectDamaged(bytes.left(kStrokeFileHeaderBytes + kStrokeFileIndexEntryBytes + 5), "index cut short");
    b = bytes;
    b[12] = char(0xFF);
    b[13] = char(0xFF);
    expectDamaged(b, "count beyond the file");
    b = bytes;
    setIndexField(b, 1, 1, quint32(bytes.size()));
    expectDamaged(b, "offset past the end");
    b = bytes;
    setIndexField(b, 0, 1, 3);
    expectDamaged(b, "offset into the header");
    b = bytes;
    setIndexField(b, 0, 2, indexField(0, 2) + 1000);
    expectDamaged(b, "length past the end");
    b = bytes;
    setIndexField(b, 0, 2, 0);
    expectDamaged(b, "empty record");
    b = bytes;
    setIndexField(b, 1, 1, 0xFFFFFFF0u);
    expectDamaged(b, "offset that wraps");
    b = bytes;
    setIndexField(b, 1, 0, indexField(0, 0));
    expectDamaged(b, "index not sorted");
    expectDamaged(bytes.left(bytes.size() - 1), "last record cut short");
}

// A damaged record would otherwise pass for a character KanjiVG lacks: the
// sheets would print with empty squares and the run would report success.
TEST_F(StrokeFileTest, ADamagedRecordTurnsTheDataOff)
{
    const qsizetype cross = indexField(0, 1);
    QByteArray b = bytes;
    b[bytes.indexOf("M20,50")] = 'X';
    expectDamaged(b, "path data that does not parse");
    b = bytes;
    b[cross] = 0;
    expectDamaged(b, "no strokes");
    b = bytes;
    b[cross] = 3;
    expectDamaged(b, "more strokes than the record holds");
    b = bytes;
    b[cross + 2] = char(0x7F);  // first number position's x, high byte
    expectDamaged(b, "number far outside the box");
    b = bytes;
    b[bytes.indexOf("M54,15") - 1] = char(0x40);
    expectDamaged(b, "path length past the record");
    b = bytes;
    setIndexField(b, 0, 2, indexField(0, 2) - 1);
    expectDamaged(b, "record shorter than its strokes");
}

TEST_F(StrokeFileTest, SomethingThatIsNotAFileIsRefused)
{
    EXPECT_FALSE(StrokeData::fromFile(dir.path()).available());
    EXPECT_FALSE(StrokeData::fromFile(QStringLiteral("/dev/zero")).available());
}

}  // namespace
}  // namespace bks
