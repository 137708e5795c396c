// The steps that move pixels without changing them: turns and mirror images, done as the
// reader turns photos upright by their EXIF orientation.

#include "engine/codecs/codec.h"
#include "engine/codecs/exif_orientation.h"
#include "engine/steps/flip_step.h"
#include "engine/steps/rotate_step.h"

namespace lumaskin {

namespace {

// EXIF orientations: 2 mirrors left to right, 3 turns half round, 4 mirrors top to bottom,
// 6 turns a quarter clockwise, 8 a quarter anticlockwise.
bool Orient(Image &image, int orientation, QString *error)
{
    if (image.IsNull())
        return true;
    Image turned = ApplyOrientation(std::move(image), orientation);
    if (turned.IsNull()) {
        if (error)
            *error = reason::OutOfMemory();
        return false;
    }
    image = std::move(turned);
    return true;
}

} // namespace

bool RotateStep::Apply(Image &image, QString *error) const
{
    return Orient(image, degrees == 90 ? 6 : degrees == 180 ? 3 : 8, error);
}

QString RotateStep::Text() const
{
    return QString::number(degrees);
}

std::optional<RotateStep> RotateStep::Parse(const QString &text, QString *error)
{
    const QString t = text.trimmed();
    for (const int degrees : {90, 180, 270})
        if (t == QString::number(degrees))
            return RotateStep{degrees};
    if (error)
        *error = QStringLiteral("\"%1\" is not a turn: give 90, 180 or 270 (degrees clockwise)")
                     .arg(text);
    return std::nullopt;
}

bool FlipStep::Apply(Image &image, QString *error) const
{
    return Orient(image, vertical ? 4 : 2, error);
}

QString FlipStep::Text() const
{
    return vertical ? QStringLiteral("v") : QStringLiteral("h");
}

std::optional<FlipStep> FlipStep::Parse(const QString &text, QString *error)
{
    const QString t = text.trimmed();
    if (t == u"h" || t == u"v")
        return FlipStep{t == u"v"};
    if (error)
        *error = QStringLiteral("\"%1\" is not a flip: give h (left to right) or v (top to bottom)")
                     .arg(text);
    return std::nullopt;
}

} // namespace lumaskin
