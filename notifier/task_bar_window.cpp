#include "notifier/task_bar_window.h"

#include "controls/bitmap_helpers.h"
#include "controls/shape_limit.h"
#include "controls/skin_button.h"
#include "notifier/notifier_messages.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QTimerEvent>
#include <QWindow>
#include <algorithm>

namespace lumaskin {

namespace {

// The window's size before a skin gives it a bitmap.
constexpr QSize kDefaultSize(300, 248);
// The page sits below the bitmap's caption strip, inside its rim.
constexpr int kPageMargin = 10;
constexpr int kPageTop = 44;
// How often, and how many times, a note that waits for its main window looks again.
constexpr int kOwnerWaitMs = 100;
constexpr int kOwnerWaits = 100;

// A note that takes no task-bar entry and no focus and is never covered by the main window.
// Where the display places windows itself (Wayland), a window can only be placed relative to
// another: there the note is a pop-up of the main window.
Qt::WindowFlags WindowFlags()
{
    return Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
}

// One slide step's timer period. A bitmap larger than the slide time asks for less than the
// shortest period a timer has, so it runs as fast as timers go.
int StepInterval(int totalMs, int distance, int step)
{
    return std::max(1, totalMs / (distance / step));
}

} // namespace

TaskBarWindow::TaskBarWindow() : QWidget(nullptr, WindowFlags())
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Where the display has no window shapes, the shape is drawn with transparent pixels.
    setAttribute(Qt::WA_TranslucentBackground, !DisplayCutsWindowShapes());
    setFocusPolicy(Qt::NoFocus);
    resize(kDefaultSize);
}

void TaskBarWindow::Create(QWidget *parent)
{
    if (m_created)
        return;
    // A tool window of the skinned dialog: it stays with the dialog but is a window of its own.
    setParent(parent, WindowFlags());
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_created = true;
    CreateHtmlView();
}

void TaskBarWindow::CreateHtmlView()
{
    if (!m_created || m_htmlView || !m_htmlViewFactory)
        return;
    m_htmlView = m_htmlViewFactory(*this);
    if (m_htmlView) {
        m_htmlView->setParent(this);
        m_pageFont = m_htmlView->font();
        FitPage();
        m_htmlView->show();
        // Beneath the close button, which was made first.
        m_htmlView->lower();
    }
}

QRect TaskBarWindow::HtmlViewRect() const
{
    const QSize size = m_bitmap.isNull() ? kDefaultSize : LogicalSize(m_bitmap);
    const int margin = ToLogical(kPageMargin);
    const int top = ToLogical(kPageTop);
    return QRect(margin, top, std::max(0, size.width() - 2 * margin),
                 std::max(0, size.height() - top - margin));
}

void TaskBarWindow::FitPage()
{
    if (!m_htmlView)
        return;
    m_htmlView->setGeometry(HtmlViewRect());
    // The page's text is as much smaller as the skin around it.
    QFont font = m_pageFont;
    if (SkinScale() < 1.0)
        font.setPixelSize(std::max(6, qRound(QFontInfo(m_pageFont).pixelSize() * SkinScale())));
    m_htmlView->setFont(font);
}

void TaskBarWindow::HideNow()
{
    // Every slide timer stops, not only the one of the current state: a close request made
    // while sliding in runs the slide-out timer before the state says so.
    for (int id = SlideInTimer; id <= SlideOutTimer; ++id)
        StopTimer(id);
    setGeometry(0, 0, 0, 0);
    hide();
    m_state = Hidden;
    m_closing = false;
}

void TaskBarWindow::SetSkinBitmap(const QString &path, int red, int green, int blue)
{
    const bool shaped = red != -1 && green != -1 && blue != -1;
    const std::uint32_t key =
        shaped ? ToColorValue(QColor(red & 0xFF, green & 0xFF, blue & 0xFF)) : kNoColour;
    QImage loaded;
    m_lastBitmapLoaded = !path.isEmpty() &&
                         LoadBitmapFile(path, loaded, {devicePixelRatioF(), key}) &&
                         !loaded.isNull();
    if (!m_lastBitmapLoaded)
        return; // the old bitmap and shape stay
    m_bitmap = loaded;
    m_painted = shaped ? PaintedThroughShape(m_bitmap, key) : m_bitmap;
    m_width = LogicalSize(m_bitmap).width();
    m_height = LogicalSize(m_bitmap).height();
    FitPage();
    if (!shaped)
        return;
    if (const std::optional<QRegion> region = RegionFromBitmap(m_bitmap, red, green, blue))
        ApplyWindowShape(*this, *region);
    Redraw();
}

TaskBarWindow::Side TaskBarWindow::TaskBarSide(const QRect &work, const QRect &screen)
{
    if (work.width() < screen.width())
        return work.left() == screen.left() ? Side::Right : Side::Left;
    if (work.height() < screen.height() && work.top() != screen.top())
        return Side::Top;
    // A bar at the bottom, or none found (a bare X server): come up at the bottom right.
    return Side::Bottom;
}

TaskBarWindow::ScreenAreas TaskBarWindow::ReadScreenAreas() const
{
    if (m_screenAreas)
        return m_screenAreas();
    // Placed relative to the main window where windows cannot be placed on the screen: the note
    // comes up at its lower right corner.
    if (!DisplayCutsWindowShapes() && parentWidget()) {
        // The window's own coordinates are what a pop-up is placed in there.
        const QRect owner(QPoint(0, 0), parentWidget()->size());
        return {owner, owner};
    }
    const QScreen *where = parentWidget() ? parentWidget()->screen() : screen();
    if (!where)
        where = QGuiApplication::primaryScreen();
    if (!where)
        return {};
    return {where->availableGeometry(), where->geometry()};
}

void TaskBarWindow::StartPopUp(int showMs, int stayMs, int hideMs, int unused)
{
    // A pop-up of the main window is placed against it, so it waits until the main window is
    // on the screen (a skin loads while the window is hidden).
    if (!DisplayCutsWindowShapes() && parentWidget()) {
        const QWindow *owner = parentWidget()->windowHandle();
        if (!owner || !owner->isExposed()) {
            if (++m_ownerWaits <= kOwnerWaits)
                QTimer::singleShot(kOwnerWaitMs, this, [this, showMs, stayMs, hideMs, unused] {
                    StartPopUp(showMs, stayMs, hideMs, unused);
                });
            return;
        }
        m_ownerWaits = 0;
    }
    m_closing = false;
    m_showTime = showMs;
    m_stayTime = stayMs;
    m_hideTime = hideMs;
    const ScreenAreas areas = ReadScreenAreas();
    const QRect &work = areas.work;
    // Edges as the window moves between them: right and bottom are just outside the area.
    const int workLeft = work.left();
    const int workTop = work.top();
    const int workRight = work.left() + work.width();
    const int workBottom = work.top() + work.height();
    const Side side = TaskBarSide(work, areas.screen);

    switch (m_state) {
    case Hidden: {
        // Without a bitmap there is nothing to show, and no distance to slide over.
        const bool horizontal = side == Side::Left || side == Side::Right;
        if ((horizontal ? m_width : m_height) < m_step || m_width <= 0 || m_height <= 0)
            return;
        m_direction = side;
        switch (side) {
        case Side::Right:
            m_startX = workRight;
            m_startY = workBottom - m_height;
            break;
        case Side::Left:
            m_startX = workLeft - m_width;
            m_startY = workBottom - m_height;
            break;
        case Side::Top:
            m_startX = workRight - m_width;
            m_startY = workTop - m_height;
            break;
        case Side::Bottom:
            m_startX = workRight - m_width;
            m_startY = workBottom;
            break;
        }
        const int distance = horizontal ? m_width : m_height;
        m_showInterval = StepInterval(m_showTime, distance, m_step);
        m_hideInterval = StepInterval(m_hideTime, distance, m_step);
        m_x = m_startX;
        m_y = m_startY;
        if (!DisplayCutsWindowShapes()) {
            // A pop-up does not slide: it stands in the main window's lower right corner, where
            // it is seen as long as the window is, then goes.
            m_x = workRight - m_width;
            m_y = workBottom - m_height;
            MoveToCurrent();
            show();
            m_state = Shown;
            StartTimer(StayTimer, m_stayTime);
            break;
        }
        MoveToCurrent();
        show();
        StartTimer(SlideInTimer, m_showInterval);
        break;
    }
    case SlidingIn:
        Redraw();
        break;
    case Shown:
        Redraw();
        StartTimer(StayTimer, m_stayTime);
        break;
    case SlidingOut:
        StopTimer(SlideOutTimer);
        StartTimer(StayTimer, m_stayTime);
        // Fully in again, on the side the slide started from.
        switch (m_direction) {
        case Side::Right:
            m_x = workRight - m_width;
            break;
        case Side::Left:
            m_x = workLeft;
            break;
        case Side::Top:
            m_y = workTop;
            break;
        case Side::Bottom:
            m_y = workBottom - m_height;
            break;
        }
        MoveToCurrent();
        Redraw();
        break;
    }
}

void TaskBarWindow::OnTimer(int id)
{
    switch (id) {
    case SlideInTimer: {
        m_state = SlidingIn;
        bool moved = true;
        switch (m_direction) {
        case Side::Bottom:
            if ((moved = m_y > m_startY - m_height))
                m_y -= m_step;
            break;
        case Side::Top:
            if ((moved = m_y - m_startY < m_height))
                m_y += m_step;
            break;
        case Side::Left:
            if ((moved = m_x - m_startX < m_width))
                m_x += m_step;
            break;
        case Side::Right:
            if ((moved = m_x > m_startX - m_width))
                m_x -= m_step;
            break;
        }
        if (!moved) {
            // Fully in: it stays its stay time, as a notification does, then slides out.
            StopTimer(SlideInTimer);
            m_state = Shown;
            StartTimer(StayTimer, m_stayTime);
        }
        MoveToCurrent();
        break;
    }
    case StayTimer:
        StopTimer(StayTimer);
        // Under the mouse it is being read: it stays until the mouse leaves.
        if (m_hover)
            break;
        if (!DisplayCutsWindowShapes()) {
            HideNow();
            break;
        }
        StartTimer(SlideOutTimer, m_hideInterval);
        MoveToCurrent();
        break;
    case SlideOutTimer: {
        m_state = SlidingOut;
        bool moved = true;
        switch (m_direction) {
        case Side::Bottom:
            if ((moved = m_y < m_startY))
                m_y += m_step;
            break;
        case Side::Top:
            if ((moved = m_y > m_startY))
                m_y -= m_step;
            break;
        case Side::Left:
            if ((moved = m_x > m_startX))
                m_x -= m_step;
            break;
        case Side::Right:
            if ((moved = m_x < m_startX))
                m_x += m_step;
            break;
        }
        if (moved) {
            MoveToCurrent();
        } else {
            StopTimer(SlideOutTimer);
            HideNow();
        }
        break;
    }
    default:
        break;
    }
}

void TaskBarWindow::CloseTaskBar(const std::string &)
{
    // Nothing to close while hidden; otherwise slide back from wherever the window is.
    if (m_state == Hidden && !IsTimerActive(SlideInTimer))
        return;
    if (!DisplayCutsWindowShapes()) {
        HideNow(); // a pop-up does not slide
        return;
    }
    StopTimer(SlideInTimer);
    StopTimer(StayTimer);
    StartTimer(SlideOutTimer, m_hideInterval);
    m_closing = true;
}

void TaskBarWindow::DestroyButton()
{
    // Every button the skin made goes with it, not only the last.
    for (const QPointer<SkinButton> &button : m_buttons)
        delete button.data();
    m_buttons.clear();
}

void TaskBarWindow::AddButton(SkinButton *button)
{
    m_buttons.emplace_back(button);
    button->raise();
}

bool TaskBarWindow::IsTimerActive(int id) const
{
    return id >= SlideInTimer && id <= SlideOutTimer && Timer(id).isActive();
}

QBasicTimer &TaskBarWindow::Timer(int id)
{
    return m_timers[id - 1];
}

const QBasicTimer &TaskBarWindow::Timer(int id) const
{
    return m_timers[id - 1];
}

void TaskBarWindow::StartTimer(int id, int ms)
{
    Timer(id).start(std::max(0, ms), this);
}

void TaskBarWindow::StopTimer(int id)
{
    Timer(id).stop();
}

void TaskBarWindow::MoveToCurrent()
{
    setGeometry(m_x, m_y, m_width, m_height);
}

void TaskBarWindow::Redraw()
{
    update();
}

bool TaskBarWindow::event(QEvent *event)
{
    if (event->type() == NotifierEventType(NotifierMessage::PageClicked)) {
        CloseTaskBar({});
        return true;
    }
    // The page's other two messages need nothing of the window.
    if (event->type() == NotifierEventType(NotifierMessage::PageShown) ||
        event->type() == NotifierEventType(NotifierMessage::PageExpired))
        return true;
    return QWidget::event(event);
}

void TaskBarWindow::paintEvent(QPaintEvent *)
{
    if (m_bitmap.isNull())
        return;
    QPainter painter(this);
    const QRect whole(QPoint(0, 0), LogicalSize(m_bitmap));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    DrawBitmap(painter, whole, m_painted, whole);
}

void TaskBarWindow::mouseReleaseEvent(QMouseEvent *event)
{
    // A click anywhere on the note puts it away, as a click into its page does.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        CloseTaskBar({});
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void TaskBarWindow::enterEvent(QEnterEvent *event)
{
    SetHover(true);
    QWidget::enterEvent(event);
}

void TaskBarWindow::leaveEvent(QEvent *event)
{
    SetHover(false);
    QWidget::leaveEvent(event);
}

void TaskBarWindow::SetHover(bool hover)
{
    if (m_hover == hover)
        return;
    m_hover = hover;
    if (hover && IsTimerActive(SlideOutTimer) && !m_closing) {
        // Leaving on its own and caught by the mouse: it comes back in and stays.
        StopTimer(SlideOutTimer);
        StartTimer(SlideInTimer, m_showInterval);
    } else if (!hover && m_state == Shown && !IsTimerActive(StayTimer) &&
               !IsTimerActive(SlideOutTimer)) {
        // Read and left: its stay starts again.
        StartTimer(StayTimer, m_stayTime);
    }
    Redraw();
}

void TaskBarWindow::timerEvent(QTimerEvent *event)
{
    for (int id = SlideInTimer; id <= SlideOutTimer; ++id) {
        if (Timer(id).timerId() == event->timerId()) {
            OnTimer(id);
            return;
        }
    }
    QWidget::timerEvent(event);
}

} // namespace lumaskin
