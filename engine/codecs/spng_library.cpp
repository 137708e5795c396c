#include "engine/codecs/spng_library.h"

#include "engine/codecs/huge_pages.h"

#include <QCoreApplication>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <spng.h>
#include <string_view>
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

QString ReadFailure(int rc)
{
    if (rc == SPNG_IO_EOF || rc == SPNG_EOF || rc == SPNG_EIDAT_TOO_SHORT)
        return reason::Truncated();
    if (rc == SPNG_EMEM)
        return reason::OutOfMemory();
    return reason::Damaged("PNG");
}

// The colour profile, EXIF and XMP of the chunks read so far (all of them once the picture is
// decoded). Chunks that fail their checks are left out.
ImageMetadata PngMetadata(spng_ctx *ctx)
{
    ImageMetadata metadata;
    spng_iccp iccp{};
    if (spng_get_iccp(ctx, &iccp) == 0 && iccp.profile)
        metadata.icc = QByteArray(iccp.profile, static_cast<qsizetype>(iccp.profile_len));
    spng_exif exif{};
    if (spng_get_exif(ctx, &exif) == 0 && exif.data)
        metadata.exif = QByteArray(exif.data, static_cast<qsizetype>(exif.length));
    std::uint32_t count = 0;
    if (spng_get_text(ctx, nullptr, &count) == 0 && count > 0) {
        std::vector<spng_text> texts(count);
        if (spng_get_text(ctx, texts.data(), &count) == 0)
            for (const spng_text &text : texts)
                if (text.type == SPNG_ITXT && std::strcmp(text.keyword, "XML:com.adobe.xmp") == 0 &&
                    text.text) {
                    metadata.xmp = QByteArray(text.text, static_cast<qsizetype>(text.length));
                    break;
                }
    }
    return metadata;
}

// The file without its text chunks (tEXt, zTXt, iTXt), or nothing when it has none. libspng
// gives up on the whole file when a compressed text inflates beyond what it holds; such a
// chunk is dropped, as the chunk limits drop others, and the picture read all the same.
std::optional<std::vector<std::uint8_t>> WithoutTextChunks(Bytes bytes)
{
    constexpr std::size_t kSignature = 8;
    if (bytes.size() < kSignature)
        return std::nullopt;
    std::vector<std::uint8_t> kept(bytes.begin(), bytes.begin() + kSignature);
    bool dropped = false;
    for (std::size_t at = kSignature; at < bytes.size();) {
        if (bytes.size() - at < 12) {
            kept.insert(kept.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end());
            break;
        }
        const std::size_t length = std::size_t{bytes[at]} << 24 | std::size_t{bytes[at + 1]} << 16 |
                                   std::size_t{bytes[at + 2]} << 8 | bytes[at + 3];
        const std::size_t end = length > bytes.size() - at - 12 ? bytes.size() : at + 12 + length;
        const std::string_view type(reinterpret_cast<const char *>(&bytes[at + 4]), 4);
        if (type == "tEXt" || type == "zTXt" || type == "iTXt")
            dropped = true;
        else
            kept.insert(kept.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                        bytes.begin() + static_cast<std::ptrdiff_t>(end));
        at = end;
    }
    if (!dropped)
        return std::nullopt;
    return kept;
}

Image DecodeOnce(Bytes bytes, QString *error)
{
    const Context ctx(spng_ctx_new(0));
    if (!ctx)
        return Fail(error, reason::OutOfMemory());
    spng_set_image_limits(ctx.get(), Image::kMaxSide, Image::kMaxSide);
    spng_set_chunk_limits(ctx.get(), kChunkLimit, kChunkCacheLimit);
    spng_set_png_buffer(ctx.get(), bytes.data(), bytes.size());
    spng_ihdr ihdr{};
    if (const int rc = spng_get_ihdr(ctx.get(), &ihdr)) {
        if (rc == SPNG_EUSER_WIDTH || rc == SPNG_EUSER_HEIGHT)
            return Fail(error, QCoreApplication::translate("Codec", "the picture is too large"));
        return Fail(error, ReadFailure(rc));
    }
    if (RefuseSize(ihdr.width, ihdr.height, error))
        return {};
    Image image(static_cast<int>(ihdr.width), static_cast<int>(ihdr.height));
    if (image.IsNull())
        return Fail(error, reason::OutOfMemory());
    AdviseHugePages(image.Row(0), image.SizeInBytes());
    int rc = spng_decode_image(ctx.get(), nullptr, 0, SPNG_FMT_RGBA8,
                               SPNG_DECODE_TRNS | SPNG_DECODE_PROGRESSIVE);
    if (rc)
        return Fail(error, ReadFailure(rc));
    const std::size_t rowBytes = 4 * static_cast<std::size_t>(ihdr.width);
    do {
        spng_row_info info{};
        rc = spng_get_row_info(ctx.get(), &info);
        if (rc)
            break;
        // Interlaced files visit rows several times, filling in the pixels of each pass.
        rc = spng_decode_row(ctx.get(), image.Row(static_cast<int>(info.row_num)), rowBytes);
    } while (rc == 0);
    if (rc != SPNG_EOI)
        return Fail(error, ReadFailure(rc));
    image.SetMetadata(PngMetadata(ctx.get()));
    return image;
}

} // namespace

Image DecodePng(Bytes bytes, QString *error)
{
    QString why;
    Image image = DecodeOnce(bytes, &why);
    if (image.IsNull() && why == reason::Damaged("PNG"))
        if (const auto plain = WithoutTextChunks(bytes))
            image = DecodeOnce({plain->data(), plain->size()}, nullptr);
    if (image.IsNull())
        return Fail(error, why);
    return image;
}

} // namespace lumaskin
