#include "engine/codecs/svg_library.h"

#include "engine/codecs/codec_modules.h"
#include "engine/parallel.h"

#include <QCoreApplication>
#include <algorithm>
#include <cairo.h>
#include <cmath>
#include <cstring>
#include <memory>
// GLib names a field "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <librsvg/rsvg.h>
#pragma pop_macro("signals")

namespace lumaskin {

namespace {

struct ObjectUnref
{
    void operator()(void *object) const { g_object_unref(object); }
};
struct ErrorFree
{
    void operator()(GError *error) const { g_error_free(error); }
};
struct SurfaceDestroy
{
    void operator()(cairo_surface_t *surface) const { cairo_surface_destroy(surface); }
};
struct ContextDestroy
{
    void operator()(cairo_t *cr) const { cairo_destroy(cr); }
};

constexpr double kDotsPerInch = 96;

// The drawing's own size in pixels: its width and height, else its view box.
bool OwnSize(RsvgHandle *handle, double *width, double *height)
{
    if (rsvg_handle_get_intrinsic_size_in_pixels(handle, width, height) && *width > 0 &&
        *height > 0)
        return true;
    gboolean hasWidth = FALSE, hasHeight = FALSE, hasViewBox = FALSE;
    RsvgLength w{}, h{};
    RsvgRectangle viewBox{};
    rsvg_handle_get_intrinsic_dimensions(handle, &hasWidth, &w, &hasHeight, &h, &hasViewBox,
                                         &viewBox);
    if (hasViewBox && viewBox.width > 0 && viewBox.height > 0) {
        *width = viewBox.width;
        *height = viewBox.height;
        return true;
    }
    return false;
}

// Cairo's premultiplied native-endian ARGB words to straight RGBA bytes, in place.
void ToStraightRgba(Image &image)
{
    ParallelFor(image.Height(), [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            std::uint8_t *p = image.Row(y);
            for (int x = 0; x < image.Width(); ++x, p += 4) {
                std::uint32_t word;
                std::memcpy(&word, p, 4);
                const std::uint32_t a = word >> 24;
                std::uint32_t r = (word >> 16) & 255, g = (word >> 8) & 255, b = word & 255;
                if (a != 0 && a != 255) {
                    r = std::min<std::uint32_t>(255, (r * 255 + a / 2) / a);
                    g = std::min<std::uint32_t>(255, (g * 255 + a / 2) / a);
                    b = std::min<std::uint32_t>(255, (b * 255 + a / 2) / a);
                }
                p[0] = static_cast<std::uint8_t>(r);
                p[1] = static_cast<std::uint8_t>(g);
                p[2] = static_cast<std::uint8_t>(b);
                p[3] = static_cast<std::uint8_t>(a);
            }
        }
    });
}

} // namespace

Image RenderSvg(Bytes bytes, QString *error)
{
    const std::unique_ptr<GInputStream, ObjectUnref> stream(g_memory_input_stream_new_from_data(
        bytes.data(), static_cast<gssize>(bytes.size()), nullptr));
    GError *rawError = nullptr;
    // No base file: references to other files are refused, data URLs still work. The default
    // flags keep librsvg's limits on the size and depth of the document.
    const std::unique_ptr<RsvgHandle, ObjectUnref> handle(rsvg_handle_new_from_stream_sync(
        stream.get(), nullptr, RSVG_HANDLE_FLAGS_NONE, nullptr, &rawError));
    const std::unique_ptr<GError, ErrorFree> loadError(rawError);
    if (!handle) {
        const bool cut = rawError && std::strstr(rawError->message, "Premature end");
        return Fail(error, cut ? reason::Truncated() : reason::Damaged("SVG"));
    }
    rsvg_handle_set_dpi(handle.get(), kDotsPerInch);
    double width = 0, height = 0;
    if (!OwnSize(handle.get(), &width, &height))
        return Fail(error, QCoreApplication::translate("Codec", "the SVG drawing gives no size"));
    if (!std::isfinite(width) || !std::isfinite(height))
        return Fail(error, reason::Damaged("SVG"));
    const double limit =
        static_cast<double>(std::min<std::int64_t>(kMaxSvgPixels, ReadPixelLimit()));
    const double scale =
        std::min({1.0, std::sqrt(limit / (width * height)), kMaxSvgSide / std::max(width, height)});
    // Fractions of a pixel round up at the drawing's own size and down when scaled to the cap.
    const auto pixels = [&](double extent) {
        const double scaled = extent * scale;
        const double whole = scale < 1 ? std::floor(scaled) : std::ceil(scaled - 1e-6);
        return std::clamp(static_cast<int>(whole), 1, kMaxSvgSide);
    };
    const int pixelsWide = pixels(width);
    const int pixelsHigh = pixels(height);
    if (RefuseSize(pixelsWide, pixelsHigh, error))
        return {};
    Image image(pixelsWide, pixelsHigh);
    if (image.IsNull())
        return Fail(error, reason::OutOfMemory());
    std::memset(image.Row(0), 0, image.SizeInBytes());
    const std::unique_ptr<cairo_surface_t, SurfaceDestroy> surface(
        cairo_image_surface_create_for_data(image.Row(0), CAIRO_FORMAT_ARGB32, pixelsWide,
                                            pixelsHigh, static_cast<int>(image.Stride())));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return Fail(error, reason::OutOfMemory());
    {
        const std::unique_ptr<cairo_t, ContextDestroy> cr(cairo_create(surface.get()));
        const RsvgRectangle viewport{0, 0, static_cast<double>(pixelsWide),
                                     static_cast<double>(pixelsHigh)};
        GError *renderError = nullptr;
        const bool drawn =
            rsvg_handle_render_document(handle.get(), cr.get(), &viewport, &renderError);
        const std::unique_ptr<GError, ErrorFree> renderErrorOwner(renderError);
        if (!drawn)
            return Fail(error, reason::Damaged("SVG"));
    }
    cairo_surface_flush(surface.get());
    ToStraightRgba(image);
    return image;
}

} // namespace lumaskin

LUMASKIN_CODEC_MODULE(svg, lumaskin::SvgModule{lumaskin::RenderSvg})
