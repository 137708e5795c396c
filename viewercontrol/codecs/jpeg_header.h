#pragma once

#include "viewercontrol/codecs/codec.h"

namespace lumaskin {

// What the marker segments before the first scan of a JPEG say.
struct JpegHeader
{
    bool complete = false; // every segment up to the first scan is present
    int width = 0;
    int height = 0;
    int components = 0;
    // 1 (upright) to 8, from the first EXIF APP1 segment.
    int orientation = 1;
    // The smallest file that can hold the entropy-coded data of a Huffman-coded file: every
    // 8x8 block takes at least two bits in a sequential file (DC and end of block) and one in
    // a progressive one (DC). 0 for arithmetic coding, which has no such floor.
    std::int64_t minimumFileSize = 0;
};

// Walks the markers from SOI to the first SOS. Cheap: reads only the segment headers.
JpegHeader ParseJpegHeader(Bytes bytes);

} // namespace lumaskin
