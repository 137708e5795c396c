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
          pattern="{BMP,BMP2,BMP3,GIF,GIF87,PCX,TGA,ICB,VDA,VST,ICO,ICON,WBMP,TIFF,TIF,TIFF64,PSD,PSB,WMF,JP2,J2K,J2C,JPC,PGX,SUN,RAS,JPEG,JPG,PNG,PNG8,PNG24,PNG32}"/>
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

bool contains(const char *text, const char *word)
{
    return text && QString::fromUtf8(text).contains(QLatin1String(word), Qt::CaseInsensitive);
}

bool mentionsTruncation(const char *text)
{
    return contains(text, "end-of-file") || contains(text, "end of file") ||
           contains(text, "insufficient image data") || contains(text, "premature end") ||
           contains(text, "truncated");
}

QString readFailure(const MagickCore::ExceptionInfo *exception, const QString &format)
{
    const char *reason = exception->reason;
    if (contains(reason, "security policy"))
        return QStringLiteral("Lumaskin does not read %1 pictures").arg(format);
    if (mentionsTruncation(reason))
        return reason::truncated();
    if (contains(reason, "exceeds limit") || exception->severity == MagickCore::ResourceLimitError)
        return QStringLiteral("the picture is too large");
    if (contains(reason, "memory allocation failed"))
        return reason::outOfMemory();
    return reason::damaged(format);
}

struct ExceptionDeleter
{
    void operator()(MagickCore::ExceptionInfo *e) const { MagickCore::DestroyExceptionInfo(e); }
};
struct ImageListDeleter
{
    void operator()(MagickCore::Image *list) const { MagickCore::DestroyImageList(list); }
};
struct ImageInfoDeleter
{
    void operator()(MagickCore::ImageInfo *info) const { MagickCore::DestroyImageInfo(info); }
};
using Exception = std::unique_ptr<MagickCore::ExceptionInfo, ExceptionDeleter>;
using ImageList = std::unique_ptr<MagickCore::Image, ImageListDeleter>;

// Reads (or, with `ping`, only parses the headers of) the pictures `scenes` ("0", "0-99") of
// a blob, always with the coder we chose.
ImageList readBlob(Bytes bytes, const char *coder, bool ping, const std::string &scenes,
                   MagickCore::ExceptionInfo *exception)
{
    const std::unique_ptr<MagickCore::ImageInfo, ImageInfoDeleter> info(
        MagickCore::AcquireImageInfo());
    MagickCore::CopyMagickString(info->magick, coder, MaxTextExtent);
    // The explicit "CODER:" prefix stops ImageMagick from choosing a coder by itself.
    MagickCore::FormatLocaleString(info->filename, MaxTextExtent, "%s:", coder);
    MagickCore::CloneString(&info->scenes, scenes.c_str());
    info->scene = std::stoul(scenes);
    info->number_scenes = scenes.find('-') == std::string::npos ? 1 : 4096;
    info->affirm = MagickCore::MagickTrue;
    return ImageList(
        ping ? MagickCore::PingBlob(info.get(), bytes.data(), bytes.size(), exception)
             : MagickCore::BlobToImage(info.get(), bytes.data(), bytes.size(), exception));
}

} // namespace

Image DecodeWithMagick(Bytes bytes, const MagickReadOptions &options, QString *error)
{
    startMagick();
    const Exception exception(MagickCore::AcquireExceptionInfo());
    // Headers first: nothing large is allocated for a picture that will be refused.
    std::string scenes = options.largestFrame ? "0-4095" : std::to_string(options.frame);
    {
        const ImageList headers = readBlob(bytes, options.coder, true, scenes, exception.get());
        if (!headers || exception->severity >= MagickCore::ErrorException)
            return Fail(error, readFailure(exception.get(), options.formatName));
        const MagickCore::Image *chosen = headers.get();
        if (options.largestFrame) {
            std::size_t index = 0, best = 0;
            double bestArea = -1;
            for (const MagickCore::Image *p = headers.get(); p; p = p->next, ++index) {
                const double area = static_cast<double>(p->columns) * static_cast<double>(p->rows);
                if (area > bestArea) {
                    bestArea = area;
                    best = index;
                    chosen = p;
                }
            }
            scenes = std::to_string(best);
        }
        if (RefuseSize(chosen->columns, chosen->rows, error))
            return {};
    }
    MagickCore::ClearMagickException(exception.get());
    ImageList pictures = readBlob(bytes, options.coder, false, scenes, exception.get());
    if (!pictures || exception->severity >= MagickCore::ErrorException)
        return Fail(error, readFailure(exception.get(), options.formatName));
    // Warnings are not failures, except those that say the data ran out.
    if (exception->severity != MagickCore::UndefinedException &&
        mentionsTruncation(exception->reason))
        return Fail(error, reason::truncated());
    MagickCore::Image *picture = pictures.get();
    if (options.autoOrient && picture->orientation != MagickCore::UndefinedOrientation &&
        picture->orientation != MagickCore::TopLeftOrientation) {
        MagickCore::Image *upright =
            MagickCore::AutoOrientImage(picture, picture->orientation, exception.get());
        if (!upright)
            return Fail(error, reason::outOfMemory());
        pictures.reset(upright);
        picture = upright;
    }
    const MagickCore::ColorspaceType space = picture->colorspace;
    if (space != MagickCore::sRGBColorspace && space != MagickCore::RGBColorspace &&
        space != MagickCore::GRAYColorspace)
        MagickCore::TransformImageColorspace(picture, MagickCore::sRGBColorspace);
    const std::size_t width = picture->columns;
    const std::size_t height = picture->rows;
    if (RefuseSize(width, height, error))
        return {};
    Image image(static_cast<int>(width), static_cast<int>(height));
    if (image.isNull())
        return Fail(error, reason::outOfMemory());
    const bool hasAlpha = picture->matte == MagickCore::MagickTrue;
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t *row = image.row(y);
        if (MagickCore::ExportImagePixels(picture, 0, y, width, 1, hasAlpha ? "RGBA" : "RGBP",
                                          MagickCore::CharPixel, row,
                                          exception.get()) != MagickCore::MagickTrue)
            return Fail(error, reason::damaged(options.formatName));
        if (!hasAlpha)
            for (std::size_t x = 0; x < width; ++x)
                row[4 * x + 3] = 255;
    }
    return image;
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
