#pragma once

#include "engine/image.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace lumaskin {

// What a reader may leave out when the picture is wanted smaller than it is.
struct ReadHints
{
    // The smallest size, for the picture's upright size (after its EXIF orientation), that
    // still serves what the picture is read for. JPEG and WebP pictures are then decoded at
    // 1/2, 1/4 or 1/8 of their size (sides rounded up), the smallest of these that is at least
    // this size both ways; other formats, and pictures wanted at more than half their size, are
    // read whole. A picture to be resampled to size S should ask for S itself: on photos,
    // Lanczos 3 from a JPEG decoded at 1/2, 1/4 or 1/8 of its size comes within 47, 45 and
    // 44 dB PSNR on average (38, 36 and 35 at worst) of Lanczos 3 from the whole picture,
    // a smaller change than writing the result as a JPEG of quality 85 makes (39 dB on
    // average). Asking for twice S would keep it above 44 dB but leave 12 to 24 megapixel
    // photos bound for a 1920 pixel screen unshrunk.
    std::function<QSize(QSize uprightSize)> smallestUseful;
};

// Reads the picture by its content, not its extension: JPEG, PNG, WebP, AVIF, HEIF/HEIC,
// JPEG XL, BMP, GIF, PCX, TGA, ICO, WBMP, TIFF, PSD, WMF, JPEG 2000 (JP2 and codestream), PGX,
// Sun raster, PNM, SVG and the first page of a PDF (first frame or page of animations and
// multi-page files). Pictures come back upright (EXIF orientation, or the format's own), with
// their EXIF, XMP and RGB colour profile in Image::metadata(); the pixels stay in the profile's
// colours (a grey profile is applied at once). On failure returns a null Image and sets *error
// (when given) to one plain sentence naming the reason ("not a picture Lumaskin can read",
// "the file is truncated", "the picture is too large (N megapixels)" ...). An empty path fails
// without touching the disk. Without hints the picture comes back at its full size.
Image ReadImage(const QString &path, QString *error, const ReadHints &hints = {});
// The same for bytes already in memory.
Image ReadImageFromMemory(std::span<const std::uint8_t> bytes, QString *error,
                          const ReadHints &hints = {});

// The quality written when none is chosen.
inline constexpr int kDefaultQuality = 90;

// How WriteImage writes.
struct NameTaken; // engine/codecs/atomic_file.h

struct WriteSettings
{
    // 1 to 100 for jpg, webp and avif (webp and avif are lossless at 100); other formats are
    // lossless or have no such setting.
    int quality = kDefaultQuality;
    // Leaves out EXIF, XMP and the colour profile; a picture in another colour space is
    // converted to sRGB first.
    bool stripMetadata = false;
    // The EXIF and XMP orientation is written as the picture's metadata gives it rather than
    // as 1: for pixels kept as the source file stored them, which viewers then still turn
    // upright.
    bool keepOrientation = false;
    // Set to keep any file found at the target as the file is committed, even one that appeared
    // while it was written; see WriteFileAtomically. Not owned.
    const NameTaken *keepExisting = nullptr;
};

// Writes `image` to `path` in `format` (one of WritableFormats(), any case; the path is used
// as given, no extension is added). The file is written to a temporary name in the same folder
// and renamed into place: a failure leaves no partial file and leaves an existing file at
// `path` untouched. What each format holds:
//   png  lossless; grey, RGB, grey+alpha or RGBA, whichever is smallest
//   tga  32-bit with alpha (24-bit when opaque)
//   ico  with alpha; pictures larger than 256 pixels a side are scaled down to fit
//   gif  at most 256 colours, transparency on or off per pixel
//   jpg  at the quality (90 unless chosen), 4:2:0 chroma (one grey channel for grey pictures),
//        standard tables
//   pdf  one page measuring the picture's size in points, the picture drawn 1:1, lossless
//   bmp, pcx, ras, pnm  24-bit colour (pnm: raw PPM, or raw PGM for grey pictures)
//   jp2, jpc  lossless JPEG 2000 RGB (jp2 file format, jpc bare codestream)
//   pgx  8-bit grey (luma)
//   wbmp  one bit per pixel, black and white
//   webp  lossy at the quality with alpha, lossless at quality 100; at most 16383 a side
//   avif  AV1 at the quality (4:2:0 below 90, 4:4:4 from 90) with alpha, lossless at 100
//   tif  lossless deflate; grey, RGB, grey+alpha or RGBA, whichever fits
// Formats without alpha are written blended over white. jpg, png, webp, avif and tif carry the
// picture's EXIF (orientation set to 1: the pixels are written upright; no thumbnail), XMP and
// colour profile (pixels unconverted); the other formats get the pixels converted to sRGB.
bool WriteImage(const Image &image, const QString &path, const QString &format,
                const WriteSettings &settings, QString *error);
// The same at the default settings.
bool WriteImage(const Image &image, const QString &path, const QString &format, QString *error);

// What a shortcut that works from file to file (or bytes to bytes) made of its input.
enum class Shortcut
{
    Declined, // it does not apply here: read and write the usual way
    Done,
    Failed, // with a reason
};

// Work done to the picture between reading and writing that can be done a band of rows at a
// time: `apply` changes a band in place, its result in each row depending only on the rows up
// to `reach` above and below (the band passed holds them, except at the picture's edges).
struct RowWork
{
    int reach = 0;
    std::function<void(Image &band)> apply;
    // Every pixel the work leaves is grey.
    bool grey = false;
    // The work changes no pixel that is grey already: nothing to do on a grey picture.
    bool keepsGreyPixels = false;
};

// Writes the JPEG `source` as the JPEG `target`, with `work` (if any) done to the picture in
// between, as ReadImage, the work and WriteImage would, but decoding, working and encoding at
// once on the cores a batch leaves free (TranscodeJpeg). Declined when that does not apply
// (the file is not a JPEG, must be turned or have its colours converted, or cannot be read):
// the caller then reads and writes the usual way. Failed, with *error set, when writing failed.
Shortcut TranscodeJpegFile(const QString &source, const QString &target,
                           const WriteSettings &settings, const RowWork *work, QString *error);

// Writes a picture of exactly `size` in `format`: `image` scaled smoothly to fit inside, aspect
// ratio kept, centred on a transparent background, its colours made sRGB.
bool WriteImageAtSize(const Image &image, const QString &path, const QString &format, QSize size,
                      const WriteSettings &settings, QString *error);

// Writes an ICO of exactly `width` x `height` pixels (1..256 each), as WriteImageAtSize does.
bool WriteIcon(const Image &image, const QString &path, int width, int height, QString *error);

} // namespace lumaskin
