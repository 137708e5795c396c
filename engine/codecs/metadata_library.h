#pragma once

#include "engine/codecs/codec.h"

#include <QDateTime>
#include <QSize>

namespace lumaskin {

// Talks to exiv2: parses and rewrites EXIF and XMP blocks. The containers (JPEG segments, PNG
// chunks, WebP chunks, boxes) are read and written by each format's own code; exiv2 sees the
// blocks, and whole files only for TIFF, where EXIF lives among the picture's own tags.

// The orientation (1 to 8) an EXIF block gives; 1 when it gives none or cannot be parsed.
int ExifOrientation(const QByteArray &exif);

// The EXIF block of a TIFF file as a TIFF structure of its own (the first directory's camera
// tags and the EXIF, GPS and interoperability directories); empty when there is none.
QByteArray ExifOfTiffFile(Bytes tiff);

// The metadata fit for a file whose pixels are `width` x `height` and upright: EXIF
// orientation 1, no thumbnail (it would show the picture before its effects), pixel size tags
// updated, tags that describe the source file's layout left out; XMP orientation 1. With
// `keepOrientation` the pixels are as the source stored them, and both orientations stay as
// they were. A block exiv2 cannot parse is left out rather than copied blind. The profile is
// passed through.
ImageMetadata MetadataForWriting(const ImageMetadata &metadata, int width, int height,
                                 bool keepOrientation);

// Adds the EXIF tags of `exif` to a TIFF file (camera tags to the first directory, the rest as
// EXIF, GPS and interoperability directories).
bool AddExifToTiff(QByteArray &tiff, const QByteArray &exif, QString *error);

// What the headers of a picture file say, read without decoding its pixels.
struct PictureHeaders
{
    // EXIF DateTimeOriginal, in local time; invalid when the file gives none.
    QDateTime taken;
    // The upright size (by the EXIF orientation) of a JPEG, PNG, WebP or TIFF file; invalid
    // for other kinds, whose readers may size or turn the picture otherwise.
    QSize size;
};

// The headers of the file at `path`; whatever cannot be read stays invalid.
PictureHeaders ReadPictureHeaders(const QString &path);

// The TIFF structure inside an EXIF payload as formats store it: bare, after "Exif\0\0", or
// after a 4-byte offset (HEIF, AVIF, JPEG XL boxes). Empty when there is none.
QByteArray ExifTiffStructure(Bytes payload);

} // namespace lumaskin
