#pragma once

#include "engine/image.h"

#include <QString>
#include <optional>

namespace lumaskin {

// A mirror image: left to right ("h") or top to bottom ("v").
struct FlipStep
{
    static constexpr const char *kKind = "flip";

    bool vertical = false;

    // Flips the picture. False, with a plain reason, when memory runs out.
    bool Apply(Image &image, QString *error) const;

    QString Text() const;
    // "h" or "v"; nothing, with a plain reason naming the text, for anything else.
    static std::optional<FlipStep> Parse(const QString &text, QString *error);
};

} // namespace lumaskin
