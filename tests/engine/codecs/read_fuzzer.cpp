// One libFuzzer body for every decoder path; the targets differ by their seed corpus (JPEG,
// PNG, the ImageMagick formats, PDF, WebP, AVIF, HEIF, JPEG XL, SVG, TIFF), which steers the
// mutations towards one decoder each. JPEGs also go through the JPEG-to-JPEG shortcut.
#include "engine/codecs/codec.h"
#include "engine/codecs/content_checks.h"
#include "engine/codecs/jpeg_streaming.h"
#include "engine/image_io.h"
#include "engine/parallel.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Huge declared sizes are refused by the same check at any limit; a lower one keeps each
    // run about the decoders, not about allocating hundreds of megabytes.
    lumaskin::SetReadPixelLimit(16'000'000);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString error;
    const lumaskin::Image image = lumaskin::ReadImageFromMemory({data, size}, &error);
    // Every refusal names its reason.
    if (image.IsNull() && error.isEmpty())
        __builtin_trap();
    // A JPEG also goes through the decode-and-encode-at-once path, which must take only what
    // the reader takes.
    if (lumaskin::ProbeJpeg({data, size}).match == lumaskin::Match::Certain) {
        const lumaskin::ParallelismLimit cores(2);
        QByteArray out;
        const auto written = lumaskin::TranscodeJpeg({data, size}, {}, out, &error);
        if (written == lumaskin::Shortcut::Done && image.IsNull())
            __builtin_trap();
    }
    return 0;
}
