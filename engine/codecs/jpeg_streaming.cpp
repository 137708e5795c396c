#include "engine/codecs/jpeg_streaming.h"

#include "engine/codecs/huge_pages.h"
#include "engine/codecs/jpeg_bands.h"
#include "engine/codecs/jpeg_decoder_errors.h"
#include "engine/codecs/jpeg_encoder.h"
#include "engine/codecs/jpeg_header.h"
#include "engine/codecs/turbojpeg_library.h"
#include "engine/parallel.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace lumaskin {

namespace {

// Decodes the whole file a row at a time into one row, for what the decoder says about it.
// Owns nothing, for the longjmp.
bool DecodesWhole(jpeg_decompress_struct &cinfo, DecodeErrors &errors, Bytes bytes,
                  std::vector<JSAMPLE> &row)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    // Only the data matters: the cheapest output is enough.
    cinfo.dct_method = JDCT_IFAST;
    cinfo.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&cinfo);
    row.resize(static_cast<std::size_t>(cinfo.output_width) * cinfo.output_components);
    JSAMPROW rows[1] = {row.data()};
    while (cinfo.output_scanline < cinfo.output_height && !errors.lostData)
        jpeg_read_scanlines(&cinfo, rows, 1);
    if (!errors.lostData)
        jpeg_finish_decompress(&cinfo);
    return !errors.lostData;
}

// Decodes into `image` (sized from the header) row by row with the settings TurboJPEG uses
// (accurate integer IDCT, smooth chroma upsampling, RGBA with alpha 255), publishing in
// `written` how many rows are done. Owns nothing, so that a longjmp out of libjpeg skips no
// destructor.
bool DecodeRows(jpeg_decompress_struct &cinfo, DecodeErrors &errors, Bytes bytes, Image &image,
                std::atomic<int> &written)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&cinfo);
    if (static_cast<int>(cinfo.output_width) != image.Width() ||
        static_cast<int>(cinfo.output_height) != image.Height())
        return false;
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[16];
        const int first = static_cast<int>(cinfo.output_scanline);
        const int count = std::min<int>(16, image.Height() - first);
        for (int i = 0; i < count; ++i)
            rows[i] = image.Row(first + i);
        const int read = static_cast<int>(jpeg_read_scanlines(&cinfo, rows, count));
        if (errors.lostData)
            return false;
        written.store(first + read, std::memory_order_release);
        written.notify_all();
    }
    jpeg_finish_decompress(&cinfo);
    return !errors.lostData;
}

} // namespace

bool JpegDataIsWhole(Bytes bytes)
{
    jpeg_decompress_struct cinfo{};
    DecodeErrors errors{};
    jpeg_progress_mgr progress{};
    PrepareDecoder(cinfo, errors, progress);
    std::vector<JSAMPLE> row;
    bool whole = false;
    try {
        whole = DecodesWhole(cinfo, errors, bytes, row);
    } catch (const std::bad_alloc &) {
        whole = false;
    }
    jpeg_destroy_decompress(&cinfo);
    return whole;
}

Shortcut TranscodeJpeg(Bytes bytes, const EncodeSettings &settings, QByteArray &out, QString *error)
{
    if (CurrentParallelism() < 2)
        return Shortcut::Declined;
    const JpegHeader header = ParseJpegHeader(bytes);
    // Grey and YCbCr files; CMYK and YCCK ones take ImageMagick's colour conversion.
    if (!header.complete || (header.components != 1 && header.components != 3))
        return Shortcut::Declined;
    // Too short for its entropy-coded data, or a header TurboJPEG refuses: the reader refuses
    // the file.
    if (header.minimumFileSize > static_cast<std::int64_t>(bytes.size()) ||
        !JpegHeaderReadable(bytes))
        return Shortcut::Declined;
    if (!Image::SizeIsAcceptable(header.width, header.height) ||
        std::int64_t{header.width} * header.height > ReadPixelLimit())
        return Shortcut::Declined;
    Image image(header.width, header.height);
    if (image.IsNull())
        return Shortcut::Declined;
    AdviseHugePages(image.Row(0), image.SizeInBytes());

    // A grey file decodes to grey pixels; a colour one is written in colour unless it turns
    // out grey once decoded, when it is encoded again as one channel, as EncodeJpeg would.
    std::atomic<int> written{0};
    const GrowingPicture growing{&written, PixelSummary{true, header.components == 1}};
    bool encoded = false;
    QString encodeError;
    // Memory running out in the encoder leaves the file to the usual way, which says so.
    bool exhausted = false;
    std::thread encoder;
    try {
        encoder = std::thread([&] {
            try {
                encoded = EncodeJpeg(image, settings.quality, out, &encodeError, 0,
                                     settings.metadata, &growing);
            } catch (const std::bad_alloc &) {
                exhausted = true;
            }
        });
    } catch (const std::system_error &) {
        return Shortcut::Declined; // no thread to be had
    }
    // In bands on every core where the file allows, else a row at a time on this one.
    const BandDecode banded = DecodeJpegInBands(bytes, image, &written);
    bool decoded = banded == BandDecode::Decoded;
    if (banded == BandDecode::NotApplicable) {
        jpeg_decompress_struct cinfo{};
        DecodeErrors errors{};
        jpeg_progress_mgr progress{};
        PrepareDecoder(cinfo, errors, progress);
        decoded = DecodeRows(cinfo, errors, bytes, image, written);
        jpeg_destroy_decompress(&cinfo);
    }
    // A failed decode lets the encoder run through what is there; its work is thrown away.
    written.store(image.Height(), std::memory_order_release);
    written.notify_all();
    encoder.join();
    // A damaged or truncated file is left to the usual reading, which says what is wrong.
    if (!decoded || exhausted)
        return Shortcut::Declined;
    if (header.components == 3 && settings.metadata.icc.isEmpty() && Summarise(image).grey)
        encoded = EncodeJpeg(image, settings.quality, out, &encodeError, 0, settings.metadata);
    if (!encoded && error)
        *error = encodeError;
    return encoded ? Shortcut::Done : Shortcut::Failed;
}

} // namespace lumaskin
