#include "kanji/kanjifacttypes.h"

namespace bks {

QString KanjiReading::marked() const
{
    if (!hasOkurigana())
        return text;
    return stem() + QLatin1Char('(') + okurigana() + QLatin1Char(')');
}

QString radicalPlaceName(RadicalPlace place)
{
    switch (place) {
    case RadicalPlace::Unknown: return QString();
    case RadicalPlace::Whole: return QStringLiteral("字全体");
    case RadicalPlace::Left: return QStringLiteral("へん");
    case RadicalPlace::Right: return QStringLiteral("つくり");
    case RadicalPlace::Top: return QStringLiteral("かんむり");
    case RadicalPlace::Bottom: return QStringLiteral("あし");
    case RadicalPlace::Tare: return QStringLiteral("たれ");
    case RadicalPlace::Nyo: return QStringLiteral("にょう");
    case RadicalPlace::Kamae: return QStringLiteral("かまえ");
    case RadicalPlace::Inside: return QStringLiteral("内側");
    }
    return QString();
}

QString toHiragana(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        // ァ (U+30A1) … ヶ (U+30F6) lie 0x60 above ぁ … ゖ.
        if (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6)
            c = QChar(c.unicode() - 0x60);
    }
    return out;
}

}  // namespace bks
