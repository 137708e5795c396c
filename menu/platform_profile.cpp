#include "menu/platform_profile.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <cstdlib>
#include <memory>

#if LUMASKIN_MENU_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace lumaskin {

namespace {

#if LUMASKIN_MENU_HAVE_XCB
struct FreeDeleter
{
    void operator()(void *pointer) const { std::free(pointer); }
};

// A compositing manager announces itself by owning the selection _NET_WM_CM_S<screen>.
bool X11CompositorRunning(xcb_connection_t *connection, int screen)
{
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    const auto atomCookie = xcb_intern_atom(connection, 1, quint16(name.size()), name.constData());
    std::unique_ptr<xcb_intern_atom_reply_t, FreeDeleter> atom(
        xcb_intern_atom_reply(connection, atomCookie, nullptr));
    // With only_if_exists set, an atom nobody ever named comes back as none: no owner either.
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const auto ownerCookie = xcb_get_selection_owner(connection, atom->atom);
    std::unique_ptr<xcb_get_selection_owner_reply_t, FreeDeleter> owner(
        xcb_get_selection_owner_reply(connection, ownerCookie, nullptr));
    return owner && owner->owner != XCB_NONE;
}
#endif

bool ProbeSystemShadows()
{
    const QString platform = QGuiApplication::platformName();
    // Every Wayland compositor composites, and its windows get their shadows from it.
    if (platform.startsWith(QLatin1String("wayland")))
        return true;
#if LUMASKIN_MENU_HAVE_XCB
    if (platform == QLatin1String("xcb")) {
        if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
            if (xcb_connection_t *connection = x11->connection())
                return X11CompositorRunning(connection,
                                            X11ScreenNumber(qgetenv("DISPLAY").constData()));
        }
    }
#endif
    return false;
}

// Reads one GNOME setting; empty when gsettings is missing, slow or fails.
QString ReadGSetting(const QString &program, const QString &schema, const QString &key)
{
    QProcess process;
    process.start(program, {QStringLiteral("get"), schema, key});
    if (!process.waitForFinished(1500)) {
        process.kill();
        process.waitForFinished(500);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool ReadHighContrast()
{
    if (IsHighContrastThemeName(qEnvironmentVariable("GTK_THEME")))
        return true;
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (gsettings.isEmpty())
        return false;
    if (ReadGSetting(gsettings, QStringLiteral("org.gnome.desktop.a11y.interface"),
                     QStringLiteral("high-contrast")) == QLatin1String("true"))
        return true;
    return IsHighContrastThemeName(ReadGSetting(
        gsettings, QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("gtk-theme")));
}

int ProbeColourCount()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 32;
    return depth > 0 && depth <= 8 ? 1 << depth : 64000;
}

} // namespace

bool ProbeHighContrast()
{
    return ReadHighContrast();
}

PlatformProfile ProbePlatformProfile(bool readHighContrast)
{
    PlatformProfile profile;
    profile.highContrast = readHighContrast && ReadHighContrast();
    profile.systemShadows = ProbeSystemShadows();
    profile.colourCount = ProbeColourCount();
    return profile;
}

int X11ScreenNumber(QByteArrayView displayName)
{
    const qsizetype colon = displayName.lastIndexOf(':');
    if (colon < 0)
        return 0;
    const QByteArrayView afterColon = displayName.sliced(colon + 1);
    const qsizetype dot = afterColon.indexOf('.');
    if (dot < 0)
        return 0;
    bool ok = false;
    const int screen = afterColon.sliced(dot + 1).toInt(&ok);
    return ok && screen >= 0 ? screen : 0;
}

bool IsHighContrastThemeName(QStringView themeName)
{
    QString name = themeName.trimmed().toString();
    // gsettings quotes its strings.
    if (name.size() >= 2 && name.front() == QLatin1Char('\'') && name.back() == QLatin1Char('\''))
        name = name.sliced(1, name.size() - 2);
    return name.contains(QLatin1String("highcontrast"), Qt::CaseInsensitive);
}

} // namespace lumaskin
