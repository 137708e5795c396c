#include "engine/codecs/turbojpeg_library.h"

#include "engine/codecs/huge_pages.h"
#include "engine/codecs/jpeg_bands.h"
#include "engine/codecs/jpeg_streaming.h"

#include <QCoreApplication>
#include <cstring>
#include <memory>
#include <turbojpeg.h>

namespace lumaskin {

namespace {

struct HandleDeleter
{
    void operator()(void *handle) const { tjDestroy(handle); }
};
using Handle = std::unique_ptr<void, HandleDeleter>;

bool IsTruncation(const char *message)
{
    return message && std::strstr(message, "Premature end") != nullptr;
}

// A warning (an unknown JFIF version, say) still gives the header, as it gives the picture.
bool ReadHeader(void *handle, Bytes bytes, int *width, int *height, int *colourSpace)
{
    int subsampling = 0;
    return tjDecompressHeader3(handle, bytes.data(), bytes.size(), width, height, &subsampling,
                               colourSpace) == 0 ||
           (tjGetErrorCode(handle) == TJERR_WARNING && *width > 0 && *height > 0);
}

} // namespace

bool JpegHeaderReadable(Bytes bytes)
{
    const Handle handle(tjInitDecompress());
    int width = 0, height = 0, colourSpace = 0;
    return handle && ReadHeader(handle.get(), bytes, &width, &height, &colourSpace);
}

JpegDecodeOutcome DecodeJpeg(Bytes bytes, const ReadHints &hints, const QByteArray &exif,
                             Image &image, QString *error)
{
    const Handle handle(tjInitDecompress());
    if (!handle) {
        Fail(error, reason::OutOfMemory());
        return JpegDecodeOutcome::Failed;
    }
    int width = 0, height = 0, colourSpace = 0;
    if (!ReadHeader(handle.get(), bytes, &width, &height, &colourSpace)) {
        Fail(error, IsTruncation(tjGetErrorStr2(handle.get())) ? reason::Truncated()
                                                               : reason::Damaged("JPEG"));
        return JpegDecodeOutcome::Failed;
    }
    if (RefuseSize(width, height, error))
        return JpegDecodeOutcome::Failed;
    if (colourSpace == TJCS_CMYK || colourSpace == TJCS_YCCK)
        return JpegDecodeOutcome::NeedsColourConversion;
    // Any eighth of the size: a thumbnail of three quarters comes straight from the inverse DCT.
    const int eighths = ShrinkEighths(hints, width, height, exif);
    // TurboJPEG scales to the largest size within the sides it is given: these.
    Image decoded(EighthsOfSide(width, eighths), EighthsOfSide(height, eighths));
    if (decoded.IsNull()) {
        Fail(error, reason::OutOfMemory());
        return JpegDecodeOutcome::Failed;
    }
    AdviseHugePages(decoded.Row(0), decoded.SizeInBytes());
    // A whole picture on several cores: in bands, with the same pixels. A file the bands do not
    // take, or find damaged, is decoded below, which says what is wrong with it.
    if (eighths == 8 && BandDecodingPays(width, height) &&
        DecodeJpegInBands(bytes, decoded) == BandDecode::Decoded) {
        image = std::move(decoded);
        return JpegDecodeOutcome::Decoded;
    }
    // TJPF_RGBA fills the alpha byte with 255.
    // A progressive file of thousands of scans would be decoded over the whole picture for each.
    if (tjDecompress2(handle.get(), bytes.data(), bytes.size(), decoded.Row(0), decoded.Width(),
                      static_cast<int>(decoded.Stride()), decoded.Height(), TJPF_RGBA,
                      TJFLAG_LIMITSCANS) != 0) {
        const char *message = tjGetErrorStr2(handle.get());
        if (IsTruncation(message)) {
            Fail(error, reason::Truncated());
            return JpegDecodeOutcome::Failed;
        }
        if (message && std::strstr(message, "more than 500 scans")) {
            Fail(error,
                 QCoreApplication::translate("Codec", "the JPEG picture has more than 500 scans"));
            return JpegDecodeOutcome::Failed;
        }
        // TurboJPEG names only the first warning; whether any of them cost pixels (rows left
        // grey after a marker inside the data, say) takes a look at all of them.
        if (tjGetErrorCode(handle.get()) != TJERR_WARNING || !JpegDataIsWhole(bytes)) {
            Fail(error, reason::Damaged("JPEG"));
            return JpegDecodeOutcome::Failed;
        }
    }
    image = std::move(decoded);
    return JpegDecodeOutcome::Decoded;
}

} // namespace lumaskin
