#include "quiz/taughtkanji.h"

#include "kanji/gradetables.h"
#include "kanji/kanjisearch.h"

namespace bks {
namespace {

// Kanji outside the education kanji come after all six grades.
constexpr int kLaterThanSchool = 7;

QHash<char32_t, int> firstPlaces(const QString &text, QHash<char32_t, int> out = {})
{
    for (uint c : text.toUcs4())
        out.insert(char32_t(c), out.value(char32_t(c), int(out.size())));
    return out;
}

int schoolGrade(char32_t kanji)
{
    static const QHash<char32_t, int> grades = [] {
        QHash<char32_t, int> out;
        for (int grade = 1; grade <= 6; ++grade) {
            for (uint c : SearchList(grade).toUcs4())
                out.insert(char32_t(c), grade);
        }
        return out;
    }();
    return grades.value(kanji, kLaterThanSchool);
}

}  // namespace

TaughtKanji TaughtKanji::ofPublisher(const QString &publisher, int grade, const QString &list)
{
    TaughtKanji out = ofList(list);
    const QStringList grades = GradeNames();
    for (int g = 1; g <= grade && g <= grades.size(); ++g)
        out.m_publisherOrder = firstPlaces(GradeKanji(publisher, grades[g - 1]).value_or(QString()),
                                           std::move(out.m_publisherOrder));
    return out;
}

TaughtKanji TaughtKanji::ofList(const QString &list)
{
    TaughtKanji out;
    out.m_listOrder = firstPlaces(list);
    return out;
}

bool TaughtKanji::isTaught(char32_t kanji, char32_t target) const
{
    if (kanji == target)
        return true;
    const auto asked = m_publisherOrder.constFind(target);
    if (asked != m_publisherOrder.cend()) {
        const auto other = m_publisherOrder.constFind(kanji);
        return other != m_publisherOrder.cend() && *other < *asked;
    }
    if (schoolGrade(kanji) < schoolGrade(target))
        return true;
    const auto other = m_listOrder.constFind(kanji);
    const auto place = m_listOrder.constFind(target);
    return other != m_listOrder.cend() && place != m_listOrder.cend() && *other < *place;
}

}  // namespace bks
