#pragma once

#include "engine/codecs/codec.h"
#include "engine/image_io.h"

namespace lumaskin {

// A JPEG re-encoded as a JPEG with nothing done to its pixels, decoded and encoded at once: the
// encoder's stripes take each row as soon as the decoder has written it, on the cores the
// decoder leaves free, so a lone photo costs little more than its decoding. The bytes are
// those of EncodeJpeg on the decoded picture.
//
// Applies to files TurboJPEG decodes to RGB themselves (not CMYK), of any size the reading
// limit allows; `settings.metadata` must be what the writer would embed. Declined when it does
// not apply or the calling thread has a single core to work with (a batch running a file per
// core), and the caller reads and writes the usual way. On failure *error is set as the reader
// would set it.
Shortcut TranscodeJpeg(Bytes bytes, const EncodeSettings &settings, QByteArray &out,
                       QString *error);

} // namespace lumaskin
