#include "files/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace bks {

namespace {

const char *const kShiftJis = "Shift_JIS";
const char *const kEucJp = "EUC-JP";

// ICU's table for this code page swaps three control codes (byte 0x1A reads
// as U+001C, 0x1C as U+007F, 0x7F as U+001A), where Windows maps each to
// itself; ICU also writes U+001A for a byte it cannot decode. None of the
// three bytes can be the second byte of a character, so they are handled
// here, outside the converter.
bool isSwappedControl(uchar b)
{
    return b == 0x1A || b == 0x1C || b == 0x7F;
}
bool isSwappedControl(QChar c)
{
    return c.unicode() == 0x1A || c.unicode() == 0x1C || c.unicode() == 0x7F;
}

bool isLeadByte(uchar b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(uchar b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Whether the bytes end in the first half of a two-byte character, which
// the converter would drop without a word.
bool endsInHalfCharacter(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (!isLeadByte(uchar(bytes[i]))) {
            ++i;
        } else if (i + 1 == bytes.size()) {
            return true;
        } else {
            i += isTrailByte(uchar(bytes[i + 1])) ? 2 : 1;
        }
    }
    return false;
}

bool isValidUtf8(const QByteArray &bytes)
{
    // Stateless, so a sequence cut off at the end counts as an error instead
    // of being kept back for more input that never comes.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

QString decodeUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);  // skips a leading byte-order mark
}

// A piece holding none of the swapped control bytes.
QString decodeShiftJisPiece(QStringDecoder &decoder, QByteArrayView piece)
{
    const bool halfAtEnd = endsInHalfCharacter(piece);
    QString text = decoder.decode(halfAtEnd ? piece.chopped(1) : piece);
    text.replace(QChar(0x1A), QChar(QChar::ReplacementCharacter));
    if (halfAtEnd)
        text += QChar(QChar::ReplacementCharacter);
    return text;
}

QString decodeShiftJis(const QByteArray &bytes)
{
    QStringDecoder decoder(kShiftJis, QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return QString::fromUtf8(bytes);
    QString result;
    result.reserve(bytes.size());
    const QByteArrayView all(bytes);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= all.size(); ++i) {
        if (i < all.size() && !isSwappedControl(uchar(all[i])))
            continue;
        if (i > start)
            result += decodeShiftJisPiece(decoder, all.sliced(start, i - start));
        if (i < all.size())
            result += QChar(char16_t(uchar(all[i])));
        start = i + 1;
    }
    return result;
}

// Encodes a piece that has no unmappable character; false when it has one.
bool tryEncode(QStringView piece, QByteArray &out)
{
    // A fresh encoder each time: its error flag cannot be cleared.
    QStringEncoder encoder(kShiftJis, QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(piece);
    if (encoder.hasError())
        return false;
    out += bytes;
    return true;
}

qsizetype codePointLength(QStringView text, qsizetype i)
{
    if (i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate())
        return 2;
    return 1;
}

// Encodes a piece, halving a piece that fails until the few characters
// that Shift-JIS cannot hold are found; each of them becomes "？".
void encodePiece(QStringView piece, QByteArray &out, bool &replaced)
{
    if (tryEncode(piece, out))
        return;
    constexpr qsizetype kSmall = 16;
    if (piece.size() > kSmall) {
        qsizetype half = piece.size() / 2;
        if (piece[half - 1].isHighSurrogate())
            ++half;  // keep a surrogate pair together
        encodePiece(piece.first(half), out, replaced);
        encodePiece(piece.sliced(half), out, replaced);
        return;
    }
    for (qsizetype k = 0; k < piece.size();) {
        const qsizetype n = codePointLength(piece, k);
        if (!tryEncode(piece.sliced(k, n), out)) {
            out += "\x81\x48";  // full-width question mark
            replaced = true;
        }
        k += n;
    }
}

// A run holding none of the swapped control characters, in pieces of a few
// hundred characters, so that one unmappable character costs little.
void encodeRun(QStringView run, QByteArray &out, bool &replaced)
{
    constexpr qsizetype kPiece = 512;
    qsizetype i = 0;
    while (i < run.size()) {
        qsizetype end = std::min(run.size(), i + kPiece);
        if (end < run.size() && run[end - 1].isHighSurrogate())
            ++end;
        encodePiece(run.sliced(i, end - i), out, replaced);
        i = end;
    }
}

// One way of reading a file's bytes, with what speaks against it.
struct Reading {
    QString text;
    // Lines holding bytes that are no character in this encoding.
    qsizetype badLines = 0;
    // Characters a misreading of EUC-JP as Shift-JIS makes, which a kanji
    // list seldom holds: half-width katakana and private-use characters.
    qsizetype misreadSigns = 0;

    // Fewer bad lines, then fewer signs of a misreading. Shift-JIS, the code
    // page of the files the program writes, keeps a tie.
    bool betterThan(const Reading &other) const
    {
        return std::pair(badLines, misreadSigns) < std::pair(other.badLines, other.misreadSigns);
    }
};

qsizetype countMisreadSigns(const QString &text)
{
    return std::count_if(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0xFF61 && u <= 0xFF9F) || (u >= 0xE000 && u <= 0xF8FF);
    });
}

// Counts the lines a strict decoder finds bad bytes in.
qsizetype badLinesIn(const QByteArray &bytes, const char *encoding)
{
    qsizetype bad = 0;
    const QByteArrayView all(bytes);
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
        (void)decoder.decode(all.sliced(start, end - start));
        bad += decoder.hasError() ? 1 : 0;
        start = end + 1;
    }
    return bad;
}

Reading readShiftJis(const QByteArray &bytes)
{
    Reading r;
    r.text = decodeShiftJis(bytes);
    if (r.text.contains(QChar(QChar::ReplacementCharacter)))
        r.badLines = std::max<qsizetype>(1, badLinesIn(bytes, kShiftJis));
    r.misreadSigns = countMisreadSigns(r.text);
    return r;
}

Reading readEucJp(const QByteArray &bytes)
{
    Reading r;
    QStringDecoder decoder(kEucJp, QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) {
        r.badLines = bytes.size() + 1;
        return r;
    }
    r.text = decoder.decode(bytes);
    if (decoder.hasError()) {
        // The converter writes U+001A for a bad byte; a list holds no such
        // control code of its own.
        r.text.replace(QChar(0x1A), QChar(QChar::ReplacementCharacter));
        r.badLines = std::max<qsizetype>(1, badLinesIn(bytes, kEucJp));
    }
    // The converter passes the bytes EUC-JP leaves unused through as C1
    // control codes: no text holds those, so each counts as bad.
    r.badLines += std::count_if(r.text.cbegin(), r.text.cend(),
                                [](QChar c) { return c.unicode() >= 0x80 && c.unicode() <= 0x9F; });
    r.misreadSigns = countMisreadSigns(r.text);
    return r;
}

}  // namespace

QString decodeTextFile(const QByteArray &bytes)
{
    // A byte-order mark says UTF-8 even when a bad byte follows.
    if (bytes.startsWith("\xEF\xBB\xBF") || isValidUtf8(bytes))
        return decodeUtf8(bytes);
    const Reading shiftJis = readShiftJis(bytes);
    if (shiftJis.badLines == 0 && shiftJis.misreadSigns == 0)
        return shiftJis.text;
    const Reading eucJp = readEucJp(bytes);
    return eucJp.betterThan(shiftJis) ? eucJp.text : shiftJis.text;
}

QByteArray encodeShiftJis(const QString &text, bool *replaced)
{
    bool anyReplaced = false;
    QByteArray out;
    out.reserve(text.size() * 2);
    const QStringView all(text);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= all.size(); ++i) {
        if (i < all.size() && !isSwappedControl(all[i]))
            continue;
        if (i > start)
            encodeRun(all.sliced(start, i - start), out, anyReplaced);
        if (i < all.size())
            out += char(all[i].unicode());
        start = i + 1;
    }
    if (replaced)
        *replaced = anyReplaced;
    return out;
}

}  // namespace bks
