#include "files/datafile.h"

#include "common/shownname.h"
#include "files/checkedfile.h"
#include "files/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <filesystem>
#include <system_error>

namespace bks {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

std::filesystem::path fsPath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// A binary file without zero bytes still decodes, into control codes and
// replacement characters; printed, it would be thousands of sheets of junk.
// A few bad bytes in a short list are the user's to see and mend.
bool mostlyNotText(const QString &text)
{
    qsizetype junk = 0;
    qsizetype counted = 0;
    // By code point: a character beyond the BMP is one character, as it is
    // once saved (as one "？" in Shift-JIS), so a list the program wrote
    // itself always loads again.
    for (const char32_t c : text.toUcs4()) {
        if (c == U'\r' || c == U'\n' || c == U'\t')
            continue;
        ++counted;
        if (c < 0x20 || c == 0x7F || c == QChar::ReplacementCharacter)
            ++junk;
    }
    // Random bytes decode to about a quarter junk (the rest falls on kanji and
    // kana); a list the user wrote has next to none.
    constexpr qsizetype kShortList = 16;
    return counted >= kShortList && junk * 5 > counted;
}

}  // namespace

QString withCrLf(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            out += kCrLf;
            if (i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n')) {
            out += kCrLf;
        } else {
            out += c;
        }
    }
    return out;
}

Result<QString> decodeDataFile(const QByteArray &bytes)
{
    const Failure notText{loadProblem(LoadError::NotText)};
    QString text;
    // Notepad's "Unicode" files carry a UTF-16 byte-order mark and are text
    // all the same, although nearly every other byte is zero.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                            : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
        text = decoder.decode(bytes);
    } else {
        if (bytes.contains('\0'))
            return notText;
        text = decodeTextFile(bytes);
    }
    if (text.contains(QChar(0)) || mostlyNotText(text))
        return notText;
    text = withCrLf(text);
    if (text.endsWith(kCrLf))
        text.chop(2);
    return text;
}

Result<QString> LoadDataFile(const QString &path)
{
    auto failed = [&path](LoadError error) { return Failure{loadErrorMessage(error, path)}; };
    if (path.isEmpty())
        return failed(LoadError::NotFound);
    // Look before opening: a folder, a pipe or a device is refused without
    // being opened, and a huge file without being read.
    std::error_code ec;
    const auto type = std::filesystem::status(fsPath(path), ec).type();
    if (type == std::filesystem::file_type::not_found)
        return failed(LoadError::NotFound);
    if (ec || type == std::filesystem::file_type::none || type == std::filesystem::file_type::unknown)
        return failed(LoadError::Unreadable);
    if (type != std::filesystem::file_type::regular)
        return failed(LoadError::NotAFile);
    if (QFileInfo(path).size() > kMaxDataFileBytes)
        return failed(LoadError::TooLarge);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(LoadError::Unreadable);
    // Read at most one byte past the limit, in case the file grew since.
    const QByteArray bytes = file.read(kMaxDataFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(LoadError::Unreadable);
    if (bytes.size() > kMaxDataFileBytes)
        return failed(LoadError::TooLarge);
    Result<QString> text = decodeDataFile(bytes);
    if (!text)
        return failed(LoadError::NotText);
    return text;
}

QString loadProblem(LoadError error)
{
    switch (error) {
    case LoadError::None: break;
    case LoadError::NotFound: return QStringLiteral("ファイルが見つかりません。");
    case LoadError::NotAFile: return QStringLiteral("フォルダなどファイルでないものは読み込めません。");
    case LoadError::TooLarge: return QStringLiteral("ファイルが大きすぎるため読み込めません。");
    case LoadError::NotText: return QStringLiteral("テキストファイルではないため読み込めません。");
    case LoadError::Unreadable: return QStringLiteral("ファイルを読み込めませんでした。");
    }
    return {};
}

QString loadErrorMessage(LoadError error, const QString &path)
{
    if (error == LoadError::None)
        return {};
    return loadProblem(error) + kCrLf + shownName(QDir::toNativeSeparators(path));
}

Result<> SaveDataFile(const QString &path, const QString &text)
{
    return writeFileAtomically(path, encodeShiftJis(withCrLf(text) + kCrLf));
}

Result<> SaveTempDataFile(const QString &text, const QString &directory)
{
    return SaveDataFile(QDir(directory).filePath(kTempFileName), text);
}

}  // namespace bks
