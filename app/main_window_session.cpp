#include "app/main_window_session.h"

#include "app/app_settings.h"
#include "app/main_dialog.h"
#include "controls/skin_combo_list.h"

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
    connect(&dialog, &SkinDialog::skinChanging, this,
            [this] { m_formatBeforeChange = ChosenFormat(m_dialog); });
    connect(&dialog, &SkinDialog::skinChanged, this, [this] {
        if (!m_formatBeforeChange.isEmpty())
            ChooseFormat(m_dialog, m_formatBeforeChange);
        m_settings.SetSkin(m_dialog.CurrentPackage());
        m_settings.Sync();
    });
}

QString MainWindowSession::ChosenFormat(const MainDialog &dialog)
{
    const int row = dialog.FormatSelectionMark();
    const QStringList formats = MainDialog::OutputFormatList();
    // The placeholder rows a skin change adds are no formats.
    return row >= 0 && row < formats.size() ? formats[row] : QString();
}

bool MainWindowSession::ChooseFormat(MainDialog &dialog, const QString &format)
{
    const std::vector<SkinComboBox *> combos = dialog.ComboBoxes();
    if (combos.empty())
        return false;
    SkinComboBox &combo = *combos.front();
    const int row = static_cast<int>(MainDialog::OutputFormatList().indexOf(format));
    // Only where the skin's list holds that format in its place.
    if (row < 0 || !combo.List() || combo.List()->RowText(row, 0) != format)
        return false;
    return combo.SelectRow(row);
}

void MainWindowSession::Restore()
{
    if (const QString format = m_settings.OutputFormat(); !format.isEmpty())
        ChooseFormat(m_dialog, format);
    if (const std::optional<QPoint> position = m_settings.WindowPosition();
        position && OnSomeScreen(*position, m_dialog.size()))
        m_dialog.move(*position);
}

void MainWindowSession::Save()
{
    if (const QString package = m_dialog.CurrentPackage(); !package.isEmpty())
        m_settings.SetSkin(package);
    // A format that was never chosen leaves the remembered one as it was.
    if (const QString format = ChosenFormat(m_dialog); !format.isEmpty())
        m_settings.SetOutputFormat(format);
    m_settings.SetWindowPosition(m_dialog.pos());
    m_settings.Sync();
}

} // namespace lumaskin
