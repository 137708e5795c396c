#include "viewercontrol/codecs/jpeg_encoder.h"

#include "viewercontrol/codecs/pixel_rows.h"

// jpeglib.h needs size_t and FILE declared first.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace lumaskin {

namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onError(j_common_ptr cinfo)
{
    auto *manager = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

void ignoreMessage(j_common_ptr, int) {}

// The parts of the work that own nothing, so that a longjmp out of libjpeg skips no
// destructor. Returns false with `manager.message` set on failure.
bool compress(jpeg_compress_struct &cinfo, ErrorManager &manager, const Image &image, int quality,
              bool opaque, bool grey, std::uint8_t *scratch, unsigned char **buffer,
              unsigned long *size)
{
    if (setjmp(manager.jump))
        return false;
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = opaque ? 4 : 3;
    cinfo.in_color_space = opaque ? JCS_EXT_RGBA : JCS_RGB;
    jpeg_set_defaults(&cinfo); // 4:2:0 for colour
    if (grey)
        jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        JSAMPROW row;
        if (opaque) {
            row = const_cast<JSAMPROW>(image.row(y));
        } else {
            CompositeRowOverWhite(image.row(y), scratch, image.width());
            row = scratch;
        }
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

} // namespace

bool EncodeJpeg(const Image &image, int quality, QByteArray &out, QString *error)
{
    const PixelSummary summary = Summarise(image);
    std::vector<std::uint8_t> scratch(summary.opaque ? 0
                                                     : 3 * static_cast<std::size_t>(image.width()));
    jpeg_compress_struct cinfo{};
    ErrorManager manager{};
    cinfo.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = onError;
    manager.base.emit_message = ignoreMessage;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    const bool ok = compress(cinfo, manager, image, quality, summary.opaque, summary.grey,
                             scratch.data(), &buffer, &size);
    jpeg_destroy_compress(&cinfo);
    if (ok)
        out = QByteArray(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    if (!ok && error)
        *error = QStringLiteral("the JPEG encoder failed (%1)")
                     .arg(QString::fromLocal8Bit(manager.message));
    return ok;
}

} // namespace lumaskin
