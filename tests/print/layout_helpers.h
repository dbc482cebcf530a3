#pragma once

#include "print/recordingsurface.h"
#include "print/sheetlayout.h"
#include "print/sheetsettings.h"

#include <QString>

#include <ostream>
#include <vector>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace bks::test {

inline constexpr double kTwipsPerMm = 1440.0 / 25.4;
// The recording surface's printable area in twips.
inline constexpr double kPortraitW = 200.0 * kTwipsPerMm;
inline constexpr double kPortraitH = 287.0 * kTwipsPerMm;

// A sheet's settings together with the example texts the window offers
// with them: the typed ones, or the picked ones when the built-in dictionary
// is not used.
struct LayoutInput : SheetSettings {
    QString text50, text51;
    bool useSentenceTexts = false;
    std::array<QString, 2> sentenceTexts;

    std::array<QString, 2> examples() const
    {
        return useSentenceTexts ? sentenceTexts : std::array<QString, 2>{text50, text51};
    }
};

// One sheet of the practice form, drawn as the run draws it.
inline void printPractice(PrintSurface &s, const LayoutInput &input, int perSheet, const QString &characters,
                          qint16 number)
{
    printSheet(*chooseLayout(kPracticeForm, perSheet), s, SheetContent{characters, number, input.examples()},
               input);
}
inline void printOneChar(PrintSurface &s, const LayoutInput &input, const QString &character, qint16 number)
{
    printPractice(s, input, 1, character, number);
}
inline void printTwoChar(PrintSurface &s, const LayoutInput &input, const QString &pair, qint16 number)
{
    printPractice(s, input, 2, pair, number);
}

inline LayoutInput sheetSettings(const QString &face = QStringLiteral("IPAexMincho"))
{
    LayoutInput s;
    s.fontName = face;
    const char16_t *headings[] = {u"",       u"漢字練習帳", u"名前", u"音読み",
                                  u"訓読み", u"部首",       u"画数", u"文作りをしましょう"};
    for (int k = 0; k < 8; ++k)
        s.headings[k] = QString::fromUtf16(headings[k]);
    return s;
}

inline std::vector<RecordedOp> opsOf(const std::vector<RecordedOp> &ops, RecordedOp::Kind kind)
{
    std::vector<RecordedOp> out;
    for (const RecordedOp &op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

inline std::vector<RecordedOp> printsOf(const std::vector<RecordedOp> &ops, const QString &text)
{
    std::vector<RecordedOp> out;
    for (const RecordedOp &op : ops)
        if (op.kind == RecordedOp::Print && op.text == text)
            out.push_back(op);
    return out;
}

struct Pos {
    double x, y;
    bool operator==(const Pos &) const = default;
};

inline void PrintTo(const Pos &p, std::ostream *os)
{
    *os << '(' << p.x << ", " << p.y << ')';
}

inline std::vector<Pos> positions(const std::vector<RecordedOp> &ops)
{
    std::vector<Pos> out;
    for (const RecordedOp &op : ops)
        out.push_back({op.x, op.y});
    return out;
}

// The run of consecutive prints that spells `text` one character at a
// time, in drawing order; empty when there is none.
inline std::vector<RecordedOp> spelled(const std::vector<RecordedOp> &ops, const QString &text)
{
    const std::vector<RecordedOp> prints = opsOf(ops, RecordedOp::Print);
    for (size_t i = 0; i + size_t(text.size()) <= prints.size(); ++i) {
        bool match = true;
        for (qsizetype j = 0; j < text.size() && match; ++j)
            match = prints[i + size_t(j)].text == QString(text.at(j));
        if (match)
            return {prints.begin() + qsizetype(i), prints.begin() + qsizetype(i) + text.size()};
    }
    return {};
}

}  // namespace bks::test
