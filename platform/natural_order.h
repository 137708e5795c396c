#pragma once

#include <QString>

namespace lumaskin {

// Orders names as a person (and a file manager) does: letter case aside, and runs of digits
// by their value, so "Skin 2" comes before "Skin 10". Names equal that way fall back to a
// plain comparison, so the order is total.
bool NaturalLess(const QString &a, const QString &b);

} // namespace lumaskin
