// A small window that files can be dragged from, as from a file manager: a press on it starts
// a drag of the files named on its command line. The end-to-end test moves the mouse with
// xdotool from here to Lumaskin's window, so the drop arrives the way a real one does.
// Prints "dropped" or "refused" when the drag ends.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class DragSource : public QWidget
{
public:
    explicit DragSource(const QStringList &files) : m_files(files) {}

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), Qt::darkCyan); }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto *mime = new QMimeData;
        QList<QUrl> urls;
        for (const QString &file : m_files)
            urls << QUrl::fromLocalFile(file);
        mime->setUrls(urls);
        auto *drag = new QDrag(this);
        drag->setMimeData(mime);
        const Qt::DropAction action = drag->exec(Qt::CopyAction);
        std::printf("%s\n", action == Qt::CopyAction ? "dropped" : "refused");
        std::fflush(stdout);
    }

private:
    QStringList m_files;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    DragSource source(QApplication::arguments().mid(1));
    source.setWindowTitle(QStringLiteral("drag source"));
    source.setGeometry(0, 0, 100, 100);
    source.show();
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}
