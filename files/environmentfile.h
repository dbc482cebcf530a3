#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace bks {

inline const QString kEnvironmentFileName = QStringLiteral("BKS.ini");

// What start-up reads from BKS.ini: nine fields, fields read before an error
// kept.
struct EnvironmentData {
    std::array<QString, 8> headings;  // slots 1..7
    QString fontName;
    QString character;
    int fieldsRead = 0;  // 0 when the file is missing or unreadable
    bool complete() const { return fieldsRead >= 9; }
};

// Splits text into fields by the list-input rules of the old text files: a
// field ends at a comma or a line end; leading blanks and empty line ends
// before a field are skipped; a field beginning with a double quote runs to
// the next double quote and may hold commas. Stops after `maxFields`.
QStringList readListFields(const QString &text, int maxFields);

// The fields of a settings file's bytes (Shift-JIS or UTF-8).
EnvironmentData parseEnvironment(const QByteArray &bytes);
// Reads at most the first 64 KiB of the file.
EnvironmentData ReadEnvironmentFile(const QString &path = kEnvironmentFileName);

// The one line of nine comma-joined fields. A field that holds a comma,
// begins with a double quote or has blanks at either end is quoted so that it
// reads back whole; a double quote inside a field becomes "＂".
QString BuildEnvironmentLine(const std::array<QString, 8> &headings, const QString &fontName,
                             const QString &character);

// Writes the line and CR LF in Shift-JIS, atomically; fails (saying why)
// with the previous file kept.
Result<> WriteEnvironmentFile(const QString &line, const QString &path = kEnvironmentFileName);

}  // namespace bks
