#include "menu/menu_styler.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <algorithm>

namespace lumaskin {

namespace {

constexpr int kBackgroundMargin = 10;

QImage GrabScreen(const QRect &rect)
{
    QScreen *screen = QGuiApplication::screenAt(rect.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QPoint origin = screen->geometry().topLeft();
    QImage image = screen
                       ->grabWindow(0, rect.x() - origin.x(), rect.y() - origin.y(), rect.width(),
                                    rect.height())
                       .toImage();
    // The shadow is worked out pixel by pixel in the window's own coordinates.
    if (!image.isNull() && image.devicePixelRatio() != 1.0) {
        const QSize logical = (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
        image = image.scaled(logical, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        image.setDevicePixelRatio(1.0);
    }
    return image;
}

QMenu *PopupMenu(QObject *object)
{
    auto *menu = qobject_cast<QMenu *>(object);
    return menu && menu->windowType() == Qt::Popup ? menu : nullptr;
}

// QMenu keeps the positions of its items, worked out with the margins of the time, until
// something it listens to changes; a font change is the lightest of those.
void SetMenuMargins(QMenu *menu, const QMargins &margins)
{
    menu->setContentsMargins(margins);
    QEvent relayout(QEvent::FontChange);
    QCoreApplication::sendEvent(menu, &relayout);
}

QRgb Opaque(const QColor &colour)
{
    return colour.rgb();
}

} // namespace

std::unique_ptr<MenuStyler> MenuStyler::Install()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return nullptr;
    auto styler = std::make_unique<MenuStyler>(ProbePlatformProfile(false));
    styler->m_pendingHighContrast = std::async(std::launch::async, ProbeHighContrast);
    return styler;
}

void MenuStyler::SettleProfile()
{
    if (m_pendingHighContrast.valid())
        m_profile.highContrast = m_pendingHighContrast.get();
}

MenuStyler::MenuStyler(const PlatformProfile &profile, BackgroundGrabber grabber)
    : m_profile(profile), m_grabber(grabber ? std::move(grabber) : BackgroundGrabber(GrabScreen)),
      m_styles(CreateMenuStyles()), m_application(QCoreApplication::instance())
{
    const auto selected =
        std::find_if(m_styles.begin(), m_styles.end(),
                     [](const MenuStyle &style) { return style.Number() == kSelectedMenuStyle; });
    m_selected = std::size_t(selected - m_styles.begin());
    if (m_application)
        m_application->installEventFilter(this);
}

MenuStyler::~MenuStyler()
{
    if (m_application)
        m_application->removeEventFilter(this);
    std::vector<QMenu *> menus;
    for (auto &[key, record] : m_records)
        if (record.menu)
            menus.push_back(record.menu);
    for (QMenu *menu : menus)
        Unstyle(menu);
    m_records.clear();
}

bool MenuStyler::IsStyled(const QMenu *menu) const
{
    return menu && m_records.count(menu) != 0;
}

MenuStyler::Record *MenuStyler::Find(const QObject *menu)
{
    const auto found = m_records.find(menu);
    return found == m_records.end() ? nullptr : &found->second;
}

MenuColours MenuStyler::ColoursFor(const QMenu &menu) const
{
    // A palette the program set on the menu itself plays the part of the menu's own
    // background brush; otherwise the desktop's menu colour (the menu bar's, with flat menus).
    QRgb menuColour;
    if (menu.testAttribute(Qt::WA_SetPalette))
        menuColour = Opaque(menu.palette().color(menu.backgroundRole()));
    else if (m_profile.osCode == 7 && m_profile.flatMenus)
        menuColour = Opaque(QApplication::palette("QMenuBar").color(QPalette::Window));
    else
        menuColour = Opaque(QApplication::palette("QMenu").color(QPalette::Window));
    const QPalette system = QApplication::palette();
    return ComputeMenuColours(menuColour, Opaque(system.color(QPalette::Base)),
                              Opaque(system.color(QPalette::Button)), m_profile.colourCount);
}

bool MenuStyler::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Polish:
        if (QMenu *menu = PopupMenu(watched))
            Style(menu);
        break;
    case QEvent::Show:
        if (QMenu *menu = PopupMenu(watched))
            OnShow(menu);
        break;
    case QEvent::Hide:
        if (QMenu *menu = PopupMenu(watched))
            Unstyle(menu);
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (Record *record = Find(watched); record && record->tracking && !m_adjusting)
            OnGeometryChange(static_cast<QMenu *>(watched), *record);
        break;
    case QEvent::Paint:
        if (Record *record = Find(watched); record && record->restyled && !m_painting) {
            Paint(static_cast<QMenu *>(watched), event, *record);
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void MenuStyler::Style(QMenu *menu)
{
    if (menu->property(kStyledProperty).toBool() || Find(menu))
        return;
    SettleProfile();
    Record record;
    record.menu = menu;
    record.savedMargins = menu->contentsMargins();
    menu->setProperty(kStyledProperty, true);
    connect(menu, &QObject::destroyed, this, &MenuStyler::ForgetMenu, Qt::UniqueConnection);
    const MenuStyle &style = SelectedStyle();
    // A style that draws its own frame keeps Qt's border out of the way: the items move
    // inside the frame and, without desktop shadows, clear of the shadow.
    if (style.DrawsOwnFrame()) {
        SetMenuMargins(menu, style.ClientInset(m_profile.systemShadows));
        record.restyled = true;
    }
    m_records.emplace(menu, std::move(record));
    ++m_stylingCount;
}

void MenuStyler::Unstyle(QMenu *menu)
{
    const auto found = m_records.find(menu);
    if (found == m_records.end())
        return;
    const Record record = std::move(found->second);
    m_records.erase(found);
    if (record.restyled)
        SetMenuMargins(menu, record.savedMargins);
    menu->setProperty(kStyledProperty, QVariant());
}

void MenuStyler::ForgetMenu(QObject *menu)
{
    m_records.erase(menu);
}

void MenuStyler::OnShow(QMenu *menu)
{
    QRect proposed = menu->geometry();
    if (!Find(menu)) {
        // Shown again after a hide undid the styling: Qt sized the menu without the frame's
        // room, so the window grows by what the styling adds.
        const QMargins before = menu->contentsMargins();
        Style(menu);
        const QMargins added = menu->contentsMargins() - before;
        proposed.setSize(proposed.size() +
                         QSize(added.left() + added.right(), added.top() + added.bottom()));
    }
    Record *record = Find(menu);
    if (!record || record->tracking)
        return;
    if (record->restyled) {
        m_adjusting = true;
        menu->setGeometry(SelectedStyle().AdjustedGeometry(proposed, m_profile.systemShadows));
        m_adjusting = false;
    }
    record->geometry = menu->geometry();
    record->tracking = true;
    // The menu is not on the screen yet, so the grab shows what will lie under it.
    CaptureBackground(*record);
}

void MenuStyler::OnGeometryChange(QMenu *menu, Record &record)
{
    const QRect now = menu->geometry();
    if (now.topLeft() != record.geometry.topLeft()) {
        if (now.size() != record.geometry.size()) {
            // Moved and resized at once: someone else is laying the window out; let it go.
            Unstyle(menu);
            return;
        }
        // Moved: what lies under it now is taken at the next paint.
        record.background = QImage();
        record.shadow = QImage();
    }
    record.geometry = now;
}

void MenuStyler::CaptureBackground(Record &record)
{
    record.shadow = QImage();
    // Only the shadow strips show the background; a desktop that draws shadows needs none.
    if (m_profile.systemShadows || !record.restyled) {
        record.background = QImage();
        return;
    }
    const QRect area(record.geometry.topLeft(),
                     record.geometry.size() + QSize(kBackgroundMargin, kBackgroundMargin));
    record.background = m_grabber(area);
    record.backgroundPosition = area.topLeft();
}

const QImage &MenuStyler::ShadowFor(const QMenu &menu, Record &record)
{
    if (m_profile.systemShadows) {
        record.shadow = QImage();
        return record.shadow;
    }
    if (record.background.isNull())
        CaptureBackground(record);
    if (record.shadow.isNull() || record.shadow.size() != menu.size()) {
        record.shadow = m_profile.highContrast
                            ? UnshadedStrips(record.background, menu.size())
                            : MenuShadow(record.background, menu.size(), m_profile.colourCount,
                                         Opaque(QApplication::palette().color(QPalette::Dark)));
    }
    return record.shadow;
}

void MenuStyler::Paint(QMenu *menu, QEvent *event, Record &record)
{
    // Qt paints the items and its own panel first; the frame passes then go on top. Qt paints
    // the whole window at once, so both passes follow it and the band pass 0 fills stays
    // visible, as it would around items painted on their own.
    m_painting = true;
    static_cast<QObject *>(menu)->event(event);
    m_painting = false;

    MenuFrame frame;
    frame.window = menu->size();
    frame.client = menu->contentsRect();
    frame.systemShadows = m_profile.systemShadows;
    frame.highContrast = m_profile.highContrast;
    frame.colours = ColoursFor(*menu);
    frame.buttonText = Opaque(QApplication::palette().color(QPalette::ButtonText));
    const QImage &shadow = ShadowFor(*menu, record);

    QPainter painter(menu);
    DrawMenuFrame(painter, frame, 0, shadow);
    DrawMenuFrame(painter, frame, 1, shadow);
}

} // namespace lumaskin
