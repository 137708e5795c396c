#include "engine/codecs/webp_library.h"

#include "engine/codecs/huge_pages.h"
#include "engine/codecs/metadata_library.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <memory>
#include <webp/decode.h>
#include <webp/demux.h>
#include <webp/encode.h>
#include <webp/mux.h>

namespace lumaskin {

namespace {

constexpr int kMaxSide = WEBP_MAX_DIMENSION;

QString DecodeFailure(VP8StatusCode status)
{
    switch (status) {
    case VP8_STATUS_NOT_ENOUGH_DATA:
        return reason::Truncated();
    case VP8_STATUS_OUT_OF_MEMORY:
        return reason::OutOfMemory();
    default:
        return reason::Damaged("WebP");
    }
}

struct DemuxDeleter
{
    void operator()(WebPDemuxer *demux) const { WebPDemuxDelete(demux); }
};
struct AnimDecoderDeleter
{
    void operator()(WebPAnimDecoder *decoder) const { WebPAnimDecoderDelete(decoder); }
};
struct MuxDeleter
{
    void operator()(WebPMux *mux) const { WebPMuxDelete(mux); }
};

QByteArray Chunk(const WebPDemuxer *demux, const char *fourcc)
{
    WebPChunkIterator it{};
    QByteArray bytes;
    if (WebPDemuxGetChunk(demux, fourcc, 1, &it))
        bytes = QByteArray(reinterpret_cast<const char *>(it.chunk.bytes),
                           static_cast<qsizetype>(it.chunk.size));
    WebPDemuxReleaseChunkIterator(&it);
    return bytes;
}

ImageMetadata WebpMetadata(const WebPDemuxer *demux)
{
    ImageMetadata metadata;
    const std::uint32_t flags = WebPDemuxGetI(demux, WEBP_FF_FORMAT_FLAGS);
    if (flags & ICCP_FLAG)
        metadata.icc = Chunk(demux, "ICCP");
    if (flags & EXIF_FLAG) {
        const QByteArray exif = Chunk(demux, "EXIF");
        // Some writers put "Exif\0\0" first, as in JPEG.
        metadata.exif = ExifTiffStructure({reinterpret_cast<const std::uint8_t *>(exif.constData()),
                                           static_cast<std::size_t>(exif.size())});
    }
    if (flags & XMP_FLAG)
        metadata.xmp = Chunk(demux, "XMP ");
    return metadata;
}

Image FirstFrame(const WebPData &data, int width, int height, QString *error)
{
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options))
        return Fail(error, reason::Damaged("WebP"));
    options.color_mode = MODE_RGBA;
    options.use_threads = 0;
    const std::unique_ptr<WebPAnimDecoder, AnimDecoderDeleter> decoder(
        WebPAnimDecoderNew(&data, &options));
    if (!decoder)
        return Fail(error, reason::Damaged("WebP"));
    WebPAnimInfo info{};
    if (!WebPAnimDecoderGetInfo(decoder.get(), &info) ||
        static_cast<int>(info.canvas_width) != width ||
        static_cast<int>(info.canvas_height) != height)
        return Fail(error, reason::Damaged("WebP"));
    std::uint8_t *canvas = nullptr;
    int timestamp = 0;
    if (!WebPAnimDecoderGetNext(decoder.get(), &canvas, &timestamp) || !canvas)
        return Fail(error, reason::Damaged("WebP"));
    Image image(width, height);
    if (image.IsNull())
        return Fail(error, reason::OutOfMemory());
    const std::size_t rowBytes = 4 * static_cast<std::size_t>(width);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.Row(y), canvas + rowBytes * static_cast<std::size_t>(y), rowBytes);
    return image;
}

} // namespace

Image DecodeWebp(Bytes bytes, const ReadHints &hints, QString *error)
{
    WebPBitstreamFeatures features{};
    const VP8StatusCode status = WebPGetFeatures(bytes.data(), bytes.size(), &features);
    if (status != VP8_STATUS_OK)
        return Fail(error, DecodeFailure(status));
    if (RefuseSize(features.width, features.height, error))
        return {};
    const WebPData data{bytes.data(), bytes.size()};
    const std::unique_ptr<WebPDemuxer, DemuxDeleter> demux(WebPDemux(&data));
    if (!demux)
        return Fail(error, reason::Damaged("WebP"));
    ImageMetadata metadata = WebpMetadata(demux.get());
    Image image;
    if (features.has_animation) {
        image = FirstFrame(data, features.width, features.height, error);
        if (image.IsNull())
            return image;
    } else {
        const int shrink = ShrinkFactor(hints, features.width, features.height, metadata.exif);
        image = Image(ShrunkSide(features.width, shrink), ShrunkSide(features.height, shrink));
        if (image.IsNull())
            return Fail(error, reason::OutOfMemory());
        AdviseHugePages(image.Row(0), image.SizeInBytes());
        WebPDecoderConfig config;
        if (!WebPInitDecoderConfig(&config))
            return Fail(error, reason::Damaged("WebP"));
        if (shrink > 1) {
            config.options.use_scaling = 1;
            config.options.scaled_width = image.Width();
            config.options.scaled_height = image.Height();
        }
        config.output.colorspace = MODE_RGBA;
        config.output.is_external_memory = 1;
        config.output.u.RGBA.rgba = image.Row(0);
        config.output.u.RGBA.stride = static_cast<int>(image.Stride());
        config.output.u.RGBA.size = image.SizeInBytes();
        const VP8StatusCode decoded = WebPDecode(bytes.data(), bytes.size(), &config);
        WebPFreeDecBuffer(&config.output);
        if (decoded != VP8_STATUS_OK)
            return Fail(error, DecodeFailure(decoded));
    }
    image.SetMetadata(std::move(metadata));
    return image;
}

bool EncodeWebp(const Image &image, const EncodeSettings &settings, QByteArray &out, QString *error)
{
    if (image.Width() > kMaxSide || image.Height() > kMaxSide) {
        Fail(error, QCoreApplication::translate("Codec", "WebP holds at most %1 pixels a side")
                        .arg(kMaxSide));
        return false;
    }
    const int quality = std::clamp(settings.quality, 1, 100);
    WebPConfig config;
    if (!WebPConfigInit(&config)) {
        Fail(error,
             QCoreApplication::translate("Codec", "the WebP encoder failed (version mismatch)"));
        return false;
    }
    if (quality == 100) {
        // Lossless; its quality is the effort, cwebp's default.
        config.lossless = 1;
        config.quality = 75;
    } else {
        config.quality = static_cast<float>(quality);
    }
    config.thread_level = 1;
    WebPPicture picture;
    if (!WebPPictureInit(&picture)) {
        Fail(error,
             QCoreApplication::translate("Codec", "the WebP encoder failed (version mismatch)"));
        return false;
    }
    struct PictureFree
    {
        void operator()(WebPPicture *p) const { WebPPictureFree(p); }
    };
    const std::unique_ptr<WebPPicture, PictureFree> ownPicture(&picture);
    picture.width = image.Width();
    picture.height = image.Height();
    picture.use_argb = config.lossless;
    if (!WebPPictureImportRGBA(&picture, image.Row(0), static_cast<int>(image.Stride()))) {
        Fail(error, reason::OutOfMemory());
        return false;
    }
    WebPMemoryWriter writer;
    WebPMemoryWriterInit(&writer);
    struct WriterClear
    {
        void operator()(WebPMemoryWriter *w) const { WebPMemoryWriterClear(w); }
    };
    const std::unique_ptr<WebPMemoryWriter, WriterClear> ownWriter(&writer);
    picture.writer = WebPMemoryWrite;
    picture.custom_ptr = &writer;
    if (!WebPEncode(&config, &picture)) {
        Fail(error, picture.error_code == VP8_ENC_ERROR_OUT_OF_MEMORY
                        ? reason::OutOfMemory()
                        : QCoreApplication::translate("Codec", "the WebP encoder failed (error %1)")
                              .arg(static_cast<int>(picture.error_code)));
        return false;
    }
    const ImageMetadata &metadata = settings.metadata;
    if (metadata.IsEmpty()) {
        out = QByteArray(reinterpret_cast<const char *>(writer.mem),
                         static_cast<qsizetype>(writer.size));
        return true;
    }
    // The muxer adds the extended header that announces the chunks.
    const WebPData bitstream{writer.mem, writer.size};
    const std::unique_ptr<WebPMux, MuxDeleter> mux(WebPMuxCreate(&bitstream, 0));
    if (!mux) {
        Fail(error, reason::OutOfMemory());
        return false;
    }
    const auto set = [&](const char *fourcc, const QByteArray &bytes) {
        if (bytes.isEmpty())
            return true;
        const WebPData chunkData{reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())};
        return WebPMuxSetChunk(mux.get(), fourcc, &chunkData, 1) == WEBP_MUX_OK;
    };
    WebPData assembled{};
    if (!set("ICCP", metadata.icc) || !set("EXIF", metadata.exif) || !set("XMP ", metadata.xmp) ||
        WebPMuxAssemble(mux.get(), &assembled) != WEBP_MUX_OK) {
        WebPDataClear(&assembled);
        Fail(error, QCoreApplication::translate("Codec", "the WebP metadata could not be written"));
        return false;
    }
    out = QByteArray(reinterpret_cast<const char *>(assembled.bytes),
                     static_cast<qsizetype>(assembled.size));
    WebPDataClear(&assembled);
    return true;
}

} // namespace lumaskin
