#pragma once

#include "engine/codecs/codec.h"

namespace lumaskin {

// Talks to ImageMagick through Magick++. On first use it sets resource limits and a policy
// that allows only the coders Lumaskin reads and writes and no delegates (outside programs),
// so a hostile file can neither exhaust the machine nor make ImageMagick run anything.

struct MagickReadOptions
{
    // ImageMagick's coder name, chosen by our own content check ("BMP", "SUN" ...). The bytes
    // are always handed over as a blob with this format; ImageMagick never guesses.
    const char *coder = "";
    // Upper-case name for messages.
    QString formatName;
    // Which picture of a multi-picture file (animations, TIFF pages).
    int frame = 0;
    // Take the largest picture instead (icons hold one picture per size).
    bool largestFrame = false;
    // Turn the picture upright by its orientation tag (TIFF, PSD).
    bool autoOrient = true;
};

// Reads the header first (ping) and refuses oversized pictures before decoding.
Image DecodeWithMagick(Bytes bytes, const MagickReadOptions &options, QString *error);

struct MagickWriteOptions
{
    const char *coder = "";
    // Keep transparency; otherwise the picture is blended over white first.
    bool keepAlpha = false;
    // Force 24-bit colour rather than letting the coder choose a palette.
    bool trueColour = false;
};

bool EncodeWithMagick(const Image &image, const MagickWriteOptions &options, QByteArray &out,
                      QString *error);

// GIF: at most 256 colours, transparency on or off per pixel. A picture with more colours is
// dithered onto a palette chosen for it. The colours are mapped here rather than by
// ImageMagick, whose dithering sets aside a 128 MB table whatever the picture's size.
bool EncodeGifWithMagick(const Image &image, QByteArray &out, QString *error);

// What the magick module hands over.
struct MagickModule
{
    decltype(&DecodeWithMagick) decode;
    decltype(&EncodeWithMagick) encode;
    decltype(&EncodeGifWithMagick) encodeGif;
};

} // namespace lumaskin
