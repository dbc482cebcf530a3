#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

namespace bks {

inline const QString kDataFileFilter = QStringLiteral("テキストファイル(*.txt)|*.txt|");
inline const QString kTempFileName = QStringLiteral("BKStmp.txt");
inline constexpr qint64 kMaxDataFileBytes = 4 * 1024 * 1024;

// Why a kanji-list file could not be read.
enum class LoadError { None, NotFound, NotAFile, TooLarge, NotText, Unreadable };

// Loads a kanji-list file: the whole text as it was saved (line breaks as
// CR LF), with the one line break the save appended removed. Fails with
// loadErrorMessage() for what went wrong.
Result<QString> LoadDataFile(const QString &path);
// The bytes-level half of LoadDataFile: refuses bytes that are not text
// (failing with loadProblem(LoadError::NotText)), decodes the rest and
// returns it with CR LF line breaks, minus the one line break at the end.
Result<QString> decodeDataFile(const QByteArray &bytes);
// `text` with every line break (CR LF, LF or CR alone) as CR LF.
QString withCrLf(const QString &text);

// What went wrong, for the user, in Japanese.
QString loadProblem(LoadError error);
// The same followed by the file's name: what a failed load says.
QString loadErrorMessage(LoadError error, const QString &path);

// Writes the text and CR LF in Shift-JIS, atomically; fails (saying why and
// naming the file) with the previous file kept.
Result<> SaveDataFile(const QString &path, const QString &text);
// The temporary copy before every print, "BKStmp.txt" in `directory`.
Result<> SaveTempDataFile(const QString &text, const QString &directory = QStringLiteral("."));

}  // namespace bks
