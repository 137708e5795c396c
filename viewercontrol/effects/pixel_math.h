#pragma once

#include "viewercontrol/image.h"
#include "viewercontrol/parallel.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

// Small pieces shared by the effects.

namespace lumaskin::effects {

static_assert(std::endian::native == std::endian::little,
              "pixels are read as 32-bit words with red in the low byte");

using ChannelTable = std::array<std::uint8_t, 256>;

inline std::uint8_t ClampByte(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// Rec. 601 luma, rounded: 0.299 R + 0.587 G + 0.114 B.
inline int Luma(int red, int green, int blue)
{
    return (19595 * red + 38470 * green + 7471 * blue + 32768) >> 16;
}

inline std::uint32_t LoadPixel(const std::uint8_t *p)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

inline void StorePixel(std::uint8_t *p, std::uint32_t v)
{
    std::memcpy(p, &v, 4);
}

// Maps the red, green and blue bytes of every pixel through their tables; alpha stays.
void ApplyChannelTables(Image &image, const ChannelTable &red, const ChannelTable &green,
                        const ChannelTable &blue);

// One table for all three colour channels.
inline void ApplyChannelTable(Image &image, const ChannelTable &table)
{
    ApplyChannelTables(image, table, table, table);
}

// A table holding f(v) for every byte value v.
template <typename F> ChannelTable MakeChannelTable(F f)
{
    ChannelTable table{};
    for (int v = 0; v < 256; ++v)
        table[static_cast<std::size_t>(v)] = ClampByte(f(v));
    return table;
}

// Runs `work(y, row)` for every row, in parallel bands of rows.
template <typename F> void ForEachRow(Image &image, const F &work)
{
    ParallelFor(image.height(), [&](int begin, int end) {
        for (int y = begin; y < end; ++y)
            work(y, image.row(y));
    });
}

} // namespace lumaskin::effects
