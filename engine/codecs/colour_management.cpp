#include "engine/codecs/colour_management.h"

#include "engine/parallel.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <lcms2.h>
#include <memory>
#include <mutex>
#include <utility>

namespace lumaskin {

namespace {

// Profiles beyond this size are not ICC profiles anyone writes; refusing them bounds the work.
constexpr qsizetype kMaxProfileBytes = 64 << 20;

struct ProfileCloser
{
    void operator()(void *profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileCloser>;

struct TransformDeleter
{
    void operator()(void *transform) const { cmsDeleteTransform(transform); }
};
using Transform = std::unique_ptr<void, TransformDeleter>;

void QuietLcms()
{
    static std::once_flag once;
    // Broken profiles are reported by what the callers do; lcms2 would print to stderr.
    std::call_once(once,
                   [] { cmsSetLogErrorHandler([](cmsContext, cmsUInt32Number, const char *) {}); });
}

Profile OpenProfile(const QByteArray &icc)
{
    QuietLcms();
    if (icc.isEmpty() || icc.size() > kMaxProfileBytes)
        return {};
    return Profile(
        cmsOpenProfileFromMem(icc.constData(), static_cast<cmsUInt32Number>(icc.size())));
}

// A transform from `icc` to sRGB over RGBA bytes (alpha copied), or over single grey bytes to
// RGB for a grey profile. Without a cache, so that threads can share it.
Transform ToSrgb(const QByteArray &icc, bool *grey)
{
    const Profile source = OpenProfile(icc);
    if (!source)
        return {};
    // The header's four characters as a number: a damaged profile holds values that are no
    // member of lcms2's enumeration.
    const cmsUInt32Number space = cmsGetColorSpace(source.get());
    if (space != cmsSigRgbData && space != cmsSigGrayData)
        return {};
    *grey = space == cmsSigGrayData;
    const Profile srgb(cmsCreate_sRGBProfile());
    if (!srgb)
        return {};
    return Transform(cmsCreateTransform(source.get(), *grey ? TYPE_GRAY_8 : TYPE_RGBA_8, srgb.get(),
                                        *grey ? TYPE_RGB_8 : TYPE_RGBA_8, INTENT_PERCEPTUAL,
                                        cmsFLAGS_NOCACHE | (*grey ? 0 : cmsFLAGS_COPY_ALPHA)));
}

ProfileKind ClassifyUncached(const QByteArray &icc)
{
    if (icc.isEmpty())
        return ProfileKind::None;
    bool grey = false;
    const Transform transform = ToSrgb(icc, &grey);
    if (!transform)
        return ProfileKind::Unusable;
    if (grey)
        return ProfileKind::Grey;
    // Maps like sRGB when a spread of colours comes back within rounding.
    std::array<std::uint8_t, 4 * 125> in{}, out{};
    for (int i = 0; i < 125; ++i) {
        in[4 * i] = static_cast<std::uint8_t>(i % 5 * 63);
        in[4 * i + 1] = static_cast<std::uint8_t>(i / 5 % 5 * 63);
        in[4 * i + 2] = static_cast<std::uint8_t>(i / 25 * 63);
        in[4 * i + 3] = 255;
    }
    cmsDoTransform(transform.get(), in.data(), out.data(), 125);
    for (std::size_t i = 0; i < in.size(); ++i)
        if (std::abs(in[i] - out[i]) > 1)
            return ProfileKind::Rgb;
    return ProfileKind::Srgb;
}

// True when every pixel has equal red, green and blue: what a grey file read as RGBA gives.
bool HoldsOnlyGrey(const Image &image)
{
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t *p = image.Row(y);
        for (int x = 0; x < image.Width(); ++x, p += 4)
            if (p[0] != p[1] || p[1] != p[2])
                return false;
    }
    return true;
}

} // namespace

ProfileKind ClassifyProfile(const QByteArray &icc)
{
    if (icc.isEmpty())
        return ProfileKind::None;
    // A batch sees the same few profiles over and over.
    static std::mutex mutex;
    static std::deque<std::pair<QByteArray, ProfileKind>> recent;
    {
        std::lock_guard lock(mutex);
        for (const auto &[profile, kind] : recent)
            if (profile == icc)
                return kind;
    }
    const ProfileKind kind = ClassifyUncached(icc);
    std::lock_guard lock(mutex);
    recent.emplace_front(icc, kind);
    if (recent.size() > 8)
        recent.pop_back();
    return kind;
}

bool ConvertPixelsToSrgb(Image &image, const QByteArray &icc)
{
    if (image.IsNull())
        return false;
    bool grey = false;
    const Transform transform = ToSrgb(icc, &grey);
    if (!transform)
        return false;
    if (grey) {
        // Colour pixels are not what a grey profile describes: they are left as they are.
        if (!HoldsOnlyGrey(image))
            return false;
        // 256 possible inputs: one table serves the whole picture.
        std::array<std::uint8_t, 256> levels{};
        std::array<std::uint8_t, 3 * 256> rgb{};
        for (int i = 0; i < 256; ++i)
            levels[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
        cmsDoTransform(transform.get(), levels.data(), rgb.data(), 256);
        ParallelFor(image.Height(), [&](int begin, int end) {
            for (int y = begin; y < end; ++y) {
                std::uint8_t *p = image.Row(y);
                for (int x = 0; x < image.Width(); ++x, p += 4)
                    std::memcpy(p, &rgb[3 * static_cast<std::size_t>(p[0])], 3);
            }
        });
        return true;
    }
    ParallelFor(image.Height(), [&](int begin, int end) {
        for (int y = begin; y < end; ++y)
            cmsDoTransform(transform.get(), image.Row(y), image.Row(y),
                           static_cast<cmsUInt32Number>(image.Width()));
    });
    return true;
}

void SettleProfileAfterReading(Image &image)
{
    const QByteArray &icc = image.Metadata().icc;
    if (icc.isEmpty())
        return;
    switch (ClassifyProfile(icc)) {
    case ProfileKind::None:
    case ProfileKind::Srgb:
    case ProfileKind::Rgb:
        return;
    case ProfileKind::Grey:
        // A grey profile on colour pixels does not describe them (as libpng and ImageMagick
        // judge it): it is dropped below and the colours kept.
        ConvertPixelsToSrgb(image, icc);
        break;
    case ProfileKind::Unusable:
        break;
    }
    ImageMetadata metadata = image.Metadata();
    metadata.icc.clear();
    image.SetMetadata(std::move(metadata));
}

bool NeedsConversionToSrgb(const Image &image)
{
    const ProfileKind kind = ClassifyProfile(image.Metadata().icc);
    return kind == ProfileKind::Rgb || kind == ProfileKind::Grey;
}

Image SrgbCopy(const Image &image)
{
    Image copy = image.Clone();
    if (copy.IsNull())
        return copy;
    if (NeedsConversionToSrgb(copy))
        ConvertPixelsToSrgb(copy, copy.Metadata().icc);
    ImageMetadata metadata = copy.Metadata();
    metadata.icc.clear();
    copy.SetMetadata(std::move(metadata));
    return copy;
}

QByteArray MakeRgbProfile(const Chromaticities &space, TransferCurve curve, const char *description)
{
    QuietLcms();
    const cmsCIExyY white{space.whiteX, space.whiteY, 1.0};
    const cmsCIExyYTRIPLE primaries{{space.redX, space.redY, 1.0},
                                    {space.greenX, space.greenY, 1.0},
                                    {space.blueX, space.blueY, 1.0}};
    cmsToneCurve *tone = nullptr;
    switch (curve) {
    case TransferCurve::Srgb: {
        const cmsFloat64Number p[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
        tone = cmsBuildParametricToneCurve(nullptr, 4, p);
        break;
    }
    case TransferCurve::Bt709: {
        const cmsFloat64Number p[5] = {1 / 0.45, 1 / 1.099, 0.099 / 1.099, 1 / 4.5, 0.081};
        tone = cmsBuildParametricToneCurve(nullptr, 4, p);
        break;
    }
    case TransferCurve::Gamma22:
    case TransferCurve::Gamma28:
    case TransferCurve::Linear: {
        const cmsFloat64Number p[1] = {curve == TransferCurve::Gamma22   ? 2.2
                                       : curve == TransferCurve::Gamma28 ? 2.8
                                                                         : 1.0};
        tone = cmsBuildParametricToneCurve(nullptr, 1, p);
        break;
    }
    }
    if (!tone)
        return {};
    cmsToneCurve *curves[3] = {tone, tone, tone};
    const Profile profile(cmsCreateRGBProfile(&white, &primaries, curves));
    cmsFreeToneCurve(tone);
    if (!profile)
        return {};
    if (cmsMLU *text = cmsMLUalloc(nullptr, 1)) {
        cmsMLUsetASCII(text, "en", "US", description);
        cmsWriteTag(profile.get(), cmsSigProfileDescriptionTag, text);
        cmsMLUfree(text);
    }
    cmsMD5computeID(profile.get());
    cmsUInt32Number size = 0;
    if (!cmsSaveProfileToMem(profile.get(), nullptr, &size) || size == 0)
        return {};
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (!cmsSaveProfileToMem(profile.get(), bytes.data(), &size))
        return {};
    return bytes;
}

QByteArray ProfileForCodePoints(int primaries, int transfer)
{
    constexpr double d65x = 0.3127, d65y = 0.3290;
    Chromaticities space{};
    const char *name = nullptr;
    switch (primaries) {
    case 4: // BT.470 System M
        space = {0.67, 0.33, 0.21, 0.71, 0.14, 0.08, 0.310, 0.316};
        name = "BT.470 System M";
        break;
    case 5: // BT.470 System B, G
        space = {0.64, 0.33, 0.29, 0.60, 0.15, 0.06, d65x, d65y};
        name = "BT.470 System B, G";
        break;
    case 6: // BT.601
    case 7: // SMPTE 240M
        space = {0.630, 0.340, 0.310, 0.595, 0.155, 0.070, d65x, d65y};
        name = "SMPTE 170M";
        break;
    case 9: // BT.2020
        space = {0.708, 0.292, 0.170, 0.797, 0.131, 0.046, d65x, d65y};
        name = "BT.2020";
        break;
    case 11: // DCI-P3
        space = {0.680, 0.320, 0.265, 0.690, 0.150, 0.060, 0.314, 0.351};
        name = "DCI-P3";
        break;
    case 12: // Display P3
        space = {0.680, 0.320, 0.265, 0.690, 0.150, 0.060, d65x, d65y};
        name = "Display P3";
        break;
    case 22: // EBU Tech. 3213
        space = {0.630, 0.340, 0.295, 0.605, 0.155, 0.077, d65x, d65y};
        name = "EBU 3213";
        break;
    default: // BT.709 / sRGB, unspecified, or unknown
        name = nullptr;
    }
    TransferCurve curve = TransferCurve::Srgb;
    switch (transfer) {
    case 1:
    case 6:
    case 14:
    case 15:
        curve = TransferCurve::Bt709;
        break;
    case 4:
        curve = TransferCurve::Gamma22;
        break;
    case 5:
        curve = TransferCurve::Gamma28;
        break;
    case 8:
        curve = TransferCurve::Linear;
        break;
    default:
        break;
    }
    // BT.709 primaries with BT.709's curve are what sRGB pictures from video tools say.
    const bool plainCurve = curve == TransferCurve::Srgb || curve == TransferCurve::Bt709;
    if (!name && plainCurve)
        return {};
    if (!name) {
        space = {0.64, 0.33, 0.30, 0.60, 0.15, 0.06, d65x, d65y};
        name = "BT.709";
    }
    return MakeRgbProfile(space, curve, name);
}

} // namespace lumaskin
