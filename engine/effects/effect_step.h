#pragma once

#include "engine/effects/effect_table.h"
#include "engine/image.h"

#include <QString>
#include <optional>
#include <vector>

namespace lumaskin {

// One effect with its arguments: what an effect window's "Change" applies to the shown picture,
// what the conversion applies to every file, what the command line's --effect asks for.
struct EffectStep
{
    // The kind of step, as the command line's option names it.
    static constexpr const char *kKind = "effect";

    const EffectDescriptor *effect = nullptr;
    std::vector<double> arguments;

    // Applies the effect with its arguments clamped; a step without an effect does nothing.
    void Apply(Image &image) const
    {
        if (effect)
            effect->Apply(image, arguments);
    }
    // The same, as the other kinds of step apply: an effect always can.
    bool Apply(Image &image, QString *) const
    {
        Apply(image);
        return true;
    }

    // "NAME[=A,B,...]", as --effect takes it: the effect's command name and its arguments.
    QString Text() const;
    // The step `Text` writes: the effect by its command or operation name (any case) and its
    // arguments, comma-separated in the effect's order (colours also as 0x hex); missing
    // trailing arguments take their defaults. Nothing, with a plain reason, for an unknown
    // effect, too many arguments or one that is not a number.
    static std::optional<EffectStep> Parse(const QString &text, QString *error);
};

// A value of `argument` as it is written for users: whole numbers in full ("4194304", not
// "4.1943e+06"), colours as six hex digits ("0xFFFFFF"), others as they are.
QString ArgumentText(const EffectArgument &argument, double value);

} // namespace lumaskin
