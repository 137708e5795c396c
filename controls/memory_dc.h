#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <optional>

namespace lumaskin {

// Draws one frame off-screen and copies it to the target in one piece when it goes out of
// scope, so a control never shows a half-drawn frame. Callers draw through Painter() with
// the same coordinates as on the target. On a printer or PDF target there is nothing to
// flicker: drawing goes straight to the target and nothing is copied at the end.
class MemoryDC
{
public:
    // `rect` is the area drawn, in the target's coordinates; an empty one means the target's
    // clip box (or its whole window without clipping). With copyBackground the frame starts
    // from what the target already shows there; otherwise it starts filled with the target's
    // background colour.
    explicit MemoryDC(QPainter &targetDC, const QRect &rect = QRect(), bool copyBackground = false);
    ~MemoryDC();
    MemoryDC(const MemoryDC &) = delete;
    MemoryDC &operator=(const MemoryDC &) = delete;

    QPainter &Painter();
    QPainter *operator->() { return &Painter(); }
    bool IsMemoryDC() const { return m_isMemoryDC; }
    const QRect &Rect() const { return m_rect; }
    // The frame's pixels so far under `area` (target coordinates); null on a printer.
    QImage Copy(const QRect &area) const;

private:
    QImage m_bitmap;
    QPainter *m_targetDC;
    QRect m_rect;
    bool m_isMemoryDC;
    // The frame began as a copy of the target's own pixels and replaces them 1:1.
    bool m_copiedFromTarget = false;
    std::optional<QPainter> m_painter;
};

} // namespace lumaskin
