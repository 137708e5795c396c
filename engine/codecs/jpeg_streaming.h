#pragma once

#include "engine/codecs/atomic_file.h"
#include "engine/codecs/codec.h"
#include "engine/image_io.h"

namespace lumaskin {

// A JPEG re-encoded as a JPEG with nothing done to its pixels, or only `work` (null for none),
// decoded, worked and encoded at once: the encoder's stripes take each row as soon as the
// decoder has written it (and the work has been done to it), on the cores the decoder leaves
// free, so a lone photo costs little more than its decoding and holds no whole picture. The
// bytes are those of EncodeJpeg on the decoded picture with the work done to it whole.
//
// The file goes to `out` as it is made, a stripe at a time; whatever is there when the result is
// not Done is to be thrown away.
//
// Applies to files TurboJPEG decodes to RGB themselves (not CMYK), of any size the reading
// limit allows; `settings.metadata` must be what the writer would embed. Declined when it does
// not apply or the calling thread has a single core to work with (a batch running a file per
// core), and the caller reads and writes the usual way. On failure *error is set as the reader
// would set it, or says why `out` could not be written.
Shortcut TranscodeJpeg(Bytes bytes, const EncodeSettings &settings, const RowWork *work,
                       ByteSink &out, QString *error);

// Whether decoding `bytes` loses none of the picture: false when the decoder would fill rows or
// blocks with grey (the file cut short, a marker inside the entropy-coded data, restart markers
// out of order, codes that mean nothing) or the file has more scans than any real picture.
// Decodes the whole file, a row at a time: for files a decoder has already warned about.
bool JpegDataIsWhole(Bytes bytes);

} // namespace lumaskin
