#pragma once

#include <QString>

namespace bks {

// The kanji text as a print run sees it: characters are cut from its front.
// In the window every change goes through the text-change handling, which
// recounts the characters and refreshes the sample.
class TextQueue {
public:
    virtual ~TextQueue() = default;
    virtual QString text() const = 0;  // line breaks as CR LF
    virtual void setText(const QString &text) = 0;
    virtual qint16 charCount() const = 0;  // the window's CharCount
    virtual QString countLabel() const = 0;  // caption of the count label
    virtual void setCountLabel(const QString &caption) = 0;
};

// A queue without a window (command line, preview). It follows the window's
// rules with automatic numbering ON: the count is the length of the text,
// saturated to the 16-bit range.
class StringQueue : public TextQueue {
public:
    explicit StringQueue(QString text = {});
    QString text() const override { return m_text; }
    void setText(const QString &text) override;
    qint16 charCount() const override { return m_count; }
    QString countLabel() const override { return m_label; }
    void setCountLabel(const QString &caption) override;

private:
    QString m_text;
    QString m_label;
    qint16 m_count = 0;
};

// The length of a text as a 16-bit count; texts longer than 32,767 code
// units saturate instead of wrapping.
qint16 saturatedCount(qsizetype length);

}  // namespace bks
