#pragma once

#include "engine/image.h"
#include "engine/steps/resampling.h"

#include <QSize>
#include <QString>
#include <optional>

namespace lumaskin {

// A change of size, given as a geometry:
//   W      W pixels wide, the height following the aspect ratio
//   xH     H pixels high, likewise
//   WxH    as large as fits inside W x H, aspect ratio kept
//   WxH^   as small as covers W x H, aspect ratio kept (a crop step cuts it to the box)
//   WxH!   exactly W x H
//   N%     N per cent of each side
// A trailing '>' only ever shrinks (a picture smaller than the geometry is left alone), a
// trailing '<' only ever enlarges. Written as text, the filter follows after a comma unless it
// is Lanczos 3: "1920x1080>", "400%,nearest".
struct ResizeStep
{
    static constexpr const char *kKind = "resize";

    enum class Fit
    {
        Inside, // WxH
        Cover,  // WxH^
        Exact,  // WxH!
    };
    enum class Only
    {
        Any,
        Shrink,  // '>'
        Enlarge, // '<'
    };

    int width = 0;      // 0: follows from the height
    int height = 0;     // 0: follows from the width
    double percent = 0; // above 0: each side scaled by it; width and height unused
    Fit fit = Fit::Inside;
    Only only = Only::Any;
    ResizeFilter filter = ResizeFilter::Lanczos3;

    // The size a picture of `size` becomes: `size` itself when the step leaves it alone. At
    // least 1 x 1; a side may come out beyond what a picture may measure.
    QSize TargetSize(QSize size) const;
    // Resizes the picture. False, with a plain reason, when the new size is too large for
    // Lumaskin or memory runs out.
    bool Apply(Image &image, QString *error) const;

    QString Text() const;
    // The step `Text` writes; nothing, with a plain reason naming the text, for a malformed
    // geometry, a side of 0 or one too large, or an unknown filter.
    static std::optional<ResizeStep> Parse(const QString &text, QString *error);
};

// The filter's name as users give it: "lanczos", "linear" or "nearest".
QString ResizeFilterName(ResizeFilter filter);
// The filter of that name; nothing when there is none.
std::optional<ResizeFilter> ParseResizeFilter(const QString &name);

} // namespace lumaskin
