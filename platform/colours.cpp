#include "platform/colours.h"

#include <QGuiApplication>
#include <QPalette>

#include <iterator>

namespace bks {

namespace {

QColor systemColour(int index)
{
    const QPalette pal = QGuiApplication::palette();
    switch (index) {
    case 5: return pal.color(QPalette::Base);         // window background
    case 8: return pal.color(QPalette::WindowText);   // window text
    case 15: return pal.color(QPalette::Button);      // button face
    case 16: return pal.color(QPalette::Dark);        // button shadow
    case 18: return pal.color(QPalette::ButtonText);  // button text
    case 20: return pal.color(QPalette::Light);       // button highlight
    default: return pal.color(QPalette::WindowText);
    }
}

// The classic Windows scheme, indices 0 to 24 (scroll bar ... tooltip
// background).
constexpr QRgb kClassicScheme[] = {
    0xC0C0C0, 0x008080, 0x000080, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x000080, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000, 0xFFFFE1,
};

QColor plainColour(quint32 bits)
{
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

}  // namespace

QColor printedColour(qint32 number)
{
    const auto bits = static_cast<quint32>(number);
    if (!(bits & 0x80000000u))
        return plainColour(bits);
    const quint32 index = bits & 0xFFu;
    // An index past the scheme is no colour Windows knows; it prints as text.
    return index < std::size(kClassicScheme) ? QColor(kClassicScheme[index]) : QColor(Qt::black);
}

QColor colourFromNumber(qint32 number)
{
    const auto bits = static_cast<quint32>(number);
    if (bits & 0x80000000u)
        return systemColour(static_cast<int>(bits & 0xFFu));
    return plainColour(bits);
}

qint32 colourNumberFromText(const QString &text)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return 0;
    return static_cast<qint32>(v);
}

}  // namespace bks
