#pragma once

// What the sheet layouts' drawing shares: font sizes taken from the stored
// 32-bit scale, the twips of a millimetre, and texts printed only when there
// is one.

#include <QString>

#include <cmath>

namespace bks {

// Prints a text unless it is empty (a missing character prints nothing).
template <typename Surface>
void printIfAny(Surface &surface, const QString &text)
{
    if (!text.isEmpty())
        surface.print(text);
}

inline constexpr double kTwipsPerMm = 1440.0 / 25.4;

// The integer part of scale x n, taken from the stored 32-bit value: the
// stored 0.9 is a little below 0.9, so 0.9 x 20 gives 17.
inline int scaledSize(float scale, int n)
{
    return static_cast<int>(std::floor(static_cast<double>(scale) * n));
}

}  // namespace bks
