#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace bks {

// The publishers in the order of the publisher box, without its last item
// "文字なし".
QStringList PublisherNames();
// "１年" … "６年" (full-width digits).
QStringList GradeNames();
inline const QString kNoCharacters = QStringLiteral("文字なし");

// The kanji list of one publisher and grade in the publisher's teaching
// order; nullopt unless both names match exactly.
std::optional<QString> GradeKanji(const QString &publisher, const QString &grade);

}  // namespace bks
