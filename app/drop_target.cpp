#include "app/drop_target.h"

#include "app/main_dialog.h"
#include "app/picture_files.h"
#include "skin/skin_locator.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace lumaskin {

DropTarget::DropTarget(MainDialog &dialog) : QObject(&dialog), m_dialog(dialog)
{
    // The skinned controls take no drops of their own, so every drop on the window comes here.
    dialog.setAcceptDrops(true);
    dialog.installEventFilter(this);
}

QStringList DropTarget::LocalPaths(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths << url.toLocalFile();
    }
    return paths;
}

void DropTarget::Drop(const QStringList &paths)
{
    QStringList others;
    QStringList packages;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        (info.isFile() && SkinLocator::IsPackageName(info.fileName()) ? packages : others) << path;
    }
    if (!others.isEmpty()) {
        if (const QStringList files = PictureFiles(others); !files.isEmpty())
            m_dialog.AddPaths(files);
    }
    // Several packages install one after another; the window wears the last one.
    for (const QString &package : packages)
        m_dialog.InstallSkinPackage(package);
}

bool DropTarget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_dialog)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (LocalPaths(drag->mimeData()).isEmpty())
            return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = LocalPaths(drop->mimeData());
        if (paths.isEmpty())
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // The drag source waits for the drop to be answered; a skin change or a message box
        // comes after that.
        QTimer::singleShot(0, this, [this, paths] { Drop(paths); });
        return true;
    }
    default:
        return false;
    }
}

} // namespace lumaskin
