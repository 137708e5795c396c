#pragma once

#include "engine/codecs/codec.h"

#include <vector>

namespace lumaskin {

// What the marker segments before the first scan of a JPEG say.
struct JpegHeader
{
    bool complete = false; // every segment up to the first scan is present
    int width = 0;
    int height = 0;
    int components = 0;
    // Pixel rows in one MCU row, and whether some component has fewer rows than another (as
    // 4:2:0 chroma does), which the decoder's upsampling then blends between MCU rows.
    int mcuHeight = 8;
    bool verticalSubsampling = false;
    // The metadata segments: the payloads of the first EXIF and XMP APP1 segments (after
    // their names) and the ICC profile's APP2 chunks (after name, number and count) with their
    // numbers.
    Bytes exif;
    Bytes xmp;
    struct IccChunk
    {
        int number = 0;
        int count = 0;
        Bytes data;
    };
    std::vector<IccChunk> iccChunks;
    // The smallest file that can hold the entropy-coded data of a Huffman-coded file: every
    // 8x8 block takes at least two bits in a sequential file (DC and end of block) and one in
    // a progressive one (DC). 0 for arithmetic coding, which has no such floor.
    std::int64_t minimumFileSize = 0;
};

// Walks the markers from SOI to the first SOS. Cheap: reads only the segment headers.
JpegHeader ParseJpegHeader(Bytes bytes);

// The EXIF, XMP and ICC profile a JPEG file carries; a profile whose chunks do not make up
// one whole sequence is left out.
ImageMetadata JpegMetadata(const JpegHeader &header);

} // namespace lumaskin
