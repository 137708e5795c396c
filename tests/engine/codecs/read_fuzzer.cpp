// One libFuzzer body for every decoder path; the targets differ by their seed corpus (JPEG,
// PNG, the ImageMagick formats, PDF, WebP, AVIF, HEIF, JPEG XL, SVG, TIFF), which steers the
// mutations towards one decoder each. JPEGs also go through the JPEG-to-JPEG shortcut, and
// JPEGs and WebPs are read again asked for a quarter of their size, through the scaled
// decoders.
#include "engine/codecs/codec.h"
#include "engine/codecs/content_checks.h"
#include "engine/codecs/jpeg_streaming.h"
#include "engine/codecs/svg_process.h"
#include "engine/image_io.h"
#include "engine/parallel.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Huge declared sizes are refused by the same check at any limit; a lower one keeps each
    // run about the decoders, not about allocating hundreds of megabytes.
    lumaskin::SetReadPixelLimit(16'000'000);
    // The drawing code runs here, where the fuzzer sees it, not in the helper process.
    lumaskin::SetSvgDrawnInHelper(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString error;
    const lumaskin::Image image = lumaskin::ReadImageFromMemory({data, size}, &error);
    // Every refusal names its reason.
    if (image.IsNull() && error.isEmpty())
        __builtin_trap();
    const bool jpeg = lumaskin::ProbeJpeg({data, size}).match == lumaskin::Match::Certain;
    if (jpeg || lumaskin::ProbeWebp({data, size}).match == lumaskin::Match::Certain) {
        QSize asked;
        const lumaskin::ReadHints quarter{[&](QSize upright) {
            asked = QSize((upright.width() + 3) / 4, (upright.height() + 3) / 4);
            return asked;
        }};
        const lumaskin::Image shrunk = lumaskin::ReadImageFromMemory({data, size}, &error, quarter);
        if (shrunk.IsNull() && error.isEmpty())
            __builtin_trap();
        // Never smaller than asked, never larger than the whole picture.
        if (!shrunk.IsNull() && asked.isValid() &&
            (shrunk.Width() < asked.width() || shrunk.Height() < asked.height() ||
             (!image.IsNull() &&
              (shrunk.Width() > image.Width() || shrunk.Height() > image.Height()))))
            __builtin_trap();
    }
    // A JPEG also goes through the decode-and-encode-at-once path, which must take only what
    // the reader takes.
    if (jpeg) {
        const lumaskin::ParallelismLimit cores(2);
        lumaskin::ByteArraySink out;
        const auto written = lumaskin::TranscodeJpeg({data, size}, {}, nullptr, out, &error);
        if (written == lumaskin::Shortcut::Done && image.IsNull())
            __builtin_trap();
    }
    return 0;
}
