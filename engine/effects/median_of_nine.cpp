#include "engine/effects/median_of_nine.h"

#include "engine/effects/pixel_math.h"

#include <algorithm>

namespace lumaskin::effects {

MedianOfNine::MedianOfNine(int width)
    : m_width(width), m_low(4 * static_cast<std::size_t>(width + 2)), m_middle(m_low.size()),
      m_high(m_low.size())
{}

namespace {

// Sorts every column of three: low <= middle <= high.
void SortColumns(const std::uint8_t *LUMASKIN_RESTRICT a, const std::uint8_t *LUMASKIN_RESTRICT b,
                 const std::uint8_t *LUMASKIN_RESTRICT c, int bytes,
                 std::uint8_t *LUMASKIN_RESTRICT low, std::uint8_t *LUMASKIN_RESTRICT middle,
                 std::uint8_t *LUMASKIN_RESTRICT high)
{
    for (int i = 0; i < bytes; ++i) {
        const std::uint8_t lo = std::min(a[i], b[i]);
        const std::uint8_t hi = std::max(a[i], b[i]);
        high[i] = std::max(hi, c[i]);
        const std::uint8_t m = std::min(hi, c[i]);
        middle[i] = std::max(lo, m);
        low[i] = std::min(lo, m);
    }
}

void CombineColumns(const std::uint8_t *LUMASKIN_RESTRICT low,
                    const std::uint8_t *LUMASKIN_RESTRICT middle,
                    const std::uint8_t *LUMASKIN_RESTRICT high, int bytes,
                    std::uint8_t *LUMASKIN_RESTRICT out)
{
    for (int i = 0; i < bytes; ++i) {
        const std::uint8_t maxLow = std::max(std::max(low[i], low[i + 4]), low[i + 8]);
        const std::uint8_t minHigh = std::min(std::min(high[i], high[i + 4]), high[i + 8]);
        const std::uint8_t m0 = middle[i], m1 = middle[i + 4], m2 = middle[i + 8];
        const std::uint8_t midMid = std::max(std::min(m0, m1), std::min(std::max(m0, m1), m2));
        out[i] = std::max(std::min(maxLow, midMid), std::min(std::max(maxLow, midMid), minHigh));
    }
}

} // namespace

void MedianOfNine::Row(const std::uint8_t *above, const std::uint8_t *here,
                       const std::uint8_t *below, std::uint8_t *out)
{
    // Columns from pixel -1 to pixel width.
    SortColumns(above - 4, here - 4, below - 4, 4 * (m_width + 2), m_low.data(), m_middle.data(),
                m_high.data());
    CombineColumns(m_low.data(), m_middle.data(), m_high.data(), 4 * m_width, out);
}

} // namespace lumaskin::effects
