#include "app/main_window_session.h"

#include "app/app_settings.h"
#include "app/main_dialog.h"

#include <QGuiApplication>
#include <QScreen>

namespace lumaskin {

namespace {

// How much of the window must lie on a screen for a remembered position to be used.
constexpr int kVisibleMargin = 48;

bool OnSomeScreen(const QPoint &position, const QSize &size)
{
    const QRect window(position, size.isEmpty() ? QSize(kVisibleMargin, kVisibleMargin) : size);
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect shared = screen->availableGeometry().intersected(window);
        if (shared.width() >= kVisibleMargin && shared.height() >= kVisibleMargin)
            return true;
    }
    return false;
}

} // namespace

MainWindowSession::MainWindowSession(MainDialog &dialog, AppSettings &settings)
    : QObject(&dialog), m_dialog(dialog), m_settings(settings)
{
    connect(&dialog, &SkinDialog::skinChanged, this, [this] {
        m_settings.SetSkin(m_dialog.CurrentPackage());
        m_settings.Sync();
    });
    connect(&dialog, &SkinDialog::notesShownChanged, this, [this](bool shown) {
        m_settings.SetNotesShown(shown);
        m_settings.Sync();
    });
}

void MainWindowSession::Restore()
{
    m_dialog.RememberChoicesIn(&m_settings);
    if (const std::optional<QPoint> position = m_settings.WindowPosition();
        position && OnSomeScreen(*position, m_dialog.size()))
        m_dialog.move(*position);
}

void MainWindowSession::Save()
{
    if (const QString package = m_dialog.CurrentPackage(); !package.isEmpty())
        m_settings.SetSkin(package);
    m_settings.SetWindowPosition(m_dialog.pos());
    m_settings.Sync();
}

} // namespace lumaskin
