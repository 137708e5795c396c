#include "engine/codecs/png_encoder.h"

#include "engine/codecs/codec.h"
#include "engine/codecs/huge_pages.h"
#include "engine/codecs/pixel_rows.h"
#include "engine/parallel.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>
#include <zlib.h>

// Row loops mark their pointers so that the compiler knows the outputs alias nothing and
// vectorises them.
#define LUMASKIN_PNG_RESTRICT __restrict

namespace lumaskin {

namespace {

// Deflate looks back at most this far, so this much filtered data before a stripe is all it
// needs to start as if it had been running all along.
constexpr std::size_t kWindow = 32768;

struct Layout
{
    int channels;
    std::uint8_t colourType; // PNG colour type: 0 grey, 2 RGB, 4 grey+alpha, 6 RGBA
};

// An RGB colour profile rules out the grey layouts: PNG ties grey pictures to grey profiles.
Layout ChooseLayout(const Image &image, bool colourProfile)
{
    PixelSummary summary = Summarise(image);
    summary.grey = summary.grey && !colourProfile;
    if (summary.opaque)
        return summary.grey ? Layout{1, 0} : Layout{3, 2};
    return summary.grey ? Layout{2, 4} : Layout{4, 6};
}

// Sum of the filtered bytes read as signed values: the usual guess at which filter deflate
// will like best.
std::uint32_t Cost(const std::uint8_t *LUMASKIN_PNG_RESTRICT bytes, std::size_t count)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i] < 128 ? bytes[i] : 256u - bytes[i];
    return sum;
}

// Turns picture rows into filtered PNG rows (filter byte first), one row after another.
class RowFilter
{
public:
    RowFilter(const Image &image, Layout layout, int filters)
        : m_image(image), m_channels(layout.channels),
          m_rowBytes(static_cast<std::size_t>(image.Width()) * layout.channels),
          m_filters(filters & kPngFilterAll ? filters & kPngFilterAll : kPngFilterAll),
          // Each row buffer starts with one pixel of zeros: the left neighbour of the first.
          m_previous(m_channels + m_rowBytes), m_current(m_channels + m_rowBytes)
    {
        for (auto &candidate : m_candidates)
            candidate.resize(1 + m_rowBytes);
    }

    // Positions before row y: the row above is packed, so that y filters as it would in a
    // run from the top.
    void Seek(int y)
    {
        std::fill(m_previous.begin(), m_previous.end(), 0);
        if (y > 0)
            Pack(y - 1, m_previous.data() + m_channels);
        m_next = y;
    }

    // Filters the next row; the result is valid until the next call.
    std::span<const std::uint8_t> Next()
    {
        std::uint8_t *cur = m_current.data() + m_channels;
        Pack(m_next++, cur);
        const std::uint8_t *prev = m_previous.data() + m_channels;
        // The pixel to the left, zero before the first.
        const std::uint8_t *left = cur - m_channels;
        const std::uint8_t *upLeft = prev - m_channels;
        const std::size_t n = m_rowBytes;
        int best = -1;
        std::uint32_t bestCost = 0;
        const auto consider = [&](int type) {
            const std::uint32_t c = Cost(m_candidates[type].data() + 1, n);
            if (best < 0 || c < bestCost)
                best = type, bestCost = c;
        };
        const bool single = (m_filters & (m_filters - 1)) == 0;
        if (m_filters & kPngFilterNone) {
            std::memcpy(m_candidates[0].data() + 1, cur, n);
            single ? void(best = 0) : consider(0);
        }
        if (m_filters & kPngFilterSub) {
            std::uint8_t *LUMASKIN_PNG_RESTRICT out = m_candidates[1].data() + 1;
            for (std::size_t i = 0; i < n; ++i)
                out[i] = static_cast<std::uint8_t>(cur[i] - left[i]);
            single ? void(best = 1) : consider(1);
        }
        if (m_filters & kPngFilterUp) {
            std::uint8_t *LUMASKIN_PNG_RESTRICT out = m_candidates[2].data() + 1;
            for (std::size_t i = 0; i < n; ++i)
                out[i] = static_cast<std::uint8_t>(cur[i] - prev[i]);
            single ? void(best = 2) : consider(2);
        }
        if (m_filters & kPngFilterAverage) {
            std::uint8_t *LUMASKIN_PNG_RESTRICT out = m_candidates[3].data() + 1;
            for (std::size_t i = 0; i < n; ++i)
                out[i] = static_cast<std::uint8_t>(cur[i] - ((left[i] + prev[i]) >> 1));
            single ? void(best = 3) : consider(3);
        }
        if (m_filters & kPngFilterPaeth) {
            std::uint8_t *LUMASKIN_PNG_RESTRICT out = m_candidates[4].data() + 1;
            for (std::size_t i = 0; i < n; ++i) {
                const int a = left[i], b = prev[i], c = upLeft[i];
                const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
                const int predictor = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
                out[i] = static_cast<std::uint8_t>(cur[i] - predictor);
            }
            single ? void(best = 4) : consider(4);
        }
        std::swap(m_previous, m_current);
        m_candidates[best][0] = static_cast<std::uint8_t>(best);
        return {m_candidates[best].data(), 1 + n};
    }

    std::size_t FilteredRowBytes() const { return 1 + m_rowBytes; }

private:
    void Pack(int y, std::uint8_t *LUMASKIN_PNG_RESTRICT to) const
    {
        const std::uint8_t *LUMASKIN_PNG_RESTRICT from = m_image.Row(y);
        const int width = m_image.Width();
        switch (m_channels) {
        case 4:
            std::memcpy(to, from, 4 * static_cast<std::size_t>(width));
            break;
        case 3:
            for (int x = 0; x < width; ++x)
                to[3 * x] = from[4 * x], to[3 * x + 1] = from[4 * x + 1],
                       to[3 * x + 2] = from[4 * x + 2];
            break;
        case 2:
            for (int x = 0; x < width; ++x)
                to[2 * x] = from[4 * x], to[2 * x + 1] = from[4 * x + 3];
            break;
        default:
            for (int x = 0; x < width; ++x)
                to[x] = from[4 * x];
        }
    }

    const Image &m_image;
    int m_channels;
    std::size_t m_rowBytes;
    int m_filters;
    std::vector<std::uint8_t> m_previous, m_current;
    std::array<std::vector<std::uint8_t>, 5> m_candidates;
    int m_next = 0;
};

// One stripe of rows, filtered and deflated on its own.
struct Stripe
{
    int first = 0;
    int last = 0;
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;
    uLong adler = 1;
    uLong length = 0; // filtered bytes
    QString error;
};

struct StreamEnd
{
    void operator()(z_stream *stream) const { deflateEnd(stream); }
};

void DeflateStripe(const Image &image, Layout layout, const PngSettings &settings, bool final,
                   Stripe &stripe)
{
    try {
        z_stream zs{};
        if (deflateInit2(&zs, std::clamp(settings.level, 0, 9), Z_DEFLATED, -15, 8,
                         std::clamp(settings.strategy, 0, 4)) != Z_OK) {
            stripe.error = reason::OutOfMemory();
            return;
        }
        const std::unique_ptr<z_stream, StreamEnd> owner(&zs);
        RowFilter filter(image, layout, settings.filters);
        const std::size_t rowBytes = filter.FilteredRowBytes();
        if (stripe.first > 0) {
            // The filtered rows just above, as the stripe before fed them to its deflater.
            const int back = static_cast<int>(
                std::min<std::size_t>((kWindow + rowBytes - 1) / rowBytes, stripe.first));
            std::vector<std::uint8_t> window;
            window.reserve(static_cast<std::size_t>(back) * rowBytes);
            filter.Seek(stripe.first - back);
            for (int i = 0; i < back; ++i) {
                const auto row = filter.Next();
                window.insert(window.end(), row.begin(), row.end());
            }
            const std::size_t keep = std::min(window.size(), kWindow);
            deflateSetDictionary(&zs, window.data() + window.size() - keep,
                                 static_cast<uInt>(keep));
        }
        filter.Seek(stripe.first);
        const uLong input =
            static_cast<uLong>(rowBytes) * static_cast<uLong>(stripe.last - stripe.first);
        const std::size_t capacity = deflateBound(&zs, input) + 16;
        stripe.data = std::make_unique_for_overwrite<std::uint8_t[]>(capacity);
        AdviseHugePages(stripe.data.get(), capacity);
        zs.next_out = stripe.data.get();
        zs.avail_out = static_cast<uInt>(std::min<std::size_t>(capacity, UINT32_MAX));
        for (int y = stripe.first; y < stripe.last; ++y) {
            const auto row = filter.Next();
            stripe.adler = adler32(stripe.adler, row.data(), static_cast<uInt>(row.size()));
            zs.next_in = const_cast<Bytef *>(row.data());
            zs.avail_in = static_cast<uInt>(row.size());
            if (deflate(&zs, Z_NO_FLUSH) != Z_OK || zs.avail_in != 0) {
                stripe.error =
                    QCoreApplication::translate("Codec", "the PNG encoder failed (%1)").arg(zs.msg);
                return;
            }
        }
        stripe.length = input;
        // A sync flush ends the stripe on a byte boundary with the block still open for the
        // next stripe's data; the last stripe closes the stream.
        const int rc = deflate(&zs, final ? Z_FINISH : Z_SYNC_FLUSH);
        if (rc != (final ? Z_STREAM_END : Z_OK)) {
            stripe.error =
                QCoreApplication::translate("Codec", "the PNG encoder failed (%1)").arg(zs.msg);
            return;
        }
        stripe.size = static_cast<std::size_t>(zs.next_out - stripe.data.get());
    } catch (const std::bad_alloc &) {
        stripe.error = reason::OutOfMemory();
    }
}

void Put32(std::uint8_t *to, std::uint32_t value)
{
    to[0] = static_cast<std::uint8_t>(value >> 24);
    to[1] = static_cast<std::uint8_t>(value >> 16);
    to[2] = static_cast<std::uint8_t>(value >> 8);
    to[3] = static_cast<std::uint8_t>(value);
}

// Appends a chunk whose data are the concatenated pieces; returns the new end.
std::uint8_t *WriteChunk(std::uint8_t *to, const char type[4],
                         std::initializer_list<std::span<const std::uint8_t>> pieces)
{
    std::size_t length = 0;
    for (const auto &piece : pieces)
        length += piece.size();
    Put32(to, static_cast<std::uint32_t>(length));
    std::memcpy(to + 4, type, 4);
    uLong crc = crc32(0, to + 4, 4);
    to += 8;
    for (const auto &piece : pieces) {
        if (piece.empty())
            continue;
        std::memcpy(to, piece.data(), piece.size());
        crc = crc32_z(crc, to, piece.size());
        to += piece.size();
    }
    Put32(to, static_cast<std::uint32_t>(crc));
    return to + 4;
}

} // namespace

PngSettings ChoosePngSettings(const Image &image)
{
    // Share of pixels equal to their left neighbour, on every 16th row.
    std::int64_t same = 0, seen = 0;
    for (int y = 0; y < image.Height(); y += 16) {
        const std::uint32_t *row = reinterpret_cast<const std::uint32_t *>(image.Row(y));
        for (int x = 1; x < image.Width(); ++x)
            same += row[x] == row[x - 1];
        seen += image.Width() - 1;
    }
    constexpr PngSettings photo{3, kPngFilterAll, Z_RLE};
    constexpr PngSettings flat{3, kPngFilterPaeth, Z_RLE};
    return seen > 0 && same * 4 >= seen * 3 ? flat : photo;
}

bool EncodePng(const Image &image, QByteArray &out, QString *error, const PngSettings *forced,
               int stripeCount, const ImageMetadata &metadata)
{
    if (image.IsNull()) {
        Fail(error, QCoreApplication::translate("Codec", "there is no picture to write"));
        return false;
    }
    const PngSettings settings = forced ? *forced : ChoosePngSettings(image);
    const Layout layout = ChooseLayout(image, !metadata.icc.isEmpty());
    QByteArray profileChunk, xmpChunk;
    if (!metadata.icc.isEmpty()) {
        // Name, a zero, compression method 0, then the profile deflated with a zlib header.
        uLongf size = compressBound(static_cast<uLong>(metadata.icc.size()));
        QByteArray packed(static_cast<qsizetype>(size), Qt::Uninitialized);
        if (compress2(reinterpret_cast<Bytef *>(packed.data()), &size,
                      reinterpret_cast<const Bytef *>(metadata.icc.constData()),
                      static_cast<uLong>(metadata.icc.size()), 9) != Z_OK) {
            Fail(error, reason::OutOfMemory());
            return false;
        }
        packed.truncate(static_cast<qsizetype>(size));
        profileChunk = QByteArrayLiteral("ICC profile") + '\0' + '\0' + packed;
    }
    if (!metadata.xmp.isEmpty()) // uncompressed, no language: as XMP readers expect
        xmpChunk = QByteArrayLiteral("XML:com.adobe.xmp") + QByteArray(5, '\0') + metadata.xmp;
    const auto asSpan = [](const QByteArray &bytes) {
        return std::span<const std::uint8_t>(
            reinterpret_cast<const std::uint8_t *>(bytes.constData()),
            static_cast<std::size_t>(bytes.size()));
    };
    std::size_t metadataBytes = 0;
    for (const QByteArray *chunk :
         std::initializer_list<const QByteArray *>{&profileChunk, &metadata.exif, &xmpChunk})
        if (!chunk->isEmpty())
            metadataBytes += 12 + static_cast<std::size_t>(chunk->size());
    const std::int64_t rawBytes = static_cast<std::int64_t>(image.Width()) * image.Height() * 4;
    const int count = stripeCount > 0 ? std::clamp(stripeCount, 1, image.Height())
                                      : OutputStripeCount(rawBytes, image.Height());
    std::vector<Stripe> stripes(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        auto &stripe = stripes[static_cast<std::size_t>(i)];
        stripe.first = static_cast<int>(static_cast<std::int64_t>(image.Height()) * i / count);
        stripe.last = static_cast<int>(static_cast<std::int64_t>(image.Height()) * (i + 1) / count);
    }
    ParallelFor(count, [&](int begin, int end) {
        for (int i = begin; i < end; ++i)
            DeflateStripe(image, layout, settings, i == count - 1,
                          stripes[static_cast<std::size_t>(i)]);
    });
    std::size_t compressed = 0;
    uLong adler = stripes.front().adler;
    for (std::size_t i = 0; i < stripes.size(); ++i) {
        if (!stripes[i].error.isEmpty()) {
            Fail(error, stripes[i].error);
            return false;
        }
        compressed += stripes[i].size;
        if (i > 0)
            adler =
                adler32_combine(adler, stripes[i].adler, static_cast<z_off_t>(stripes[i].length));
    }

    // zlib header: deflate with a 32 KB window, the level class, and the check bits.
    const int levelClass = settings.level <= 1   ? 0
                           : settings.level <= 5 ? 1
                           : settings.level == 6 ? 2
                                                 : 3;
    std::uint8_t zlibHeader[2] = {0x78, static_cast<std::uint8_t>(levelClass << 6)};
    zlibHeader[1] = static_cast<std::uint8_t>(zlibHeader[1] + 31 - (0x7800 + zlibHeader[1]) % 31);
    std::uint8_t trailer[4];
    Put32(trailer, static_cast<std::uint32_t>(adler));

    std::uint8_t header[13];
    Put32(header, static_cast<std::uint32_t>(image.Width()));
    Put32(header + 4, static_cast<std::uint32_t>(image.Height()));
    header[8] = 8; // bits per channel
    header[9] = layout.colourType;
    header[10] = header[11] = header[12] = 0; // deflate, adaptive filters, not interlaced

    // One IDAT chunk per stripe; a stripe never comes near the 2 GB chunk limit, since a
    // picture holds at most 800 MB of pixels and deflate grows data by a fraction of a percent.
    const std::size_t total = 8 + (12 + sizeof header) + metadataBytes + 12 * stripes.size() +
                              sizeof zlibHeader + compressed + sizeof trailer + 12;
    out.resize(static_cast<qsizetype>(total));
    auto *to = reinterpret_cast<std::uint8_t *>(out.data());
    static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::memcpy(to, kSignature, 8);
    to = WriteChunk(to + 8, "IHDR", {header});
    // Ahead of the pixels, where readers that stop early still find them.
    if (!profileChunk.isEmpty())
        to = WriteChunk(to, "iCCP", {asSpan(profileChunk)});
    if (!metadata.exif.isEmpty())
        to = WriteChunk(to, "eXIf", {asSpan(metadata.exif)});
    if (!xmpChunk.isEmpty())
        to = WriteChunk(to, "iTXt", {asSpan(xmpChunk)});
    for (std::size_t i = 0; i < stripes.size(); ++i) {
        const std::span<const std::uint8_t> before =
            i == 0 ? std::span<const std::uint8_t>(zlibHeader) : std::span<const std::uint8_t>();
        const std::span<const std::uint8_t> after = i + 1 == stripes.size()
                                                        ? std::span<const std::uint8_t>(trailer)
                                                        : std::span<const std::uint8_t>();
        to = WriteChunk(to, "IDAT", {before, {stripes[i].data.get(), stripes[i].size}, after});
        stripes[i].data.reset(); // give the memory back as soon as it is copied
    }
    to = WriteChunk(to, "IEND", {});
    return true;
}

} // namespace lumaskin
