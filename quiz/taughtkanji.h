#pragma once

#include <QHash>
#include <QString>

namespace bks {

// Which kanji a test may take as taught when it asks one kanji of its list:
// a word is fair when every other kanji in it has been taught by then.
class TaughtKanji {
public:
    // A publisher's grade list: that publisher's earlier grades and this
    // grade's kanji up to the one asked, in its order. A kanji the grade's
    // list lacks is taken as a typed list would take it.
    static TaughtKanji ofPublisher(const QString &publisher, int grade, const QString &list);
    // A typed or loaded list: the 2020 allocation's earlier grades and the
    // kanji before the one asked in the list.
    static TaughtKanji ofList(const QString &list);

    // Whether `kanji` is taught when `target` is asked.
    bool isTaught(char32_t kanji, char32_t target) const;

private:
    // Place in the publisher's teaching order.
    QHash<char32_t, int> m_publisherOrder;
    // First place in the list.
    QHash<char32_t, int> m_listOrder;
};

}  // namespace bks
