#include "files/environmentfile.h"

#include "files/textcodec.h"
#include "tests/files/filetestutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace bks {
namespace {

std::array<QString, 8> defaultHeadings()
{
    return {QString(),
            QStringLiteral("漢字練習帳"),
            QStringLiteral("名前"),
            QStringLiteral("音読み"),
            QStringLiteral("訓読み"),
            QStringLiteral("部首"),
            QStringLiteral("画数"),
            QStringLiteral("文作りをしましょう")};
}

QStringList sl(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

QStringList fields(const char *utf8, int maxFields = 9)
{
    return readListFields(QString::fromUtf8(utf8), maxFields);
}

TEST(ReadListFields, SplitsAtCommasAndLineEnds)
{
    EXPECT_EQ(fields("a,b\r\nc\nd\re"), sl({"a", "b", "c", "d", "e"}));
    EXPECT_EQ(fields("a,b,c,d", 2), sl({"a", "b"}));
    EXPECT_EQ(fields(""), QStringList());
}

TEST(ReadListFields, SkipsLeadingBlanksAndEmptyLinesButKeepsEmptyFields)
{
    EXPECT_EQ(fields("  a ,\tb\t,  c  "), sl({"a", "b", "c"}));
    EXPECT_EQ(fields("\r\n\r\n  \r\na"), sl({"a"}));
    EXPECT_EQ(fields(",,x,"), sl({"", "", "x", ""}));
    EXPECT_EQ(fields("a,\r\nb"), sl({"a", "", "b"}));
    EXPECT_EQ(fields("a\r\n\r\n"), sl({"a"}));
    // Full-width spaces are characters of the text, not blanks.
    EXPECT_EQ(fields("\xE3\x80\x80x\xE3\x80\x80"), QStringList{QStringLiteral("　x　")});
}

TEST(ReadListFields, QuotedFieldRunsToTheNextQuoteAndWhatFollowsItIsDropped)
{
    EXPECT_EQ(fields("\"a,b\",c"), sl({"a,b", "c"}));
    EXPECT_EQ(fields("  \" x \" ,y"), sl({" x ", "y"}));
    EXPECT_EQ(fields("\"ab\"cd,e"), sl({"ab", "e"}));
    EXPECT_EQ(fields("\"a\r\nb\",c"), sl({"a\r\nb", "c"}));
    EXPECT_EQ(fields("\"unclosed, to the end"), sl({"unclosed, to the end"}));
    EXPECT_EQ(fields("\"\""), sl({""}));
    // A quote inside an unquoted field is just a character.
    EXPECT_EQ(fields("a\"b,c\""), sl({"a\"b", "c\""}));
}

TEST(BuildEnvironmentLine, PlainFieldsAreWrittenExactlyAsBefore)
{
    const QString line = BuildEnvironmentLine(defaultHeadings(), QStringLiteral("ＭＳ Ｐ明朝"),
                                              QStringLiteral("山"));
    EXPECT_EQ(line,
              QStringLiteral("漢字練習帳,名前,音読み,訓読み,部首,画数,文作りをしましょう,ＭＳ Ｐ明朝,山"));

    auto headings = defaultHeadings();
    headings[2] = QString();
    headings[3] = QStringLiteral("a\"b");
    EXPECT_EQ(BuildEnvironmentLine(headings, QStringLiteral("@Klee One"), QStringLiteral("《")),
              QStringLiteral("漢字練習帳,,a\"b,訓読み,部首,画数,文作りをしましょう,@Klee One,《"));
}

TEST(BuildEnvironmentLine, QuotesFieldsThatWouldNotReadBackWhole)
{
    std::array<QString, 8> headings;
    headings[1] = QStringLiteral("a,b");
    headings[2] = QStringLiteral("\"q\"");
    headings[3] = QStringLiteral(" lead");
    headings[4] = QStringLiteral("trail\t");
    headings[5] = QStringLiteral("two\r\nlines");
    headings[6] = QStringLiteral("x\"y,z");
    headings[7] = QStringLiteral("ok");
    EXPECT_EQ(BuildEnvironmentLine(headings, QStringLiteral("f"), QStringLiteral("c")),
              QStringLiteral("\"a,b\",\"＂q＂\",\" lead\",\"trail\t\",\"two\r\nlines\","
                             "\"x＂y,z\",ok,f,c"));
}

TEST(EnvironmentFile, ExampleLineIsWrittenByteForByteInShiftJis)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kEnvironmentFileName);
    const QString line = BuildEnvironmentLine(defaultHeadings(), QStringLiteral("ＭＳ Ｐ明朝"),
                                              QStringLiteral("山"));
    ASSERT_TRUE(WriteEnvironmentFile(line, path));
    const QByteArray expected = "\x8A\xBF\x8E\x9A\x97\xFB\x8F\x4B\x92\xA0,"  // 漢字練習帳
                                "\x96\xBC\x91\x4F,"                          // 名前
                                "\x89\xB9\x93\xC7\x82\xDD,"                  // 音読み
                                "\x8C\x50\x93\xC7\x82\xDD,"                  // 訓読み
                                "\x95\x94\x8E\xF1,"                          // 部首
                                "\x89\xE6\x90\x94,"                          // 画数
                                "\x95\xB6\x8D\xEC\x82\xE8\x82\xF0\x82\xB5\x82\xDC\x82\xB5\x82\xE5\x82\xA4,"
                                "\x82\x6C\x82\x72\x20\x82\x6F\x96\xBE\x92\xA9,"  // ＭＳ Ｐ明朝
                                "\x8E\x52\r\n";                                  // 山
    EXPECT_EQ(test::readBytes(path), expected);

    const EnvironmentData data = ReadEnvironmentFile(path);
    EXPECT_TRUE(data.complete());
    EXPECT_EQ(data.headings, defaultHeadings());
    EXPECT_EQ(data.fontName, QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(data.character, QStringLiteral("山"));
}

TEST(EnvironmentFile, EveryHeadingComesBackWhole)
{
    const QStringList samples = {
        QString(),
        QStringLiteral("a,b"),
        QStringLiteral(",,"),
        QStringLiteral("\"quoted\""),
        QStringLiteral("\"x"),
        QStringLiteral("mid\"dle"),
        QStringLiteral("  both  "),
        QStringLiteral(" "),
        QStringLiteral("\t"),
        QStringLiteral("《"),
        QStringLiteral("　全角　"),
        QStringLiteral("two\nlines"),
        QStringLiteral("\r"),
        QStringLiteral("漢字,練習\"帳 "),
        QStringLiteral("\"a,b\"c"),
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(kEnvironmentFileName);
    // Each sample in each of the nine places, with its neighbours varied.
    for (int place = 0; place < 9; ++place) {
        for (qsizetype s = 0; s < samples.size(); ++s) {
            QStringList written;
            for (int k = 0; k < 9; ++k)
                written.append(k == place ? samples[s] : samples[(s + k + 1) % samples.size()]);
            std::array<QString, 8> headings;
            for (int k = 0; k < 7; ++k)
                headings[std::size_t(k) + 1] = written[k];
            ASSERT_TRUE(WriteEnvironmentFile(BuildEnvironmentLine(headings, written[7], written[8]), path));

            const EnvironmentData data = ReadEnvironmentFile(path);
            QStringList read;
            for (int k = 1; k <= 7; ++k)
                read.append(data.headings[std::size_t(k)]);
            read.append(data.fontName);
            read.append(data.character);
            QStringList expected;
            for (const QString &field : written) {
                const bool quoted = BuildEnvironmentLine({}, field, {})
                                        .startsWith(QStringLiteral(",,,,,,,\""));
                expected.append(quoted ? QString(field).replace(QLatin1Char('"'), QChar(0xFF02)) : field);
            }
            EXPECT_EQ(data.fieldsRead, 9) << place << ' ' << s;
            EXPECT_EQ(read, expected) << place << ' ' << s;
        }
    }
}

TEST(EnvironmentFile, MissingShortOrJunkFilesAreHarmless)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kEnvironmentFileName);
    EXPECT_EQ(ReadEnvironmentFile(path).fieldsRead, 0);
    EXPECT_EQ(ReadEnvironmentFile(dir.path()).fieldsRead, 0);  // a folder
    const QString pipe = dir.filePath(QStringLiteral("pipe.ini"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(ReadEnvironmentFile(pipe).fieldsRead, 0);  // must not wait for a writer

    // Seven headings and the font, no character: the fields read are kept.
    ASSERT_TRUE(test::writeBytes(path, encodeShiftJis(QStringLiteral("a,b,c,d,e,f,g,ＭＳ 明朝\r\n"))));
    EnvironmentData data = ReadEnvironmentFile(path);
    EXPECT_EQ(data.fieldsRead, 8);
    EXPECT_FALSE(data.complete());
    EXPECT_EQ(data.headings[7], QStringLiteral("g"));
    EXPECT_EQ(data.fontName, QStringLiteral("ＭＳ 明朝"));

    ASSERT_TRUE(test::writeBytes(path, QByteArray()));
    EXPECT_EQ(ReadEnvironmentFile(path).fieldsRead, 0);

    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 7919) & 0xFF));
    ASSERT_TRUE(test::writeBytes(path, junk));
    data = ReadEnvironmentFile(path);
    EXPECT_LE(data.fieldsRead, 9);
}

TEST(EnvironmentFile, AHugeFileIsReadOnlyAtItsStart)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kEnvironmentFileName);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("a,b,c");
    ASSERT_TRUE(file.resize(qint64(512) << 20));  // sparse: 512 MiB of zero bytes
    file.close();
    const EnvironmentData data = ReadEnvironmentFile(path);
    EXPECT_EQ(data.fieldsRead, 3);
    EXPECT_EQ(data.headings[1], QStringLiteral("a"));
}

TEST(EnvironmentFile, UtfEightFileFromAnEditorIsRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kEnvironmentFileName);
    ASSERT_TRUE(test::writeBytes(path, QByteArray("\xEF\xBB\xBF")
                                           + QStringLiteral("一,二,三,四,五,六,七,Klee One,九\n").toUtf8()));
    const EnvironmentData data = ReadEnvironmentFile(path);
    EXPECT_TRUE(data.complete());
    EXPECT_EQ(data.headings[1], QStringLiteral("一"));
    EXPECT_EQ(data.fontName, QStringLiteral("Klee One"));
    EXPECT_EQ(data.character, QStringLiteral("九"));
}

}  // namespace
}  // namespace bks
