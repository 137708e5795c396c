// Median: square median filter.
//
// Argument: size, 1..99, the side of the square in pixels; even sizes round up to the next odd
// one (2 works as 3). Each colour channel becomes the median of that channel over the square
// centred on the pixel. Size 1 leaves the picture alone (neutral).
// Edges: pixels beyond the borders repeat the nearest edge pixel.
//
// Size 3 uses a sorting network on bytes. Sizes up to 11 slide one histogram along each row
// (Huang). Larger sizes keep one histogram per column of the window and one for the whole
// square, both moved by one row or column at a time (Perreault and Hebert's constant-time
// median), so the cost per pixel hardly grows with the size; they work in stripes of columns
// whose histograms fit in a core's cache. Both read from one copy of the picture.

#include "engine/effects/effect_table.h"
#include "engine/effects/median_of_nine.h"
#include "engine/effects/pixel_math.h"
#include "engine/effects/row_window.h"
#include "engine/parallel.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <vector>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"size", ArgumentKind::Int, 1, 99, 1, 1,
     QT_TRANSLATE_NOOP("Effects", "side of the square in pixels (even sizes round up)")},
};
constexpr const EffectArgument &kSize = kArguments[0];

void MedianOfNine(Image &image)
{
    const int width = image.Width();
    effects::ForEachRowWindow(image, 1, [width](effects::RowWindow &window) {
        effects::MedianOfNine median(width);
        for (; !window.Done(); window.Next()) {
            std::uint8_t *out = window.Out();
            median.Row(window.Row(-1), window.Row(0), window.Row(1), out);
            const std::uint8_t *original = window.Row(0);
            for (int x = 0; x < width; ++x)
                out[4 * x + 3] = original[4 * x + 3];
        }
    });
}

constexpr int kBins = 256;
constexpr int kCoarse = 16; // coarse bins of 16 values each

// Histograms of one channel for every column of a stripe plus `radius` columns on each side,
// each over the 2 radius + 1 rows around the current row. Counts never exceed 99, so bytes hold
// them.
class ColumnHistograms
{
public:
    explicit ColumnHistograms(int columns)
        : m_fine(static_cast<std::size_t>(columns) * kBins),
          m_coarse(static_cast<std::size_t>(columns) * kCoarse)
    {}
    const std::uint8_t *Fine(int column) const { return &m_fine[std::size_t(column) * kBins]; }
    const std::uint8_t *Coarse(int column) const
    {
        return &m_coarse[std::size_t(column) * kCoarse];
    }
    // Adds (+1) or removes (-1) one row's values: pixel sources[c] of `row` for column c.
    void Add(const std::uint8_t *row, const std::vector<int> &sources, int channel, int step)
    {
        const auto change = static_cast<std::uint8_t>(step);
        for (std::size_t column = 0; column < sources.size(); ++column) {
            const int v = row[4 * sources[column] + channel];
            m_fine[column * kBins + std::size_t(v)] += change;
            m_coarse[column * kCoarse + std::size_t(v >> 4)] += change;
        }
    }

private:
    std::vector<std::uint8_t> m_fine;
    std::vector<std::uint8_t> m_coarse;
};

// The square's histogram while it slides along a row. The coarse counts move with every step;
// each group of sixteen fine counts is brought up to date only when the median falls into it,
// from the columns that entered and left since its last visit, or from scratch when that would
// be more work. Neighbouring pixels mostly share a group, so the cost per pixel stays small
// whatever the size.
class SquareHistogram
{
public:
    SquareHistogram(const ColumnHistograms &columns, int side)
        : m_columns(columns), m_side(side), m_rank(side * side / 2)
    {}

    // The median of the square whose leftmost column is `column`; call with column 0, 1, 2, ...
    int Median(int column)
    {
        if (column == 0) {
            m_coarse.fill(0);
            m_seen.fill(kNever);
            for (int c = 0; c < m_side; ++c)
                Add(m_coarse.data(), m_columns.Coarse(c));
        } else {
            Slide(m_coarse.data(), m_columns.Coarse(column + m_side - 1),
                  m_columns.Coarse(column - 1));
        }
        int below = 0;
        int group = 0;
        while (below + m_coarse[std::size_t(group)] <= m_rank)
            below += m_coarse[std::size_t(group++)];

        std::uint16_t *fine = m_fine[std::size_t(group)].data();
        const int seen = m_seen[std::size_t(group)];
        const int offset = group * kCoarse;
        if (seen == kNever || 2 * (column - seen) > m_side) {
            std::fill_n(fine, kCoarse, std::uint16_t(0));
            for (int c = column; c < column + m_side; ++c)
                Add(fine, m_columns.Fine(c) + offset);
        } else {
            for (int c = seen + 1; c <= column; ++c)
                Slide(fine, m_columns.Fine(c + m_side - 1) + offset,
                      m_columns.Fine(c - 1) + offset);
        }
        m_seen[std::size_t(group)] = column;

        int value = 0;
        while (below + fine[value] <= m_rank)
            below += fine[value++];
        return offset + value;
    }

private:
    static constexpr int kNever = -1;

    static void Add(std::uint16_t *LUMASKIN_RESTRICT counts,
                    const std::uint8_t *LUMASKIN_RESTRICT entering)
    {
        for (int i = 0; i < kCoarse; ++i)
            counts[i] = static_cast<std::uint16_t>(counts[i] + entering[i]);
    }
    static void Slide(std::uint16_t *LUMASKIN_RESTRICT counts,
                      const std::uint8_t *LUMASKIN_RESTRICT entering,
                      const std::uint8_t *LUMASKIN_RESTRICT leaving)
    {
        for (int i = 0; i < kCoarse; ++i)
            counts[i] = static_cast<std::uint16_t>(counts[i] + entering[i] - leaving[i]);
    }

    const ColumnHistograms &m_columns;
    int m_side;
    int m_rank; // the median has this many values below it
    std::array<std::uint16_t, kCoarse> m_coarse{};
    std::array<std::array<std::uint16_t, kCoarse>, kCoarse> m_fine{};
    std::array<int, kCoarse> m_seen{};
};

// Stripes this wide keep the column histograms of three channels (about 300 KB at the
// largest size) in a core's own cache while the stripe's rows go by.
constexpr int kStripeColumns = 256;

// Up to this radius a running histogram costs less than the constant-time method.
constexpr int kLargestRunningRadius = 5;

void MedianOfHistograms(Image &image, int radius)
{
    const int width = image.Width();
    const int height = image.Height();
    const int side = 2 * radius + 1;
    // The square reaches across stripes and bands, so it reads an untouched copy.
    const Image source = image.Clone();
    if (source.IsNull())
        return;
    const int bandRows = std::max(256, 8 * radius);
    const int bands = (height + bandRows - 1) / bandRows;
    const int stripes = (width + kStripeColumns - 1) / kStripeColumns;

    ParallelFor(bands * stripes, [&](int firstTask, int lastTask) {
        for (int task = firstTask; task < lastTask; ++task) {
            const int top = task / stripes * bandRows;
            const int bottom = std::min(height, top + bandRows);
            const int left = task % stripes * kStripeColumns;
            const int right = std::min(width, left + kStripeColumns);
            // Column c of the histograms is pixel column left - radius + c, clamped.
            std::vector<int> sources(static_cast<std::size_t>(right - left + 2 * radius));
            for (std::size_t c = 0; c < sources.size(); ++c)
                sources[c] = std::clamp(left - radius + static_cast<int>(c), 0, width - 1);
            const auto sourceRow = [&](int y) { return source.Row(std::clamp(y, 0, height - 1)); };

            std::vector<ColumnHistograms> histograms(3, ColumnHistograms(int(sources.size())));
            for (int channel = 0; channel < 3; ++channel)
                for (int y = top - radius; y <= top + radius; ++y)
                    histograms[std::size_t(channel)].Add(sourceRow(y), sources, channel, 1);
            for (int y = top; y < bottom; ++y) {
                std::uint8_t *out = image.Row(y);
                for (int channel = 0; channel < 3; ++channel) {
                    ColumnHistograms &columns = histograms[std::size_t(channel)];
                    if (y > top) {
                        columns.Add(sourceRow(y - radius - 1), sources, channel, -1);
                        columns.Add(sourceRow(y + radius), sources, channel, 1);
                    }
                    SquareHistogram square(columns, side);
                    for (int x = left; x < right; ++x)
                        out[4 * x + channel] = static_cast<std::uint8_t>(square.Median(x - left));
                }
            }
        }
    });
}

// Huang's running median, for small squares: one histogram per channel slides along the row,
// one column of the square leaving and one entering per step, and the median moves from where
// it was. Cheaper than the constant-time method while a column is short.
void MedianOfRunningHistograms(Image &image, int radius)
{
    const int width = image.Width();
    const int height = image.Height();
    const int side = 2 * radius + 1;
    const int rank = side * side / 2;
    const Image source = image.Clone();
    if (source.IsNull())
        return;
    ParallelFor(height, [&](int begin, int end) {
        std::vector<const std::uint8_t *> rows(static_cast<std::size_t>(side));
        for (int y = begin; y < end; ++y) {
            for (int dy = -radius; dy <= radius; ++dy)
                rows[std::size_t(dy + radius)] = source.Row(std::clamp(y + dy, 0, height - 1));
            // The three channels run side by side: independent chains of work for the core.
            std::array<std::array<std::uint16_t, kBins>, 3> counts{};
            for (int x = -radius; x <= radius; ++x) {
                const std::size_t offset =
                    4 * static_cast<std::size_t>(std::clamp(x, 0, width - 1));
                for (const std::uint8_t *row : rows)
                    for (std::size_t k = 0; k < 3; ++k)
                        ++counts[k][row[offset + k]];
            }
            std::array<int, 3> median{};
            std::array<int, 3> below{}; // values below `median`
            std::uint8_t *out = image.Row(y);
            for (int x = 0; x < width; ++x) {
                if (x > 0) {
                    const std::size_t leaving =
                        4 * static_cast<std::size_t>(std::max(x - radius - 1, 0));
                    const std::size_t entering =
                        4 * static_cast<std::size_t>(std::min(x + radius, width - 1));
                    for (const std::uint8_t *row : rows)
                        for (std::size_t k = 0; k < 3; ++k) {
                            const int gone = row[leaving + k];
                            const int come = row[entering + k];
                            --counts[k][std::size_t(gone)];
                            ++counts[k][std::size_t(come)];
                            below[k] += (come < median[k]) - (gone < median[k]);
                        }
                }
                for (std::size_t k = 0; k < 3; ++k) {
                    int m = median[k];
                    int b = below[k];
                    while (b > rank)
                        b -= counts[k][std::size_t(--m)];
                    while (b + counts[k][std::size_t(m)] <= rank)
                        b += counts[k][std::size_t(m++)];
                    median[k] = m;
                    below[k] = b;
                    out[4 * x + int(k)] = static_cast<std::uint8_t>(m);
                }
            }
        }
    });
}

void Median(Image &image, int size)
{
    size = kSize.Clamp(size);
    const int radius = size / 2; // even sizes round up: 2 and 3 both give radius 1
    if (image.IsNull() || radius == 0)
        return;
    if (radius == 1)
        MedianOfNine(image);
    else if (radius <= kLargestRunningRadius)
        MedianOfRunningHistograms(image, radius);
    else
        MedianOfHistograms(image, radius);
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kMedian = {
    .operation = "Median",
    .command = "median",
    .dispatchId = DispatchId::Median,
    .meaning = QT_TRANSLATE_NOOP("Effects", "square median filter"),
    .arguments = kArguments,
    .run = [](Image &image, const EffectDescriptor::Arguments &a) { Median(image, AsInt(a[0])); },
    // Even sizes work as the next odd one: 2 reaches one row, as 3 does.
    .rowReach = [](const EffectDescriptor::Arguments &a) { return AsInt(a[0]) / 2; },
};

} // namespace effects

} // namespace lumaskin
