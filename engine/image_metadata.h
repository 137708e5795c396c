#pragma once

#include <QByteArray>

namespace lumaskin {

// What a picture file says about its pixels besides the pixels themselves, kept as the raw
// blocks that formats embed. Empty blocks are absent. Copies are cheap (shared data).
struct ImageMetadata
{
    // EXIF as a TIFF structure: starts with "II*\0" or "MM\0*" (no "Exif\0\0" prefix).
    QByteArray exif;
    // An XMP packet (UTF-8 XML).
    QByteArray xmp;
    // The ICC profile the pixel values are in; empty means sRGB.
    QByteArray icc;

    bool IsEmpty() const { return exif.isEmpty() && xmp.isEmpty() && icc.isEmpty(); }
};

} // namespace lumaskin
