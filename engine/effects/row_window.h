#pragma once

#include "engine/image.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace lumaskin::effects {

// What a filter that reads neighbours sees while it changes a picture in place: the original
// rows around the row being written, padded at both ends with copies of the edge pixels.
//
// The picture is cut into chunks of rows that are worked on in parallel. Before any row
// changes, the rows just above and below every chunk are copied aside; within a chunk the
// original rows pass through a small ring of copies on their way. So a filter of radius r needs
// memory for about 2r rows per chunk plus 2r + 1 rows per thread, never a second picture, and its
// result does not depend on how the chunks are shared out.
class RowWindow
{
public:
    int Y() const { return m_y; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // The original row y + dy (-radius <= dy <= radius), clamped into the picture. Pixels
    // -radius .. width + radius - 1 may be read; those beyond the edges repeat the edge pixels.
    const std::uint8_t *Row(int dy) const;
    // The picture's row y, where the result goes.
    std::uint8_t *Out() const { return m_image.Row(m_y); }

    bool Done() const { return m_y >= m_end; }
    void Next();

    RowWindow(Image &image, int radius);
    RowWindow(const RowWindow &) = delete;
    RowWindow &operator=(const RowWindow &) = delete;

    // Positions the window on the first row of a chunk [begin, end); `above` holds the original
    // rows max(0, begin - radius) .. begin - 1 and `below` the rows end .. end + radius - 1 that
    // exist.
    void Start(int begin, int end, const std::uint8_t *above, const std::uint8_t *below);

private:
    void Load(int sourceRow);

    Image &m_image;
    int m_width;
    int m_height;
    int m_radius;
    int m_slots;
    std::size_t m_slotBytes;
    std::unique_ptr<std::uint8_t[]> m_ring;
    int m_y = 0;
    int m_begin = 0;
    int m_end = 0;
    const std::uint8_t *m_above = nullptr;
    const std::uint8_t *m_below = nullptr;
};

// Runs `work` once per chunk with a window standing on the chunk's first row; `work` walks the
// window down with next() until done(), writing each result row to out(). Chunks run in
// parallel; `work` must write only the rows it is given.
void ForEachRowWindow(Image &image, int radius, const std::function<void(RowWindow &)> &work);

} // namespace lumaskin::effects
