// Resampling: each axis in turn with a kernel whose weights are worked out once per output
// column and row. A band of output rows filters each source row it needs across once, into a
// ring of rows that holds just what one output row reads, then sums those rows down.
//
// Pixels are centred: output pixel i samples the source at (i + 0.5) * from / to - 0.5. When
// shrinking, the kernel is widened by the ratio, so every source pixel counts. Colours are
// premultiplied by alpha on the way in and divided by it on the way out; the sums run in
// float.

#include "engine/steps/resampling.h"

#include "engine/parallel.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <new>
#include <numbers>
#include <vector>

namespace lumaskin {

namespace {

// Output pixel i of an axis is the sum, over k < taps, of weights[i * taps + k] times source
// pixel first[i] + k. Every output pixel has the same number of taps (zero where it needs
// fewer), so that the loops over them are all alike.
struct AxisWeights
{
    int taps = 1;
    std::vector<int> first;
    std::vector<float> weights;
};

double Sinc(double x)
{
    x *= std::numbers::pi;
    return x == 0 ? 1.0 : std::sin(x) / x;
}

double Radius(ResizeFilter filter)
{
    return filter == ResizeFilter::Linear ? 1.0 : 3.0;
}

double Kernel(ResizeFilter filter, double x)
{
    x = std::fabs(x);
    if (filter == ResizeFilter::Linear)
        return x < 1 ? 1 - x : 0;
    return x < 3 ? Sinc(x) * Sinc(x / 3) : 0;
}

AxisWeights WeightsFor(int from, int to, ResizeFilter filter)
{
    AxisWeights axis;
    axis.first.resize(static_cast<std::size_t>(to));
    if (from == to) {
        for (int i = 0; i < to; ++i)
            axis.first[static_cast<std::size_t>(i)] = i;
        axis.weights.assign(static_cast<std::size_t>(to), 1.0f);
        return axis;
    }
    const double scale = static_cast<double>(from) / to;
    const double stretch = std::max(1.0, scale);
    const double radius = Radius(filter) * stretch;
    const int taps = std::min(from, static_cast<int>(std::ceil(2 * radius)) + 1);
    axis.taps = taps;
    axis.weights.assign(static_cast<std::size_t>(to) * static_cast<std::size_t>(taps), 0.0f);
    std::vector<double> raw(static_cast<std::size_t>(taps));
    for (int i = 0; i < to; ++i) {
        const double centre = (i + 0.5) * scale - 0.5;
        const int low = static_cast<int>(std::floor(centre - radius)) + 1;
        const int high = static_cast<int>(std::ceil(centre + radius)) - 1;
        const int first = std::clamp(low, 0, from - taps);
        axis.first[static_cast<std::size_t>(i)] = first;
        std::fill(raw.begin(), raw.end(), 0.0);
        double sum = 0;
        // Beyond the borders the edge pixel repeats: its weight takes theirs.
        for (int j = low; j <= high; ++j) {
            const double weight = Kernel(filter, (j - centre) / stretch);
            raw[static_cast<std::size_t>(std::clamp(j, 0, from - 1) - first)] += weight;
            sum += weight;
        }
        float *out = axis.weights.data() + static_cast<std::size_t>(i) * taps;
        for (int k = 0; k < taps; ++k)
            out[k] = static_cast<float>(raw[static_cast<std::size_t>(k)] / sum);
    }
    return axis;
}

// A pixel's four channels in one vector register: premultiplied red, green, blue and alpha, on
// the scale 0..255. The loops below are written on these so that each step works on a whole
// pixel at once.
using Pixel = float __attribute__((vector_size(16)));
using Int4 = int __attribute__((vector_size(16)));
using Byte4 = std::uint8_t __attribute__((vector_size(4)));

// One source row filtered across into `out`, by way of `premultiplied`, room for the source
// row.
void FilterAcross(const std::uint8_t *in, int sourceWidth, const AxisWeights &columns,
                  Pixel *premultiplied, Pixel *out)
{
    for (int x = 0; x < sourceWidth; ++x, in += 4) {
        Byte4 bytes;
        std::memcpy(&bytes, in, 4);
        Pixel pixel = __builtin_convertvector(bytes, Pixel) * (in[3] * (1.0f / 255));
        pixel[3] = in[3];
        premultiplied[x] = pixel;
    }
    const int taps = columns.taps;
    const int width = static_cast<int>(columns.first.size());
    const int *first = columns.first.data();
    const float *w = columns.weights.data();
    // Four output pixels at a time, so that their sums do not wait on one another.
    int i = 0;
    for (; i + 4 <= width; i += 4, w += 4 * taps) {
        const Pixel *s0 = premultiplied + first[i];
        const Pixel *s1 = premultiplied + first[i + 1];
        const Pixel *s2 = premultiplied + first[i + 2];
        const Pixel *s3 = premultiplied + first[i + 3];
        Pixel sum0 = {}, sum1 = {}, sum2 = {}, sum3 = {};
        for (int k = 0; k < taps; ++k) {
            sum0 += w[k] * s0[k];
            sum1 += w[taps + k] * s1[k];
            sum2 += w[2 * taps + k] * s2[k];
            sum3 += w[3 * taps + k] * s3[k];
        }
        out[i] = sum0;
        out[i + 1] = sum1;
        out[i + 2] = sum2;
        out[i + 3] = sum3;
    }
    for (; i < width; ++i, w += taps) {
        const Pixel *s = premultiplied + first[i];
        Pixel sum = {};
        for (int k = 0; k < taps; ++k)
            sum += w[k] * s[k];
        out[i] = sum;
    }
}

// A row of premultiplied sums back to straight 8-bit RGBA.
void Store(const Pixel *sums, int width, std::uint8_t *out)
{
    const Pixel zero = {};
    const Pixel full = zero + 255.0f;
    for (int x = 0; x < width; ++x, out += 4) {
        Pixel pixel = sums[x];
        pixel = pixel < zero ? zero : pixel;
        pixel = pixel > full ? full : pixel;
        const float alpha = pixel[3];
        // A pixel with next to no alpha has no colour worth dividing out.
        pixel *= alpha < 0.5f ? 0.0f : 255.0f / alpha;
        pixel = pixel > full ? full : pixel;
        pixel[3] = alpha;
        const Byte4 bytes =
            __builtin_convertvector(__builtin_convertvector(pixel + 0.5f, Int4), Byte4);
        std::memcpy(out, &bytes, 4);
    }
}

// Output rows [begin, end) of `out`.
void FilterBand(const Image &image, const AxisWeights &columns, const AxisWeights &rows, Image &out,
                int begin, int end)
{
    const int width = out.Width();
    const int ringRows = rows.taps;
    std::vector<Pixel> premultiplied(static_cast<std::size_t>(image.Width()));
    // Source row r, filtered across, sits in slot r % ringRows.
    std::vector<Pixel> ring(static_cast<std::size_t>(ringRows) * static_cast<std::size_t>(width));
    std::vector<Pixel> sums(static_cast<std::size_t>(width));
    const auto slot = [&](int row) {
        return ring.data() + static_cast<std::size_t>(row % ringRows) * width;
    };
    int next = rows.first[static_cast<std::size_t>(begin)];
    for (int y = begin; y < end; ++y) {
        const int first = rows.first[static_cast<std::size_t>(y)];
        next = std::max(next, first);
        for (; next < first + ringRows; ++next)
            FilterAcross(image.Row(next), image.Width(), columns, premultiplied.data(), slot(next));
        const float *weights = rows.weights.data() + static_cast<std::size_t>(y) * ringRows;
        std::fill(sums.begin(), sums.end(), Pixel{});
        Pixel *sum = sums.data();
        // Two source rows at a time, to read and write the sums half as often.
        int k = 0;
        for (; k + 2 <= ringRows; k += 2) {
            const float w0 = weights[k];
            const float w1 = weights[k + 1];
            const Pixel *row0 = slot(first + k);
            const Pixel *row1 = slot(first + k + 1);
            for (int x = 0; x < width; ++x)
                sum[x] += w0 * row0[x] + w1 * row1[x];
        }
        if (k < ringRows) {
            const float w0 = weights[k];
            const Pixel *row0 = slot(first + k);
            for (int x = 0; x < width; ++x)
                sum[x] += w0 * row0[x];
        }
        Store(sums.data(), width, out.Row(y));
    }
}

void Nearest(const Image &image, Image &out)
{
    const auto sources = [](int from, int to) {
        std::vector<int> index(static_cast<std::size_t>(to));
        const double scale = static_cast<double>(from) / to;
        for (int i = 0; i < to; ++i)
            index[static_cast<std::size_t>(i)] =
                std::min(from - 1, static_cast<int>((i + 0.5) * scale));
        return index;
    };
    const std::vector<int> columns = sources(image.Width(), out.Width());
    const std::vector<int> rows = sources(image.Height(), out.Height());
    ParallelFor(out.Height(), [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            const std::uint8_t *in = image.Row(rows[static_cast<std::size_t>(y)]);
            std::uint8_t *o = out.Row(y);
            for (const int x : columns)
                std::memcpy(o, in + 4 * static_cast<std::size_t>(x), 4), o += 4;
        }
    });
}

} // namespace

Image Resampled(const Image &image, int width, int height, ResizeFilter filter)
{
    if (image.IsNull() || !Image::SizeIsAcceptable(width, height))
        return {};
    if (width == image.Width() && height == image.Height())
        return image.Clone();
    try {
        Image out(width, height);
        if (out.IsNull())
            return {};
        out.SetMetadata(image.Metadata());
        if (filter == ResizeFilter::Nearest) {
            Nearest(image, out);
            return out;
        }
        const AxisWeights columns = WeightsFor(image.Width(), width, filter);
        const AxisWeights rows = WeightsFor(image.Height(), height, filter);
        std::atomic<bool> failed{false};
        ParallelFor(height, [&](int begin, int end) {
            // The bands run on threads of their own: running out of memory must not leave them.
            try {
                FilterBand(image, columns, rows, out, begin, end);
            } catch (const std::bad_alloc &) {
                failed = true;
            }
        });
        return failed ? Image() : std::move(out);
    } catch (const std::bad_alloc &) {
        return {};
    }
}

} // namespace lumaskin
