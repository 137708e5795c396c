#include "engine/codecs/tiff_library.h"

#include "engine/codecs/codec_modules.h"
#include "engine/codecs/exif_orientation.h"
#include "engine/codecs/huge_pages.h"
#include "engine/codecs/magick_library.h"
#include "engine/codecs/metadata_library.h"
#include "engine/codecs/pixel_rows.h"
#include "engine/parallel.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <tiffio.h>
#include <vector>
#include <zlib.h>

namespace lumaskin {

namespace {

// No single allocation of libtiff's (strips, tiles, tables) may exceed this.
constexpr tmsize_t kMaxAllocation = tmsize_t{1} << 30;
// Rows per strip aim at this many bytes: deflate compresses better in larger pieces.
constexpr std::size_t kStripBytes = 256 * 1024;
// Rows decoded at once by the RGBA reader.
constexpr int kBandRows = 256;
// zlib's default: most of what deflate gains, at a fraction of level 9's time.
constexpr int kDeflateLevel = 6;

// A file in memory that libtiff reads, or writes and reads back, through its client calls.
struct MemoryFile
{
    const std::uint8_t *data = nullptr;       // reading
    std::vector<std::uint8_t> *out = nullptr; // writing
    std::uint64_t size = 0;
    std::uint64_t position = 0;
    std::string firstError;
};

tmsize_t ReadFile(thandle_t handle, void *buffer, tmsize_t count)
{
    auto *file = static_cast<MemoryFile *>(handle);
    const std::uint8_t *data = file->out ? file->out->data() : file->data;
    if (count < 0 || file->position >= file->size)
        return 0;
    const std::uint64_t n =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(count), file->size - file->position);
    std::memcpy(buffer, data + file->position, n);
    file->position += n;
    return static_cast<tmsize_t>(n);
}

tmsize_t WriteFile(thandle_t handle, void *buffer, tmsize_t count)
{
    auto *file = static_cast<MemoryFile *>(handle);
    if (!file->out || count < 0)
        return 0;
    const std::uint64_t end = file->position + static_cast<std::uint64_t>(count);
    try {
        if (end > file->out->size())
            file->out->resize(end);
    } catch (const std::bad_alloc &) {
        return 0;
    }
    std::memcpy(file->out->data() + file->position, buffer, static_cast<std::size_t>(count));
    file->position = end;
    file->size = std::max<std::uint64_t>(file->size, end);
    return count;
}

toff_t SeekFile(thandle_t handle, toff_t offset, int whence)
{
    auto *file = static_cast<MemoryFile *>(handle);
    std::uint64_t base = 0;
    if (whence == SEEK_CUR)
        base = file->position;
    else if (whence == SEEK_END)
        base = file->size;
    file->position = base + offset;
    return file->position;
}

int CloseFile(thandle_t)
{
    return 0;
}

toff_t SizeOfFile(thandle_t handle)
{
    return static_cast<MemoryFile *>(handle)->size;
}

// Reading maps the buffer itself, so strips are decoded without being copied first.
int MapFile(thandle_t handle, void **base, toff_t *size)
{
    auto *file = static_cast<MemoryFile *>(handle);
    if (file->out)
        return 0;
    *base = const_cast<std::uint8_t *>(file->data);
    *size = file->size;
    return 1;
}

void UnmapFile(thandle_t, void *, toff_t) {}

int OnError(TIFF *, void *user, const char *, const char *format, va_list arguments)
{
    auto *file = static_cast<MemoryFile *>(user);
    if (file->firstError.empty()) {
        char text[512];
        std::vsnprintf(text, sizeof text, format, arguments);
        file->firstError = text;
    }
    return 1; // handled: nothing reaches the process-wide handlers or stderr
}

int OnWarning(TIFF *, void *, const char *, const char *, va_list)
{
    return 1;
}

struct TiffClose
{
    void operator()(TIFF *tif) const { TIFFClose(tif); }
};
using Tiff = std::unique_ptr<TIFF, TiffClose>;

Tiff Open(MemoryFile &file, const char *mode)
{
    TIFFOpenOptions *options = TIFFOpenOptionsAlloc();
    if (!options)
        return {};
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxAllocation);
    TIFFOpenOptionsSetErrorHandlerExtR(options, OnError, &file);
    TIFFOpenOptionsSetWarningHandlerExtR(options, OnWarning, &file);
    Tiff tif(TIFFClientOpenExt("memory", mode, &file, ReadFile, WriteFile, SeekFile, CloseFile,
                               SizeOfFile, MapFile, UnmapFile, options));
    TIFFOpenOptionsFree(options);
    return tif;
}

QString Failure(const MemoryFile &file)
{
    const std::string &text = file.firstError;
    for (const char *word : {"Read error", "Cannot read", "end of file", "Unexpected end",
                             "Not enough data", "truncated", "Premature"})
        if (text.find(word) != std::string::npos)
            return reason::Truncated();
    if (text.find("Not enough memory") != std::string::npos ||
        text.find("Out of memory") != std::string::npos)
        return reason::OutOfMemory();
    return reason::Damaged("TIFF");
}

QByteArray ByteField(TIFF *tif, ttag_t tag)
{
    std::uint32_t count = 0;
    const void *data = nullptr;
    if (TIFFGetField(tif, tag, &count, &data) && data && count > 0)
        return QByteArray(static_cast<const char *>(data), static_cast<qsizetype>(count));
    return {};
}

// 8-bit contiguous RGB, RGBA, grey or grey+alpha in strips: read row by row as stored.
bool ReadPlain(TIFF *tif, Image &image, int channels, bool associated)
{
    std::vector<std::uint8_t> row(static_cast<std::size_t>(TIFFScanlineSize(tif)));
    if (row.size() < static_cast<std::size_t>(image.Width()) * channels)
        return false;
    for (int y = 0; y < image.Height(); ++y) {
        if (TIFFReadScanline(tif, row.data(), static_cast<std::uint32_t>(y), 0) < 0)
            return false;
        std::uint8_t *to = image.Row(y);
        const std::uint8_t *from = row.data();
        for (int x = 0; x < image.Width(); ++x, to += 4, from += channels) {
            switch (channels) {
            case 1:
                to[0] = to[1] = to[2] = from[0];
                to[3] = 255;
                break;
            case 2:
                to[0] = to[1] = to[2] = from[0];
                to[3] = from[1];
                break;
            case 3:
                std::memcpy(to, from, 3);
                to[3] = 255;
                break;
            default:
                std::memcpy(to, from, 4);
            }
            const int a = to[3];
            if (associated && a > 0 && a < 255)
                for (int c = 0; c < 3; ++c)
                    to[c] = static_cast<std::uint8_t>(std::min(255, (to[c] * 255 + a / 2) / a));
        }
    }
    return true;
}

// Every other layout through libtiff's RGBA reader, a band of rows at a time, rows as stored,
// alpha straight.
bool ReadThroughRgba(TIFF *tif, Image &image)
{
    char message[1024] = {};
    TIFFRGBAImage reader{};
    if (!TIFFRGBAImageBegin(&reader, tif, 1, message))
        return false;
    struct End
    {
        void operator()(TIFFRGBAImage *r) const { TIFFRGBAImageEnd(r); }
    };
    const std::unique_ptr<TIFFRGBAImage, End> ending(&reader);
    reader.req_orientation = reader.orientation; // no flips: the orientation is applied after
    const bool alpha = reader.alpha != 0;
    // Unassociated alpha is multiplied in through this table; made the identity, the values
    // come through as stored and nothing is lost to rounding.
    bool premultiplied = reader.alpha == EXTRASAMPLE_ASSOCALPHA;
    if (reader.alpha == EXTRASAMPLE_UNASSALPHA) {
        if (reader.UaToAa) {
            for (int a = 0; a < 256; ++a)
                for (int v = 0; v < 256; ++v)
                    reader.UaToAa[(a << 8) | v] = static_cast<std::uint8_t>(v);
        } else {
            premultiplied = true;
        }
    }
    const std::size_t width = static_cast<std::size_t>(image.Width());
    std::vector<std::uint32_t> band(width * kBandRows);
    for (int top = 0; top < image.Height(); top += kBandRows) {
        const int rows = std::min(kBandRows, image.Height() - top);
        reader.row_offset = top;
        reader.col_offset = 0;
        if (!TIFFRGBAImageGet(&reader, band.data(), static_cast<std::uint32_t>(width),
                              static_cast<std::uint32_t>(rows)))
            return false;
        for (int y = 0; y < rows; ++y) {
            std::uint8_t *to = image.Row(top + y);
            const std::uint32_t *from = band.data() + width * static_cast<std::size_t>(y);
            for (std::size_t x = 0; x < width; ++x, to += 4) {
                const std::uint32_t p = from[x];
                to[0] = static_cast<std::uint8_t>(TIFFGetR(p));
                to[1] = static_cast<std::uint8_t>(TIFFGetG(p));
                to[2] = static_cast<std::uint8_t>(TIFFGetB(p));
                to[3] = alpha ? static_cast<std::uint8_t>(TIFFGetA(p)) : 255;
                const int a = to[3];
                if (premultiplied && a > 0 && a < 255)
                    for (int c = 0; c < 3; ++c)
                        to[c] = static_cast<std::uint8_t>(std::min(255, (to[c] * 255 + a / 2) / a));
            }
        }
    }
    return true;
}

// One row in the written layout (grey or RGB, then alpha when kept), each sample replaced by
// its difference from the same sample of the pixel to its left: the horizontal predictor.
void PackPredictedRow(const std::uint8_t *from, std::uint8_t *to, int width, bool grey, bool alpha)
{
    const int channels = (grey ? 1 : 3) + (alpha ? 1 : 0);
    std::uint8_t *out = to;
    for (int x = 0; x < width; ++x, from += 4) {
        *out++ = from[0];
        if (!grey) {
            *out++ = from[1];
            *out++ = from[2];
        }
        if (alpha)
            *out++ = from[3];
    }
    for (std::size_t i = static_cast<std::size_t>(width) * channels;
         i-- > static_cast<std::size_t>(channels);)
        to[i] = static_cast<std::uint8_t>(to[i] - to[i - channels]);
}

// A strip as libtiff's Adobe Deflate codec stores it: one zlib stream.
bool DeflateStrip(const std::vector<std::uint8_t> &raw, std::vector<std::uint8_t> &out)
{
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    try {
        out.resize(size);
    } catch (const std::bad_alloc &) {
        return false;
    }
    if (compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), kDeflateLevel) !=
        Z_OK)
        return false;
    out.resize(size);
    return true;
}

} // namespace

Image DecodeTiff(Bytes bytes, QString *error)
{
    MemoryFile file;
    file.data = bytes.data();
    file.size = bytes.size();
    const Tiff tif = Open(file, "r");
    if (!tif)
        return Fail(error, Failure(file));
    std::uint32_t width = 0, height = 0;
    if (!TIFFGetField(tif.get(), TIFFTAG_IMAGEWIDTH, &width) ||
        !TIFFGetField(tif.get(), TIFFTAG_IMAGELENGTH, &height))
        return Fail(error, reason::Damaged("TIFF"));
    if (RefuseSize(width, height, error))
        return {};
    std::uint16_t bits = 1, channels = 1, planar = PLANARCONFIG_CONTIG, photometric = 0,
                  format = SAMPLEFORMAT_UINT, orientation = ORIENTATION_TOPLEFT;
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_SAMPLESPERPIXEL, &channels);
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_SAMPLEFORMAT, &format);
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_ORIENTATION, &orientation);
    TIFFGetField(tif.get(), TIFFTAG_PHOTOMETRIC, &photometric);
    std::uint16_t extraCount = 0;
    std::uint16_t *extraKinds = nullptr;
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_EXTRASAMPLES, &extraCount, &extraKinds);
    const bool associated = extraCount > 0 && extraKinds && extraKinds[0] == EXTRASAMPLE_ASSOCALPHA;

    char why[1024] = {};
    if (!TIFFRGBAImageOK(tif.get(), why)) {
        // Floating-point and other layouts beyond libtiff's RGBA reader.
        if (format == SAMPLEFORMAT_IEEEFP || bits > 16)
            return DecodeWithMagick(bytes, {"TIFF", "TIFF", 0, false, true}, error);
        return Fail(error, QCoreApplication::translate(
                               "Codec", "the TIFF picture's layout is not supported"));
    }
    Image image(static_cast<int>(width), static_cast<int>(height));
    if (image.IsNull())
        return Fail(error, reason::OutOfMemory());
    AdviseHugePages(image.Row(0), image.SizeInBytes());
    const bool plain =
        bits == 8 && format == SAMPLEFORMAT_UINT && planar == PLANARCONFIG_CONTIG &&
        !TIFFIsTiled(tif.get()) &&
        ((photometric == PHOTOMETRIC_RGB && (channels == 3 || channels == 4)) ||
         (photometric == PHOTOMETRIC_MINISBLACK && (channels == 1 || channels == 2)));
    const bool read = plain ? ReadPlain(tif.get(), image, channels, associated)
                            : ReadThroughRgba(tif.get(), image);
    if (!read)
        return Fail(error, Failure(file));

    ImageMetadata metadata;
    metadata.icc = ByteField(tif.get(), TIFFTAG_ICCPROFILE);
    metadata.xmp = ByteField(tif.get(), TIFFTAG_XMLPACKET);
    char *make = nullptr;
    toff_t exifDirectory = 0;
    if (TIFFGetField(tif.get(), TIFFTAG_EXIFIFD, &exifDirectory) ||
        TIFFGetField(tif.get(), TIFFTAG_MAKE, &make))
        metadata.exif = ExifOfTiffFile(bytes);
    image.SetMetadata(std::move(metadata));
    return ApplyOrientation(std::move(image), orientation);
}

bool EncodeTiff(const Image &image, const EncodeSettings &settings, QByteArray &out, QString *error)
{
    const ImageMetadata &metadata = settings.metadata;
    const PixelSummary summary = Summarise(image);
    const bool grey = summary.grey && metadata.icc.isEmpty();
    const int channels = (grey ? 1 : 3) + (summary.opaque ? 0 : 1);
    std::vector<std::uint8_t> bytes;
    MemoryFile file;
    file.out = &bytes;
    {
        const Tiff tif = Open(file, "w");
        if (!tif) {
            Fail(error, QCoreApplication::translate("Codec", "the TIFF encoder failed (%1)")
                            .arg(QString::fromStdString(file.firstError)));
            return false;
        }
        TIFF *t = tif.get();
        const std::size_t rowBytes = static_cast<std::size_t>(image.Width()) * channels;
        TIFFSetField(t, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(image.Width()));
        TIFFSetField(t, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(image.Height()));
        TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
        TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, channels);
        TIFFSetField(t, TIFFTAG_PHOTOMETRIC, grey ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_RGB);
        TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(t, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
        TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
        TIFFSetField(t, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
        const int rowsPerStrip =
            static_cast<int>(std::min<std::size_t>(std::max<std::size_t>(1, kStripBytes / rowBytes),
                                                   static_cast<std::size_t>(image.Height())));
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, static_cast<std::uint32_t>(rowsPerStrip));
        if (!summary.opaque) {
            const std::uint16_t kind = EXTRASAMPLE_UNASSALPHA;
            TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, &kind);
        }
        if (!metadata.icc.isEmpty())
            TIFFSetField(t, TIFFTAG_ICCPROFILE, static_cast<std::uint32_t>(metadata.icc.size()),
                         metadata.icc.constData());
        if (!metadata.xmp.isEmpty())
            TIFFSetField(t, TIFFTAG_XMLPACKET, static_cast<std::uint32_t>(metadata.xmp.size()),
                         metadata.xmp.constData());
        // Strips are packed, predicted and deflated in parallel, then written in order.
        const int stripCount = (image.Height() + rowsPerStrip - 1) / rowsPerStrip;
        std::vector<std::vector<std::uint8_t>> strips(static_cast<std::size_t>(stripCount));
        std::atomic<bool> failed{false};
        ParallelFor(stripCount, [&](int begin, int end) {
            std::vector<std::uint8_t> raw;
            for (int i = begin; i < end && !failed; ++i) {
                const int first = i * rowsPerStrip;
                const int rows = std::min(rowsPerStrip, image.Height() - first);
                raw.resize(rowBytes * static_cast<std::size_t>(rows));
                for (int r = 0; r < rows; ++r)
                    PackPredictedRow(image.Row(first + r), raw.data() + rowBytes * r, image.Width(),
                                     grey, !summary.opaque);
                if (!DeflateStrip(raw, strips[static_cast<std::size_t>(i)]))
                    failed = true;
            }
        });
        if (failed) {
            Fail(error, reason::OutOfMemory());
            return false;
        }
        for (int i = 0; i < stripCount; ++i) {
            std::vector<std::uint8_t> &strip = strips[static_cast<std::size_t>(i)];
            if (TIFFWriteRawStrip(t, static_cast<std::uint32_t>(i), strip.data(),
                                  static_cast<tmsize_t>(strip.size())) < 0) {
                Fail(error, QCoreApplication::translate("Codec", "the TIFF encoder failed (%1)")
                                .arg(QString::fromStdString(file.firstError)));
                return false;
            }
            std::vector<std::uint8_t>().swap(strip); // give the memory back once written
        }
        if (!TIFFWriteDirectory(t)) {
            Fail(error, QCoreApplication::translate("Codec", "the TIFF encoder failed (%1)")
                            .arg(QString::fromStdString(file.firstError)));
            return false;
        }
    }
    out = QByteArray(reinterpret_cast<const char *>(bytes.data()),
                     static_cast<qsizetype>(bytes.size()));
    return AddExifToTiff(out, metadata.exif, error);
}

} // namespace lumaskin

LUMASKIN_CODEC_MODULE(tiff, lumaskin::TiffModule{lumaskin::DecodeTiff, lumaskin::EncodeTiff})
