#include "viewercontrol/image_io.h"

#include "viewercontrol/codecs/atomic_file.h"
#include "viewercontrol/codecs/codec_registry.h"
#include "viewercontrol/codecs/colour_management.h"
#include "viewercontrol/codecs/exif_orientation.h"
#include "viewercontrol/codecs/metadata_library.h"
#include "viewercontrol/codecs/pixel_rows.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <new>

namespace lumaskin {

namespace {

// Larger files are refused rather than read into memory.
constexpr qint64 kMaxFileBytes = qint64{2} << 30;

bool failWrite(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

Image ReadImage(const QString &path, QString *error)
{
    if (path.isEmpty())
        return Fail(error, QStringLiteral("no file was given"));
    const QFileInfo info(path);
    if (!info.exists())
        return Fail(error, QStringLiteral("the file does not exist"));
    if (info.isDir())
        return Fail(error, QStringLiteral("it is a folder, not a file"));
    // Devices and pipes could block the open or never end.
    if (!info.isFile())
        return Fail(error, QStringLiteral("it is not an ordinary file"));
    if (info.size() > kMaxFileBytes)
        return Fail(error, QStringLiteral("the file is too large"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(error,
                    QStringLiteral("the file cannot be opened (%1)").arg(file.errorString()));
    QByteArray bytes;
    try {
        // A read sets aside its whole buffer first, so the first one asks for what the file
        // holds; later ones follow a file that grows while it is read, up to the limit.
        constexpr qint64 kChunk = qint64(64) << 20;
        bytes = file.read(std::min<qint64>(info.size() + 1, kMaxFileBytes + 1));
        while (bytes.size() <= kMaxFileBytes && file.error() == QFileDevice::NoError) {
            const QByteArray more =
                file.read(std::min<qint64>(kChunk, kMaxFileBytes + 1 - bytes.size()));
            if (more.isEmpty())
                break;
            bytes += more;
        }
    } catch (const std::bad_alloc &) {
        return Fail(error, reason::outOfMemory());
    }
    if (file.error() != QFileDevice::NoError)
        return Fail(error, QStringLiteral("the file cannot be read (%1)").arg(file.errorString()));
    if (bytes.size() > kMaxFileBytes)
        return Fail(error, QStringLiteral("the file is too large"));
    return ReadImageFromMemory({reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                static_cast<std::size_t>(bytes.size())},
                               error);
}

Image ReadImageFromMemory(std::span<const std::uint8_t> bytes, QString *error)
{
    if (bytes.empty())
        return Fail(error, QStringLiteral("the file is empty"));
    Probe probe;
    const Codec *codec = FindReader(bytes, &probe);
    if (!codec)
        return Fail(error, reason::notAPicture());
    if (probe.sizeKnown && RefuseSize(probe.width, probe.height, error))
        return {};
    if (probe.minimumFileSize > static_cast<std::int64_t>(bytes.size()))
        return Fail(error, reason::truncated());
    QString why;
    Image image;
    try {
        image = codec->read(bytes, &why);
    } catch (const std::bad_alloc &) {
        return Fail(error, reason::outOfMemory());
    } catch (...) {
        return Fail(error, reason::damaged(codec->name));
    }
    if (image.isNull())
        return Fail(error, why.isEmpty() ? reason::damaged(codec->name) : why);
    try {
        if (codec->orientedByExif && !image.metadata().exif.isEmpty()) {
            image = ApplyOrientation(std::move(image), ExifOrientation(image.metadata().exif));
            if (image.isNull())
                return Fail(error, reason::outOfMemory());
        }
        SettleProfileAfterReading(image);
    } catch (const std::bad_alloc &) {
        return Fail(error, reason::outOfMemory());
    }
    return image;
}

bool WriteImage(const Image &image, const QString &path, const QString &format,
                const WriteSettings &settings, QString *error)
{
    if (image.isNull())
        return failWrite(error, QStringLiteral("there is no picture to write"));
    if (path.isEmpty())
        return failWrite(error, QStringLiteral("no file name was given"));
    const Codec *codec = FindWriter(format.toLower());
    if (!codec || !codec->write)
        return failWrite(error,
                         QStringLiteral("Lumaskin cannot write the format \"%1\"").arg(format));
    QByteArray bytes;
    try {
        EncodeSettings encode;
        encode.quality = std::clamp(settings.quality, 1, 100);
        const bool keep = codec->holdsMetadata && !settings.stripMetadata;
        // Files hold RGB profiles; pixels in any other profile become sRGB, and so do they when
        // the file would have no profile to show them by.
        const ProfileKind kind = ClassifyProfile(image.metadata().icc);
        const bool keepProfile = keep && (kind == ProfileKind::Srgb || kind == ProfileKind::Rgb);
        Image converted;
        if (!keepProfile && NeedsConversionToSrgb(image)) {
            converted = SrgbCopy(image);
            if (converted.isNull())
                return failWrite(error, reason::outOfMemory());
        }
        if (keep) {
            encode.metadata = MetadataForWriting(image.metadata(), image.width(), image.height());
            if (!keepProfile)
                encode.metadata.icc.clear();
        }
        if (!codec->write(converted.isNull() ? image : converted, encode, bytes, error))
            return false;
    } catch (const std::bad_alloc &) {
        return failWrite(error, reason::outOfMemory());
    }
    return WriteFileAtomically(path, bytes, error);
}

bool WriteImage(const Image &image, const QString &path, const QString &format, QString *error)
{
    return WriteImage(image, path, format, WriteSettings{}, error);
}

bool WriteIcon(const Image &image, const QString &path, int width, int height, QString *error)
{
    if (image.isNull())
        return failWrite(error, QStringLiteral("there is no picture to write"));
    if (width < 1 || height < 1 || width > 256 || height > 256)
        return failWrite(error,
                         QStringLiteral("an icon measures 1 to 256 pixels a side, not %1 x %2")
                             .arg(width)
                             .arg(height));
    const double scale = std::min(static_cast<double>(width) / image.width(),
                                  static_cast<double>(height) / image.height());
    const int fitWidth = std::clamp(static_cast<int>(image.width() * scale + 0.5), 1, width);
    const int fitHeight = std::clamp(static_cast<int>(image.height() * scale + 0.5), 1, height);
    // Icons hold no profile: the colours are made sRGB before the picture is scaled.
    const Image srgb = NeedsConversionToSrgb(image) ? SrgbCopy(image) : Image();
    const Image fitted = Scaled(srgb.isNull() ? image : srgb, fitWidth, fitHeight);
    Image icon(width, height, 0x00000000);
    if (fitted.isNull() || icon.isNull())
        return failWrite(error, reason::outOfMemory());
    const int left = (width - fitWidth) / 2;
    const int top = (height - fitHeight) / 2;
    for (int y = 0; y < fitHeight; ++y)
        std::copy_n(fitted.row(y), 4 * fitWidth, icon.pixel(left, top + y));
    return WriteImage(icon, path, QStringLiteral("ico"), error);
}

QStringList WritableFormats()
{
    return {"bmp", "jpg", "pdf", "wbmp", "gif", "pcx",  "tga",  "ico", "jp2",
            "jpc", "ras", "pgx", "pnm",  "png", "webp", "avif", "tif"};
}

bool FormatHasQuality(const QString &format)
{
    const QString f = format.toLower();
    return f == QLatin1String("jpg") || f == QLatin1String("webp") || f == QLatin1String("avif");
}

} // namespace lumaskin
