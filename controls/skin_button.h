#pragma once

#include "controls/button_face.h"
#include "controls/face_caption.h"
#include "controls/state_strip.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

class QPainter;

namespace lumaskin {

class SkinHost;
class TaskBarHost;

// A push button whose whole face is one of four state images cut from a skin strip and
// stretched to the button's size; key-coloured pixels let the parent's background show.
// It highlights while the mouse is over it, shows a tooltip, and reports a click (the left
// button released inside it, or Space or Enter while it has the focus) to its host by its
// index. Tab reaches it; a click with the mouse leaves the focus where it was. Check box, option
// button and the combo box's drop button derive from it and change only the click and the hover
// rule.
class SkinButton : public QWidget
{
    Q_OBJECT
public:
    explicit SkinButton(QWidget *parent = nullptr);
    ~SkinButton() override;

    // Places the button at `rect` (left, top, right, bottom in the parent) and shows it.
    void Create(const QRect &rect);

    void SetHost(SkinHost *host) { m_host = host; }
    void SetTaskBarHost(TaskBarHost *host) { m_taskBarHost = host; }

    void SetTransparentColor(std::uint32_t color) { m_keyColor = color; }
    std::uint32_t TransparentColor() const { return m_keyColor; }

    // Words drawn on every face of strips loaded after it, for a skin whose bitmaps leave them
    // out; none by default.
    void SetCaption(const FaceCaption &caption) { m_caption = caption; }
    const FaceCaption &Caption() const { return m_caption; }

    // Loads the four-state strip, draws the caption on it, and cuts it into faces of
    // (right - left) x (bottom - top). A strip that does not load leaves the faces as they were.
    void LoadStateBitmaps(const QString &path, int left, int top, int right, int bottom);
    const QImage &StateBitmap(ButtonFace face) const
    {
        return m_stateBitmap[static_cast<int>(face)];
    }

    void SetTooltipText(const QString &text, bool activate);
    void ActivateTooltip(bool activate);
    QString TooltipText() const { return m_tooltipText; }
    // The key that does what the button does, shown after the tooltip ("Convert (Ctrl+S)")
    // and told to screen readers; empty for none.
    void SetShortcutText(const QString &keys);
    QString ShortcutText() const { return m_shortcutText; }
    // What the skin draws over the button while it has the keyboard focus; null for the
    // mark every control gets.
    void SetFocusBitmap(const QImage &bitmap) { m_focusBitmap = bitmap; }
    const QImage &FocusBitmap() const { return m_focusBitmap; }

    // A small count drawn in the button's top right corner on `ground`, with a line of
    // `description` under the tooltip and told to screen readers: what the button's window
    // has in force. An empty count takes the mark away.
    void SetBadge(const QString &count, const QString &description, const QColor &ground);
    QString BadgeText() const { return m_badge; }

    // Does what a click does: the keys and screen readers press the button through it.
    void Click() { OnClick(); }

    void SetChecked(int state);
    int IsChecked() const { return m_isChecked; }
    void SetLatched(bool latched);
    bool IsLatched() const { return m_latched; }
    void SetIndex(int index) { m_index = index; }
    int Index() const { return m_index; }
    void SetName(const std::string &name) { m_name = name; }
    const std::string &Name() const { return m_name; }
    bool IsHover() const { return m_hover; }

    // The face the next paint draws.
    ButtonFace CurrentFace() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

    // What a click does; the push button reports it to its host.
    virtual void OnClick();
    // Whether the mouse may highlight the button now; check box and option button refuse
    // while checked.
    virtual bool TracksHover() const { return true; }

    SkinHost *Host() const { return m_host; }

private:
    void SetHover(bool hover);
    void DrawBadge(QPainter &painter) const;

    SkinHost *m_host = nullptr;
    TaskBarHost *m_taskBarHost = nullptr;
    QString m_tooltipText;
    QString m_shortcutText;
    QString m_badge;
    QString m_badgeDescription;
    QColor m_badgeGround;
    QImage m_focusBitmap;
    bool m_tooltipActive = false;
    // Space went down on the button: it shows pressed until Space comes up.
    bool m_spacePressed = false;
    int m_isChecked = 0;
    bool m_latched = false;
    std::string m_name;
    int m_index = 0;
    bool m_hover = false;
    // The left button went down on the button and has not come up yet.
    bool m_pressStarted = false;
    bool m_pressed = false;
    FaceCaption m_caption;
    std::array<QImage, kStateCount> m_stateBitmap;
    std::uint32_t m_keyColor = 0;
};

} // namespace lumaskin
