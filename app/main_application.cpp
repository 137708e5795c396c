#include "app/main_application.h"

#include "app/main_dialog.h"
#include "notifier/c_html_ctrl.h"
#include "notifier/task_bar_window.h"

#include <QDir>
#include <QWindow>
#include <cstdio>
#include <functional>
#include <time.h>

namespace lumaskin {

namespace {

// The notifier's page names the program's start-up skin.
constexpr char kStartPageCode[] = "Purple";

// Runs an action once, the first time the watched window is exposed.
class FirstExposeWatcher : public QObject
{
public:
    FirstExposeWatcher(QWindow *window, std::function<void()> action)
        : QObject(window), m_action(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            m_action();
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

// Prints "shown <seconds>" on standard error, read from CLOCK_MONOTONIC, the clock that
// start-up timing scripts read too.
void ReportShown()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "shown %lld.%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
    std::fflush(stderr);
}

} // namespace

MainApplication::MainApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Lumaskin"));
    setApplicationVersion(QStringLiteral(LUMASKIN_VERSION));
    setDesktopFileName(QStringLiteral("lumaskin"));
}

int MainApplication::Run()
{
    // Skin packages are read from the folder the program was started in.
    const QString packageFolder = QDir::currentPath();

    MainDialog dialog;
    auto ownNotifier = std::make_unique<TaskBarWindow>();
    ownNotifier->SetHtmlViewFactory(StartPageViewFactory(QString::fromLatin1(kStartPageCode)));
    dialog.SetTaskBarPopup(std::move(ownNotifier));
    dialog.OnInitDialog(packageFolder);
    // The window runs as the application's own loop rather than a modal loop of its own,
    // because a skin change hides it while the skin is rebuilt, and hiding would end a
    // modal loop. Whatever way the window ends, the process ends with it.
    setQuitOnLastWindowClosed(false);
    connect(&dialog, &QDialog::finished, this, &QCoreApplication::quit);

    // Made now rather than at show, so that its first expose can be watched.
    dialog.winId();
    const bool reportShown = qEnvironmentVariableIsSet("LUMASKIN_REPORT_SHOWN");
    new FirstExposeWatcher(dialog.windowHandle(), [reportShown] {
        // Opt-in for start-up timing.
        if (reportShown)
            ReportShown();
    });
    dialog.show();
    exec();
    return 0;
}

} // namespace lumaskin
