#include "print/surfaces/fullwidth.h"

#include <QByteArray>
#include <QStringDecoder>

#include <bitset>

namespace bks {

namespace {

bool inWideBlock(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F)        // Hangul leading jamo
           || (c >= 0x2E80 && c <= 0x303E)     // radicals, CJK symbols and punctuation
           || (c >= 0x3041 && c <= 0x33FF)     // kana, bopomofo, CJK compatibility
           || (c >= 0x3400 && c <= 0x4DBF)     // CJK extension A
           || (c >= 0x4E00 && c <= 0x9FFF)     // CJK unified ideographs
           || (c >= 0xA000 && c <= 0xA4CF)     // Yi
           || (c >= 0xAC00 && c <= 0xD7A3)     // Hangul syllables
           || (c >= 0xF900 && c <= 0xFAFF)     // CJK compatibility ideographs
           || (c >= 0xFE30 && c <= 0xFE4F)     // CJK compatibility forms
           || (c >= 0xFF01 && c <= 0xFF60)     // full-width forms
           || (c >= 0xFFE0 && c <= 0xFFE6)     // full-width signs
           || (c >= 0x1F300 && c <= 0x1F64F)   // pictographs and emoticons
           || (c >= 0x1F900 && c <= 0x1F9FF)   // supplemental pictographs
           || (c >= 0x20000 && c <= 0x3FFFD);  // CJK extensions B and beyond
}

// Every character the code page writes with two bytes, found once by
// decoding each lead and trail byte pair. Each pair is followed by a line
// feed, which can never be a trail byte, so a pair the code page leaves
// unassigned cannot swallow its neighbour.
std::bitset<0x10000> twoByteCharacters()
{
    QByteArray pairs;
    pairs.reserve(60 * 188 * 3);
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            pairs.append(char(lead)).append(char(trail)).append('\n');
        }
    }
    std::bitset<0x10000> set;
    QStringDecoder decoder("Shift_JIS", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return set;
    const QString text = decoder.decode(pairs);
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        if (end - start == 1) {
            const char16_t u = text.at(start).unicode();
            if (u >= 0x80 && u != 0xFFFD)
                set.set(u);
        }
        start = end + 1;
    }
    return set;
}

}  // namespace

bool isFullWidth(char32_t c)
{
    static const std::bitset<0x10000> twoByte = twoByteCharacters();
    return inWideBlock(c) || (c < 0x10000 && twoByte.test(c));
}

}  // namespace bks
