#include "engine/codecs/magick_library.h"

#include "engine/codecs/codec_modules.h"
#include "engine/codecs/gif_palette.h"
#include "engine/codecs/pixel_rows.h"
#include "engine/codecs/scratch_folder.h"
#include "engine/console_output.h"

#include <Magick++.h>
#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
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

// Lowers a limit to `ceiling`; never raises one that the system policy or the environment
// (MAGICK_MEMORY_LIMIT and the like) has set lower.
void LowerLimit(MagickCore::ResourceType type, MagickCore::MagickSizeType ceiling)
{
    MagickCore::SetMagickResourceLimit(type,
                                       std::min(MagickCore::GetMagickResourceLimit(type), ceiling));
}

void StartMagick()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Magick::InitializeMagick(nullptr);
        MagickCore::ExceptionInfo *exception = MagickCore::AcquireExceptionInfo();
        MagickCore::SetMagickSecurityPolicy(kPolicy, exception);
        // Pixels that do not fit the memory limit go to files; they go to a private folder
        // that is removed however the program ends, not loose into the temporary folder.
        if (const std::string &folder = ScratchFolder(); !folder.empty())
            MagickCore::SetImageRegistry(MagickCore::StringRegistryType, "temporary-path",
                                         folder.c_str(), exception);
        MagickCore::DestroyExceptionInfo(exception);
        // The system policy caps these further; these are our own ceilings.
        using namespace MagickCore;
        LowerLimit(WidthResource, Image::kMaxSide);
        LowerLimit(HeightResource, Image::kMaxSide);
        LowerLimit(AreaResource, static_cast<MagickSizeType>(Image::kMaxPixels) * 8);
        LowerLimit(MemoryResource, MagickSizeType{2} << 30);
        // No pixels in memory-mapped files: a file that cannot grow on a full disk would end
        // the program with SIGBUS. Pixels beyond the memory limit are read and written with
        // checked calls instead.
        LowerLimit(MapResource, 0);
        // Pixels on disk for as many of the largest pictures at once as there are cores.
        LowerLimit(DiskResource,
                   (MagickSizeType{2} << 30) * std::max(1u, std::thread::hardware_concurrency()));
        LowerLimit(ListLengthResource, 4096);
    });
}

bool Contains(const char *text, const char *word)
{
    return text && QString::fromUtf8(text).contains(QLatin1String(word), Qt::CaseInsensitive);
}

bool MentionsTruncation(const char *text)
{
    return Contains(text, "end-of-file") || Contains(text, "end of file") ||
           Contains(text, "insufficient image data") || Contains(text, "premature end") ||
           Contains(text, "truncated");
}

bool MentionsTemporarySpace(const char *text)
{
    return Contains(text, "no space left") || Contains(text, "extend cache") ||
           Contains(text, "extend pixel cache") || Contains(text, "open pixel cache") ||
           Contains(text, "write pixel cache") || Contains(text, "disk quota");
}

// What ImageMagick said while reading, gathered from everywhere it leaves it: version 6
// keeps a coder's warnings on the picture, not in the exception passed to the reader.
struct ReadReport
{
    MagickCore::ExceptionType worst = MagickCore::UndefinedException;
    std::string worstReason;
    bool corrupt = false;   // a corrupt-image warning or error
    bool truncated = false; // a message that says the data ran out
    bool noTemporarySpace = false;

    void Add(MagickCore::ExceptionType severity, const char *reason, const char *description)
    {
        if (severity == MagickCore::UndefinedException)
            return;
        if (severity > worst) {
            worst = severity;
            worstReason = reason ? reason : "";
        }
        corrupt |= severity == MagickCore::CorruptImageWarning ||
                   severity == MagickCore::CorruptImageError;
        truncated |= MentionsTruncation(reason) || MentionsTruncation(description);
        noTemporarySpace |= MentionsTemporarySpace(reason) || MentionsTemporarySpace(description);
    }

    void Add(const MagickCore::ExceptionInfo *exception)
    {
        Add(exception->severity, exception->reason, exception->description);
        auto *list = static_cast<MagickCore::LinkedListInfo *>(exception->exceptions);
        if (!list)
            return;
        MagickCore::ResetLinkedListIterator(list);
        while (const auto *entry = static_cast<const MagickCore::ExceptionInfo *>(
                   MagickCore::GetNextValueInLinkedList(list)))
            Add(entry->severity, entry->reason, entry->description);
    }

    void Add(const MagickCore::Image *pictures)
    {
        for (const MagickCore::Image *p = pictures; p; p = p->next)
            Add(&p->exception);
    }

    // Corrupt data is a failure whatever its severity, as with every other reader.
    bool Failed() const { return worst >= MagickCore::ErrorException || corrupt || truncated; }
};

QString ReadFailure(const ReadReport &report, const QString &format)
{
    const char *reason = report.worstReason.c_str();
    if (Contains(reason, "security policy"))
        return QCoreApplication::translate("Codec", "Lumaskin does not read %1 pictures")
            .arg(format);
    if (report.truncated)
        return reason::Truncated();
    if (report.noTemporarySpace)
        return QCoreApplication::translate(
            "Codec", "there is not enough room in the temporary folder for the picture");
    if (Contains(reason, "exceeds limit") || Contains(reason, "resources exhausted") ||
        report.worst == MagickCore::ResourceLimitError)
        return QCoreApplication::translate("Codec", "the picture is too large");
    if (Contains(reason, "memory allocation failed"))
        return reason::OutOfMemory();
    return reason::Damaged(format);
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
ImageList ReadBlob(Bytes bytes, const char *coder, bool ping, const std::string &scenes,
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

// An empty ImageMagick picture to fill in, or null with the reason.
MagickCore::Image *AcquireBlankImage(QString *error)
{
    MagickCore::ImageInfo *info = MagickCore::AcquireImageInfo();
    MagickCore::Image *raw = MagickCore::AcquireImage(info);
    MagickCore::DestroyImageInfo(info);
    if (!raw)
        Fail(error, reason::OutOfMemory());
    return raw;
}

} // namespace

Image DecodeWithMagick(Bytes bytes, const MagickReadOptions &options, QString *error)
{
    StartMagick();
    const Exception exception(MagickCore::AcquireExceptionInfo());
    // libwmf prints its complaints about a file straight to standard output and error; they are
    // taken aside, and the reason below speaks for them.
    std::optional<ConsoleCapture> quiet;
    if (std::strcmp(options.coder, "WMF") == 0)
        quiet.emplace();
    // Headers first: nothing large is allocated for a picture that will be refused.
    std::string scenes = options.largestFrame ? "0-4095" : std::to_string(options.frame);
    {
        const ImageList headers = ReadBlob(bytes, options.coder, true, scenes, exception.get());
        ReadReport report;
        report.Add(exception.get());
        report.Add(headers.get());
        if (!headers || report.Failed())
            return Fail(error, ReadFailure(report, options.formatName));
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
    ImageList pictures = ReadBlob(bytes, options.coder, false, scenes, exception.get());
    quiet.reset();
    {
        ReadReport report;
        report.Add(exception.get());
        report.Add(pictures.get());
        if (!pictures || report.Failed())
            return Fail(error, ReadFailure(report, options.formatName));
    }
    MagickCore::Image *picture = pictures.get();
    if (options.autoOrient && picture->orientation != MagickCore::UndefinedOrientation &&
        picture->orientation != MagickCore::TopLeftOrientation) {
        MagickCore::Image *upright =
            MagickCore::AutoOrientImage(picture, picture->orientation, exception.get());
        if (!upright)
            return Fail(error, reason::OutOfMemory());
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
    if (image.IsNull())
        return Fail(error, reason::OutOfMemory());
    const bool hasAlpha = picture->matte == MagickCore::MagickTrue;
    for (int y = 0; y < image.Height(); ++y) {
        std::uint8_t *row = image.Row(y);
        if (MagickCore::ExportImagePixels(picture, 0, y, width, 1, hasAlpha ? "RGBA" : "RGBP",
                                          MagickCore::CharPixel, row,
                                          exception.get()) != MagickCore::MagickTrue)
            return Fail(error, reason::Damaged(options.formatName));
        if (!hasAlpha)
            for (std::size_t x = 0; x < width; ++x)
                row[4 * x + 3] = 255;
    }
    return image;
}

bool EncodeWithMagick(const Image &image, const MagickWriteOptions &options, QByteArray &out,
                      QString *error)
{
    StartMagick();
    const int width = image.Width();
    const int height = image.Height();
    MagickCore::Image *raw = AcquireBlankImage(error);
    if (!raw)
        return false;
    try {
        // Owns `raw` from here on.
        Magick::Image picture(raw);
        if (MagickCore::SetImageExtent(raw, width, height) != MagickCore::MagickTrue) {
            Fail(error, reason::OutOfMemory());
            return false;
        }
        std::vector<std::uint8_t> rgb(options.keepAlpha ? 0 : 3 * static_cast<size_t>(width));
        for (int y = 0; y < height; ++y) {
            const void *pixels = image.Row(y);
            if (!options.keepAlpha) {
                CompositeRowOverWhite(image.Row(y), rgb.data(), width);
                pixels = rgb.data();
            }
            if (MagickCore::ImportImagePixels(
                    raw, 0, y, width, 1, options.keepAlpha ? "RGBA" : "RGB", MagickCore::CharPixel,
                    pixels) != MagickCore::MagickTrue) {
                Fail(error, reason::OutOfMemory());
                return false;
            }
        }
        picture.quiet(true);
        picture.matte(options.keepAlpha && !image.IsOpaque());
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
        Fail(error, QCoreApplication::translate("Codec", "the %1 encoder failed (%2)")
                        .arg(QString::fromLatin1(options.coder), QString::fromStdString(e.what())));
        return false;
    }
}

namespace {

constexpr double kQuantumRange = static_cast<double>((1ULL << MAGICKCORE_QUANTUM_DEPTH) - 1);

MagickCore::Quantum ToQuantum(std::uint32_t value)
{
    return static_cast<MagickCore::Quantum>(value * kQuantumRange / 255.0 + 0.5);
}

std::uint32_t FromQuantum(MagickCore::Quantum value)
{
    return static_cast<std::uint32_t>(std::clamp(value * 255.0 / kQuantumRange + 0.5, 0.0, 255.0));
}

// The opaque colours ImageMagick's colour reduction picks for the picture, without dithering
// (which is what needs the large table).
std::vector<std::uint32_t> ChosenPalette(const Image &image, std::size_t colours,
                                         MagickCore::ExceptionInfo *exception)
{
    std::vector<std::uint8_t> rgb(3 * static_cast<std::size_t>(image.Width()) * image.Height());
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t *row = image.Row(y);
        std::uint8_t *out = rgb.data() + 3 * static_cast<std::size_t>(y) * image.Width();
        for (int x = 0; x < image.Width(); ++x)
            std::copy_n(row + 4 * x, 3, out + 3 * x);
    }
    const ImageList picture(MagickCore::ConstituteImage(
        image.Width(), image.Height(), "RGB", MagickCore::CharPixel, rgb.data(), exception));
    if (!picture)
        return {};
    MagickCore::QuantizeInfo settings;
    MagickCore::GetQuantizeInfo(&settings);
    settings.number_colors = colours;
    settings.dither = MagickCore::MagickFalse;
    settings.dither_method = MagickCore::NoDitherMethod;
    if (MagickCore::QuantizeImage(&settings, picture.get()) != MagickCore::MagickTrue)
        return {};
    std::vector<std::uint32_t> palette;
    for (std::size_t i = 0; i < picture->colors; ++i) {
        const MagickCore::PixelPacket &c = picture->colormap[i];
        palette.push_back(FromQuantum(c.red) << 16 | FromQuantum(c.green) << 8 |
                          FromQuantum(c.blue));
    }
    return palette;
}

} // namespace

bool EncodeGifWithMagick(const Image &image, QByteArray &out, QString *error)
{
    StartMagick();
    const Exception exception(MagickCore::AcquireExceptionInfo());
    std::optional<PalettedPicture> paletted = ExactPalette(image);
    if (!paletted) {
        const std::vector<std::uint32_t> palette = ChosenPalette(image, 256, exception.get());
        if (palette.empty()) {
            Fail(error, reason::OutOfMemory());
            return false;
        }
        paletted = DitherToPalette(image, palette);
    }
    MagickCore::Image *raw = AcquireBlankImage(error);
    if (!raw)
        return false;
    try {
        // Owns `raw` from here on.
        Magick::Image picture(raw);
        const std::vector<std::uint32_t> &colours = paletted->colours;
        if (MagickCore::SetImageExtent(raw, image.Width(), image.Height()) !=
                MagickCore::MagickTrue ||
            MagickCore::AcquireImageColormap(raw, colours.size()) != MagickCore::MagickTrue) {
            Fail(error, reason::OutOfMemory());
            return false;
        }
        for (std::size_t i = 0; i < colours.size(); ++i) {
            MagickCore::PixelPacket &entry = raw->colormap[i];
            entry.red = ToQuantum(colours[i] >> 16 & 0xFF);
            entry.green = ToQuantum(colours[i] >> 8 & 0xFF);
            entry.blue = ToQuantum(colours[i] & 0xFF);
            // Opacity runs the other way round from alpha: 0 is opaque.
            entry.opacity =
                static_cast<int>(i) == paletted->transparentIndex ? ToQuantum(255) : ToQuantum(0);
        }
        raw->matte =
            paletted->transparentIndex >= 0 ? MagickCore::MagickTrue : MagickCore::MagickFalse;
        const std::uint8_t *index = paletted->indexes.data();
        for (int y = 0; y < image.Height(); ++y) {
            MagickCore::PixelPacket *pixels =
                MagickCore::GetAuthenticPixels(raw, 0, y, image.Width(), 1, exception.get());
            MagickCore::IndexPacket *indexes = MagickCore::GetAuthenticIndexQueue(raw);
            if (!pixels || !indexes) {
                Fail(error, reason::OutOfMemory());
                return false;
            }
            for (int x = 0; x < image.Width(); ++x, ++index) {
                indexes[x] = *index;
                pixels[x] = raw->colormap[*index];
            }
            if (MagickCore::SyncAuthenticPixels(raw, exception.get()) != MagickCore::MagickTrue) {
                Fail(error, reason::OutOfMemory());
                return false;
            }
        }
        picture.quiet(true);
        // Already within 256 colours; should the writer reduce colours all the same, it
        // must not dither.
        picture.quantizeDither(false);
        Magick::Blob blob;
        picture.write(&blob, "GIF");
        out = QByteArray(static_cast<const char *>(blob.data()),
                         static_cast<qsizetype>(blob.length()));
        return true;
    } catch (const std::exception &e) {
        Fail(error, QCoreApplication::translate("Codec", "the GIF encoder failed (%1)")
                        .arg(QString::fromStdString(e.what())));
        return false;
    }
}

} // namespace lumaskin

LUMASKIN_CODEC_MODULE(magick,
                      lumaskin::MagickModule{lumaskin::DecodeWithMagick, lumaskin::EncodeWithMagick,
                                             lumaskin::EncodeGifWithMagick})
