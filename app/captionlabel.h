#pragma once

#include <QLabel>

namespace bks {

// A label whose caption changes are an event of their own: captionChanged is
// emitted when setCaption gives it a different text, as the count and
// preview labels need.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    QString caption() const { return text(); }
    void setCaption(const QString &caption)
    {
        if (caption == text())
            return;
        setText(caption);
        Q_EMIT captionChanged();
    }

Q_SIGNALS:
    void captionChanged();
};

// A picture that reports clicks.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

}  // namespace bks
