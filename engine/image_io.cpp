#include "engine/image_io.h"

#include "engine/codecs/atomic_file.h"
#include "engine/codecs/colour_management.h"
#include "engine/codecs/content_checks.h"
#include "engine/codecs/exif_orientation.h"
#include "engine/codecs/huge_pages.h"
#include "engine/codecs/jpeg_header.h"
#include "engine/codecs/jpeg_streaming.h"
#include "engine/codecs/metadata_library.h"
#include "engine/codecs/pixel_rows.h"
#include "engine/file_name.h"
#include "engine/formats.h"
#include "engine/parallel.h"
#include "engine/resample.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace lumaskin {

namespace {

// Larger files are refused rather than read into memory.
constexpr qint64 kMaxFileBytes = qint64{2} << 30;

// A file's bytes in memory. Buffers of photo size start on a 2 MB boundary and ask for huge
// pages, so that reading a 5 MB JPEG costs a few page faults rather than over a thousand.
class FileBuffer
{
public:
    std::uint8_t *Data() { return m_data.get(); }
    std::size_t Capacity() const { return m_capacity; }

    // Makes room for `capacity` bytes, keeping the first `keep`; false when out of memory.
    bool Grow(std::size_t capacity, std::size_t keep)
    {
        constexpr std::size_t kHugePage = std::size_t{2} << 20;
        const std::size_t alignment = capacity >= kHugePage ? kHugePage : 64;
        const std::size_t rounded =
            (std::max<std::size_t>(capacity, 1) + alignment - 1) / alignment * alignment;
        std::unique_ptr<std::uint8_t, Free> grown(
            static_cast<std::uint8_t *>(std::aligned_alloc(alignment, rounded)));
        if (!grown)
            return false;
        AdviseHugePages(grown.get(), rounded);
        if (keep > 0)
            std::memcpy(grown.get(), m_data.get(), keep);
        m_data = std::move(grown);
        m_capacity = capacity;
        return true;
    }

private:
    struct Free
    {
        void operator()(std::uint8_t *p) const { std::free(p); }
    };
    std::unique_ptr<std::uint8_t, Free> m_data;
    std::size_t m_capacity = 0;
};

// Sets *error to `text` when error is given; returns false for `return Refuse(...)`.
bool Refuse(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// Reads a whole ordinary file into `bytes`, up to the size limit; false, with *error set, when
// it cannot.
bool ReadFileBytes(const QString &path, FileBuffer &bytes, std::size_t &filled, QString *error)
{
    if (path.isEmpty())
        return Refuse(error, QCoreApplication::translate("ImageIo", "no file was given"));
    // Opened without blocking: a pipe or a device at the name must not hang the read.
    const int fd = ::open(NativeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return Refuse(error, QCoreApplication::translate("ImageIo", "the file does not exist"));
        return Refuse(error,
                      QCoreApplication::translate("ImageIo", "the file cannot be opened (%1)")
                          .arg(FileErrorText(errno)));
    }
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } const closer{fd};
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return Refuse(error,
                      QCoreApplication::translate("ImageIo", "the file cannot be opened (%1)")
                          .arg(FileErrorText(errno)));
    if (S_ISDIR(status.st_mode))
        return Refuse(error, QCoreApplication::translate("ImageIo", "it is a folder, not a file"));
    // Devices and pipes could block the read or never end.
    if (!S_ISREG(status.st_mode))
        return Refuse(error, QCoreApplication::translate("ImageIo", "it is not an ordinary file"));
    if (status.st_size > kMaxFileBytes)
        return Refuse(error, QCoreApplication::translate("ImageIo", "the file is too large"));
    // The buffer is the file's size (and one more byte, to notice a file that grows while it
    // is read); a file that grows further is followed up to the limit.
    if (!bytes.Grow(static_cast<std::size_t>(std::min<qint64>(status.st_size, kMaxFileBytes) + 1),
                    0))
        return Refuse(error, reason::OutOfMemory());
    filled = 0;
    for (;;) {
        if (filled == bytes.Capacity()) {
            if (bytes.Capacity() > static_cast<std::size_t>(kMaxFileBytes))
                break;
            if (!bytes.Grow(std::min<std::size_t>(bytes.Capacity() + (std::size_t{64} << 20),
                                                  static_cast<std::size_t>(kMaxFileBytes) + 1),
                            filled))
                return Refuse(error, reason::OutOfMemory());
        }
        const ssize_t count = ::read(fd, bytes.Data() + filled, bytes.Capacity() - filled);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return Refuse(error,
                          QCoreApplication::translate("ImageIo", "the file cannot be read (%1)")
                              .arg(FileErrorText(errno)));
        if (count == 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    if (filled > static_cast<std::size_t>(kMaxFileBytes))
        return Refuse(error, QCoreApplication::translate("ImageIo", "the file is too large"));
    return true;
}

// What a writer embeds besides the pixels, and whether the pixels must become sRGB first: files
// hold RGB profiles, and pixels in any other profile become sRGB, as they do when the file
// would have no profile to show them by.
struct WritePlan
{
    EncodeSettings encode;
    bool toSrgb = false;
};

WritePlan PlanWrite(const Format &format, const ImageMetadata &metadata, int width, int height,
                    const WriteSettings &settings)
{
    WritePlan plan;
    plan.encode.quality = std::clamp(settings.quality, 1, 100);
    const bool keep = format.holdsMetadata && !settings.stripMetadata;
    const ProfileKind kind = ClassifyProfile(metadata.icc);
    const bool keepProfile = keep && (kind == ProfileKind::Srgb || kind == ProfileKind::Rgb);
    plan.toSrgb = !keepProfile && (kind == ProfileKind::Rgb || kind == ProfileKind::Grey);
    if (keep) {
        plan.encode.metadata =
            MetadataForWriting(metadata, width, height, settings.keepOrientation);
        if (!keepProfile)
            plan.encode.metadata.icc.clear();
    }
    return plan;
}

} // namespace

Image ReadImage(const QString &path, QString *error, const ReadHints &hints)
{
    FileBuffer bytes;
    std::size_t filled = 0;
    if (!ReadFileBytes(path, bytes, filled, error))
        return {};
    return ReadImageFromMemory({bytes.Data(), filled}, error, hints);
}

Image ReadImageFromMemory(std::span<const std::uint8_t> bytes, QString *error,
                          const ReadHints &hints)
{
    if (bytes.empty())
        return Fail(error, QCoreApplication::translate("ImageIo", "the file is empty"));
    Probe probe;
    const Format *format = FindFormatByContent(bytes, &probe);
    if (!format)
        return Fail(error, reason::NotAPicture());
    if (probe.sizeKnown && RefuseSize(probe.width, probe.height, error))
        return {};
    if (probe.minimumFileSize > static_cast<std::int64_t>(bytes.size()))
        return Fail(error, reason::Truncated());
    QString why;
    Image image;
    try {
        image = hints.smallestUseful && format->readShrunk ? format->readShrunk(bytes, hints, &why)
                                                           : format->read(bytes, &why);
    } catch (const std::bad_alloc &) {
        return Fail(error, reason::OutOfMemory());
    } catch (...) {
        return Fail(error, reason::Damaged(format->name));
    }
    if (image.IsNull())
        return Fail(error, why.isEmpty() ? reason::Damaged(format->name) : why);
    try {
        if (format->orientedByExif && !image.Metadata().exif.isEmpty()) {
            // Read before the picture is handed over: argument order is the compiler's choice.
            const int orientation = ExifOrientation(image.Metadata().exif);
            image = ApplyOrientation(std::move(image), orientation);
            if (image.IsNull())
                return Fail(error, reason::OutOfMemory());
        }
        SettleProfileAfterReading(image);
    } catch (const std::bad_alloc &) {
        return Fail(error, reason::OutOfMemory());
    }
    return image;
}

bool WriteImage(const Image &image, const QString &path, const QString &format,
                const WriteSettings &settings, QString *error)
{
    if (image.IsNull())
        return Refuse(error,
                      QCoreApplication::translate("ImageIo", "there is no picture to write"));
    if (path.isEmpty())
        return Refuse(error, QCoreApplication::translate("ImageIo", "no file name was given"));
    const Format *written = FindWrittenFormat(format);
    if (!written || !written->write)
        return Refuse(
            error, QCoreApplication::translate("ImageIo", "Lumaskin cannot write the format \"%1\"")
                       .arg(format));
    QByteArray bytes;
    try {
        const WritePlan plan =
            PlanWrite(*written, image.Metadata(), image.Width(), image.Height(), settings);
        Image converted;
        if (plan.toSrgb) {
            converted = SrgbCopy(image);
            if (converted.IsNull())
                return Refuse(error, reason::OutOfMemory());
        }
        if (!written->write(converted.IsNull() ? image : converted, plan.encode, bytes, error))
            return false;
    } catch (const std::bad_alloc &) {
        return Refuse(error, reason::OutOfMemory());
    }
    return WriteFileAtomically(path, bytes, error, settings.keepExisting);
}

Shortcut TranscodeJpegFile(const QString &source, const QString &target,
                           const WriteSettings &settings, const RowWork *work, QString *error)
{
    // A batch running a file per core gains nothing here; it must not read each file twice.
    if (CurrentParallelism() < 2)
        return Shortcut::Declined;
    const Format *jpeg = FindWrittenFormat(QStringLiteral("jpg"));
    FileBuffer file;
    std::size_t filled = 0;
    if (!jpeg || !ReadFileBytes(source, file, filled, nullptr))
        return Shortcut::Declined;
    const Bytes bytes{file.Data(), filled};
    if (ProbeJpeg(bytes).match != Match::Certain)
        return Shortcut::Declined;
    const JpegHeader header = ParseJpegHeader(bytes);
    const ImageMetadata metadata = JpegMetadata(header);
    // What reading would change first: a turn by the EXIF orientation (unless the pixels stay
    // as stored), a grey or unusable profile settled into the pixels, or pixels to be made sRGB
    // for writing.
    const ProfileKind kind = ClassifyProfile(metadata.icc);
    if ((ExifOrientation(metadata.exif) != 1 && !settings.keepOrientation) ||
        kind == ProfileKind::Grey || kind == ProfileKind::Unusable)
        return Shortcut::Declined;
    const WritePlan plan = PlanWrite(*jpeg, metadata, header.width, header.height, settings);
    if (plan.toSrgb)
        return Shortcut::Declined;
    // Written as it is made; left behind unless committed.
    AtomicFile out;
    if (!out.Open(target, error, settings.keepExisting))
        return Shortcut::Failed;
    Shortcut encoded = Shortcut::Declined;
    try {
        encoded = TranscodeJpeg(bytes, plan.encode, work, out, error);
    } catch (const std::bad_alloc &) {
        return Shortcut::Declined;
    }
    if (encoded != Shortcut::Done)
        return encoded;
    return out.Commit(error) ? Shortcut::Done : Shortcut::Failed;
}

bool WriteImage(const Image &image, const QString &path, const QString &format, QString *error)
{
    return WriteImage(image, path, format, WriteSettings{}, error);
}

bool WriteImageAtSize(const Image &image, const QString &path, const QString &format, QSize size,
                      const WriteSettings &settings, QString *error)
{
    if (image.IsNull())
        return Refuse(error,
                      QCoreApplication::translate("ImageIo", "there is no picture to write"));
    const int width = size.width();
    const int height = size.height();
    if (width < 1 || height < 1)
        return Refuse(
            error, QCoreApplication::translate("ImageIo", "a picture cannot measure %1 x %2 pixels")
                       .arg(width)
                       .arg(height));
    const double scale = std::min(static_cast<double>(width) / image.Width(),
                                  static_cast<double>(height) / image.Height());
    const int fitWidth = std::clamp(static_cast<int>(image.Width() * scale + 0.5), 1, width);
    const int fitHeight = std::clamp(static_cast<int>(image.Height() * scale + 0.5), 1, height);
    // The new picture holds no profile: the colours are made sRGB before it is scaled.
    const Image srgb = NeedsConversionToSrgb(image) ? SrgbCopy(image) : Image();
    const Image fitted = Scaled(srgb.IsNull() ? image : srgb, fitWidth, fitHeight);
    Image sized(width, height, 0x00000000);
    if (fitted.IsNull() || sized.IsNull())
        return Refuse(error, reason::OutOfMemory());
    const int left = (width - fitWidth) / 2;
    const int top = (height - fitHeight) / 2;
    for (int y = 0; y < fitHeight; ++y)
        std::copy_n(fitted.Row(y), 4 * fitWidth, sized.Pixel(left, top + y));
    return WriteImage(sized, path, format, settings, error);
}

bool WriteIcon(const Image &image, const QString &path, int width, int height, QString *error)
{
    if (image.IsNull())
        return Refuse(error,
                      QCoreApplication::translate("ImageIo", "there is no picture to write"));
    if (width < 1 || height < 1 || width > 256 || height > 256)
        return Refuse(error, QCoreApplication::translate(
                                 "ImageIo", "an icon measures 1 to 256 pixels a side, not %1 x %2")
                                 .arg(width)
                                 .arg(height));
    return WriteImageAtSize(image, path, QStringLiteral("ico"), QSize(width, height),
                            WriteSettings{}, error);
}

} // namespace lumaskin
