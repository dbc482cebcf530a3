#pragma once

#include "print/text/characters.h"

#include <QString>
#include <QStringView>

namespace bks {

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
