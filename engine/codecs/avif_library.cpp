#include "engine/codecs/avif_library.h"

#include "engine/codecs/codec_modules.h"
#include "engine/codecs/colour_management.h"
#include "engine/codecs/exif_orientation.h"
#include "engine/codecs/huge_pages.h"
#include "engine/codecs/metadata_library.h"
#include "engine/codecs/pixel_rows.h"
#include "engine/parallel.h"

#include <QCoreApplication>
#include <algorithm>
#include <avif/avif.h>
#include <memory>

namespace lumaskin {

namespace {

struct DecoderDeleter
{
    void operator()(avifDecoder *decoder) const { avifDecoderDestroy(decoder); }
};
struct EncoderDeleter
{
    void operator()(avifEncoder *encoder) const { avifEncoderDestroy(encoder); }
};
struct ImageDeleter
{
    void operator()(avifImage *image) const { avifImageDestroy(image); }
};

QString ReadFailure(avifResult result)
{
    switch (result) {
    case AVIF_RESULT_TRUNCATED_DATA:
        return reason::Truncated();
    case AVIF_RESULT_OUT_OF_MEMORY:
        return reason::OutOfMemory();
    case AVIF_RESULT_NO_CODEC_AVAILABLE:
        return QCoreApplication::translate("Codec", "no AV1 decoder is installed");
    default:
        return reason::Damaged("AVIF");
    }
}

// The EXIF orientation that does what the file's rotation (anticlockwise quarter turns) and
// then its mirroring (0 top and bottom, 1 left and right) do.
int OrientationOf(const avifImage &image)
{
    const bool rotates = image.transformFlags & AVIF_TRANSFORM_IROT;
    const bool mirrors = image.transformFlags & AVIF_TRANSFORM_IMIR;
    const int turns = rotates ? image.irot.angle & 3 : 0;
    static constexpr int kPlain[4] = {1, 8, 3, 6};
    static constexpr int kLeftRight[4] = {2, 7, 4, 5};
    static constexpr int kTopBottom[4] = {4, 5, 2, 7};
    if (!mirrors)
        return kPlain[turns];
    return image.imir.mode == 1 ? kLeftRight[turns] : kTopBottom[turns];
}

QByteArray Copy(const avifRWData &data)
{
    return QByteArray(reinterpret_cast<const char *>(data.data), static_cast<qsizetype>(data.size));
}

// avifenc's mapping of quality to quantizer: 100 is lossless, 0 the coarsest.
int QuantizerFor(int quality)
{
    return ((100 - quality) * AVIF_QUANTIZER_WORST_QUALITY + 50) / 100;
}

} // namespace

Image DecodeAvif(Bytes bytes, QString *error)
{
    const std::unique_ptr<avifDecoder, DecoderDeleter> decoder(avifDecoderCreate());
    if (!decoder)
        return Fail(error, reason::OutOfMemory());
    decoder->maxThreads = std::max(1, CurrentParallelism());
    // Files from older writers lack boxes the strict reading asks for; what matters is checked
    // by the decoder anyway.
    decoder->strictFlags = AVIF_STRICT_DISABLED;
    decoder->imageSizeLimit = static_cast<std::uint32_t>(ReadPixelLimit());
    decoder->imageDimensionLimit = Image::kMaxSide;
    if (avifDecoderSetIOMemory(decoder.get(), bytes.data(), bytes.size()) != AVIF_RESULT_OK)
        return Fail(error, reason::OutOfMemory());
    avifResult result = avifDecoderParse(decoder.get());
    if (result != AVIF_RESULT_OK)
        return Fail(error, ReadFailure(result));
    if (RefuseSize(decoder->image->width, decoder->image->height, error))
        return {};
    result = avifDecoderNextImage(decoder.get());
    if (result != AVIF_RESULT_OK)
        return Fail(error, ReadFailure(result));
    const avifImage &decoded = *decoder->image;
    if (RefuseSize(decoded.width, decoded.height, error))
        return {};
    Image image(static_cast<int>(decoded.width), static_cast<int>(decoded.height));
    if (image.IsNull())
        return Fail(error, reason::OutOfMemory());
    AdviseHugePages(image.Row(0), image.SizeInBytes());
    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, &decoded);
    rgb.format = AVIF_RGB_FORMAT_RGBA;
    rgb.depth = 8;
    rgb.pixels = image.Row(0);
    rgb.rowBytes = static_cast<std::uint32_t>(image.Stride());
    result = avifImageYUVToRGB(&decoded, &rgb);
    if (result != AVIF_RESULT_OK)
        return Fail(error, ReadFailure(result));
    if (!decoded.alphaPlane) {
        for (int y = 0; y < image.Height(); ++y) {
            std::uint8_t *p = image.Row(y);
            for (int x = 0; x < image.Width(); ++x)
                p[4 * x + 3] = 255;
        }
    }
    ImageMetadata metadata;
    metadata.icc = decoded.icc.size > 0 ? Copy(decoded.icc)
                                        : ProfileForCodePoints(decoded.colorPrimaries,
                                                               decoded.transferCharacteristics);
    metadata.exif = ExifTiffStructure({decoded.exif.data, decoded.exif.size});
    metadata.xmp = Copy(decoded.xmp);
    const int orientation = OrientationOf(decoded);
    image.SetMetadata(std::move(metadata));
    return ApplyOrientation(std::move(image), orientation);
}

bool EncodeAvif(const Image &image, const EncodeSettings &settings, QByteArray &out, QString *error)
{
    const int quality = std::clamp(settings.quality, 1, 100);
    const bool lossless = quality == 100;
    const ImageMetadata &metadata = settings.metadata;
    const PixelSummary summary = Summarise(image);
    const avifPixelFormat layout = lossless ? AVIF_PIXEL_FORMAT_YUV444
                                   : summary.grey && metadata.icc.isEmpty()
                                       ? AVIF_PIXEL_FORMAT_YUV400
                                   : quality >= 90 ? AVIF_PIXEL_FORMAT_YUV444
                                                   : AVIF_PIXEL_FORMAT_YUV420;
    const std::unique_ptr<avifImage, ImageDeleter> picture(
        avifImageCreate(static_cast<std::uint32_t>(image.Width()),
                        static_cast<std::uint32_t>(image.Height()), 8, layout));
    if (!picture) {
        Fail(error, reason::OutOfMemory());
        return false;
    }
    picture->yuvRange = AVIF_RANGE_FULL;
    if (metadata.icc.isEmpty()) {
        picture->colorPrimaries = AVIF_COLOR_PRIMARIES_BT709;
        picture->transferCharacteristics = AVIF_TRANSFER_CHARACTERISTICS_SRGB;
    } else {
        avifImageSetProfileICC(picture.get(),
                               reinterpret_cast<const std::uint8_t *>(metadata.icc.constData()),
                               static_cast<std::size_t>(metadata.icc.size()));
    }
    picture->matrixCoefficients =
        lossless ? AVIF_MATRIX_COEFFICIENTS_IDENTITY : AVIF_MATRIX_COEFFICIENTS_BT601;
    if (!metadata.exif.isEmpty())
        avifImageSetMetadataExif(picture.get(),
                                 reinterpret_cast<const std::uint8_t *>(metadata.exif.constData()),
                                 static_cast<std::size_t>(metadata.exif.size()));
    if (!metadata.xmp.isEmpty())
        avifImageSetMetadataXMP(picture.get(),
                                reinterpret_cast<const std::uint8_t *>(metadata.xmp.constData()),
                                static_cast<std::size_t>(metadata.xmp.size()));
    // The pixels are written upright: whatever the EXIF block said is already applied.
    picture->transformFlags = AVIF_TRANSFORM_NONE;

    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, picture.get());
    rgb.format = AVIF_RGB_FORMAT_RGBA;
    rgb.depth = 8;
    rgb.ignoreAlpha = summary.opaque ? AVIF_TRUE : AVIF_FALSE;
    rgb.pixels = const_cast<std::uint8_t *>(image.Row(0));
    rgb.rowBytes = static_cast<std::uint32_t>(image.Stride());
    avifResult result = avifImageRGBToYUV(picture.get(), &rgb);
    if (result != AVIF_RESULT_OK) {
        Fail(error, QCoreApplication::translate("Codec", "the AVIF encoder failed (%1)")
                        .arg(QString::fromUtf8(avifResultToString(result))));
        return false;
    }
    const std::unique_ptr<avifEncoder, EncoderDeleter> encoder(avifEncoderCreate());
    if (!encoder) {
        Fail(error, reason::OutOfMemory());
        return false;
    }
    encoder->maxThreads = std::max(1, CurrentParallelism());
    encoder->speed = 6;
    encoder->minQuantizer = encoder->maxQuantizer = QuantizerFor(quality);
    encoder->minQuantizerAlpha = encoder->maxQuantizerAlpha = QuantizerFor(quality);
    // Tiles follow the picture's size only, so the bytes do not depend on the cores at hand.
    encoder->autoTiling = AVIF_TRUE;
    avifRWData output = AVIF_DATA_EMPTY;
    result = avifEncoderWrite(encoder.get(), picture.get(), &output);
    if (result != AVIF_RESULT_OK) {
        avifRWDataFree(&output);
        Fail(error, result == AVIF_RESULT_NO_CODEC_AVAILABLE
                        ? QCoreApplication::translate("Codec", "no AV1 encoder is installed")
                        : QCoreApplication::translate("Codec", "the AVIF encoder failed (%1)")
                              .arg(QString::fromUtf8(avifResultToString(result))));
        return false;
    }
    out = Copy(output);
    avifRWDataFree(&output);
    return true;
}

} // namespace lumaskin

LUMASKIN_CODEC_MODULE(avif, lumaskin::AvifModule{lumaskin::DecodeAvif, lumaskin::EncodeAvif})
