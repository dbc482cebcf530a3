// Kanji-list files arrive by menu and by drop, from anywhere.
#include "files/datafile.h"
#include "files/textcodec.h"

#include "fuzz/fuzzcheck.h"

#include <QByteArray>
#include <QStringDecoder>

#include <algorithm>

#include <cstddef>
#include <cstdint>

namespace {

bool hasOnlyCrLfBreaks(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') && (i + 1 == text.size() || text[i + 1] != QLatin1Char('\n')))
            return false;
        if (text[i] == QLatin1Char('\n') && (i == 0 || text[i - 1] != QLatin1Char('\r')))
            return false;
    }
    return true;
}

// Whether a character of the Shift-JIS bytes is FC FC, what the codec writes
// for a character it cannot hold. Walked character by character: the two
// bytes may also stand side by side across two characters (E5 FC, FC 4A).
bool holdsErrorCharacter(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar lead = uchar(bytes[i]);
        if ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) {
            if (lead == 0xFC && i + 1 < bytes.size() && uchar(bytes[i + 1]) == 0xFC)
                return true;
            ++i;
        }
    }
    return false;
}

// Bytes that decodeTextFile would not take for Shift-JIS.
bool looksLikeUtf(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    return !utf8.hasError();
}

// Half-width katakana or private-use characters saved as Shift-JIS can be
// EUC-JP kanji as well; the reader then takes the kanji, the likelier list
// (see decodeTextFile).
bool couldBeEucJp(const QByteArray &bytes, const QString &text)
{
    QStringDecoder euc("EUC-JP", QStringDecoder::Flag::Stateless);
    const QString decoded = euc.decode(bytes);
    return !euc.hasError() && std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0xFF61 && u <= 0xFF9F) || (u >= 0xE000 && u <= 0xF8FF);
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const bks::Result<QString> loaded = bks::decodeDataFile(bytes);
    if (!loaded) {
        BKS_FUZZ_CHECK(!loaded.failure().isEmpty());
        return 0;
    }
    BKS_FUZZ_CHECK(!loaded->contains(QChar(0)));
    BKS_FUZZ_CHECK(hasOnlyCrLfBreaks(*loaded));

    // What was loaded, once saved, loads back unchanged, but for characters
    // Shift-JIS cannot hold, which become "？" once and then stay. (Shift-JIS
    // bytes that happen to form valid UTF-8 are read as UTF-8, and half-width
    // katakana that form EUC-JP kanji may be read as those; those guesses are
    // not what this checks.)
    QString text = *loaded;
    for (int round = 0; round < 2; ++round) {
        bool replaced = false;
        const QByteArray saved = bks::encodeShiftJis(text + QStringLiteral("\r\n"), &replaced);
        BKS_FUZZ_CHECK(!holdsErrorCharacter(saved));
        BKS_FUZZ_CHECK(round == 0 || !replaced);
        if (looksLikeUtf(saved) || couldBeEucJp(saved, text))
            break;
        const bks::Result<QString> again = bks::decodeDataFile(saved);
        BKS_FUZZ_CHECK(again.ok());
        BKS_FUZZ_CHECK(replaced || *again == text);
        text = *again;
    }
    return 0;
}
