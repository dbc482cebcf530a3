#include "kanji/strokedata.h"
#include "kanji/strokefile.h"
#include "kanji/svgpath.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <tuple>

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
    // Damage a checksum would not catch: the file as a faulty writer would
    // have sealed it.
    static QByteArray sealed(QByteArray b)
    {
        sealStrokeFile(b);
        return b;
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
    expectDamaged(sealed(b), "wrong magic");
    b = bytes;
    b[8] = 1;
    expectDamaged(sealed(b), "the older version");
    expectDamaged(sealed(bytes.left(kStrokeFileHeaderBytes + kStrokeFileIndexEntryBytes + 5)),
                  "index cut short");
    b = bytes;
    b[12] = char(0xFF);
    b[13] = char(0xFF);
    expectDamaged(sealed(b), "count beyond the file");
    b = bytes;
    b[12] = 1;
    expectDamaged(sealed(b), "a lowered count");
    const std::tuple<int, int, quint32, const char *> fields[] = {
        {1, 1, quint32(bytes.size()), "offset past the end"},
        {0, 1, 3, "offset into the header"},
        {0, 2, indexField(0, 2) + 1000, "length past the end"},
        {0, 2, 0, "empty record"},
        {1, 1, 0xFFFFFFF0u, "offset that wraps"},
        {1, 0, indexField(0, 0), "index not sorted"},
    };
    for (const auto &[entry, field, value, what] : fields) {
        b = bytes;
        setIndexField(b, entry, field, value);
        expectDamaged(sealed(b), what);
    }
    b = bytes;
    b.insert(qsizetype(indexField(1, 1)), 'x');
    setIndexField(b, 1, 1, indexField(1, 1) + 1);
    expectDamaged(sealed(b), "a byte between two records");
    expectDamaged(sealed(bytes + 'x'), "a byte after the last record");
    expectDamaged(sealed(bytes.left(bytes.size() - 1)), "last record cut short");
}

// A damaged record would otherwise pass for a character KanjiVG lacks: the
// sheets would print with empty squares and the run would report success.
TEST_F(StrokeFileTest, ADamagedRecordTurnsTheDataOff)
{
    const qsizetype cross = indexField(0, 1);
    QByteArray b = bytes;
    b[bytes.indexOf("M20,50")] = 'X';
    expectDamaged(sealed(b), "path data that does not parse");
    b = bytes;
    b[cross] = 0;
    expectDamaged(sealed(b), "no strokes");
    b = bytes;
    b[cross] = 3;
    expectDamaged(sealed(b), "more strokes than the record holds");
    b = bytes;
    b[cross + 2] = char(0x7F);  // first number position's x, high byte
    expectDamaged(sealed(b), "number far outside the box");
    b = bytes;
    b[bytes.indexOf("M54,15") - 1] = char(0x40);
    expectDamaged(sealed(b), "path length past the record");
}

// What passes every check of the structure (a digit of a coordinate, a
// number's position) is caught by the checksum: no changed byte, wherever
// it is, gives strokes.
TEST_F(StrokeFileTest, EveryChangedByteIsRefused)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        QByteArray b = bytes;
        b[i] = char(b[i] ^ 0x01);
        EXPECT_FALSE(StrokeData::fromBytes(b, QStringLiteral("x")).available()) << "byte " << i;
    }
}

// The fuzz target starts from these seeds: they must be files the reader
// takes, written by the writer of the format it reads.
TEST(StrokeFileSeeds, FuzzSeedsOpen)
{
    const QString folder = QFileInfo(QStringLiteral(__FILE__)).absolutePath()
                           + QStringLiteral("/../../fuzz/");
    for (const char *seed : {"corpus/strokedata/one.dat", "corpus/strokedata/two.dat"})
        EXPECT_TRUE(StrokeData::fromFile(folder + QString::fromLatin1(seed)).available()) << seed;
}

// Refused before it is opened: opening a FIFO waits for a writer for ever.
TEST_F(StrokeFileTest, SomethingThatIsNotAFileIsRefused)
{
    const QString fifo = dir.filePath(QStringLiteral("strokes.dat"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    for (const QString &path : {dir.path(), QStringLiteral("/dev/zero"), fifo}) {
        const StrokeData data = StrokeData::fromFile(path);
        EXPECT_FALSE(data.available()) << path.toStdString();
        EXPECT_TRUE(data.problem().contains(QStringLiteral("読めません"))) << path.toStdString();
    }
}

}  // namespace
}  // namespace bks
