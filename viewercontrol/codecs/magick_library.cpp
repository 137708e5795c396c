#include "viewercontrol/codecs/magick_library.h"

#include "viewercontrol/codecs/pixel_rows.h"

#include <Magick++.h>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace lumaskin {

namespace {

// Appended to the system policy, so it can only narrow it. The last matching rule wins.
constexpr const char *kPolicy = R"(<policymap>
  <policy domain="delegate" rights="none" pattern="*"/>
  <policy domain="path" rights="none" pattern="@*"/>
  <policy domain="coder" rights="none" pattern="*"/>
  <policy domain="coder" rights="read|write"
          pattern="{BMP,BMP2,BMP3,GIF,GIF87,PCX,TGA,ICB,VDA,VST,ICO,ICON,WBMP,TIFF,TIF,TIFF64,PSD,PSB,WMF,JP2,J2K,J2C,JPC,PGX,SUN,RAS,PNM,PBM,PGM,PPM,PAM,JPEG,JPG,PNG,PNG8,PNG24,PNG32}"/>
</policymap>)";

void startMagick()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Magick::InitializeMagick(nullptr);
        MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
        MagickCore::SetMagickSecurityPolicy(kPolicy, exception);
        MagickCore::DestroyExceptionInfo(exception);
        // The system policy caps these further; these are our own ceilings.
        using Magick::ResourceLimits;
        ResourceLimits::width(Image::kMaxSide);
        ResourceLimits::height(Image::kMaxSide);
        ResourceLimits::area(static_cast<MagickCore::MagickSizeType>(Image::kMaxPixels) * 8);
        ResourceLimits::memory(MagickCore::MagickSizeType{2} << 30);
        ResourceLimits::map(MagickCore::MagickSizeType{4} << 30);
        ResourceLimits::disk(MagickCore::MagickSizeType{4} << 30);
        ResourceLimits::listLength(4096);
    });
}

bool contains(const std::string &text, const char *word)
{
    return QString::fromStdString(text).contains(QLatin1String(word), Qt::CaseInsensitive);
}

QString readFailure(const std::exception &e, const QString &format)
{
    const std::string what = e.what();
    if (contains(what, "end-of-file") || contains(what, "EndOfFile") ||
        contains(what, "insufficient image data") || contains(what, "InsufficientImageData"))
        return reason::truncated();
    if (contains(what, "exceeds limit") || contains(what, "ExceedsLimit") ||
        contains(what, "resource limit"))
        return QStringLiteral("the picture is too large");
    if (contains(what, "memory allocation failed"))
        return reason::outOfMemory();
    return reason::damaged(format);
}

void prepare(Magick::Image &image, const MagickReadOptions &options)
{
    image.quiet(true); // warnings are not failures
    image.subImage(static_cast<size_t>(options.frame));
    image.subRange(1);
    image.magick(options.coder);
}

} // namespace

Image DecodeWithMagick(Bytes bytes, const MagickReadOptions &options, QString *error)
{
    startMagick();
    try {
        const Magick::Blob blob(bytes.data(), bytes.size());
        {
            Magick::Image header;
            prepare(header, options);
            header.ping(blob);
            if (RefuseSize(header.columns(), header.rows(), error))
                return {};
        }
        Magick::Image picture;
        prepare(picture, options);
        picture.read(blob);
        if (options.autoOrient && picture.orientation() != Magick::UndefinedOrientation &&
            picture.orientation() != Magick::TopLeftOrientation)
            picture.autoOrient();
        const MagickCore::ColorspaceType space = picture.colorSpace();
        if (space != MagickCore::sRGBColorspace && space != MagickCore::RGBColorspace &&
            space != MagickCore::GRAYColorspace)
            picture.colorSpace(MagickCore::sRGBColorspace);
        const size_t width = picture.columns();
        const size_t height = picture.rows();
        if (RefuseSize(width, height, error))
            return {};
        Image image(static_cast<int>(width), static_cast<int>(height));
        if (image.isNull())
            return Fail(error, reason::outOfMemory());
        const bool hasAlpha = picture.matte();
        MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
        bool exported = true;
        for (int y = 0; y < image.height() && exported; ++y) {
            exported =
                MagickCore::ExportImagePixels(picture.constImage(), 0, y, width, 1,
                                              hasAlpha ? "RGBA" : "RGBP", MagickCore::CharPixel,
                                              image.row(y), exception) == MagickCore::MagickTrue;
            if (!hasAlpha) {
                std::uint8_t *p = image.row(y);
                for (size_t x = 0; x < width; ++x)
                    p[4 * x + 3] = 255;
            }
        }
        MagickCore::DestroyExceptionInfo(exception);
        if (!exported)
            return Fail(error, reason::damaged(options.formatName));
        return image;
    } catch (const std::exception &e) {
        return Fail(error, readFailure(e, options.formatName));
    }
}

bool EncodeWithMagick(const Image &image, const MagickWriteOptions &options, QByteArray &out,
                      QString *error)
{
    startMagick();
    const int width = image.width();
    const int height = image.height();
    MagickCore::ImageInfo *info = MagickCore::AcquireImageInfo();
    MagickCore::Image *raw = MagickCore::AcquireImage(info);
    MagickCore::DestroyImageInfo(info);
    if (!raw) {
        Fail(error, reason::outOfMemory());
        return false;
    }
    try {
        // Owns `raw` from here on.
        Magick::Image picture(raw);
        if (MagickCore::SetImageExtent(raw, width, height) != MagickCore::MagickTrue) {
            Fail(error, reason::outOfMemory());
            return false;
        }
        std::vector<std::uint8_t> rgb(options.keepAlpha ? 0 : 3 * static_cast<size_t>(width));
        for (int y = 0; y < height; ++y) {
            const void *pixels = image.row(y);
            if (!options.keepAlpha) {
                CompositeRowOverWhite(image.row(y), rgb.data(), width);
                pixels = rgb.data();
            }
            if (MagickCore::ImportImagePixels(
                    raw, 0, y, width, 1, options.keepAlpha ? "RGBA" : "RGB", MagickCore::CharPixel,
                    pixels) != MagickCore::MagickTrue) {
                Fail(error, reason::outOfMemory());
                return false;
            }
        }
        picture.quiet(true);
        picture.matte(options.keepAlpha && !image.isOpaque());
        picture.depth(8);
        // Left undefined, the TGA writer stores rows top-down but labels them bottom-up.
        picture.orientation(Magick::TopLeftOrientation);
        if (options.trueColour)
            picture.type(picture.matte() ? Magick::TrueColorMatteType : Magick::TrueColorType);
        Magick::Blob blob;
        picture.write(&blob, options.coder);
        out = QByteArray(static_cast<const char *>(blob.data()),
                         static_cast<qsizetype>(blob.length()));
        return true;
    } catch (const std::exception &e) {
        Fail(error, QStringLiteral("the %1 encoder failed (%2)")
                        .arg(QString::fromLatin1(options.coder), QString::fromStdString(e.what())));
        return false;
    }
}

} // namespace lumaskin
