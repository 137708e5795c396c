#pragma once

#include <cstdint>
#include <vector>

namespace lumaskin::effects {

// The exact median of every 3x3 neighbourhood along a row, channel by channel, on byte rows
// padded by at least one pixel at each end. Each column of three is sorted once and shared by
// the three outputs that use it; the median of nine is then the middle of the largest low, the
// middle of the middles and the smallest high. Plain min/max on bytes, which compilers
// vectorise. Writes 4 * width bytes to `out`, alpha bytes included (the caller puts them back).
class MedianOfNine
{
public:
    explicit MedianOfNine(int width);
    void Row(const std::uint8_t *above, const std::uint8_t *here, const std::uint8_t *below,
             std::uint8_t *out);

private:
    int m_width;
    std::vector<std::uint8_t> m_low, m_middle, m_high;
};

} // namespace lumaskin::effects
