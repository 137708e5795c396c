#pragma once

#include <QObject>
#include <QStringList>

class QMimeData;

namespace lumaskin {

class MainDialog;

// Files dropped on the main window: skin packages (.zip, .skn) are installed and worn, every
// other file is put into the list, and a folder puts the pictures in it into the list.
class DropTarget : public QObject
{
    Q_OBJECT

public:
    explicit DropTarget(MainDialog &dialog);

    // The local files a drag carries; empty when it carries none.
    static QStringList LocalPaths(const QMimeData *data);
    // Acts on dropped paths as a drop on the window does.
    void Drop(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainDialog &m_dialog;
};

} // namespace lumaskin
