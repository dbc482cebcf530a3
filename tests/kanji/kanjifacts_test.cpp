// The kanji facts file: what the writer puts in, the reader gives back, and
// what the reader does with a file that is cut, damaged or written wrong.
#include "kanji/checksum.h"
#include "kanji/factsfile.h"
#include "kanji/kanjifacts.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace bks {
namespace {

// Made-up facts of two characters and one word, in the shapes the file holds:
// a 音 and a 訓 reading with okurigana, a radical, a word with a kana part.
struct Sample {
    QList<FactsCharacter> characters;
    QList<FactWord> words;
};

Sample sample()
{
    KanjiReading on{ReadingKind::On, QStringLiteral("セイ"), 2, {QStringLiteral("生活")}, QString()};
    KanjiReading kun{
        ReadingKind::Kun, QStringLiteral("いきる"), 1, {QStringLiteral("生きる")}, QStringLiteral("注")};
    FactsCharacter sei{
        U'生',
        {{on, kun}, KanjiRadical{QStringLiteral("生"), {}, RadicalPlace::Whole, QStringLiteral("うまれる")}},
        {0}};
    // Outside the Basic Multilingual Plane, without a radical.
    FactsCharacter shikaru{U'𠮟',
                           {{{ReadingKind::Kun, QStringLiteral("しかる"), 2, {}, {}}}, std::nullopt},
                           {}};
    FactWord word{QStringLiteral("生きる"), QStringLiteral("いきる"), true, {}};
    word.parts = {WordPart{U'生', 0, 1, QStringLiteral("い"), 1, true},
                  WordPart{U'き', 1, 1, QStringLiteral("き"), -1, false},
                  WordPart{U'る', 2, 1, QStringLiteral("る"), -1, false}};
    return {{shikaru, sei}, {word}};
}

QByteArray sampleFile()
{
    const Sample s = sample();
    Result<QByteArray> bytes = writeFactsFile(s.characters, s.words);
    EXPECT_TRUE(bytes.ok()) << qPrintable(bytes.failure());
    return bytes.ok() ? bytes.value() : QByteArray();
}

// The bytes with their length and checksum made right again, so that damage
// inside reaches the record reader instead of stopping at the checksum.
QByteArray resealed(QByteArray bytes)
{
    if (bytes.size() < kFactsFileHeaderBytes)
        return bytes;
    const auto put = [&bytes](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    put(12, quint32(bytes.size()));
    put(16, crc32Of(QByteArrayView(bytes).sliced(kFactsFileHeaderBytes)));
    return bytes;
}

TEST(KanjiFactsFile, GivesBackWhatWasWritten)
{
    const KanjiFacts facts = KanjiFacts::fromBytes(sampleFile(), QStringLiteral("sample"));
    ASSERT_TRUE(facts.available()) << qPrintable(facts.problem());
    EXPECT_TRUE(facts.problem().isEmpty());
    EXPECT_EQ(facts.characters(), (QList<char32_t>{U'生', U'𠮟'}));

    const std::optional<KanjiFactsEntry> sei = facts.lookup(U'生');
    ASSERT_TRUE(sei);
    ASSERT_EQ(sei->readings.size(), 2);
    EXPECT_EQ(sei->readings[0].marked(), QStringLiteral("セイ"));
    EXPECT_EQ(sei->readings[1].marked(), QStringLiteral("い(きる)"));
    EXPECT_EQ(sei->readings[1].examples, QStringList{QStringLiteral("生きる")});
    EXPECT_EQ(sei->readings[1].note, QStringLiteral("注"));
    ASSERT_TRUE(sei->radical);
    EXPECT_EQ(sei->radical->place, RadicalPlace::Whole);
    EXPECT_EQ(sei->radical->name, QStringLiteral("うまれる"));
    EXPECT_FALSE(facts.lookup(U'𠮟')->radical);
    EXPECT_FALSE(facts.lookup(U'山'));

    const QList<FactWord> words = facts.words(U'生');
    ASSERT_EQ(words.size(), 1);
    EXPECT_EQ(words[0].reading, QStringLiteral("いきる"));
    EXPECT_TRUE(words[0].common);
    ASSERT_EQ(words[0].parts.size(), 3);
    EXPECT_EQ(words[0].parts[0].reading, QStringLiteral("い"));
    EXPECT_TRUE(words[0].parts[0].tableExample);
    EXPECT_EQ(words[0].parts[2].textStart, 2);
    EXPECT_TRUE(facts.words(U'𠮟').isEmpty());
}

TEST(KanjiFactsFile, RefusesFactsItCannotHold)
{
    Sample twice = sample();
    twice.characters.append(twice.characters.front());
    Sample offReading = sample();
    offReading.words[0].parts[0].reading = QStringLiteral("う");
    Sample longText = sample();
    longText.characters[0].facts.readings[0].note = QString(300, QChar(u'あ'));
    Sample badStem = sample();
    badStem.characters[1].facts.readings[0].stemLength = 1;  // a 音 reading with okurigana
    for (const Sample &s : {twice, offReading, longText, badStem})
        EXPECT_FALSE(writeFactsFile(s.characters, s.words).ok());
}

// Every kind of damage the reader meets turns the facts off with a reason; none
// crashes it or gives half a file.
TEST(KanjiFactsFile, RefusesDamagedFiles)
{
    const QByteArray good = sampleFile();
    ASSERT_FALSE(good.isEmpty());
    const qsizetype records = good.size() - 40;  // inside the word's record
    const std::vector<std::pair<const char *, std::function<QByteArray()>>> cases = {
        {"empty", [] { return QByteArray(); }},
        {"cut in the header", [&] { return good.left(10); }},
        {"cut in a record", [&] { return good.chopped(3); }},
        {"cut and resealed", [&] { return resealed(good.chopped(3)); }},
        {"a byte longer", [&] { return good + 'x'; }},
        {"a byte longer, resealed", [&] { return resealed(good + 'x'); }},
        {"another magic", [&] { return QByteArray(good).replace(0, 8, "BKSSTROK"); }},
        {"another version", [&] { return resealed(QByteArray(good).replace(8, 1, "\x02")); }},
        {"one bit flipped",
         [&] {
             QByteArray b = good;
             b[records] = char(b[records] ^ 1);
             return b;
         }},
        {"a count too large", [&] { return resealed(QByteArray(good).replace(20, 4, "\xff\xff\xff\x0f")); }},
        {"an index out of order",
         [&] { return resealed(QByteArray(good).replace(28, 4, QByteArray("\xff\xff\x10\x00", 4))); }},
        {"a lone surrogate",
         [&] {
             QByteArray b = good;
             b.replace(b.indexOf("\xbb\x30"), 2, QByteArray("\x00\xd8", 2));
             return resealed(b);
         }},
        {"zeros inside",
         [&] {
             QByteArray b = good;
             b.replace(52, 16, QByteArray(16, '\0'));
             return resealed(b);
         }},
        {"ones in a record",
         [&] {
             QByteArray b = good;
             b.replace(records, 8, QByteArray(8, '\xff'));
             return resealed(b);
         }},
    };
    for (const auto &[name, make] : cases) {
        const KanjiFacts facts = KanjiFacts::fromBytes(make(), QStringLiteral("test.dat"));
        EXPECT_FALSE(facts.available()) << name;
        EXPECT_TRUE(facts.problem().contains(QStringLiteral("test.dat"))) << name;
        EXPECT_FALSE(facts.lookup(U'生')) << name;
        EXPECT_TRUE(facts.words(U'生').isEmpty() && facts.characters().isEmpty()) << name;
    }
}

TEST(KanjiFactsFile, IsReadOnlyWhenFirstAskedAndSaysWhyItIsMissing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kanjifacts.dat"));
    const KanjiFacts early = KanjiFacts::open(path);
    const KanjiFacts copy = early;
    // Written after opening: a start that never asks never reads it.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(sampleFile());
    file.close();
    EXPECT_TRUE(copy.available());
    EXPECT_TRUE(early.lookup(U'生'));

    const KanjiFacts missing = KanjiFacts::open(dir.filePath(QStringLiteral("none.dat")));
    EXPECT_FALSE(missing.available());
    EXPECT_TRUE(missing.problem().contains(QStringLiteral("見つかりません")));
    EXPECT_FALSE(KanjiFacts::open(dir.path()).available());  // a folder is not a file
    EXPECT_FALSE(KanjiFacts().available());
    EXPECT_FALSE(KanjiFacts().problem().isEmpty());
}

}  // namespace
}  // namespace bks
