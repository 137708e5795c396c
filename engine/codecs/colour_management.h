#pragma once

#include "engine/image.h"

#include <QByteArray>

namespace lumaskin {

// Talks to Little CMS (lcms2). Pictures keep the pixel values of their file and the profile
// those values are in (ImageMetadata::icc); they are converted to sRGB only to be shown, to be
// written where the format holds no profile, or when the user asks for metadata to be dropped.

enum class ProfileKind
{
    None,     // no profile: the pixels are sRGB
    Srgb,     // a profile that maps the pixels as sRGB does
    Rgb,      // another RGB space (Display P3, Adobe RGB, ProPhoto ...)
    Grey,     // a grey profile
    Unusable, // broken, or for a colour space the decoded pixels are not in (CMYK, Lab ...)
};

// Cheap after the first call for a profile: recent answers are remembered.
ProfileKind ClassifyProfile(const QByteArray &icc);

// Converts the pixels from `icc` to sRGB in place, alpha untouched, rows in parallel; the
// profile stays in the metadata (callers decide what to keep). A grey profile reads the red
// channel. False, with the picture unchanged, when the profile cannot be used.
bool ConvertPixelsToSrgb(Image &image, const QByteArray &icc);

// What a reader makes of the profile it found: RGB profiles stay with the pixels, a grey
// profile is applied at once to grey pixels (pixels are held as RGB, which a grey profile
// cannot describe), and a profile that does not describe the decoded pixels (a grey one on
// colour pixels, a damaged one) is dropped.
void SettleProfileAfterReading(Image &image);

// True when the picture has to be converted to be shown or written as sRGB.
bool NeedsConversionToSrgb(const Image &image);

// A copy of the picture in sRGB, without a profile (the other metadata is kept).
Image SrgbCopy(const Image &image);

// CIE xy chromaticities of an RGB space.
struct Chromaticities
{
    double redX, redY, greenX, greenY, blueX, blueY, whiteX, whiteY;
};

enum class TransferCurve
{
    Srgb,
    Bt709,
    Gamma22,
    Gamma28,
    Linear,
};

// An ICC profile (version 4) for an RGB space given by its primaries and tone curve, for
// files that describe their colours by code points rather than a profile (AVIF, HEIF).
QByteArray MakeRgbProfile(const Chromaticities &space, TransferCurve curve,
                          const char *description);

// The profile for colours described by ITU-T H.273 code points (colour primaries and transfer
// characteristics), as AVIF and HEIF files do when they carry no ICC profile; empty when they
// amount to sRGB or are not known. Wide-gamut primaries (Display P3, BT.2020 ...) matter;
// transfers other than the common curves are taken as sRGB's.
QByteArray ProfileForCodePoints(int primaries, int transfer);

} // namespace lumaskin
