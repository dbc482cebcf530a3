#include "files/textcodec.h"

#include "tests/files/filetestutil.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace bks {
namespace {

TEST(DecodeTextFile, ReadsShiftJisAndUtf8WithOrWithoutBom)
{
    const QString text = QStringLiteral("漢字練習帳,ＭＳ Ｐ明朝");
    EXPECT_EQ(decodeTextFile(encodeShiftJis(text)), text);
    EXPECT_EQ(decodeTextFile(text.toUtf8()), text);
    EXPECT_EQ(decodeTextFile(QByteArray("\xEF\xBB\xBF") + text.toUtf8()), text);
    EXPECT_EQ(decodeTextFile(QByteArray()), QString());
    EXPECT_EQ(decodeTextFile(QByteArray("abc")), QStringLiteral("abc"));
}

TEST(DecodeTextFile, WindowsCharactersComeBackAsOnWindows)
{
    const QString text = QStringLiteral("①～￢㈱髙");
    EXPECT_EQ(decodeTextFile(encodeShiftJis(text)), text);
}

TEST(DecodeTextFile, BadBytesBecomeReplacementCharactersNotDropped)
{
    // 0xFF is no Shift-JIS byte; 0x82 at the end is half a character.
    const QString decoded = decodeTextFile(QByteArray("\x8A\xBF\xFF"
                                                      "a\x82"));
    EXPECT_EQ(decoded, QStringLiteral("漢\uFFFDa\uFFFD"));
}

TEST(DecodeTextFile, ControlBytesMapToThemselvesAsOnWindows)
{
    // The converter's own table swaps 0x1A, 0x1C and 0x7F and writes U+001A
    // for a bad byte; neither may show through.
    const QByteArray bytes("\x1A\xFF\x1C"
                           "b\x7F\x82\x1A",
                           7);
    const QString text = QString::fromUtf16(u"\x001A\xFFFD\x001C"
                                            u"b\x007F\xFFFD\x001A");
    EXPECT_EQ(decodeTextFile(bytes), text);
    const QString controls = QString::fromUtf16(u"\x001A\x001C\x007F"
                                                u"a");
    EXPECT_EQ(encodeShiftJis(controls), QByteArray("\x1A\x1C\x7F"
                                                   "a"));
}

TEST(DecodeTextFile, UtfEightCutOffAtTheEndIsNotTakenForUtfEight)
{
    // "漢" in UTF-8 is E6 BC A2; without its last byte the text is not
    // valid UTF-8 and is read as Shift-JIS, never crashing.
    const QString decoded = decodeTextFile(QByteArray("ab\xE6\xBC"));
    EXPECT_TRUE(decoded.startsWith(QStringLiteral("ab")));
    EXPECT_FALSE(decoded.contains(QStringLiteral("漢")));
}

// Older Unix lists are in EUC-JP. Many of them are valid Shift-JIS as well
// (as half-width katakana and odd kanji), so a clean reading alone does not
// decide; a damaged file goes with the encoding it breaks less.
TEST(DecodeTextFile, EucJpListsReadAsWrittenAndShiftJisStaysShiftJis)
{
    auto euc = [](const QString &text) {
        QStringEncoder encoder("EUC-JP");
        return QByteArray(encoder.encode(text));
    };
    const struct {
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {euc(QStringLiteral("山川田林森花草")), QStringLiteral("山川田林森花草")},      // bad as Shift-JIS
        {euc(QStringLiteral("学校\r\n先生\r\n")), QStringLiteral("学校\r\n先生\r\n")},  // clean as both
        {euc(QStringLiteral("ｶﾅと漢字")), QStringLiteral("ｶﾅと漢字")},
        {euc(QStringLiteral("学校\n")) + "\xFF\n" + euc(QStringLiteral("先生")),
         QStringLiteral("学校\n\uFFFD\n先生")},
        {encodeShiftJis(QStringLiteral("学校、ｶﾀｶﾅ")), QStringLiteral("学校、ｶﾀｶﾅ")},
        {encodeShiftJis(QStringLiteral("学校\n")) + "\xFF", QStringLiteral("学校\n\uFFFD")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decodeTextFile(c.bytes), c.expected);
}

TEST(EncodeShiftJis, UnmappableCharactersBecomeFullWidthQuestionMarks)
{
    bool replaced = true;
    EXPECT_EQ(encodeShiftJis(QStringLiteral("漢字"), &replaced), QByteArray("\x8A\xBF\x8E\x9A"));
    EXPECT_FALSE(replaced);

    // WAVE DASH, an emoji (a surrogate pair: one character), DOUBLE VERTICAL
    // LINE and a lone surrogate have no Shift-JIS form.
    QString text = QStringLiteral("a\u301Cb") + QString::fromUtf8("\xF0\x9F\x98\x80")
                   + QStringLiteral("c\u2016") + QChar(0xD800) + QStringLiteral("d");
    const QByteArray bytes = encodeShiftJis(text, &replaced);
    EXPECT_TRUE(replaced);
    EXPECT_EQ(bytes, QByteArray("a\x81\x48"
                                "b\x81\x48"
                                "c\x81\x48\x81\x48"
                                "d"));
    EXPECT_FALSE(bytes.contains("\xFC\xFC"));
}

TEST(EncodeShiftJis, LongTextKeepsEverythingAroundAnUnmappableCharacter)
{
    // Longer than one encoding piece, with the bad character and a surrogate
    // pair straddling the piece boundaries.
    QString text;
    for (int i = 0; i < 511; ++i)
        text += QStringLiteral("字");
    text += QString::fromUtf8("\xF0\x9F\x98\x80");
    for (int i = 0; i < 600; ++i)
        text += QStringLiteral("山");
    text += QStringLiteral("\u301C");
    bool replaced = false;
    const QByteArray bytes = encodeShiftJis(text, &replaced);
    EXPECT_TRUE(replaced);
    QString expected = text;
    expected.replace(QString::fromUtf8("\xF0\x9F\x98\x80"), QStringLiteral("？"));
    expected.replace(QStringLiteral("\u301C"), QStringLiteral("？"));
    EXPECT_EQ(decodeTextFile(bytes), expected);
}

}  // namespace
}  // namespace bks
