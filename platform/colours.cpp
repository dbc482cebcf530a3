#include "platform/colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace bks {

namespace {

QColor systemColour(int index)
{
    const QPalette pal = QGuiApplication::palette();
    switch (index) {
    case 5:  return pal.color(QPalette::Base);        // window background
    case 8:  return pal.color(QPalette::WindowText);  // window text
    case 15: return pal.color(QPalette::Button);      // button face
    case 16: return pal.color(QPalette::Dark);        // button shadow
    case 18: return pal.color(QPalette::ButtonText);  // button text
    case 20: return pal.color(QPalette::Light);       // button highlight
    default: return pal.color(QPalette::WindowText);
    }
}

}  // namespace

QColor colourFromNumber(qint32 number)
{
    const auto bits = static_cast<quint32>(number);
    if (bits & 0x80000000u)
        return systemColour(static_cast<int>(bits & 0xFFu));
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
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
