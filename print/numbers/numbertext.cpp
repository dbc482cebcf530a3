#include "print/numbers/numbertext.h"

namespace bks {

QString numberText(qint16 number)
{
    QString digits = QString::number(number);
    if (number >= 0)
        digits.prepend(QLatin1Char(' '));
    return digits;
}

QString fullWidthDigits(int count)
{
    QString digits = QString::number(count);
    for (QChar &c : digits)
        c = QChar(char16_t(0xFF10 + (c.unicode() - u'0')));
    return digits;
}

QString fullWidthNumberText(qint16 number)
{
    QString t = numberText(number);
    for (QChar &c : t) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            c = QChar(char16_t(0xFF10 + (u - u'0')));
        else if (u == u' ')
            c = QChar(char16_t(0x3000));
        else if (u == u'-')
            c = QChar(char16_t(0xFF0D));
    }
    return t;
}

}  // namespace bks
