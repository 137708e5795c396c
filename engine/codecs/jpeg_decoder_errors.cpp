#include "engine/codecs/jpeg_decoder_errors.h"

#include <jerror.h>

namespace lumaskin {

namespace {

[[noreturn]] void OnDecodeError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<DecodeErrors *>(cinfo->err)->jump, 1);
}

// Warnings that leave the pixels whole (stray bytes between markers, an odd progression)
// still give the picture, as they do for TurboJPEG; those after which the decoder fills what it
// could not read with grey do not.
void OnDecodeMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:    // the file ends before the picture
    case JWRN_HIT_MARKER:  // a marker in the middle of the entropy-coded data
    case JWRN_MUST_RESYNC: // restart markers out of order: blocks skipped
    case JWRN_HUFF_BAD_CODE:
        reinterpret_cast<DecodeErrors *>(cinfo->err)->lostData = true;
        break;
    default:
        break;
    }
}

void OnDecodeProgress(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMostScans)
        std::longjmp(reinterpret_cast<DecodeErrors *>(cinfo->err)->jump, 1);
}

} // namespace

void PrepareDecoder(jpeg_decompress_struct &cinfo, DecodeErrors &errors,
                    jpeg_progress_mgr &progress)
{
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnDecodeError;
    errors.base.emit_message = OnDecodeMessage;
    progress.progress_monitor = OnDecodeProgress;
    cinfo.progress = &progress;
}

} // namespace lumaskin
