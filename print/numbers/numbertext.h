#pragma once

#include <QString>

namespace bks {

// A sheet number as the display form of a number: a leading space for a
// number of zero or more, a minus sign otherwise (" 7", "-7").
QString numberText(qint16 number);

// The digits of a count of zero or more in their full-width forms ("１０").
QString fullWidthDigits(int count);

// The same with every character in its full-width form (digits U+FF10 to
// U+FF19, the space U+3000, the minus sign U+FF0D).
QString fullWidthNumberText(qint16 number);

}  // namespace bks
