#include "app/filedrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace bks {

QStringList droppedFiles(const QMimeData *mime)
{
    QStringList files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl &url : mime->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

bool acceptFileDrag(QDropEvent *event)
{
    if (droppedFiles(event->mimeData()).isEmpty())
        return false;
    // A move would let the source delete the file once it is read.
    if (event->possibleActions() & Qt::CopyAction) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
    return true;
}

bool FileDropFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: return acceptFileDrag(static_cast<QDropEvent *>(event));
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = droppedFiles(drop->mimeData());
        if (!acceptFileDrag(drop))
            return false;
        m_onDrop(files);
        return true;
    }
    default: return QObject::eventFilter(watched, event);
    }
}

}  // namespace bks
