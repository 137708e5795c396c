#include "engine/codecs/metadata_library.h"

#include "engine/codecs/byte_reader.h"
#include "engine/file_name.h"

#include <QCoreApplication>
#include <algorithm>
#include <exiv2/exiv2.hpp>
#include <memory>
#include <mutex>
#include <string_view>

using namespace std::literals;

namespace lumaskin {

namespace {

// exiv2's XMP toolkit keeps global state: every use goes through this lock.
std::recursive_mutex &XmpMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

void StartExiv2()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Faults in a file's metadata are handled here, not printed.
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        // HEIF and AVIF files' EXIF is read through ReadPictureHeaders.
        Exiv2::enableBMFF(true);
        Exiv2::XmpParser::initialize(
            [](void *data, bool lock) {
                auto *mutex = static_cast<std::recursive_mutex *>(data);
                lock ? mutex->lock() : mutex->unlock();
            },
            &XmpMutex());
    });
}

// Tags of a file's first directory that describe how that file stores its pixels, its
// thumbnail or other blocks; they are wrong for any other file.
bool IsLayoutTag(std::uint16_t tag)
{
    switch (tag) {
    case 0x00FE: // NewSubfileType
    case 0x00FF: // SubfileType
    case 0x0100: // ImageWidth
    case 0x0101: // ImageLength
    case 0x0102: // BitsPerSample
    case 0x0103: // Compression
    case 0x0106: // PhotometricInterpretation
    case 0x0107: // Thresholding
    case 0x010A: // FillOrder
    case 0x0111: // StripOffsets
    case 0x0112: // Orientation: set again below where present
    case 0x0115: // SamplesPerPixel
    case 0x0116: // RowsPerStrip
    case 0x0117: // StripByteCounts
    case 0x0118: // MinSampleValue
    case 0x0119: // MaxSampleValue
    case 0x011C: // PlanarConfiguration
    case 0x0124: // T4Options
    case 0x0125: // T6Options
    case 0x013D: // Predictor
    case 0x0140: // ColorMap
    case 0x0142: // TileWidth
    case 0x0143: // TileLength
    case 0x0144: // TileOffsets
    case 0x0145: // TileByteCounts
    case 0x014A: // SubIFDs
    case 0x014C: // InkSet
    case 0x0152: // ExtraSamples
    case 0x0153: // SampleFormat
    case 0x0154: // SMinSampleValue
    case 0x0155: // SMaxSampleValue
    case 0x015B: // JPEGTables
    case 0x0200: // JPEGProc
    case 0x0201: // JPEGInterchangeFormat
    case 0x0202: // JPEGInterchangeFormatLength
    case 0x0211: // YCbCrCoefficients
    case 0x0212: // YCbCrSubSampling
    case 0x0213: // YCbCrPositioning
    case 0x02BC: // XMLPacket: XMP travels on its own
    case 0x83BB: // IPTCNAA
    case 0x8649: // ImageResources
    case 0x8773: // InterColorProfile: the profile travels on its own
    case 0x935C: // ImageSourceData
        return true;
    default:
        return false;
    }
}

// Camera, capture, GPS and interoperability tags, and the maker's notes; not thumbnails, other
// pictures of the file or their layout.
bool Travels(const Exiv2::Exifdatum &datum)
{
    const std::string group = datum.groupName();
    if (group == "Image")
        return !IsLayoutTag(datum.tag());
    return group == "Photo" || group == "GPSInfo" || group == "Iop" || group == "MakerNote" ||
           Exiv2::ExifTags::isMakerGroup(group);
}

// The tags that travel, or an empty set when the block cannot be parsed.
Exiv2::ExifData TravellingTags(const QByteArray &exif, Exiv2::ByteOrder *order, int *orientation)
{
    Exiv2::ExifData data;
    if (exif.isEmpty())
        return data;
    *order =
        Exiv2::ExifParser::decode(data, reinterpret_cast<const Exiv2::byte *>(exif.constData()),
                                  static_cast<std::uint32_t>(exif.size()));
    if (orientation) {
        const auto it = data.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
        if (it != data.end() && it->count() > 0) {
            const long value = it->toLong();
            *orientation = value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
        }
    }
    for (auto it = data.begin(); it != data.end();)
        it = Travels(*it) ? std::next(it) : data.erase(it);
    return data;
}

QByteArray EncodeExif(const Exiv2::ExifData &data, Exiv2::ByteOrder order)
{
    if (data.empty())
        return {};
    Exiv2::Blob blob;
    Exiv2::ExifParser::encode(blob, order == Exiv2::invalidByteOrder ? Exiv2::littleEndian : order,
                              data);
    return QByteArray(reinterpret_cast<const char *>(blob.data()),
                      static_cast<qsizetype>(blob.size()));
}

QByteArray ExifForWriting(const QByteArray &exif, int width, int height, bool keepOrientation)
{
    Exiv2::ByteOrder order = Exiv2::invalidByteOrder;
    int orientation = 0;
    Exiv2::ExifData data = TravellingTags(exif, &order, &orientation);
    // A turn kept for pixels as stored goes into the file even when nothing else does.
    const bool keepsTurn = keepOrientation && orientation > 1;
    if (data.empty() && !keepsTurn)
        return {};
    if (orientation != 0)
        data["Exif.Image.Orientation"] = static_cast<std::uint16_t>(keepsTurn ? orientation : 1);
    for (const auto &[key, value] : {std::pair{"Exif.Photo.PixelXDimension", width},
                                     std::pair{"Exif.Photo.PixelYDimension", height}}) {
        const auto it = data.findKey(Exiv2::ExifKey(key));
        if (it != data.end())
            it->setValue(std::to_string(value));
    }
    return EncodeExif(data, order);
}

QByteArray XmpForWriting(const QByteArray &xmp, int width, int height, bool keepOrientation)
{
    // Most packets say nothing about orientation or size; those are passed through as they are.
    if ((keepOrientation || !xmp.contains("Orientation")) && !xmp.contains("PixelXDimension") &&
        !xmp.contains("ImageWidth"))
        return xmp;
    std::lock_guard lock(XmpMutex());
    Exiv2::XmpData data;
    if (Exiv2::XmpParser::decode(data, xmp.toStdString()) != 0)
        return {};
    for (auto &datum : data) {
        const std::string key = datum.key();
        if (key == "Xmp.tiff.Orientation" && !keepOrientation)
            datum.setValue("1");
        else if (key == "Xmp.exif.PixelXDimension" || key == "Xmp.tiff.ImageWidth")
            datum.setValue(std::to_string(width));
        else if (key == "Xmp.exif.PixelYDimension" || key == "Xmp.tiff.ImageLength")
            datum.setValue(std::to_string(height));
    }
    std::string packet;
    if (Exiv2::XmpParser::encode(packet, data) != 0)
        return {};
    return QByteArray::fromStdString(packet);
}

template <typename Work> auto Guarded(Work work) -> decltype(work())
{
    StartExiv2();
    try {
        return work();
    } catch (...) {
        // exiv2 reports a malformed block by throwing; such a block is left out.
        return {};
    }
}

} // namespace

int ExifOrientation(const QByteArray &exif)
{
    if (exif.isEmpty())
        return 1;
    const int orientation = Guarded([&] {
        Exiv2::ByteOrder order = Exiv2::invalidByteOrder;
        int value = 1;
        TravellingTags(exif, &order, &value);
        return value;
    });
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

QByteArray ExifOfTiffFile(Bytes tiff)
{
    return Guarded([&] {
        // Reading a TIFF file parses its XMP packet too.
        std::lock_guard lock(XmpMutex());
        Exiv2::TiffImage image(
            Exiv2::BasicIo::AutoPtr(new Exiv2::MemIo(tiff.data(), static_cast<long>(tiff.size()))),
            false);
        image.readMetadata();
        Exiv2::ExifData data = image.exifData();
        for (auto it = data.begin(); it != data.end();)
            it = Travels(*it) ? std::next(it) : data.erase(it);
        return EncodeExif(data, image.byteOrder());
    });
}

ImageMetadata MetadataForWriting(const ImageMetadata &metadata, int width, int height,
                                 bool keepOrientation)
{
    ImageMetadata out;
    out.icc = metadata.icc;
    out.exif =
        Guarded([&] { return ExifForWriting(metadata.exif, width, height, keepOrientation); });
    out.xmp = Guarded([&] { return XmpForWriting(metadata.xmp, width, height, keepOrientation); });
    return out;
}

bool AddExifToTiff(QByteArray &tiff, const QByteArray &exif, QString *error)
{
    if (exif.isEmpty())
        return true;
    const bool added = Guarded([&] {
        Exiv2::ByteOrder order = Exiv2::invalidByteOrder;
        const Exiv2::ExifData tags = TravellingTags(exif, &order, nullptr);
        if (tags.empty())
            return true;
        std::lock_guard lock(XmpMutex()); // as above
        Exiv2::TiffImage image(Exiv2::BasicIo::AutoPtr(new Exiv2::MemIo(
                                   reinterpret_cast<const Exiv2::byte *>(tiff.constData()),
                                   static_cast<long>(tiff.size()))),
                               false);
        image.readMetadata();
        // Our own XMP packet is kept byte for byte.
        image.writeXmpFromPacket(true);
        Exiv2::ExifData &target = image.exifData();
        for (const Exiv2::Exifdatum &datum : tags) {
            const auto existing = target.findKey(Exiv2::ExifKey(datum.key()));
            if (existing != target.end())
                target.erase(existing);
            target.add(datum);
        }
        image.writeMetadata();
        Exiv2::BasicIo &io = image.io();
        if (io.open() != 0)
            return false;
        io.seek(0, Exiv2::BasicIo::beg);
        const Exiv2::DataBuf written = io.read(static_cast<long>(io.size()));
        io.close();
        if (written.size_ <= 0)
            return false;
        tiff = QByteArray(reinterpret_cast<const char *>(written.pData_), written.size_);
        return true;
    });
    if (!added && error)
        *error = QCoreApplication::translate("Codec",
                                             "the EXIF tags could not be added to the TIFF file");
    return added;
}

PictureHeaders ReadPictureHeaders(const QString &path)
{
    return Guarded([&] {
        PictureHeaders headers;
        // A file of its own, opened as such: never a name taken for a web address.
        const Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(
            Exiv2::BasicIo::AutoPtr(new Exiv2::FileIo(NativeFileName(path).toStdString())));
        if (!image.get())
            return headers;
        {
            std::lock_guard lock(XmpMutex()); // reading the headers parses XMP too
            image->readMetadata();
        }
        const Exiv2::ExifData &exif = image->exifData();
        const auto taken = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
        if (taken != exif.end())
            headers.taken =
                QDateTime::fromString(QString::fromStdString(taken->toString()).trimmed(),
                                      QStringLiteral("yyyy:MM:dd HH:mm:ss"));
        const std::string type = image->mimeType();
        if (type == "image/jpeg" || type == "image/png" || type == "image/webp" ||
            type == "image/tiff") {
            const auto turn = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
            const long orientation = turn != exif.end() && turn->count() > 0 ? turn->toLong() : 1;
            headers.size = orientation >= 5 && orientation <= 8
                               ? QSize(image->pixelHeight(), image->pixelWidth())
                               : QSize(image->pixelWidth(), image->pixelHeight());
            if (headers.size.isEmpty())
                headers.size = QSize();
        }
        return headers;
    });
}

QByteArray ExifTiffStructure(Bytes payload)
{
    for (int step = 0; step < 3; ++step) {
        const ByteReader in(payload);
        if (in.StartsWith(0, "II\x2A\0"sv) || in.StartsWith(0, "MM\0\x2A"sv))
            return QByteArray(reinterpret_cast<const char *>(payload.data()),
                              static_cast<qsizetype>(payload.size()));
        if (in.StartsWith(0, "Exif\0\0"sv)) {
            payload = payload.subspan(6);
            continue;
        }
        const std::uint32_t offset = in.Be32(0);
        if (!in.Ok() || !in.Has(4, offset))
            return {};
        payload = payload.subspan(4 + offset);
    }
    return {};
}

} // namespace lumaskin
