#include "engine/codecs/heif_library.h"

#include "engine/codecs/codec_modules.h"
#include "engine/codecs/colour_management.h"
#include "engine/codecs/metadata_library.h"
#include "engine/parallel.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <libheif/heif.h>
#include <memory>
#include <mutex>
#include <vector>

namespace lumaskin {

namespace {

// Metadata blocks larger than this are left out rather than held.
constexpr std::size_t kMaxMetadataBytes = 16u << 20;

struct ContextDeleter
{
    void operator()(heif_context *context) const { heif_context_free(context); }
};
struct HandleDeleter
{
    void operator()(heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
struct PictureDeleter
{
    void operator()(heif_image *picture) const { heif_image_release(picture); }
};
struct OptionsDeleter
{
    void operator()(heif_decoding_options *options) const { heif_decoding_options_free(options); }
};
struct NclxDeleter
{
    void operator()(heif_color_profile_nclx *nclx) const { heif_nclx_color_profile_free(nclx); }
};

void StartHeif()
{
    static std::once_flag once;
    std::call_once(once, [] { heif_init(nullptr); });
}

QString ReadFailure(const heif_error &error)
{
    if (error.code == heif_error_Memory_allocation_error)
        return reason::OutOfMemory();
    if (error.subcode == heif_suberror_End_of_data)
        return reason::Truncated();
    if (error.code == heif_error_Unsupported_feature ||
        error.code == heif_error_Unsupported_filetype)
        return QCoreApplication::translate("Codec",
                                           "the HEIF picture uses a feature Lumaskin cannot read");
    if (error.code == heif_error_Decoder_plugin_error &&
        error.subcode == heif_suberror_Unsupported_codec)
        return QCoreApplication::translate("Codec",
                                           "no decoder for this HEIF picture is installed");
    return reason::Damaged("HEIF");
}

QByteArray MetadataBlock(const heif_image_handle *handle, const char *type, const char *content)
{
    const int count = heif_image_handle_get_number_of_metadata_blocks(handle, type);
    if (count <= 0)
        return {};
    std::vector<heif_item_id> ids(static_cast<std::size_t>(count));
    heif_image_handle_get_list_of_metadata_block_IDs(handle, type, ids.data(), count);
    for (const heif_item_id id : ids) {
        if (content) {
            const char *contentType = heif_image_handle_get_metadata_content_type(handle, id);
            if (!contentType || std::strcmp(contentType, content) != 0)
                continue;
        }
        const std::size_t size = heif_image_handle_get_metadata_size(handle, id);
        if (size == 0 || size > kMaxMetadataBytes)
            continue;
        QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
        if (heif_image_handle_get_metadata(handle, id, bytes.data()).code == heif_error_Ok)
            return bytes;
    }
    return {};
}

ImageMetadata HeifMetadata(const heif_image_handle *handle)
{
    ImageMetadata metadata;
    const std::size_t iccSize = heif_image_handle_get_raw_color_profile_size(handle);
    if (iccSize > 0 && iccSize <= kMaxMetadataBytes) {
        metadata.icc = QByteArray(static_cast<qsizetype>(iccSize), Qt::Uninitialized);
        if (heif_image_handle_get_raw_color_profile(handle, metadata.icc.data()).code !=
            heif_error_Ok)
            metadata.icc.clear();
    }
    if (metadata.icc.isEmpty()) {
        heif_color_profile_nclx *raw = nullptr;
        const heif_error got = heif_image_handle_get_nclx_color_profile(handle, &raw);
        // A profile may come back with an error (code points it does not accept): it is ours
        // to free either way.
        const std::unique_ptr<heif_color_profile_nclx, NclxDeleter> nclx(raw);
        if (got.code == heif_error_Ok && nclx)
            metadata.icc =
                ProfileForCodePoints(nclx->color_primaries, nclx->transfer_characteristics);
    }
    // The block starts with the offset of the TIFF header. Its orientation is not applied: the
    // file's own transformations say how the picture stands, and libheif applies them.
    const QByteArray exif = MetadataBlock(handle, "Exif", nullptr);
    metadata.exif = ExifTiffStructure({reinterpret_cast<const std::uint8_t *>(exif.constData()),
                                       static_cast<std::size_t>(exif.size())});
    metadata.xmp = MetadataBlock(handle, "mime", "application/rdf+xml");
    return metadata;
}

} // namespace

Image DecodeHeif(Bytes bytes, QString *error)
{
    StartHeif();
    const std::unique_ptr<heif_context, ContextDeleter> context(heif_context_alloc());
    if (!context)
        return Fail(error, reason::OutOfMemory());
    heif_context_set_maximum_image_size_limit(context.get(), Image::kMaxSide);
    heif_context_set_max_decoding_threads(context.get(), std::max(0, CurrentParallelism() - 1));
    heif_error result = heif_context_read_from_memory_without_copy(context.get(), bytes.data(),
                                                                   bytes.size(), nullptr);
    if (result.code != heif_error_Ok)
        return Fail(error, ReadFailure(result));
    heif_image_handle *rawHandle = nullptr;
    result = heif_context_get_primary_image_handle(context.get(), &rawHandle);
    if (result.code != heif_error_Ok || !rawHandle)
        return Fail(error, ReadFailure(result));
    const std::unique_ptr<heif_image_handle, HandleDeleter> handle(rawHandle);
    // The size after the file's crop and turns; the coded size bounds the decoder's work.
    if (RefuseSize(heif_image_handle_get_width(handle.get()),
                   heif_image_handle_get_height(handle.get()), error) ||
        RefuseSize(heif_image_handle_get_ispe_width(handle.get()),
                   heif_image_handle_get_ispe_height(handle.get()), error))
        return {};
    const std::unique_ptr<heif_decoding_options, OptionsDeleter> options(
        heif_decoding_options_alloc());
    if (!options)
        return Fail(error, reason::OutOfMemory());
    options->convert_hdr_to_8bit = 1;
    const bool alpha = heif_image_handle_has_alpha_channel(handle.get());
    heif_image *rawPicture = nullptr;
    result = heif_decode_image(handle.get(), &rawPicture, heif_colorspace_RGB,
                               alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                               options.get());
    if (result.code != heif_error_Ok || !rawPicture)
        return Fail(error, ReadFailure(result));
    const std::unique_ptr<heif_image, PictureDeleter> picture(rawPicture);
    int stride = 0;
    const std::uint8_t *pixels =
        heif_image_get_plane_readonly(picture.get(), heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(picture.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(picture.get(), heif_channel_interleaved);
    if (!pixels ||
        heif_image_get_bits_per_pixel_range(picture.get(), heif_channel_interleaved) != 8)
        return Fail(error, reason::Damaged("HEIF"));
    if (RefuseSize(width, height, error))
        return {};
    Image image(width, height);
    if (image.IsNull())
        return Fail(error, reason::OutOfMemory());
    const bool premultiplied = alpha && heif_image_handle_is_premultiplied_alpha(handle.get());
    ParallelFor(height, [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            const std::uint8_t *from = pixels + static_cast<std::ptrdiff_t>(stride) * y;
            std::uint8_t *to = image.Row(y);
            for (int x = 0; x < width; ++x, to += 4) {
                if (alpha) {
                    std::memcpy(to, from + 4 * x, 4);
                    const int a = to[3];
                    if (premultiplied && a > 0 && a < 255)
                        for (int c = 0; c < 3; ++c)
                            to[c] =
                                static_cast<std::uint8_t>(std::min(255, (to[c] * 255 + a / 2) / a));
                } else {
                    std::memcpy(to, from + 3 * x, 3);
                    to[3] = 255;
                }
            }
        }
    });
    image.SetMetadata(HeifMetadata(handle.get()));
    return image;
}

} // namespace lumaskin

LUMASKIN_CODEC_MODULE(heif, lumaskin::HeifModule{lumaskin::DecodeHeif})
