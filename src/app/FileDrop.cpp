#include "app/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

QStringList localFiles(const QMimeData *data)
{
    QStringList paths;
    if (data == nullptr)
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

FileDrop::FileDrop(QWidget *window, Handler handler) : QObject(window), m_handler(std::move(handler))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->acceptDrops())
            control->installEventFilter(this);
    }
}

bool FileDrop::eventFilter(QObject *, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    // Entering and moving are drop events too: each carries what is dragged.
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList paths = localFiles(drop->mimeData());
    if (paths.isEmpty() || !(drop->possibleActions() & Qt::CopyAction))
        return false;
    // A file is only read: answering "move" would let the source delete it.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        m_handler(paths);
    return true;
}
