#include "engine/steps/stepped_reading.h"

#include "engine/codecs/codec.h"
#include "engine/codecs/exif_orientation.h"
#include "engine/codecs/metadata_library.h"
#include "engine/image_io.h"

#include <optional>
#include <vector>

namespace lumaskin {

namespace {

// The first resize, when every step before it is a colour effect that means the same at any
// scale: the steps before a resize may then work on a picture decoded smaller.
std::optional<std::size_t> FirstShrinkableResize(std::span<const Step> steps)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (std::holds_alternative<ResizeStep>(steps[i]))
            return i;
        const EffectStep *effect = std::get_if<EffectStep>(&steps[i]);
        if (!effect || (effect->effect && !effect->effect->pointwise))
            return std::nullopt;
    }
    return std::nullopt;
}

// The EXIF orientation that undoes `orientation`: the quarter turns undo each other, the rest
// undo themselves.
int InverseOrientation(int orientation)
{
    return orientation == 6 ? 8 : orientation == 8 ? 6 : orientation;
}

} // namespace

Image ReadWithSteps(const QString &path, std::span<const Step> steps, bool asStored, QString *error)
{
    const std::optional<std::size_t> resize = FirstShrinkableResize(steps);
    // The picture's upright size at full scale, when the reader told it.
    QSize upright;
    ReadHints hints;
    if (resize) {
        const ResizeStep &step = std::get<ResizeStep>(steps[*resize]);
        hints.smallestUseful = [&step, &upright, asStored](QSize size) {
            upright = size;
            QSize needed = step.TargetSize(size);
            // Taken as stored, a photo its orientation turns is resized the other way round.
            if (asStored)
                needed = needed.expandedTo(step.TargetSize(size.transposed()).transposed());
            return needed;
        };
    }
    Image image = ReadImage(path, error, hints);
    if (image.IsNull())
        return image;
    const int orientation = asStored ? ExifOrientation(image.Metadata().exif) : 1;
    if (orientation != 1) {
        image = ApplyOrientation(std::move(image), InverseOrientation(orientation));
        if (image.IsNull())
            return Fail(error, reason::OutOfMemory());
    }
    std::span<const Step> run = steps;
    std::vector<Step> adjusted;
    if (resize && upright.isValid()) {
        const QSize full = orientation >= 5 ? upright.transposed() : upright;
        if (QSize(image.Width(), image.Height()) != full) {
            adjusted.assign(steps.begin(), steps.end());
            ResizeStep &step = std::get<ResizeStep>(adjusted[*resize]);
            const QSize target = step.TargetSize(full);
            step = ResizeStep{.width = target.width(),
                              .height = target.height(),
                              .fit = ResizeStep::Fit::Exact,
                              .filter = step.filter};
            run = adjusted;
        }
    }
    if (!ApplySteps(image, run, error))
        return {};
    return image;
}

} // namespace lumaskin
