// Every format Lumaskin reads or writes, one row each. The rows are in the order their content
// checks are tried: signatures first, text after every binary signature, and the formats
// without a signature, whose checks only judge plausibility, last.
#include "engine/codecs/avif_library.h"
#include "engine/codecs/content_checks.h"
#include "engine/codecs/heif_library.h"
#include "engine/codecs/jpeg_encoder.h"
#include "engine/codecs/jpeg_header.h"
#include "engine/codecs/jxl_library.h"
#include "engine/codecs/magick_library.h"
#include "engine/codecs/pdf_writer.h"
#include "engine/codecs/pgx_writer.h"
#include "engine/codecs/png_encoder.h"
#include "engine/codecs/pnm_codec.h"
#include "engine/codecs/poppler_library.h"
#include "engine/codecs/spng_library.h"
#include "engine/codecs/svg_library.h"
#include "engine/codecs/tiff_library.h"
#include "engine/codecs/turbojpeg_library.h"
#include "engine/codecs/webp_library.h"
#include "engine/formats.h"
#include "engine/image_io.h"
#include "engine/resample.h"

#include <algorithm>

namespace lumaskin {

namespace {

using Reader = std::function<Image(Bytes, QString *)>;
using Writer = std::function<bool(const Image &, const EncodeSettings &, QByteArray &, QString *)>;

// PDF pages are rendered at this resolution.
constexpr double kPdfDotsPerInch = 150;
// The largest picture an icon file holds.
constexpr int kMaxIconSide = 256;

// CMYK and YCCK files are read whole, by ImageMagick.
Image ReadJpeg(Bytes bytes, const ReadHints &hints, QString *error)
{
    ImageMetadata metadata = JpegMetadata(ParseJpegHeader(bytes));
    Image image;
    switch (DecodeJpeg(bytes, hints, metadata.exif, image, error)) {
    case JpegDecodeOutcome::Failed:
        return {};
    case JpegDecodeOutcome::NeedsColourConversion:
        image = DecodeWithMagick(bytes, {"JPEG", "JPEG", 0, false, false}, error);
        break;
    case JpegDecodeOutcome::Decoded:
        break;
    }
    if (!image.IsNull())
        image.SetMetadata(std::move(metadata));
    return image;
}

// The reader of a format that can shrink on load, reading the whole picture.
template <Image (*readShrunk)(Bytes, const ReadHints &, QString *)>
Image ReadWhole(Bytes bytes, QString *error)
{
    return readShrunk(bytes, ReadHints{}, error);
}

bool WriteJpeg(const Image &image, const EncodeSettings &settings, QByteArray &out, QString *error)
{
    return EncodeJpeg(image, settings.quality, out, error, 0, settings.metadata);
}

bool WritePng(const Image &image, const EncodeSettings &settings, QByteArray &out, QString *error)
{
    return EncodePng(image, out, error, nullptr, 0, settings.metadata);
}

// A picture larger than an icon can hold, shrunk to fit with its aspect ratio kept.
Image FittedForIcon(const Image &image)
{
    if (image.Width() <= kMaxIconSide && image.Height() <= kMaxIconSide)
        return image.Clone();
    const double scale =
        static_cast<double>(kMaxIconSide) / std::max(image.Width(), image.Height());
    return Scaled(image, std::max(1, static_cast<int>(image.Width() * scale + 0.5)),
                  std::max(1, static_cast<int>(image.Height() * scale + 0.5)));
}

// Read by ImageMagick's coder `coder`; `name` is the row's name, for its messages.
Reader MagickReader(const char *coder, const char *name)
{
    return [coder, formatName = QString::fromLatin1(name)](Bytes bytes, QString *error) {
        return DecodeWithMagick(bytes, {coder, formatName, 0, false, true}, error);
    };
}

Writer MagickWriter(MagickWriteOptions options)
{
    return [options](const Image &image, const EncodeSettings &, QByteArray &out, QString *error) {
        return EncodeWithMagick(image, options, out, error);
    };
}

std::vector<Format> BuildFormats()
{
    std::vector<Format> formats;
    formats.push_back({
        .name = "JPEG",
        .title = "JPEG",
        .label = "JPG",
        .listPosition = 1,
        .extension = "jpg",
        .extensionsRead = {"jpg", "jpeg", "jpe", "jfif"},
        .mimeTypes = {"image/jpeg"},
        .probe = ProbeJpeg,
        .read = ReadWhole<ReadJpeg>,
        .readShrunk = ReadJpeg,
        .write = WriteJpeg,
        .transcode = TranscodeJpegFile,
        .hasQuality = true,
        .holdsMetadata = true,
        .orientedByExif = true,
    });
    formats.push_back({
        .name = "PNG",
        .title = "PNG",
        .label = "PNG",
        .listPosition = 13,
        .extension = "png",
        .extensionsRead = {"png"},
        .mimeTypes = {"image/png"},
        .probe = ProbePng,
        .read = DecodePng,
        .write = WritePng,
        .holdsMetadata = true,
        .orientedByExif = true,
    });
    formats.push_back({
        .name = "WebP",
        .title = "WebP",
        .label = "WEBP",
        .listPosition = 14,
        .extension = "webp",
        .extensionsRead = {"webp"},
        .mimeTypes = {"image/webp"},
        .probe = ProbeWebp,
        .read = ReadWhole<DecodeWebp>,
        .readShrunk = DecodeWebp,
        .write = EncodeWebp,
        .hasQuality = true,
        .holdsMetadata = true,
        .orientedByExif = true,
    });
    formats.push_back({
        .name = "AVIF",
        .title = "AVIF",
        .label = "AVIF",
        .listPosition = 15,
        .extension = "avif",
        .extensionsRead = {"avif"},
        .mimeTypes = {"image/avif"},
        .probe = ProbeAvif,
        .read = DecodeAvif,
        .write = EncodeAvif,
        .hasQuality = true,
        .holdsMetadata = true,
        .module = "avif",
    });
    formats.push_back({
        .name = "HEIF",
        .title = "HEIF/HEIC",
        .extensionsRead = {"heif", "heic", "hif"},
        .mimeTypes = {"image/heif", "image/heic"},
        .probe = ProbeHeif,
        .read = DecodeHeif,
        .module = "heif",
    });
    formats.push_back({
        .name = "JPEG XL",
        .title = "JPEG XL",
        .extensionsRead = {"jxl"},
        .mimeTypes = {"image/jxl"},
        .probe = ProbeJxl,
        .read = DecodeJxl,
        .module = "jxl",
    });
    formats.push_back({
        .name = "GIF",
        .title = "GIF",
        .label = "GIF",
        .listPosition = 4,
        .extension = "gif",
        .extensionsRead = {"gif"},
        .mimeTypes = {"image/gif"},
        .probe = ProbeGif,
        .read = MagickReader("GIF", "GIF"),
        .write = [](const Image &image, const EncodeSettings &, QByteArray &out,
                    QString *error) { return EncodeGifWithMagick(image, out, error); },
        .module = "magick",
    });
    formats.push_back({
        .name = "BMP",
        .title = "BMP",
        .label = "Bmp",
        .listPosition = 0,
        .extension = "bmp",
        .extensionsRead = {"bmp", "dib"},
        .mimeTypes = {"image/bmp"},
        .probe = ProbeBmp,
        .read = MagickReader("BMP", "BMP"),
        .write = MagickWriter({"BMP3", false, true}),
        .module = "magick",
    });
    formats.push_back({
        .name = "TIFF",
        .title = "TIFF",
        .label = "TIF",
        .listPosition = 16,
        .extension = "tif",
        .extensionsRead = {"tif", "tiff"},
        .mimeTypes = {"image/tiff"},
        .probe = ProbeTiff,
        .read = DecodeTiff,
        .write = EncodeTiff,
        .holdsMetadata = true,
        .module = "tiff",
    });
    formats.push_back({
        .name = "PSD",
        .title = "PhotoShop",
        .extensionsRead = {"psd"},
        .mimeTypes = {"image/vnd.adobe.photoshop"},
        .probe = ProbePsd,
        .read = MagickReader("PSD", "PSD"),
        .module = "magick",
    });
    formats.push_back({
        .name = "JPEG 2000",
        .title = "JPEG 2000",
        .label = "JP2",
        .listPosition = 8,
        .extension = "jp2",
        .extensionsRead = {"jp2", "jpx"},
        .mimeTypes = {"image/jp2", "image/jpx"},
        .probe = ProbeJp2,
        .read = MagickReader("JP2", "JPEG 2000"),
        .write = MagickWriter({"JP2"}),
        .module = "magick",
    });
    // ImageMagick's "JPC" writes a JP2 file; "J2K" writes the bare codestream.
    formats.push_back({
        .name = "JPEG 2000",
        .title = "JPEG 2000",
        .label = "JPC",
        .listPosition = 9,
        .extension = "jpc",
        .extensionsRead = {"jpc", "j2k", "j2c"},
        .mimeTypes = {"image/x-jp2-codestream"},
        .probe = ProbeJ2k,
        .read = MagickReader("J2K", "JPEG 2000"),
        .write = MagickWriter({"J2K"}),
        .module = "magick",
    });
    formats.push_back({
        .name = "Sun raster",
        .title = "Sun raster",
        .label = "RAS",
        .listPosition = 10,
        .extension = "ras",
        .extensionsRead = {"ras"},
        .mimeTypes = {"image/x-sun-raster"},
        .probe = ProbeRas,
        .read = MagickReader("SUN", "Sun raster"),
        .write = MagickWriter({"SUN", false, true}),
        .module = "magick",
    });
    formats.push_back({
        .name = "PGX",
        .title = "PGX",
        .label = "PGX",
        .listPosition = 11,
        .extension = "pgx",
        .extensionsRead = {"pgx"},
        .probe = ProbePgx,
        .read = MagickReader("PGX", "PGX"),
        .write =
            [](const Image &image, const EncodeSettings &, QByteArray &out, QString *) {
                out = EncodePgx(image);
                return true;
            },
        .module = "magick",
    });
    formats.push_back({
        .name = "WMF",
        .title = "WMF",
        .extensionsRead = {"wmf"},
        .mimeTypes = {"image/wmf"},
        .probe = ProbeWmf,
        .read = MagickReader("WMF", "WMF"),
        .module = "magick",
    });
    // An icon holds one picture per size; the largest is read.
    formats.push_back({
        .name = "icon",
        .title = "Windows icon",
        .label = "ICO",
        .listPosition = 7,
        .extension = "ico",
        .extensionsRead = {"ico"},
        .mimeTypes = {"image/vnd.microsoft.icon"},
        .probe = ProbeIco,
        .read =
            [](Bytes bytes, QString *error) {
                return DecodeWithMagick(bytes, {"ICO", "icon", 0, true, false}, error);
            },
        .write =
            [](const Image &image, const EncodeSettings &, QByteArray &out, QString *error) {
                return EncodeWithMagick(FittedForIcon(image), {"ICO", true}, out, error);
            },
        .module = "magick",
        .fixedSize = QSize(32, 32),
    });
    formats.push_back({
        .name = "PNM",
        .title = "PNM",
        .label = "PNM",
        .listPosition = 12,
        .extension = "pnm",
        .extensionsRead = {"pnm", "pbm", "pgm", "ppm"},
        .mimeTypes = {"image/x-portable-anymap", "image/x-portable-bitmap",
                      "image/x-portable-graymap", "image/x-portable-pixmap"},
        .probe = ProbePnm,
        .read = DecodePnm,
        .write =
            [](const Image &image, const EncodeSettings &, QByteArray &out, QString *) {
                out = EncodePnm(image);
                return true;
            },
    });
    formats.push_back({
        .name = "PCX",
        .title = "PCX",
        .label = "PCX",
        .listPosition = 5,
        .extension = "pcx",
        .extensionsRead = {"pcx"},
        .mimeTypes = {"image/vnd.zbrush.pcx"},
        .probe = ProbePcx,
        .read = MagickReader("PCX", "PCX"),
        .write = MagickWriter({"PCX", false, true}),
        .module = "magick",
    });
    formats.push_back({
        .name = "PDF",
        .title = "PDF",
        .label = "PDF",
        .listPosition = 2,
        .extension = "pdf",
        .extensionsRead = {"pdf"},
        .mimeTypes = {"application/pdf"},
        .probe = ProbePdf,
        .read = [](Bytes bytes,
                   QString *error) { return RenderFirstPdfPage(bytes, kPdfDotsPerInch, error); },
        .write = [](const Image &image, const EncodeSettings &, QByteArray &out,
                    QString *error) { return EncodePdf(image, out, error); },
        .module = "pdf",
    });
    // Text: after every binary signature.
    formats.push_back({
        .name = "SVG",
        .title = "SVG",
        .extensionsRead = {"svg", "svgz"},
        .mimeTypes = {"image/svg+xml"},
        .probe = ProbeSvg,
        .read = RenderSvg,
        .module = "svg",
    });
    // Formats without a signature come last; their checks only judge plausibility.
    formats.push_back({
        .name = "WBMP",
        .title = "Wireless bitmap",
        .label = "WBMP",
        .listPosition = 3,
        .extension = "wbmp",
        .extensionsRead = {"wbmp"},
        .mimeTypes = {"image/vnd.wap.wbmp"},
        .probe = ProbeWbmp,
        .read = MagickReader("WBMP", "WBMP"),
        .write = MagickWriter({"WBMP"}),
        .module = "magick",
    });
    formats.push_back({
        .name = "TGA",
        .title = "Targa",
        .label = "TGA",
        .listPosition = 6,
        .extension = "tga",
        .extensionsRead = {"tga"},
        .mimeTypes = {"image/x-tga"},
        .probe = ProbeTga,
        .read = MagickReader("TGA", "TGA"),
        .write = MagickWriter({"TGA", true}),
        .module = "magick",
    });
    return formats;
}

} // namespace

const std::vector<Format> &Formats()
{
    static const std::vector<Format> formats = BuildFormats();
    return formats;
}

} // namespace lumaskin
