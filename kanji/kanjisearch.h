#pragma once

#include <QString>

#include <optional>

namespace bks {

struct GradeHit {
    int grade = 0;      // 1 … 6
    QString gradeText;  // "一年" … "六年"
    QString list;       // that grade's whole list
    int position = 0;   // 1-based position of the searched text in the list
};

// The grade lists of the search, in the order they are searched.
QString SearchList(int grade);       // grade 1 … 6
QString SearchGradeText(int grade);  // "一年" … "六年"

// Finds the first grade whose list contains `text` (an exact substring);
// nullopt when none does or `text` is empty.
std::optional<GradeHit> FindGrade(const QString &text);

// The text put into the kanji box when a search finds nothing, lines joined
// by "\r\n".
QString NotFoundText();
inline const QString kNotFoundMessage = QStringLiteral("検索文字は教育漢字には含まれていません");

}  // namespace bks
