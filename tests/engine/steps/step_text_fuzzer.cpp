// Feeds "KIND VALUE" texts to the step parsers (geometries of resizes and crops, turns, flips,
// effects): none may crash or hang; whatever parses writes itself as text that parses to the
// same step, and applies to a small picture or gives a reason.
#include "engine/image.h"
#include "engine/steps/step.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace lumaskin;
    const QString input =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qsizetype space = input.indexOf(u' ');
    const QString kind = space < 0 ? QStringLiteral("resize") : input.left(space);
    const QString value = space < 0 ? input : input.mid(space + 1);
    QString error;
    const std::optional<Step> step = ParseStep(kind, value, &error);
    if (!step) {
        if (error.isEmpty())
            __builtin_trap();
        return 0;
    }
    const QString text = StepText(*step);
    const std::optional<Step> again = ParseStep(kind, text, &error);
    if (!again || StepText(*again) != text)
        __builtin_trap();

    Image picture(7, 5, 0x336699ffu);
    const QSize pictureSize(picture.Width(), picture.Height());
    if (const ResizeStep *resize = std::get_if<ResizeStep>(&*step)) {
        const QSize target = resize->TargetSize(pictureSize);
        if (target.width() < 1 || target.height() < 1)
            __builtin_trap();
        // Large results are left out: they test the allocator, not the steps.
        if (static_cast<std::int64_t>(target.width()) * target.height() > 65536)
            return 0;
    }
    if (const CropStep *crop = std::get_if<CropStep>(&*step)) {
        const QRect area = crop->Area(pictureSize);
        if (!area.isEmpty() && !QRect(QPoint(0, 0), pictureSize).contains(area))
            __builtin_trap();
    }
    error.clear();
    if (!ApplySteps(picture, std::span(&*step, 1), &error) && error.isEmpty())
        __builtin_trap();
    return 0;
}
