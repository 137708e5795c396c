#include "app/main_application.h"

#include "app/main_dialog.h"
#include "notifier/task_bar_window.h"

#if LUMASKIN_HAVE_WEB_VIEW
#include "notifier/c_html_ctrl.h"
#include "notifier/start_page_scheme.h"
#endif

#include <QDir>
#include <QWindow>
#include <cstdio>
#include <time.h>
#include <unistd.h>

namespace lumaskin {

namespace {

// The notifier's page names the program's start-up skin.
constexpr char kStartPageCode[] = "Purple";

// Prints "shown <seconds>" on standard error the first time the watched window is exposed,
// read from CLOCK_MONOTONIC, the clock that start-up timing scripts read too. Opt-in through
// the environment variable LUMASKIN_REPORT_SHOWN.
class ShownReporter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::fprintf(stderr, "shown %lld.%09ld\n", static_cast<long long>(now.tv_sec),
                         now.tv_nsec);
            std::fflush(stderr);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

void MainApplication::PreparePlatform()
{
#if LUMASKIN_HAVE_WEB_VIEW
    // Chromium's sandbox refuses to start for root; the page is the program's own, served
    // from inside it, so the view runs without the sandbox there rather than not at all.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    RegisterStartPageScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#endif
}

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
    auto notifier = std::make_unique<TaskBarWindow>();
#if LUMASKIN_HAVE_WEB_VIEW
    notifier->SetHtmlViewFactory(StartPageViewFactory(QString::fromLatin1(kStartPageCode)));
#endif
    dialog.SetTaskBarPopup(std::move(notifier));
    dialog.OnInitDialog(packageFolder);
    // The window runs as the application's own loop rather than a modal loop of its own,
    // because a skin change hides it while the skin is rebuilt, and hiding would end a
    // modal loop. Whatever way the window ends, the process ends with it.
    setQuitOnLastWindowClosed(false);
    connect(&dialog, &QDialog::finished, this, &QCoreApplication::quit);
    if (qEnvironmentVariableIsSet("LUMASKIN_REPORT_SHOWN")) {
        // Made now rather than at show, so that its first expose can be watched.
        dialog.winId();
        dialog.windowHandle()->installEventFilter(new ShownReporter(&dialog));
    }
    dialog.show();
    exec();
    return 0;
}

} // namespace lumaskin
