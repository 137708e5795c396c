#include "engine/effects/row_window.h"

#include "engine/parallel.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace lumaskin::effects {

namespace {

std::size_t RowBytes(int width)
{
    return 4 * static_cast<std::size_t>(width);
}

} // namespace

RowWindow::RowWindow(Image &image, int radius)
    : m_image(image), m_width(image.Width()), m_height(image.Height()),
      m_radius(std::max(radius, 0)),
      // Clamped rows repeat, so a short picture needs no more slots than it has rows.
      m_slots(std::min(2 * m_radius + 1, m_height)),
      m_slotBytes((RowBytes(m_width + 2 * m_radius) + 63) / 64 * 64),
      m_ring(std::make_unique_for_overwrite<std::uint8_t[]>(m_slotBytes *
                                                            static_cast<std::size_t>(m_slots)))
{}

const std::uint8_t *RowWindow::Row(int dy) const
{
    const int source = std::clamp(m_y + dy, 0, m_height - 1);
    return m_ring.get() + m_slotBytes * static_cast<std::size_t>(source % m_slots) +
           RowBytes(m_radius);
}

void RowWindow::Load(int sourceRow)
{
    const std::uint8_t *from;
    if (sourceRow < m_begin)
        from = m_above + RowBytes(m_width) *
                             static_cast<std::size_t>(sourceRow - std::max(0, m_begin - m_radius));
    else if (sourceRow < m_end)
        from = m_image.Row(sourceRow);
    else
        from = m_below + RowBytes(m_width) * static_cast<std::size_t>(sourceRow - m_end);

    std::uint8_t *slot = m_ring.get() + m_slotBytes * static_cast<std::size_t>(sourceRow % m_slots);
    std::uint8_t *pixels = slot + RowBytes(m_radius);
    std::memcpy(pixels, from, RowBytes(m_width));
    for (int i = 0; i < m_radius; ++i) {
        std::memcpy(slot + 4 * static_cast<std::size_t>(i), pixels, 4);
        std::memcpy(pixels + RowBytes(m_width + i), pixels + RowBytes(m_width - 1), 4);
    }
}

void RowWindow::Start(int begin, int end, const std::uint8_t *above, const std::uint8_t *below)
{
    m_begin = begin;
    m_end = end;
    m_above = above;
    m_below = below;
    m_y = begin;
    const int last = std::min(m_height - 1, begin + m_radius);
    for (int source = std::max(0, begin - m_radius); source <= last; ++source)
        Load(source);
}

void RowWindow::Next()
{
    ++m_y;
    // Row y - radius - 1 has left the window; its slot takes the row entering at the bottom.
    if (m_y < m_end && m_y + m_radius < m_height)
        Load(m_y + m_radius);
}

void ForEachRowWindow(Image &image, int radius, const std::function<void(RowWindow &)> &work)
{
    if (image.IsNull())
        return;
    radius = std::max(radius, 0);
    const int height = image.Height();
    const std::size_t bytes = RowBytes(image.Width());
    // Chunks at least 4 radii tall keep the copied borders under half the picture and the
    // start-up cost of a chunk small.
    const int chunkRows = std::max(64, 4 * radius);
    const int chunks = (height + chunkRows - 1) / chunkRows;

    struct Border
    {
        int begin, end;           // the chunk's rows
        std::size_t above, below; // offsets of its copied borders
        int aboveRows, belowRows;
    };
    std::vector<Border> borders(static_cast<std::size_t>(chunks));
    std::size_t total = 0;
    for (int c = 0; c < chunks; ++c) {
        Border &b = borders[static_cast<std::size_t>(c)];
        b.begin = c * chunkRows;
        b.end = std::min(height, b.begin + chunkRows);
        b.aboveRows = b.begin - std::max(0, b.begin - radius);
        b.belowRows = std::min(height, b.end + radius) - b.end;
        b.above = total;
        total += bytes * static_cast<std::size_t>(b.aboveRows);
        b.below = total;
        total += bytes * static_cast<std::size_t>(b.belowRows);
    }
    const auto saved =
        std::make_unique_for_overwrite<std::uint8_t[]>(std::max<std::size_t>(total, 1));

    // Every border is copied before any row changes.
    ParallelFor(chunks, [&](int first, int last) {
        for (int c = first; c < last; ++c) {
            const Border &b = borders[static_cast<std::size_t>(c)];
            for (int i = 0; i < b.aboveRows; ++i)
                std::memcpy(saved.get() + b.above + bytes * static_cast<std::size_t>(i),
                            image.Row(b.begin - b.aboveRows + i), bytes);
            for (int i = 0; i < b.belowRows; ++i)
                std::memcpy(saved.get() + b.below + bytes * static_cast<std::size_t>(i),
                            image.Row(b.end + i), bytes);
        }
    });

    ParallelFor(chunks, [&](int first, int last) {
        RowWindow window(image, radius);
        for (int c = first; c < last; ++c) {
            const Border &b = borders[static_cast<std::size_t>(c)];
            window.Start(b.begin, b.end, saved.get() + b.above, saved.get() + b.below);
            work(window);
        }
    });
}

} // namespace lumaskin::effects
