#include "viewercontrol/codecs/pixel_rows.h"

#include "viewercontrol/parallel.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <vector>

namespace lumaskin {

PixelSummary Summarise(const Image &image)
{
    // Bands of rows in parallel; each stops once both answers are false within it (at once
    // for a colour photo), and a grey picture is read on every core.
    const int width = image.Width();
    std::atomic<bool> opaque{true}, grey{true};
    ParallelFor(image.Height(), [&](int begin, int end) {
        bool bandOpaque = true, bandGrey = true;
        for (int y = begin; y < end && (bandOpaque || bandGrey); ++y) {
            const std::uint8_t *p = image.Row(y);
            // Branch-free over whole pixels: the AND of every alpha and the OR of every pixel's
            // red-green and green-blue differences.
            std::uint32_t alpha = 0xFFu, colour = 0;
            for (int x = 0; x < width; ++x) {
                std::uint32_t v;
                std::memcpy(&v, p + 4 * static_cast<std::size_t>(x), 4);
                alpha &= v >> 24;
                colour |= (v ^ (v >> 8)) & 0xFFFFu;
            }
            bandOpaque &= alpha == 0xFFu;
            bandGrey &= colour == 0;
        }
        if (!bandOpaque)
            opaque = false;
        if (!bandGrey)
            grey = false;
    });
    PixelSummary summary;
    summary.opaque = opaque;
    summary.grey = grey;
    return summary;
}

void CompositeRowOverWhite(const std::uint8_t *rgba, std::uint8_t *rgb, int width)
{
    for (int x = 0; x < width; ++x, rgba += 4, rgb += 3) {
        const unsigned a = rgba[3];
        if (a == 255) {
            rgb[0] = rgba[0], rgb[1] = rgba[1], rgb[2] = rgba[2];
            continue;
        }
        const unsigned white = 255 * (255 - a);
        for (int c = 0; c < 3; ++c)
            rgb[c] = static_cast<std::uint8_t>((rgba[c] * a + white + 127) / 255);
    }
}

Image Scaled(const Image &image, int width, int height)
{
    if (image.IsNull())
        return {};
    if (image.Width() == width && image.Height() == height)
        return image.Clone();
    // Qt scales in premultiplied form, so transparent pixels do not bleed their colour.
    return Image::FromQImage(
        image.ToQImage()
            .convertToFormat(QImage::Format_RGBA8888_Premultiplied)
            .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

namespace {

// The source pixels one output pixel covers along an axis, and how much of it each one makes.
struct Span
{
    int first = 0;
    int count = 0;
    std::size_t weights = 0; // index of the first weight
};

void CoverSpans(int from, int to, std::vector<Span> &spans, std::vector<float> &weights)
{
    spans.resize(static_cast<std::size_t>(to));
    const double scale = static_cast<double>(from) / to;
    for (int i = 0; i < to; ++i) {
        const double begin = i * scale;
        const double end = std::min<double>(from, (i + 1) * scale);
        const int first = std::clamp(static_cast<int>(begin), 0, from - 1);
        const int last = std::clamp(static_cast<int>(std::ceil(end)) - 1, first, from - 1);
        spans[static_cast<std::size_t>(i)] = {first, last - first + 1, weights.size()};
        for (int k = first; k <= last; ++k) {
            const double covered = std::min<double>(end, k + 1) - std::max<double>(begin, k);
            weights.push_back(static_cast<float>(std::max(0.0, covered) / (end - begin)));
        }
    }
}

} // namespace

QImage ShrunkForView(const Image &image, QSize size)
{
    if (image.IsNull() || size.isEmpty())
        return {};
    const int width = image.Width(), height = image.Height();
    if (size.width() > width || size.height() > height)
        return image.ToQImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage out(size, QImage::Format_RGBA8888_Premultiplied);
    if (out.isNull())
        return out;
    std::vector<Span> columns, rows;
    std::vector<float> columnWeights, rowWeights;
    CoverSpans(width, size.width(), columns, columnWeights);
    CoverSpans(height, size.height(), rows, rowWeights);
    ParallelFor(size.height(), [&](int begin, int end) {
        // The covered source rows summed, premultiplied, one float per channel.
        std::vector<float> sum(4 * static_cast<std::size_t>(width));
        for (int y = begin; y < end; ++y) {
            const Span &span = rows[static_cast<std::size_t>(y)];
            std::fill(sum.begin(), sum.end(), 0.0f);
            for (int k = 0; k < span.count; ++k) {
                const float weight = rowWeights[span.weights + static_cast<std::size_t>(k)];
                const std::uint8_t *p = image.Row(span.first + k);
                float *s = sum.data();
                for (int x = 0; x < width; ++x, p += 4, s += 4) {
                    const float alpha = p[3] * weight;
                    const float colour = alpha * (1.0f / 255);
                    s[0] += p[0] * colour;
                    s[1] += p[1] * colour;
                    s[2] += p[2] * colour;
                    s[3] += alpha;
                }
            }
            std::uint8_t *o = out.scanLine(y);
            for (const Span &column : columns) {
                float r = 0, g = 0, b = 0, a = 0;
                const float *s = sum.data() + 4 * static_cast<std::size_t>(column.first);
                const float *w = columnWeights.data() + column.weights;
                for (int k = 0; k < column.count; ++k, s += 4) {
                    r += s[0] * w[k];
                    g += s[1] * w[k];
                    b += s[2] * w[k];
                    a += s[3] * w[k];
                }
                o[0] = static_cast<std::uint8_t>(std::clamp(r + 0.5f, 0.0f, 255.0f));
                o[1] = static_cast<std::uint8_t>(std::clamp(g + 0.5f, 0.0f, 255.0f));
                o[2] = static_cast<std::uint8_t>(std::clamp(b + 0.5f, 0.0f, 255.0f));
                o[3] = static_cast<std::uint8_t>(std::clamp(a + 0.5f, 0.0f, 255.0f));
                o += 4;
            }
        }
    });
    return out;
}

} // namespace lumaskin
