#pragma once

#include "controls/skin_button.h"
#include "notifier/task_bar_popup.h"

#include <QBasicTimer>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

namespace lumaskin {

// The notifier that slides out of the screen edge where the task bar is each time a skin is
// loaded: a frameless tool window shaped and painted by the skin's bitmap, with one skinned
// close button and a page view. It stays a few seconds (longer while the mouse is over it)
// and then slides back; a click on it sends it away at once. It never takes the focus.
class TaskBarWindow : public QWidget, public TaskBarPopup
{
    Q_OBJECT
public:
    enum class Side
    {
        Top = 1,
        Left = 2,
        Right = 3,
        Bottom = 4
    };
    enum State
    {
        Hidden = 0,
        SlidingIn = 1,
        Shown = 2,
        SlidingOut = 3
    };
    enum TimerId
    {
        SlideInTimer = 1,
        StayTimer = 2,
        SlideOutTimer = 3
    };

    // The work area (the screen without the task bar) and the whole screen.
    struct ScreenAreas
    {
        QRect work;
        QRect screen;
    };
    using ScreenAreasSource = std::function<ScreenAreas()>;
    // Builds the page view as a child of the window; it posts its messages to the window.
    using HtmlViewFactory = std::function<QWidget *(TaskBarWindow &)>;

    TaskBarWindow();

    // The page view to create with the window; without one the window shows only its bitmap.
    void SetHtmlViewFactory(HtmlViewFactory factory) { m_htmlViewFactory = std::move(factory); }
    // Builds the page view now, when the window exists and has none yet; a factory set after
    // Create takes effect this way.
    void CreateHtmlView();
    // Where the window reads the work area from; by default the screen it is on.
    void SetScreenAreasSource(ScreenAreasSource source) { m_screenAreas = std::move(source); }

    // TaskBarPopup: what the skinned dialog drives at every skin load.
    bool IsCreated() const override { return m_created; }
    void Create(QWidget *parent) override;
    void HideNow() override;
    void SetSkinBitmap(const QString &path, int red, int green, int blue) override;
    void StartPopUp(int showMs, int stayMs, int hideMs, int unused) override;
    void DestroyButton() override;
    QWidget *ButtonParent() override { return this; }
    void AddButton(SkinButton *button) override;

    // TaskBarHost: the close button asks the window to slide back.
    void CloseTaskBar(const std::string &name) override;

    // Whether the last SetSkinBitmap loaded its file.
    bool LastBitmapLoaded() const { return m_lastBitmapLoaded; }

    // One tick of timer 1, 2 or 3; the window's timers call it, and so can tests.
    void OnTimer(int id);
    bool IsTimerActive(int id) const;

    State CurrentState() const { return m_state; }
    Side CurrentSide() const { return m_direction; }
    QPoint Position() const { return {m_x, m_y}; }
    QPoint StartPosition() const { return {m_startX, m_startY}; }
    int ShowInterval() const { return m_showInterval; }
    int HideInterval() const { return m_hideInterval; }
    const QImage &Bitmap() const { return m_bitmap; }
    // The last button the skin added, null when it added none.
    SkinButton *Button() const { return m_buttons.empty() ? nullptr : m_buttons.back().data(); }
    QWidget *HtmlView() const { return m_htmlView; }
    bool IsHover() const { return m_hover; }
    // The mouse came over the window or left it: while over it the window stays.
    void SetHover(bool hover);

    // Which edge the task bar is on, from the work area against the whole screen.
    static Side TaskBarSide(const QRect &work, const QRect &screen);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void StartTimer(int id, int ms);
    void StopTimer(int id);
    QBasicTimer &Timer(int id);
    const QBasicTimer &Timer(int id) const;
    void MoveToCurrent();
    void Redraw();
    ScreenAreas ReadScreenAreas() const;
    QRect HtmlViewRect() const;
    // Places the page and sizes its text for the skin's scale.
    void FitPage();

    bool m_created = false;
    HtmlViewFactory m_htmlViewFactory;
    ScreenAreasSource m_screenAreas;
    QWidget *m_htmlView = nullptr; // child of this window
    QFont m_pageFont;              // the page's own, before the skin's scale
    // The last button added; earlier buttons of a section with several entries stay on the
    // window as its children.
    std::vector<QPointer<SkinButton>> m_buttons;
    QImage m_bitmap;
    // What is painted of it: the key colour made transparent where the display cannot cut the
    // window to its shape.
    QImage m_painted;
    // Times the note has looked for its main window on the screen (see StartPopUp).
    int m_ownerWaits = 0;
    bool m_lastBitmapLoaded = false;
    int m_width = 0;
    int m_height = 0;
    bool m_hover = false;
    // Its close button or a click sent it away; the mouse does not call it back.
    bool m_closing = false;
    State m_state = Hidden;
    int m_showTime = 0;
    int m_stayTime = 0;
    int m_hideTime = 0;
    int m_showInterval = 0;
    int m_hideInterval = 0;
    int m_startX = 0;
    int m_startY = 0;
    int m_x = 0;
    int m_y = 0;
    Side m_direction = Side::Bottom;
    const int m_step = 1;
    QBasicTimer m_timers[3];
};

} // namespace lumaskin
