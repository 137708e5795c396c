#include "viewercontrol/codecs/turbojpeg_library.h"

#include "viewercontrol/codecs/pixel_rows.h"

#include <cstring>
#include <memory>
#include <turbojpeg.h>
#include <vector>

namespace lumaskin {

namespace {

struct HandleDeleter
{
    void operator()(void *handle) const { tjDestroy(handle); }
};
using Handle = std::unique_ptr<void, HandleDeleter>;

struct BufferDeleter
{
    void operator()(unsigned char *buffer) const { tjFree(buffer); }
};

bool isTruncation(const char *message)
{
    return message && std::strstr(message, "Premature end") != nullptr;
}

} // namespace

JpegDecodeOutcome DecodeJpeg(Bytes bytes, Image &image, QString *error)
{
    const Handle handle(tjInitDecompress());
    if (!handle) {
        Fail(error, reason::outOfMemory());
        return JpegDecodeOutcome::Failed;
    }
    int width = 0, height = 0, subsampling = 0, colourSpace = 0;
    if (tjDecompressHeader3(handle.get(), bytes.data(), bytes.size(), &width, &height, &subsampling,
                            &colourSpace) != 0) {
        Fail(error, isTruncation(tjGetErrorStr2(handle.get())) ? reason::truncated()
                                                               : reason::damaged("JPEG"));
        return JpegDecodeOutcome::Failed;
    }
    if (RefuseSize(width, height, error))
        return JpegDecodeOutcome::Failed;
    if (colourSpace == TJCS_CMYK || colourSpace == TJCS_YCCK)
        return JpegDecodeOutcome::NeedsColourConversion;
    Image decoded(width, height);
    if (decoded.isNull()) {
        Fail(error, reason::outOfMemory());
        return JpegDecodeOutcome::Failed;
    }
    // TJPF_RGBA fills the alpha byte with 255.
    if (tjDecompress2(handle.get(), bytes.data(), bytes.size(), decoded.row(0), width,
                      static_cast<int>(decoded.stride()), height, TJPF_RGBA, 0) != 0) {
        const char *message = tjGetErrorStr2(handle.get());
        if (isTruncation(message)) {
            Fail(error, reason::truncated());
            return JpegDecodeOutcome::Failed;
        }
        if (tjGetErrorCode(handle.get()) != TJERR_WARNING) {
            Fail(error, reason::damaged("JPEG"));
            return JpegDecodeOutcome::Failed;
        }
    }
    image = std::move(decoded);
    return JpegDecodeOutcome::Decoded;
}

bool EncodeJpeg(const Image &image, int quality, QByteArray &out, QString *error)
{
    const Handle handle(tjInitCompress());
    if (!handle) {
        Fail(error, reason::outOfMemory());
        return false;
    }
    const PixelSummary summary = Summarise(image);
    const int width = image.width();
    const int height = image.height();
    const unsigned char *pixels = image.row(0);
    int pitch = static_cast<int>(image.stride());
    int format = TJPF_RGBA;
    std::vector<std::uint8_t> blended;
    if (!summary.opaque) {
        blended.resize(3 * static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            CompositeRowOverWhite(image.row(y), blended.data() + 3 * std::size_t(width) * y, width);
        pixels = blended.data();
        pitch = 3 * width;
        format = TJPF_RGB;
    }
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    const int rc = tjCompress2(handle.get(), pixels, width, pitch, height, format, &buffer, &size,
                               summary.grey ? TJSAMP_GRAY : TJSAMP_420, quality, 0);
    const std::unique_ptr<unsigned char, BufferDeleter> owned(buffer);
    if (rc != 0 || !buffer) {
        Fail(error, QStringLiteral("the JPEG encoder failed (%1)")
                        .arg(QString::fromLocal8Bit(tjGetErrorStr2(handle.get()))));
        return false;
    }
    out = QByteArray(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
    return true;
}

} // namespace lumaskin
