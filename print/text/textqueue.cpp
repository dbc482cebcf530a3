#include "print/text/textqueue.h"

#include <limits>

namespace bks {

qint16 saturatedCount(qsizetype length)
{
    if (length > std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    if (length < 0)
        return 0;
    return static_cast<qint16>(length);
}

TextQueue::TextQueue(QString text)
{
    m_text = std::move(text);
    recount();
}

void TextQueue::setText(const QString &text)
{
    m_text = text;
    m_pos = 0;
    recount();
    changed();
}

void TextQueue::append(const QString &text)
{
    setText(this->text() + text);
}

void TextQueue::recount()
{
    m_characters = countCharacters(QStringView(m_text).sliced(m_pos));
    m_count = saturatedCount(m_characters);
}

qsizetype TextQueue::printableWithin(qsizetype count) const
{
    const QStringView rest = QStringView(m_text).sliced(m_pos);
    qsizetype printable = 0;
    qsizetype i = 0;
    for (qsizetype seen = 0; seen < count && i < rest.size(); ++seen) {
        if (!isLayoutBreak(rest[i]))
            ++printable;
        i += characterLength(rest, i);
    }
    return printable;
}

void TextQueue::skipBreaks()
{
    while (m_pos < m_text.size() && isLayoutBreak(m_text[m_pos])) {
        ++m_pos;
        --m_characters;
    }
}

QString TextQueue::takeFront(int n)
{
    QString taken;
    skipBreaks();
    for (int k = 0; k < n && m_pos < m_text.size(); ++k) {
        const qsizetype len = characterLength(m_text, m_pos);
        appendComposed(taken, QStringView(m_text).sliced(m_pos, len));
        m_pos += len;
        --m_characters;
        skipBreaks();
    }
    m_count = saturatedCount(m_characters);
    changed();
    return taken;
}

}  // namespace bks
