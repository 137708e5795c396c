#pragma once

#include "menu/menu_frame.h"
#include "menu/menu_style.h"
#include "menu/platform_profile.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>
#include <future>
#include <memory>
#include <unordered_map>
#include <vector>

class QCoreApplication;
class QMenu;

namespace lumaskin {

// Gives every popup menu of the program a flat one-pixel frame in colours taken from the menu
// colour and, where the desktop draws no drop shadows, a four-pixel shadow on its right and
// bottom edges made from what the screen showed there. The items are still drawn by Qt.
//
// Entry point: call Install() once, after the QApplication exists and before the main
// window is created, and keep the returned object until the application ends:
//
//     QApplication app(argc, argv);
//     const auto menuStyling = lumaskin::MenuStyler::Install();
//     ... create the main window, app.exec() ...
//
// Destroying it (before or after the QApplication) removes the styling from every menu.
//
// Every QMenu popup is recognised when Qt polishes it or shows it, so menus the program
// builds ("&Change Skin") and the ones Qt builds (a line edit's context menu) are treated
// alike. A menu is styled once per display: the dynamic property kStyledProperty marks it,
// and hiding it (or destroying it) undoes the styling.
class MenuStyler : public QObject
{
    Q_OBJECT
public:
    // Returns what the screen shows in a rectangle of global coordinates, or a null image.
    using BackgroundGrabber = std::function<QImage(const QRect &screenRect)>;

    static constexpr const char *kStyledProperty = "lumaskinMenuStyled";

    // Probes the desktop and starts styling. Null without a QApplication.
    static std::unique_ptr<MenuStyler> Install();

    // Starts styling with a given desktop profile; `grabber` defaults to a screen grab.
    explicit MenuStyler(const PlatformProfile &profile, BackgroundGrabber grabber = {});
    ~MenuStyler() override;

    const PlatformProfile &Profile() const { return m_profile; }
    // The ten styles, in the order they were created.
    const std::vector<MenuStyle> &Styles() const { return m_styles; }
    const MenuStyle &SelectedStyle() const { return m_styles[m_selected]; }

    bool IsStyled(const QMenu *menu) const;
    // How often any menu has been styled since start-up.
    int StylingCount() const { return m_stylingCount; }
    // The frame colours for a menu: from its own palette where the program gave it one,
    // otherwise from the desktop's menu colour.
    MenuColours ColoursFor(const QMenu &menu) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the styler keeps about one styled menu while it is shown.
    struct Record
    {
        QPointer<QMenu> menu;
        QMargins savedMargins;
        bool restyled = false;
        // Geometry changes are followed from the styled display on.
        bool tracking = false;
        QRect geometry;
        // What the screen showed under the menu, 10 pixels larger each way, and where.
        QImage background;
        QPoint backgroundPosition;
        // The shadow made from it, kept for the window size it was made for.
        QImage shadow;
    };

    void Style(QMenu *menu);
    void Unstyle(QMenu *menu);
    void OnShow(QMenu *menu);
    void OnGeometryChange(QMenu *menu, Record &record);
    void Paint(QMenu *menu, QEvent *event, Record &record);
    void CaptureBackground(Record &record);
    const QImage &ShadowFor(const QMenu &menu, Record &record);
    void ForgetMenu(QObject *menu);
    Record *Find(const QObject *menu);

    // Takes the high-contrast answer once the background probe has it.
    void SettleProfile();

    PlatformProfile m_profile;
    // The desktop's high-contrast setting, asked on a thread of its own at start-up so that
    // the main window is not held back; wanted only when the first menu opens.
    std::future<bool> m_pendingHighContrast;
    BackgroundGrabber m_grabber;
    std::vector<MenuStyle> m_styles;
    std::size_t m_selected = 0;
    std::unordered_map<const QObject *, Record> m_records;
    int m_stylingCount = 0;
    bool m_painting = false;
    bool m_adjusting = false;
    QPointer<QCoreApplication> m_application;
};

} // namespace lumaskin
