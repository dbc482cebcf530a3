#include "print/numbers/int16.h"

namespace bks {

double numericValue(const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw RunTimeFailure("not a number");
    return v;
}

qint32 colourValue(const QString &text)
{
    const double r = roundHalfEven(numericValue(text));
    if (r < -2147483648.0 || r > 2147483647.0)
        throw RunTimeFailure("32-bit overflow");
    return static_cast<qint32>(r);
}

}  // namespace bks
