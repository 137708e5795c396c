// Lumaskin's entry point. Until the skinned main window is in place this shows a small window
// that says what the program is.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumaskin"));
    QApplication::setApplicationVersion(QStringLiteral(LUMASKIN_VERSION));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Lumaskin"));
    auto *layout = new QVBoxLayout(&window);
    auto *title = new QLabel(QStringLiteral("<h1>Lumaskin</h1>"), &window);
    auto *about = new QLabel(
        QStringLiteral("Colour adjustments, filters and batch conversion of pictures,\n"
                       "behind a window drawn entirely from skin packages.\n\n"
                       "The skinned main window is on its way."),
        &window);
    title->setAlignment(Qt::AlignCenter);
    about->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addWidget(about);
    window.resize(460, 220);
    window.show();
    return app.exec();
}
