#pragma once

#include "engine/effects/effect_table.h"
#include "engine/image.h"

#include <vector>

namespace lumaskin {

// One effect with its arguments: what an effect window's "Change" applies to the shown picture,
// what the conversion applies to every file, what the command line's --effect asks for.
struct EffectStep
{
    const EffectDescriptor *effect = nullptr;
    std::vector<double> arguments;

    // Applies the effect with its arguments clamped; a step without an effect does nothing.
    void Apply(Image &image) const
    {
        if (effect)
            effect->Apply(image, arguments);
    }
};

} // namespace lumaskin
