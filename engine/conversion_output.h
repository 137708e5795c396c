#pragma once

#include "engine/steps/step.h"

#include <QString>
#include <optional>
#include <vector>

namespace lumaskin {

// One more file written from each picture of a conversion, from the same reading: its format,
// steps of its own after the conversion's (a resize), its quality, and a suffix added to the
// name so that its files stand apart from the others'. Written as text:
//   FORMAT[:GEOMETRY][:quality=N][:suffix=TEXT]
// such as "webp:512:quality=80:suffix=-small", where GEOMETRY is a resize's ("2048x2048>") and
// the suffix, when given, comes last and takes the rest of the text.
struct ConversionOutput
{
    QString format;
    std::vector<Step> steps;    // after the conversion's own
    std::optional<int> quality; // 1 to 100; the conversion's when not given
    QString suffix;             // after the name, before the extension

    QString Text() const;
    // The output `Text` writes; nothing, with a plain reason naming the value, for a format not
    // written, a malformed geometry or quality, a suffix holding '/', or an unknown part.
    static std::optional<ConversionOutput> Parse(const QString &text, QString *error);
};

} // namespace lumaskin
