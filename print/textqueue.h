#pragma once

#include <QString>
#include <QStringView>

namespace bks {

// One character of the kanji text is what the reader sees as one: a code
// point (a character outside the Basic Multilingual Plane, 𠮟 𩸽, is never
// cut into its halves) together with the combining marks and variation
// selectors that follow it. A line break or a tab takes no marks; a mark
// with nothing before it is a character of its own, so nothing is lost.
// Returns the code units of the character at `at`.
qsizetype characterLength(QStringView text, qsizetype at);

// Variation selectors (U+FE00 to U+FE0F, U+E0100 to U+E01EF) ask for a
// shape of the character before them.
bool isVariationSelector(char32_t c);

// The character as it is counted and printed: a kana followed by the
// combining voiced or semi-voiced mark becomes the composed kana (か and
// U+3099 give が). Nothing else is normalised: a compatibility ideograph
// stays the one the user typed.
QString composedCharacter(QStringView character);

// The characters of `text` without their variation selectors, each
// composed: what a search or the stroke data look up.
QString plainCharacters(QStringView text);

// The count the window shows for a text: one per character, a line break
// (CR LF) two.
qsizetype countCharacters(QStringView text);

// The character at `index` (counted in characters, not code units),
// composed, or an empty string past the end.
QString characterAt(QStringView text, qsizetype index);

// Line breaks and tabs lay a list out; they are never printed as sheets.
inline bool isLayoutBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t');
}

// The first `n` characters to print of `text`, composed, line breaks and
// tabs left out.
QString printableFront(QStringView text, int n);

// The kanji text as a print run sees it: characters are taken from its front.
// The queue keeps the text and a position, so taking a character costs the
// same for a list of a hundred characters as for one of a hundred thousand.
// A window follows every change through `changed()`.
class TextQueue {
public:
    explicit TextQueue(QString text = {});
    virtual ~TextQueue() = default;

    // What is still queued, line breaks as CR LF.
    QString text() const { return m_pos == 0 ? m_text : m_text.mid(m_pos); }
    void setText(const QString &text);
    void append(const QString &text);
    bool isEmpty() const { return m_pos >= m_text.size(); }
    // The next `n` characters to print, without taking them.
    QString front(int n) const { return printableFront(QStringView(m_text).sliced(m_pos), n); }

    // The count the window shows: the characters, saturated to the 16-bit
    // range.
    qint16 charCount() const { return m_count; }

    // Characters still queued, counted as the window counts them.
    qsizetype characters() const { return m_characters; }
    // How many of the first `count` characters (as the window counts them)
    // are printed: line breaks and tabs are not.
    qsizetype printableWithin(qsizetype count) const;
    qsizetype printableCount() const { return printableWithin(m_characters); }

    // Takes the next `n` characters to print from the front, together with
    // the line breaks and tabs before, between and after them, and returns
    // them composed. Returns fewer when the text runs out.
    QString takeFront(int n);

protected:
    // Runs after every change of the queued text.
    virtual void changed() {}

private:
    void recount();
    void skipBreaks();

    QString m_text;
    qsizetype m_pos = 0;
    qsizetype m_characters = 0;
    qint16 m_count = 0;
};

// The length of a text as a 16-bit count; texts longer than 32,767 characters
// saturate instead of wrapping.
qint16 saturatedCount(qsizetype length);

}  // namespace bks
