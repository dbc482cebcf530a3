#pragma once

#include <QString>
#include <QStringView>

namespace bks {

// One character of the kanji text: a code point, so that a character outside
// the Basic Multilingual Plane (𠮟, 𩸽) is never cut into its halves.
// Returns 2 for a surrogate pair at `at`, otherwise 1.
qsizetype characterLength(QStringView text, qsizetype at);

// The count the window shows for a text: one per character, a surrogate pair
// one, a line break (CR LF) two.
qsizetype countCharacters(QStringView text);

// The character at `index` (counted in characters, not code units), or an
// empty string past the end.
QString characterAt(QStringView text, qsizetype index);

// Line breaks and tabs lay a list out; they are never printed as sheets.
inline bool isLayoutBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t');
}

// The first `n` characters to print of `text`, line breaks and tabs left out.
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
    // the line breaks and tabs before, between and after them. Returns fewer
    // when the text runs out.
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
