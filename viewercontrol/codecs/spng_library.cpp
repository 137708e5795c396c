#include "viewercontrol/codecs/spng_library.h"

#include "viewercontrol/codecs/pixel_rows.h"

#include <cstdlib>
#include <memory>
#include <spng.h>
#include <vector>

namespace lumaskin {

namespace {

struct ContextDeleter
{
    void operator()(spng_ctx *ctx) const { spng_ctx_free(ctx); }
};
using Context = std::unique_ptr<spng_ctx, ContextDeleter>;

// Ancillary chunks (text, profiles) beyond these sizes are dropped rather than held.
constexpr std::size_t kChunkLimit = 16u << 20;
constexpr std::size_t kChunkCacheLimit = 64u << 20;

QString readFailure(int rc)
{
    if (rc == SPNG_IO_EOF || rc == SPNG_EOF || rc == SPNG_EIDAT_TOO_SHORT)
        return reason::truncated();
    if (rc == SPNG_EMEM)
        return reason::outOfMemory();
    return reason::damaged("PNG");
}

} // namespace

Image DecodePng(Bytes bytes, QString *error)
{
    const Context ctx(spng_ctx_new(0));
    if (!ctx)
        return Fail(error, reason::outOfMemory());
    spng_set_image_limits(ctx.get(), Image::kMaxSide, Image::kMaxSide);
    spng_set_chunk_limits(ctx.get(), kChunkLimit, kChunkCacheLimit);
    spng_set_png_buffer(ctx.get(), bytes.data(), bytes.size());
    spng_ihdr ihdr{};
    if (const int rc = spng_get_ihdr(ctx.get(), &ihdr)) {
        if (rc == SPNG_EUSER_WIDTH || rc == SPNG_EUSER_HEIGHT)
            return Fail(error, QStringLiteral("the picture is too large"));
        return Fail(error, readFailure(rc));
    }
    if (RefuseSize(ihdr.width, ihdr.height, error))
        return {};
    Image image(static_cast<int>(ihdr.width), static_cast<int>(ihdr.height));
    if (image.isNull())
        return Fail(error, reason::outOfMemory());
    int rc = spng_decode_image(ctx.get(), nullptr, 0, SPNG_FMT_RGBA8,
                               SPNG_DECODE_TRNS | SPNG_DECODE_PROGRESSIVE);
    if (rc)
        return Fail(error, readFailure(rc));
    const std::size_t rowBytes = 4 * static_cast<std::size_t>(ihdr.width);
    do {
        spng_row_info info{};
        rc = spng_get_row_info(ctx.get(), &info);
        if (rc)
            break;
        // Interlaced files visit rows several times, filling in the pixels of each pass.
        rc = spng_decode_row(ctx.get(), image.row(static_cast<int>(info.row_num)), rowBytes);
    } while (rc == 0);
    if (rc != SPNG_EOI)
        return Fail(error, readFailure(rc));
    return image;
}

PngSettings ChoosePngSettings(const Image &image)
{
    // Share of pixels equal to their left neighbour, on every 16th row.
    std::int64_t same = 0, seen = 0;
    for (int y = 0; y < image.height(); y += 16) {
        const std::uint32_t *row = reinterpret_cast<const std::uint32_t *>(image.row(y));
        for (int x = 1; x < image.width(); ++x)
            same += row[x] == row[x - 1];
        seen += image.width() - 1;
    }
    constexpr PngSettings photo{3, SPNG_FILTER_CHOICE_ALL, 0};
    constexpr PngSettings flat{3, SPNG_FILTER_CHOICE_PAETH, 3 /* Z_RLE */};
    return seen > 0 && same * 4 >= seen * 3 ? flat : photo;
}

bool EncodePng(const Image &image, QByteArray &out, QString *error, const PngSettings *forced)
{
    const PngSettings settings = forced ? *forced : ChoosePngSettings(image);
    const Context ctx(spng_ctx_new(SPNG_CTX_ENCODER));
    if (!ctx) {
        Fail(error, reason::outOfMemory());
        return false;
    }
    const PixelSummary summary = Summarise(image);
    spng_ihdr ihdr{};
    ihdr.width = static_cast<std::uint32_t>(image.width());
    ihdr.height = static_cast<std::uint32_t>(image.height());
    ihdr.bit_depth = 8;
    int channels;
    if (summary.opaque)
        std::tie(ihdr.color_type, channels) = summary.grey
                                                  ? std::pair{SPNG_COLOR_TYPE_GRAYSCALE, 1}
                                                  : std::pair{SPNG_COLOR_TYPE_TRUECOLOR, 3};
    else
        std::tie(ihdr.color_type, channels) = summary.grey
                                                  ? std::pair{SPNG_COLOR_TYPE_GRAYSCALE_ALPHA, 2}
                                                  : std::pair{SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 4};
    spng_set_ihdr(ctx.get(), &ihdr);
    spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1);
    spng_set_option(ctx.get(), SPNG_IMG_COMPRESSION_LEVEL, settings.level);
    spng_set_option(ctx.get(), SPNG_FILTER_CHOICE, settings.filters);
    spng_set_option(ctx.get(), SPNG_IMG_COMPRESSION_STRATEGY, settings.strategy);
    int rc = spng_encode_image(ctx.get(), nullptr, 0, SPNG_FMT_PNG,
                               SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE);
    const std::size_t width = static_cast<std::size_t>(image.width());
    std::vector<std::uint8_t> row(channels == 4 ? 0 : width * channels);
    for (int y = 0; rc == 0 && y < image.height(); ++y) {
        const std::uint8_t *src = image.row(y);
        const std::uint8_t *pixels = src;
        if (channels != 4) {
            std::uint8_t *dst = row.data();
            for (std::size_t x = 0; x < width; ++x, src += 4) {
                if (channels == 1) {
                    *dst++ = src[0];
                } else if (channels == 2) {
                    *dst++ = src[0];
                    *dst++ = src[3];
                } else {
                    *dst++ = src[0];
                    *dst++ = src[1];
                    *dst++ = src[2];
                }
            }
            pixels = row.data();
        }
        rc = spng_encode_row(ctx.get(), pixels, width * channels);
    }
    if (rc != SPNG_EOI && rc != 0) {
        Fail(error, QStringLiteral("the PNG encoder failed (%1)").arg(spng_strerror(rc)));
        return false;
    }
    std::size_t size = 0;
    int bufferError = 0;
    std::unique_ptr<void, decltype(&std::free)> buffer(
        spng_get_png_buffer(ctx.get(), &size, &bufferError), &std::free);
    if (!buffer || bufferError) {
        Fail(error, QStringLiteral("the PNG encoder failed (%1)").arg(spng_strerror(bufferError)));
        return false;
    }
    out = QByteArray(static_cast<const char *>(buffer.get()), static_cast<qsizetype>(size));
    return true;
}

} // namespace lumaskin
