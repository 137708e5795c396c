#pragma once

#include "controls/slider_math.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

namespace lumaskin {

class SkinHost;

// A slider painted from skin bitmaps over a copy of the host's background: the channel image
// covers the part of the range already passed, the thumb sits at the position. It can be
// dragged or keyed, reporting every new position to the host. Its size comes from
// its bitmaps; the skin rectangle only places it.
class SkinSlider : public QWidget
{
    Q_OBJECT
public:
    explicit SkinSlider(QWidget *parent = nullptr);
    ~SkinSlider() override;

    void Create(const QRect &rect);
    void SetHost(SkinHost *host) { m_host = host; }
    void SetTransparentColor(std::uint32_t color) { m_keyColor = color; }

    void SetRange(int minPos, int maxPos, bool redraw);
    void SetMinPos(int minPos, bool redraw);
    void SetMaxPos(int maxPos, bool redraw);
    int MinPos() const { return m_minPos; }
    int MaxPos() const { return m_maxPos; }
    // Kept within the range (minPos wins if the range is inverted); never notifies the host.
    void SetPos(int pos);
    // Moves to `pos` as a drag would, reporting a new position to the host.
    void MoveTo(int pos);
    int GetPos() const { return m_pos; }
    int SetPageSize(int pageSize);
    // A disabled slider ignores the mouse and the keys, and Tab passes it by.
    void Enable(bool on);
    bool IsEnabled() const { return m_enabled; }
    void SetDrawFocusRect(bool on, bool redraw);
    void SetVertical(bool vertical);
    bool IsVertical() const { return m_vertical; }

    bool SetChannelBitmap(const QString &path);
    // Loads the thumb and, if given, the thumb shown while dragging; with `transparent` their
    // key-coloured pixels are left undrawn. Resizes the slider to the larger of thumb and
    // channel in each direction, keeping its top-left corner.
    bool SetThumbBitmaps(const QString &thumbPath, const QString &activePath, bool transparent);

    void SetTooltipText(const QString &text, bool activate);
    void SetIndex(int index) { m_index = index; }
    int Index() const { return m_index; }
    void SetName(const std::string &name) { m_name = name; }
    const std::string &Name() const { return m_name; }

    bool IsDragging() const { return m_dragging; }
    // The thumb's centre along the axis for the current position.
    int ThumbCentre() const;
    // The slider's axis for the position <-> pixel arithmetic.
    SliderAxis Axis() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void MoveThumbTo(QPoint point);
    // Keys move the position by steps that may pass the ends of int.
    void StepBy(long long delta);
    void ClearThumbs();

    SkinHost *m_host = nullptr;
    std::string m_name;
    int m_index = 0;
    int m_maxPos = 100;
    int m_minPos = 0;
    int m_pos = 0;
    int m_pageSize = 20;
    QRect m_rect;
    int m_width = 0;
    int m_height = 0;
    int m_thumbWidth = 0;
    int m_thumbHeight = 0;
    int m_channelWidth = 0;
    int m_channelHeight = 0;
    int m_oldThumbX = -1;
    int m_oldThumbY = -1;
    bool m_vertical = false;
    bool m_hasActiveThumb = false;
    bool m_copyBackground = true;
    bool m_transparentThumb = false;
    bool m_hasThumb = false;
    bool m_dragging = false;
    bool m_hasFocus = false;
    bool m_focusRectShown = false;
    bool m_drawFocusRect = true;
    bool m_enabled = true;
    bool m_hasChannel = false;
    bool m_backgroundPending = true;
    std::uint32_t m_keyColor = 0;
    // With a transparent thumb, m_thumb and m_activeThumb already have their key-coloured
    // pixels (those set in the masks) made transparent.
    QImage m_thumb;
    QImage m_thumbMask;
    QImage m_activeThumb;
    QImage m_activeThumbMask;
    QImage m_savedUnderThumb;
    QImage m_channel;
    QImage m_backgroundCopy;
};

} // namespace lumaskin
