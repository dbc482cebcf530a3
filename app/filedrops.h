#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QDropEvent;
class QMimeData;

namespace bks {

// The local files a drag carries; web addresses and plain text are none.
QStringList droppedFiles(const QMimeData *mime);

// Accepts a drag or drop that carries local files, as a copy: the files stay
// where the user dragged them from. Returns false (and leaves the event
// alone) when it carries none.
bool acceptFileDrag(QDropEvent *event);

// Installed on a text field, it takes drags of files away from the field
// (which would insert their addresses as text) and hands the files on.
// Other drags, text among them, reach the field as before.
class FileDropFilter : public QObject {
public:
    FileDropFilter(std::function<void(const QStringList &)> onDrop, QObject *parent)
        : QObject(parent), m_onDrop(std::move(onDrop))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QStringList &)> m_onDrop;
};

}  // namespace bks
