#include "print/textqueue.h"

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

StringQueue::StringQueue(QString text)
{
    setText(text);
}

void StringQueue::setText(const QString &text)
{
    m_text = text;
    m_count = saturatedCount(m_text.size());
    m_label = QString::number(m_text.size());
}

void StringQueue::setCountLabel(const QString &caption)
{
    m_label = caption;
    bool ok = false;
    const double v = caption.trimmed().toDouble(&ok);
    if (!ok || v != v)
        m_count = 0;
    else if (v >= std::numeric_limits<qint16>::max())
        m_count = std::numeric_limits<qint16>::max();
    else if (v <= std::numeric_limits<qint16>::min())
        m_count = std::numeric_limits<qint16>::min();
    else
        m_count = static_cast<qint16>(v);
}

}  // namespace bks
