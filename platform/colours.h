#pragma once

#include <QColor>
#include <QString>

namespace bks {

// Colour numbers as stored and passed around by the program: red in the low
// byte (red + 256 * green + 65536 * blue). A number with the top bit set names
// a system colour by its low byte.
inline constexpr qint32 kButtonFace = static_cast<qint32>(0x8000000F);  // -2147483633
inline constexpr qint32 kButtonText = static_cast<qint32>(0x80000012);  // -2147483630
inline constexpr qint32 kLightCyan = 16777088;                          // red 128, green 255, blue 255
inline constexpr qint32 kLightGrey = 12632256;                          // 192, 192, 192
inline constexpr qint32 kPaleGrey = 14737632;                           // 224, 224, 224
inline constexpr qint32 kWhite = 16777215;

inline constexpr qint32 rgbNumber(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

// Turns a colour number into a colour. System colours come from the
// application palette (button face and button text are the two the program
// uses); without a running GUI application the palette falls back to Qt's
// defaults.
QColor colourFromNumber(qint32 number);

// The same for paper: a system colour prints as the colour it has in the
// classic Windows scheme the stored numbers come from (button face a mid
// grey of 192), never as the desktop theme paints it, so a dark or pale
// theme cannot wash out what the pupil traces.
QColor printedColour(qint32 number);

// Parses a colour number held as decimal text ("12632256", "-2147483633").
// Text that is not a number in the 32-bit range gives black.
qint32 colourNumberFromText(const QString &text);

}  // namespace bks
