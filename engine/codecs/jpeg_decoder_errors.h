#pragma once

// What libjpeg's decoders in this program report, and how: fatal errors jump back to the
// caller, warnings that cost pixels are noted, and the scan count is limited.

// jpeglib.h needs size_t and FILE declared first.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

namespace lumaskin {

struct DecodeErrors
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    // Rows or blocks were filled in grey: the file is cut short or its data damaged.
    bool lostData = false;
};

// As TurboJPEG's limit: no real picture has more; thousands of tiny scans would each be
// decoded over the whole picture.
constexpr int kMostScans = 500;

// Sets up `cinfo` to report into `errors`: a fatal error jumps to errors.jump, a warning after
// which the decoder fills what it could not read with grey sets errors.lostData (others, such
// as stray bytes between markers, leave the pixels whole and pass), and a progress monitor
// jumps out past kMostScans scans.
void PrepareDecoder(jpeg_decompress_struct &cinfo, DecodeErrors &errors,
                    jpeg_progress_mgr &progress);

} // namespace lumaskin
