#pragma once

#include "engine/image.h"
#include "engine/parallel.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

// Small pieces shared by the effects.

// Row kernels mark their pointers so that the compiler knows a store to a pixel byte cannot
// change the kernel's tables or parameters, and vectorises the loop.
#define LUMASKIN_RESTRICT __restrict

// Pixel loops whose arithmetic needs 32-bit multiplies are built twice on x86-64, for the
// baseline and for AVX2 (which multiplies eight lanes at once), and the processor's own is
// chosen when the program loads.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) &&                             \
    !defined(__SANITIZE_ADDRESS__)
#define LUMASKIN_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define LUMASKIN_VECTOR_CLONES
#endif

namespace lumaskin::effects {

static_assert(std::endian::native == std::endian::little,
              "pixels are read as 32-bit words with red in the low byte");

using ChannelTable = std::array<std::uint8_t, 256>;

inline std::uint8_t ClampByte(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// Rec. 601 luma, rounded half up: (299 R + 587 G + 114 B + 500) / 1000, in 32-bit integers
// that vectorise. Dividing by 8 first, then by 125 as a multiply and shift, is exact for every
// sum up to 255 500 (checked over all of them in the tests) and keeps the product below 2^31.
inline int Luma(int red, int green, int blue)
{
    const auto sum = static_cast<std::uint32_t>(299 * red + 587 * green + 114 * blue + 500);
    return static_cast<int>(((sum >> 3) * 33555u) >> 22);
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

// The luma of `count` pixels, one byte each.
void LumaRow(const std::uint8_t *LUMASKIN_RESTRICT pixels, int count,
             std::uint8_t *LUMASKIN_RESTRICT luma);

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
    ParallelFor(image.Height(), [&](int begin, int end) {
        for (int y = begin; y < end; ++y)
            work(y, image.Row(y));
    });
}

} // namespace lumaskin::effects
