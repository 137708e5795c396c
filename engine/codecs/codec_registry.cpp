#include "engine/codecs/codec_registry.h"

#include "engine/codecs/avif_library.h"
#include "engine/codecs/content_checks.h"
#include "engine/codecs/heif_library.h"
#include "engine/codecs/jpeg_encoder.h"
#include "engine/codecs/jpeg_header.h"
#include "engine/codecs/jxl_library.h"
#include "engine/codecs/magick_library.h"
#include "engine/codecs/pdf_writer.h"
#include "engine/codecs/pgx_writer.h"
#include "engine/codecs/pixel_rows.h"
#include "engine/resample.h"
#include "engine/codecs/png_encoder.h"
#include "engine/codecs/pnm_codec.h"
#include "engine/codecs/poppler_library.h"
#include "engine/codecs/spng_library.h"
#include "engine/codecs/svg_library.h"
#include "engine/codecs/tiff_library.h"
#include "engine/codecs/turbojpeg_library.h"
#include "engine/codecs/webp_library.h"

#include <algorithm>

namespace lumaskin {

namespace {

// PDF pages are rendered at this resolution.
constexpr double kPdfDotsPerInch = 150;
// The largest picture an icon file holds.
constexpr int kMaxIconSide = 256;

Image ReadJpeg(Bytes bytes, QString *error)
{
    Image image;
    switch (DecodeJpeg(bytes, image, error)) {
    case JpegDecodeOutcome::Failed:
        return {};
    case JpegDecodeOutcome::NeedsColourConversion:
        image = DecodeWithMagick(bytes, {"JPEG", "JPEG", 0, false, false}, error);
        break;
    case JpegDecodeOutcome::Decoded:
        break;
    }
    if (!image.IsNull())
        image.SetMetadata(JpegMetadata(ParseJpegHeader(bytes)));
    return image;
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

// A format read and written by ImageMagick.
Codec MagickCodec(const char *name, const char *writeName, std::function<Probe(Bytes)> probe,
                  const char *readCoder, MagickWriteOptions write)
{
    Codec codec;
    codec.name = QString::fromLatin1(name);
    codec.writeName = QString::fromLatin1(writeName);
    codec.probe = std::move(probe);
    const QString formatName = codec.name;
    codec.read = [readCoder, formatName](Bytes bytes, QString *error) {
        return DecodeWithMagick(bytes, {readCoder, formatName, 0, false, true}, error);
    };
    if (write.coder[0])
        codec.write = [write](const Image &image, const EncodeSettings &, QByteArray &out,
                              QString *error) {
            return EncodeWithMagick(image, write, out, error);
        };
    return codec;
}

std::vector<Codec> BuildCodecs()
{
    std::vector<Codec> codecs;
    {
        Codec jpeg{"JPEG", "jpg", ProbeJpeg, ReadJpeg,
                   [](const Image &image, const EncodeSettings &settings, QByteArray &out,
                      QString *error) {
                       return EncodeJpeg(image, settings.quality, out, error, 0, settings.metadata);
                   }};
        jpeg.holdsMetadata = jpeg.orientedByExif = true;
        codecs.push_back(std::move(jpeg));
    }
    {
        Codec png{"PNG", "png", ProbePng, DecodePng,
                  [](const Image &image, const EncodeSettings &settings, QByteArray &out,
                     QString *error) {
                      return EncodePng(image, out, error, nullptr, 0, settings.metadata);
                  }};
        png.holdsMetadata = png.orientedByExif = true;
        codecs.push_back(std::move(png));
    }
    {
        Codec webp{"WebP", "webp", ProbeWebp, DecodeWebp, EncodeWebp};
        webp.holdsMetadata = webp.orientedByExif = true;
        codecs.push_back(std::move(webp));
    }
    {
        Codec avif{"AVIF", "avif", ProbeAvif, DecodeAvif, EncodeAvif};
        avif.holdsMetadata = true;
        codecs.push_back(std::move(avif));
    }
    codecs.push_back({"HEIF", "", ProbeHeif, DecodeHeif, {}});
    codecs.push_back({"JPEG XL", "", ProbeJxl, DecodeJxl, {}});
    {
        Codec gif = MagickCodec("GIF", "gif", ProbeGif, "GIF", {});
        gif.write = [](const Image &image, const EncodeSettings &, QByteArray &out,
                       QString *error) { return EncodeGifWithMagick(image, out, error); };
        codecs.push_back(std::move(gif));
    }
    codecs.push_back(MagickCodec("BMP", "bmp", ProbeBmp, "BMP", {"BMP3", false, true}));
    {
        Codec tiff{"TIFF", "tif", ProbeTiff, DecodeTiff, EncodeTiff};
        tiff.holdsMetadata = true;
        codecs.push_back(std::move(tiff));
    }
    codecs.push_back(MagickCodec("PSD", "", ProbePsd, "PSD", {}));
    codecs.push_back(MagickCodec("JPEG 2000", "jp2", ProbeJp2, "JP2", {"JP2"}));
    // ImageMagick's "JPC" writes a JP2 file; "J2K" writes the bare codestream.
    codecs.push_back(MagickCodec("JPEG 2000", "jpc", ProbeJ2k, "J2K", {"J2K"}));
    codecs.push_back(MagickCodec("Sun raster", "ras", ProbeRas, "SUN", {"SUN", false, true}));
    {
        Codec pgx = MagickCodec("PGX", "pgx", ProbePgx, "PGX", {});
        pgx.write = [](const Image &image, const EncodeSettings &, QByteArray &out, QString *) {
            out = EncodePgx(image);
            return true;
        };
        codecs.push_back(std::move(pgx));
    }
    codecs.push_back(MagickCodec("WMF", "", ProbeWmf, "WMF", {}));
    {
        Codec ico = MagickCodec("icon", "ico", ProbeIco, "ICO", {});
        ico.read = [](Bytes bytes, QString *error) {
            return DecodeWithMagick(bytes, {"ICO", "icon", 0, true, false}, error);
        };
        ico.write = [](const Image &image, const EncodeSettings &, QByteArray &out,
                       QString *error) {
            return EncodeWithMagick(FittedForIcon(image), {"ICO", true}, out, error);
        };
        codecs.push_back(std::move(ico));
    }
    codecs.push_back({"PNM", "pnm", ProbePnm, DecodePnm,
                      [](const Image &image, const EncodeSettings &, QByteArray &out, QString *) {
                          out = EncodePnm(image);
                          return true;
                      }});
    codecs.push_back(MagickCodec("PCX", "pcx", ProbePcx, "PCX", {"PCX", false, true}));
    codecs.push_back({"PDF", "pdf", ProbePdf,
                      [](Bytes bytes, QString *error) {
                          return RenderFirstPdfPage(bytes, kPdfDotsPerInch, error);
                      },
                      [](const Image &image, const EncodeSettings &, QByteArray &out,
                         QString *error) { return EncodePdf(image, out, error); }});
    // Text: after every binary signature.
    codecs.push_back({"SVG", "", ProbeSvg, RenderSvg, {}});
    // Formats without a signature come last; their checks only judge plausibility.
    codecs.push_back(MagickCodec("WBMP", "wbmp", ProbeWbmp, "WBMP", {"WBMP"}));
    codecs.push_back(MagickCodec("TGA", "tga", ProbeTga, "TGA", {"TGA", true}));
    return codecs;
}

} // namespace

const std::vector<Codec> &Codecs()
{
    static const std::vector<Codec> codecs = BuildCodecs();
    return codecs;
}

const Codec *FindReader(Bytes bytes, Probe *probe)
{
    const Codec *plausible = nullptr;
    Probe plausibleProbe;
    for (const Codec &codec : Codecs()) {
        const Probe p = codec.probe(bytes);
        if (p.match == Match::Certain) {
            *probe = p;
            return &codec;
        }
        if (p.match == Match::Plausible && !plausible) {
            plausible = &codec;
            plausibleProbe = p;
        }
    }
    *probe = plausibleProbe;
    return plausible;
}

const Codec *FindWriter(const QString &format)
{
    if (format.isEmpty())
        return nullptr;
    for (const Codec &codec : Codecs())
        if (codec.writeName == format)
            return &codec;
    return nullptr;
}

} // namespace lumaskin
