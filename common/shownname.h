#pragma once

#include <QString>

namespace bks {

// A name the system hands over (a file's, a printer queue's) as a message
// shows it: control characters, line and paragraph separators and the
// marks that turn the direction of text become visible escapes ("\x1b",
// "\u202e"), so a name can neither break a message into lines that look
// like the program's own nor hide what it is.
inline QString shownName(const QString &name)
{
    QString shown;
    shown.reserve(name.size());
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool turnsDirection = (u >= 0x200E && u <= 0x200F) || (u >= 0x202A && u <= 0x202E)
                                    || (u >= 0x2066 && u <= 0x2069);
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else if (category == QChar::Separator_Line || category == QChar::Separator_Paragraph
                 || turnsDirection)
            shown += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

}  // namespace bks
