#pragma once

#include "controls/slider_math.h"

#include <QBasicTimer>
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>

class QAbstractScrollArea;

namespace lumaskin {

// The seven bitmap files of a skinned scroll bar.
struct ScrollBarFiles
{
    QString track;
    QString up;
    QString upPressed;
    QString down;
    QString downPressed;
    QString thumb;
    QString thumbPressed;
};

// A vertical scroll bar drawn from skin bitmaps beside a list, mirroring the list's own
// (hidden) vertical scroll bar: arrows scroll by a line (repeating after 250 ms every 50 ms
// while held), the track by a page, and the thumb can be dragged. The pressed images also
// serve as hover images.
class SkinScrollBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDelayMs = 250;
    static constexpr int kRepeatMs = 50;

    explicit SkinScrollBar(QWidget *parent = nullptr);
    ~SkinScrollBar() override;

    // Sizes are taken from the normal image of each pair, and only when both images of the
    // pair load; a pair that does not load keeps its sizes (0 at first) and is not drawn.
    void LoadBitmaps(const ScrollBarFiles &files);
    void SetList(QAbstractScrollArea *list);
    void SetBkColor(std::uint32_t color);

    // Follows the list's position: recomputes the thumb and repaints.
    void UpdateBar();

    // A mouse move at `pos` (this bar's coordinates); the list and the host forward theirs.
    void HandleMouseMove(QPoint pos, Qt::MouseButtons buttons);

    int BarWidth() const { return m_barWidth; }
    int ThumbTop() const { return m_thumbTop; }
    double PixelsPerLine() const { return m_pixelsPerLine; }
    bool IsUpDown() const { return m_upDown; }
    bool IsDownDown() const { return m_downDown; }
    bool IsThumbDown() const { return m_thumbDown; }
    // The list's scroll limit (lines it can scroll) and position; 0 without a list.
    int ScrollLimit() const;
    int ScrollPosition() const;
    // Identifiers of the running delay and repeat timers, 0 when stopped.
    int DelayTimerId() const { return m_delayTimer.timerId(); }
    int RepeatTimerId() const { return m_repeatTimer.timerId(); }

    QRect UpArrowRect() const;
    QRect DownArrowRect() const;
    QRect ThumbRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    enum class Scroll
    {
        LineUp,
        LineDown,
        PageUp,
        PageDown
    };
    void ScrollList(Scroll how);
    void ClampThumb();
    // The thumb's travel as a slider axis: positions 0..limit over the track.
    SliderAxis Axis() const;

    QImage m_thumb;
    QImage m_thumbPressed;
    QImage m_up;
    QImage m_upPressed;
    QImage m_down;
    QImage m_downPressed;
    QImage m_track;
    QColor m_bkColor = Qt::white;
    int m_upWidth = 0;
    int m_upHeight = 0;
    int m_downWidth = 0;
    int m_downHeight = 0;
    int m_thumbWidth = 0;
    int m_thumbHeight = 0;
    int m_trackWidth = 0;
    int m_trackHeight = 0;
    int m_barWidth = 0;
    QPointer<QAbstractScrollArea> m_list;
    bool m_upDown = false;
    bool m_downDown = false;
    bool m_thumbDown = false;
    int m_thumbTop = 0;
    double m_pixelsPerLine = 0;
    // The left button went down on the bar and has not come up yet.
    bool m_leftButtonDown = false;
    QBasicTimer m_delayTimer;
    QBasicTimer m_repeatTimer;
};

} // namespace lumaskin
