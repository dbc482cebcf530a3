#include "files/datafile.h"

#include "files/checkedfile.h"
#include "files/textcodec.h"
#include "tests/files/filetestutil.h"
#include "tests/support/fulldisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bks {
namespace {

class DataFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
};

TEST_F(DataFileTest, SavesShiftJisWithOneCrLfAppended)
{
    const QString file = path("list.txt");
    ASSERT_TRUE(SaveDataFile(file, QStringLiteral("山川\r\n一")));
    EXPECT_EQ(test::readBytes(file), QByteArray("\x8E\x52\x90\xEC\r\n\x88\xEA\r\n"));

    // Bare LF (as a text widget hands it over) and lone CR become CR LF;
    // CR LF is not doubled.
    ASSERT_TRUE(SaveDataFile(file, QStringLiteral("a\nb\rc\r\nd")));
    EXPECT_EQ(test::readBytes(file), QByteArray("a\r\nb\r\nc\r\nd\r\n"));

    ASSERT_TRUE(SaveDataFile(file, QString()));
    EXPECT_EQ(test::readBytes(file), QByteArray("\r\n"));
}

TEST_F(DataFileTest, LoadGivesBackExactlyTheSavedText)
{
    const QStringList texts = {
        QStringLiteral("山"),
        QStringLiteral("山川\r\n一二三"),
        QStringLiteral("  blanks at both ends  "),
        QStringLiteral("a,b,\"c\",d"),
        QStringLiteral("\"quoted\""),
        QStringLiteral("\r\n\r\nleading and trailing breaks\r\n\r\n"),
        QStringLiteral("《使い方》\r\n　全角"),
        QString(),
        QStringLiteral("\r\n"),
    };
    const QString file = path("round.txt");
    for (const QString &text : texts) {
        ASSERT_TRUE(SaveDataFile(file, text));
        const Result<QString> loaded = LoadDataFile(file);
        EXPECT_TRUE(loaded.ok()) << text.toStdString();
        EXPECT_EQ(loaded.value(), text);
    }
}

TEST_F(DataFileTest, UnmappableCharacterIsSavedAsQuestionMarkAndTheRestKept)
{
    const QString file = path("wave.txt");
    ASSERT_TRUE(SaveDataFile(file, QStringLiteral("山\u301C川")));
    EXPECT_EQ(LoadDataFile(file).value(), QStringLiteral("山？川"));

    // Control codes among letters beyond the BMP: the text is judged the same
    // way before and after saving turns each such letter into one "？", so a
    // list the program loaded and saved loads again.
    const QString mixed = QStringLiteral("\x1A\x1C\x7Frek\x1F") + QString(6, QChar(0x6F22))
                          + QString::fromUcs4(U"\U0001D516\U0001D516\U0001D516\U0001D516\U0001D516");
    ASSERT_TRUE(SaveDataFile(file, mixed));
    EXPECT_EQ(LoadDataFile(file).ok(), decodeDataFile(mixed.toUtf8()).ok());
}

TEST_F(DataFileTest, ReadsFilesFromOtherEditors)
{
    const QString file = path("other.txt");
    const QString text = QStringLiteral("漢字\n練習");
    const QString crlf = QStringLiteral("漢字\r\n練習");

    ASSERT_TRUE(test::writeBytes(file, text.toUtf8() + "\n"));
    EXPECT_EQ(LoadDataFile(file).value(), crlf);
    ASSERT_TRUE(test::writeBytes(file, "\xEF\xBB\xBF" + text.toUtf8()));
    EXPECT_EQ(LoadDataFile(file).value(), crlf);  // no break at the end to remove

    QByteArray utf16("\xFF\xFE");
    for (QChar c : QString(text + QLatin1Char('\n'))) {
        utf16.append(char(c.unicode() & 0xFF));
        utf16.append(char(c.unicode() >> 8));
    }
    ASSERT_TRUE(test::writeBytes(file, utf16));
    EXPECT_EQ(LoadDataFile(file).value(), crlf);

    // Only one break is the one a save appended.
    ASSERT_TRUE(test::writeBytes(file, "a\n\n"));
    EXPECT_EQ(LoadDataFile(file).value(), QStringLiteral("a\r\n"));
}

TEST_F(DataFileTest, BadShiftJisBytesAreMarkedNotFatal)
{
    const QString file = path("bad.txt");
    ASSERT_TRUE(test::writeBytes(file, "\x8E\x52\xFF\x8E\r\n"));
    const Result<QString> loaded = LoadDataFile(file);
    EXPECT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value(), QStringLiteral("山\uFFFD\uFFFD"));
}

TEST_F(DataFileTest, RefusesWhatIsNoKanjiList)
{
    EXPECT_EQ(LoadDataFile(path("missing.txt")).failure(),
              loadErrorMessage(LoadError::NotFound, path("missing.txt")));
    EXPECT_EQ(LoadDataFile(QString()).failure(), loadErrorMessage(LoadError::NotFound, QString()));
    EXPECT_EQ(LoadDataFile(dir.path()).failure(), loadErrorMessage(LoadError::NotAFile, dir.path()));
    EXPECT_EQ(LoadDataFile(QStringLiteral("/dev/zero")).failure(),
              loadErrorMessage(LoadError::NotAFile, QStringLiteral("/dev/zero")));
    // Opening a pipe would wait for a writer that never comes.
    const QString pipe = path("pipe.txt");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(LoadDataFile(pipe).failure(), loadErrorMessage(LoadError::NotAFile, pipe));

    const QString binary = path("image.png");
    ASSERT_TRUE(test::writeBytes(binary, QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)));
    const Result<QString> loaded = LoadDataFile(binary);
    EXPECT_EQ(loaded.failure(), loadErrorMessage(LoadError::NotText, binary));

    // Binary without a zero byte decodes into control codes and replacement
    // characters; a list with a stray control code is still a list.
    QByteArray junk;
    for (int i = 0; i < 3000; ++i)
        junk += char(0x80 + i % 0x7F) + QByteArray("\x01\x02\xFF\xFD");
    EXPECT_EQ(decodeDataFile(junk).failure(), loadProblem(LoadError::NotText));
    std::mt19937 random(7);
    QByteArray noise;
    while (noise.size() < 3000)
        if (const char b = char(random() & 0xFF); b != 0)
            noise += b;
    EXPECT_EQ(decodeDataFile(noise).failure(), loadProblem(LoadError::NotText));
    EXPECT_EQ(decodeDataFile(
                  QByteArray("\x1B[0m\x01\x02\x03\x04\x05\x06\x07\x08\x0B\x0C\x0E\x0F\x10\x11\x12"))
                  .failure(),
              loadProblem(LoadError::NotText));
    EXPECT_EQ(decodeDataFile(encodeShiftJis(QStringLiteral("山川\x01海\r\n空"))).value(),
              QStringLiteral("山川\x01海\r\n空"));
}

TEST_F(DataFileTest, RefusesAHugeFileWithoutReadingIt)
{
    const QString file = path("huge.txt");
    QFile huge(file);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64(50) * 1024 * 1024));
    huge.close();
    const Result<QString> loaded = LoadDataFile(file);
    EXPECT_EQ(loaded.failure(), loadErrorMessage(LoadError::TooLarge, file));

    const QString limit = path("limit.txt");
    ASSERT_TRUE(test::writeBytes(limit, QByteArray(kMaxDataFileBytes, 'a')));
    EXPECT_TRUE(LoadDataFile(limit).ok());
    ASSERT_TRUE(test::writeBytes(limit, QByteArray(kMaxDataFileBytes + 1, 'a')));
    EXPECT_EQ(LoadDataFile(limit).failure(), loadErrorMessage(LoadError::TooLarge, limit));
}

TEST_F(DataFileTest, UnreadableFileIsRefused)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const QString file = path("secret.txt");
    ASSERT_TRUE(test::writeBytes(file, "a"));
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::Permissions()));
    EXPECT_EQ(LoadDataFile(file).failure(), loadErrorMessage(LoadError::Unreadable, file));
}

TEST_F(DataFileTest, FailedSaveLeavesThePreviousFile)
{
    const QString file = path("keep.txt");
    ASSERT_TRUE(SaveDataFile(file, QStringLiteral("前")));
    const QByteArray before = test::readBytes(file);

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = SaveDataFile(file, QString(100000, QChar(0x5C71))).ok();
    // Smaller than the write buffer: the failure only shows when it is flushed.
    const bool savedSmall = SaveDataFile(file, QString(1000, QChar(0x5C71))).ok();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_FALSE(savedSmall);
    EXPECT_EQ(test::readBytes(file), before);
    EXPECT_FALSE(SaveDataFile(path("no/such/folder/x.txt"), QStringLiteral("x")));
}

// Small files are where a full disk used to go unnoticed: the write sat in
// the buffer and the rename replaced the old file with an empty one.
TEST(FullDisk, SmallWritesFailAndKeepThePreviousFile)
{
    test::FullDisk disk;
    if (!disk.ok())
        GTEST_SKIP() << "needs root to mount a small tmpfs";
    const QString list = disk.filePath(QStringLiteral("list.txt"));
    const QString ini = disk.filePath(QStringLiteral("BKS.ini"));
    ASSERT_TRUE(SaveDataFile(list, QStringLiteral("山川")));
    ASSERT_TRUE(writeFileAtomically(ini, "a,b\r\n"));
    const QByteArray listBefore = test::readBytes(list);
    disk.fill();

    EXPECT_FALSE(SaveDataFile(list, QStringLiteral("一二三四五")));
    EXPECT_FALSE(SaveTempDataFile(QStringLiteral("一"), disk.filePath(QString())));
    EXPECT_FALSE(writeFileAtomically(ini, QByteArray(300, 'h')));
    EXPECT_EQ(test::readBytes(list), listBefore);
    EXPECT_EQ(test::readBytes(ini), QByteArray("a,b\r\n"));
    // No half-written copies are left behind either.
    EXPECT_EQ(disk.entries(), QStringList({QStringLiteral("BKS.ini"), QStringLiteral("list.txt")}));
}

TEST_F(DataFileTest, FailedSaveInAReadOnlyFolderLeavesThePreviousFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const QString file = path("keep.txt");
    ASSERT_TRUE(SaveDataFile(file, QStringLiteral("前")));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_FALSE(SaveDataFile(file, QStringLiteral("後")));
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(LoadDataFile(file).value(), QStringLiteral("前"));
}

TEST_F(DataFileTest, TempCopyGoesToBksTmpInTheGivenFolder)
{
    ASSERT_TRUE(SaveTempDataFile(QStringLiteral("一\r\n二"), dir.path()));
    EXPECT_EQ(test::readBytes(path("BKStmp.txt")), QByteArray("\x88\xEA\r\n\x93\xF1\r\n"));
    ASSERT_TRUE(SaveTempDataFile(QStringLiteral("三"), dir.path()));
    EXPECT_EQ(test::readBytes(path("BKStmp.txt")), QByteArray("\x8E\x4F\r\n"));
}

TEST(LoadErrorMessage, NamesTheProblemAndTheFile)
{
    const QString file = QStringLiteral("/home/u/大きい.txt");
    EXPECT_TRUE(loadErrorMessage(LoadError::None, file).isEmpty());
    EXPECT_EQ(loadErrorMessage(LoadError::TooLarge, file),
              QStringLiteral("ファイルが大きすぎるため読み込めません。\r\n/home/u/大きい.txt"));
    const LoadError errors[] = {LoadError::NotFound, LoadError::NotAFile, LoadError::NotText,
                                LoadError::Unreadable};
    QStringList messages;
    for (LoadError error : errors) {
        messages.append(loadErrorMessage(error, file));
        EXPECT_TRUE(messages.back().endsWith(file));
    }
    messages.removeDuplicates();
    EXPECT_EQ(messages.size(), 4);
}

}  // namespace
}  // namespace bks
