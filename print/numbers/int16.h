#pragma once

// The run's and the sheets' arithmetic: 16-bit integers that refuse to
// overflow, rounding halves to even, and numbers read from text.

#include <QString>

#include <cmath>
#include <stdexcept>

namespace bks {

// A run-time failure of the drawing or the run (a 16-bit overflow, a text
// that is not a number). The run ends silently on it; a one-character sheet
// skips the step that raised it.
class RunTimeFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Rounds to the nearest integer, halves to the even neighbour.
inline double roundHalfEven(double x)
{
    const double f = std::floor(x);
    const double frac = x - f;
    if (frac > 0.5)
        return f + 1;
    if (frac < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1;
}

inline qint16 checked16(long long v)
{
    if (v < -32768 || v > 32767)
        throw RunTimeFailure("16-bit overflow");
    return static_cast<qint16>(v);
}

// A 16-bit integer whose every operation checks for overflow.
struct Int16 {
    int v;
    Int16(long long x) : v(checked16(x)) {}  // NOLINT: literals and counters convert freely
    double d() const { return v; }
};
inline Int16 operator+(Int16 a, Int16 b)
{
    return Int16(static_cast<long long>(a.v) + b.v);
}
inline Int16 operator-(Int16 a, Int16 b)
{
    return Int16(static_cast<long long>(a.v) - b.v);
}
inline Int16 operator*(Int16 a, Int16 b)
{
    return Int16(static_cast<long long>(a.v) * b.v);
}
inline Int16 operator+(Int16 a, int b)
{
    return a + Int16(b);
}
inline Int16 operator+(int a, Int16 b)
{
    return Int16(a) + b;
}
inline Int16 operator-(Int16 a, int b)
{
    return a - Int16(b);
}
inline Int16 operator*(int a, Int16 b)
{
    return Int16(a) * b;
}
inline Int16 operator*(Int16 a, int b)
{
    return a * Int16(b);
}

// A floating-point value turned into a 16-bit integer: rounded, halves to
// even, and checked.
inline qint16 toInt16(double x)
{
    if (!std::isfinite(x))
        throw RunTimeFailure("16-bit overflow");
    const double r = roundHalfEven(x);
    if (r < -32768.0 || r > 32767.0)
        throw RunTimeFailure("16-bit overflow");
    return static_cast<qint16>(r);
}

// The numeric value of a text read as a decimal floating-point number;
// blanks around it are allowed, anything else is a run-time failure.
double numericValue(const QString &text);

// A colour number held as decimal text, as a 32-bit colour (system colours,
// negative, pass through unchanged). Text that is not a number in range is a
// run-time failure.
qint32 colourValue(const QString &text);

}  // namespace bks
