#pragma once

#include "engine/image.h"

#include <QString>
#include <optional>

namespace lumaskin {

// A quarter, half or three-quarter turn clockwise: 90, 180 or 270 degrees.
struct RotateStep
{
    static constexpr const char *kKind = "rotate";

    int degrees = 90;

    // Turns the picture. False, with a plain reason, when memory runs out.
    bool Apply(Image &image, QString *error) const;

    QString Text() const;
    // "90", "180" or "270"; nothing, with a plain reason naming the text, for anything else.
    static std::optional<RotateStep> Parse(const QString &text, QString *error);
};

} // namespace lumaskin
