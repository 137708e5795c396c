#include "app/main_window_session.h"

#include "app/app_settings.h"
#include "app/main_dialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>

namespace lumaskin {

namespace {

// How much of the window must lie on a screen for a remembered position to be used.
constexpr int kVisibleMargin = 48;
// Beyond any desktop; coordinates past it would overflow as the window's corners are worked out.
constexpr int kFarthest = 1 << 24;

bool OnSomeScreen(const QPoint &position, const QSize &size)
{
    if (std::abs(position.x()) > kFarthest || std::abs(position.y()) > kFarthest)
        return false;
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
    const std::optional<QPoint> position = m_settings.WindowPosition();
    if (!position)
        return;
    if (OnSomeScreen(*position, m_dialog.size())) {
        m_dialog.move(*position);
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        // A place no screen shows any more (a monitor unplugged): the middle of the main one.
        QRect placed(QPoint(), m_dialog.size());
        placed.moveCenter(screen->availableGeometry().center());
        m_dialog.move(placed.topLeft());
    }
}

void MainWindowSession::Save()
{
    if (const QString package = m_dialog.CurrentPackage(); !package.isEmpty())
        m_settings.SetSkin(package);
    m_settings.SetWindowPosition(m_dialog.pos());
    m_settings.Sync();
}

} // namespace lumaskin
