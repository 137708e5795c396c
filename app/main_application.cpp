#include "app/main_application.h"

#include "app/app_settings.h"
#include "app/drop_target.h"
#include "app/main_dialog.h"
#include "app/main_window_keys.h"
#include "app/main_window_session.h"
#include "app/picture_files.h"
#include "notifier/c_html_ctrl.h"
#include "notifier/task_bar_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <time.h>
#include <unistd.h>

namespace lumaskin {

namespace {

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

// What the one message says when no skin package is found anywhere.
QString NoSkinText(const SkinLocator &locator)
{
    return QCoreApplication::translate(
               "MainApplication",
               "No skin package was found, so Lumaskin cannot show its window.\n\n"
               "It looked for %1 and the other skin packages in:\n%2\n\n"
               "Install Lumaskin with its skins, or put skin packages into %3.")
        .arg(QLatin1String(SkinSwitcher::kStartupPackageFile),
             QStringLiteral("  ") + locator.Folders().join(QStringLiteral("\n  ")),
             locator.UserFolder());
}

// Ends the event loop on SIGINT, SIGTERM or SIGHUP (a terminal closed, a session logging out),
// so that the window ends as if closed: where it stood remembered, the unpacked skin removed.
// The handler only writes a byte to a pipe; the loop reads it.
class EndingSignals : public QObject
{
public:
    explicit EndingSignals(QObject *parent) : QObject(parent)
    {
        if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        auto *notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [] {
            char byte = 0;
            while (::read(s_pipe[0], &byte, 1) > 0) {
            }
            QCoreApplication::quit();
        });
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
            struct sigaction handler = {};
            handler.sa_handler = OnSignal;
            sigemptyset(&handler.sa_mask);
            handler.sa_flags = SA_RESTART;
            ::sigaction(signal, &handler, nullptr);
        }
    }

private:
    static void OnSignal(int)
    {
        const int saved = errno;
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &byte, 1);
        errno = saved;
    }

    static inline int s_pipe[2] = {-1, -1};
};

} // namespace

QString MainApplication::InstalledSkinsFolder()
{
    return QDir::cleanPath(applicationDirPath() + QStringLiteral("/../share/lumaskin/skins"));
}

MainApplication::MainApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Lumaskin"));
    setApplicationVersion(QStringLiteral(LUMASKIN_VERSION));
    // Names the desktop entry, so that desktops find the program's icon and name for it.
    setDesktopFileName(QStringLiteral(LUMASKIN_APP_ID));
}

int MainApplication::Run(const QStringList &files)
{
    AppSettings settings;
    const SkinLocator locator =
        SkinLocator::ForStartup(QDir::currentPath(), InstalledSkinsFolder());

    // Made before the window, which uses them until it is gone: the program's one way of
    // asking and telling the user things, and its file and folder choosers.
    QtMessageBoxes messages;
    QtMainDialogPrompts prompts(nullptr);
    prompts.RememberIn(&settings);
    MainDialog dialog(messages, prompts);
    prompts.SetFolderOwner(&dialog);
    // The desktop's icon of the program where its theme has one (the window has its own).
    setWindowIcon(QIcon::fromTheme(QStringLiteral(LUMASKIN_APP_ID), dialog.Icon()));
    auto ownNotifier = std::make_unique<TaskBarWindow>();
    // The page is named after the skin once one has loaded.
    ownNotifier->SetHtmlViewFactory(StartPageViewFactory({}));
    dialog.SetTaskBarPopup(std::move(ownNotifier));
    dialog.SetNotesShown(settings.NotesShown());
    if (!dialog.OnInitDialog(locator, settings.Skin())) {
        messages.Show(NoSkinText(locator), MessageButtons::Ok, MessageIcon::Stop);
        return 1;
    }
    // Owned by the window.
    auto *session = new MainWindowSession(dialog, settings);
    session->Restore();
    // A desktop session that ends asks running programs to keep their data first.
    connect(this, &QGuiApplication::commitDataRequest, session, [session] { session->Save(); });
    new DropTarget(dialog);
    InstallMainWindowKeys(dialog);
    QStringList missing;
    const QStringList pictures = PictureFiles(files, &missing);
    for (const QString &path : missing)
        std::fputs(
            QCoreApplication::translate("MainApplication", "lumaskin: %1: no such file or folder\n")
                .arg(path)
                .toLocal8Bit()
                .constData(),
            stderr);
    // The window runs as the application's own loop rather than a modal loop of its own,
    // because a skin change hides it while the skin is rebuilt, and hiding would end a
    // modal loop. Whatever way the window ends, the process ends with it.
    setQuitOnLastWindowClosed(false);
    connect(&dialog, &QDialog::finished, this, &QCoreApplication::quit);
    new EndingSignals(&dialog);

    // Made now rather than at show, so that its first expose can be watched.
    dialog.winId();
    const bool reportShown = qEnvironmentVariableIsSet("LUMASKIN_REPORT_SHOWN");
    new FirstExposeWatcher(dialog.windowHandle(), [reportShown] {
        // Opt-in for start-up timing.
        if (reportShown)
            ReportShown();
    });
    dialog.show();
    if (!pictures.isEmpty())
        QTimer::singleShot(0, &dialog, [&dialog, pictures] { dialog.AddPaths(pictures); });
    exec();
    session->Save();
    return 0;
}

} // namespace lumaskin
