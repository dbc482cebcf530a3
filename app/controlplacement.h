#pragma once

// Placing the window's controls at their designed positions, which are in
// twips (15 twips to a pixel).
#include <QString>
#include <QWidget>

namespace bks {

inline constexpr int kTwipsPerPixel = 15;

inline int px(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

template <typename W>
W *place(W *w, const QString &name, int left, int top, int width, int height)
{
    w->setObjectName(name);
    w->setGeometry(px(left), px(top), px(width), px(height));
    return w;
}

// Colours are numbers in blue-green-red order. A background shows on a
// label, a field and a drop-down's edit field alike.
void setLabelBackground(QWidget *w, qint32 colour);
void setLabelTextColour(QWidget *w, qint32 colour);

// The name of one element of a control array, "Label9(3)".
inline QString indexed(const char *name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

}  // namespace bks
