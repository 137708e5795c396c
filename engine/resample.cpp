#include "engine/resample.h"

#include "engine/parallel.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumaskin {

namespace {

// The source pixels one output pixel is made of along an axis, and how much of it each makes.
struct Span
{
    int first = 0;
    int count = 0;
    std::size_t weights = 0; // index of the first weight
};

struct Axis
{
    std::vector<Span> spans;
    std::vector<float> weights;
};

// Shrinking: the source pixels an output pixel covers, weighted by how much of each it covers.
// Growing: the two source pixels around the output pixel's centre, weighted by nearness.
Axis axisFor(int from, int to)
{
    Axis axis;
    axis.spans.resize(static_cast<std::size_t>(to));
    const double scale = static_cast<double>(from) / to;
    for (int i = 0; i < to; ++i) {
        Span &span = axis.spans[static_cast<std::size_t>(i)];
        span.weights = axis.weights.size();
        if (to <= from) {
            const double begin = i * scale;
            const double end = std::min<double>(from, (i + 1) * scale);
            const int first = std::clamp(static_cast<int>(begin), 0, from - 1);
            const int last = std::clamp(static_cast<int>(std::ceil(end)) - 1, first, from - 1);
            span.first = first;
            span.count = last - first + 1;
            for (int k = first; k <= last; ++k) {
                const double covered = std::min<double>(end, k + 1) - std::max<double>(begin, k);
                axis.weights.push_back(static_cast<float>(std::max(0.0, covered) / (end - begin)));
            }
        } else {
            const double centre = std::clamp((i + 0.5) * scale - 0.5, 0.0, from - 1.0);
            span.first = std::min(static_cast<int>(centre), from - 1);
            const double next = centre - span.first;
            span.count = span.first + 1 < from ? 2 : 1;
            axis.weights.push_back(static_cast<float>(span.count == 2 ? 1.0 - next : 1.0));
            if (span.count == 2)
                axis.weights.push_back(static_cast<float>(next));
        }
    }
    return axis;
}

} // namespace

void ScalePremultiplied(const Image &image, int width, int height, std::uint8_t *out,
                        std::size_t stride)
{
    if (image.IsNull() || width < 1 || height < 1)
        return;
    const int sourceWidth = image.Width();
    const Axis columns = axisFor(sourceWidth, width);
    const Axis rows = axisFor(image.Height(), height);
    ParallelFor(height, [&](int begin, int end) {
        // The source rows of one output row summed, premultiplied, one float per channel.
        std::vector<float> sum(4 * static_cast<std::size_t>(sourceWidth));
        for (int y = begin; y < end; ++y) {
            const Span &span = rows.spans[static_cast<std::size_t>(y)];
            std::fill(sum.begin(), sum.end(), 0.0f);
            for (int k = 0; k < span.count; ++k) {
                const float weight = rows.weights[span.weights + static_cast<std::size_t>(k)];
                const std::uint8_t *p = image.Row(span.first + k);
                float *s = sum.data();
                for (int x = 0; x < sourceWidth; ++x, p += 4, s += 4) {
                    const float alpha = p[3] * weight;
                    const float colour = alpha * (1.0f / 255);
                    s[0] += p[0] * colour;
                    s[1] += p[1] * colour;
                    s[2] += p[2] * colour;
                    s[3] += alpha;
                }
            }
            std::uint8_t *o = out + stride * static_cast<std::size_t>(y);
            for (const Span &column : columns.spans) {
                float r = 0, g = 0, b = 0, a = 0;
                const float *s = sum.data() + 4 * static_cast<std::size_t>(column.first);
                const float *w = columns.weights.data() + column.weights;
                for (int k = 0; k < column.count; ++k, s += 4) {
                    r += s[0] * w[k];
                    g += s[1] * w[k];
                    b += s[2] * w[k];
                    a += s[3] * w[k];
                }
                o[3] = static_cast<std::uint8_t>(std::clamp(a + 0.5f, 0.0f, 255.0f));
                // Rounding must not leave a colour above its alpha.
                o[0] = static_cast<std::uint8_t>(std::clamp(r + 0.5f, 0.0f, float(o[3])));
                o[1] = static_cast<std::uint8_t>(std::clamp(g + 0.5f, 0.0f, float(o[3])));
                o[2] = static_cast<std::uint8_t>(std::clamp(b + 0.5f, 0.0f, float(o[3])));
                o += 4;
            }
        }
    });
}

Image Scaled(const Image &image, int width, int height)
{
    if (image.IsNull())
        return {};
    if (image.Width() == width && image.Height() == height)
        return image.Clone();
    Image scaled(width, height);
    if (scaled.IsNull())
        return {};
    ScalePremultiplied(image, width, height, scaled.Row(0), scaled.Stride());
    ParallelFor(height, [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            std::uint8_t *p = scaled.Row(y);
            for (int x = 0; x < width; ++x, p += 4) {
                const int alpha = p[3];
                if (alpha == 255)
                    continue;
                for (int c = 0; c < 3; ++c)
                    p[c] = alpha == 0 ? 0
                                      : static_cast<std::uint8_t>(
                                            std::min(255, (p[c] * 255 + alpha / 2) / alpha));
            }
        }
    });
    return scaled;
}

} // namespace lumaskin
