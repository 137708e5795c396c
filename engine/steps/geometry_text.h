#pragma once

#include <QString>

namespace lumaskin {

// A number with a fraction in a geometry ("12.5" in "12.5%", "2.39" in "2.39:1"): digits, and at
// most six decimals, so that every value written reads back the same.
inline constexpr const char *kDecimalPattern = R"(\d+(?:\.\d{1,6})?)";

// The number as a geometry writes it: "50", "12.5", "0.000001"; never in exponent form.
inline QString DecimalText(double value)
{
    QString text = QString::number(value, 'f', 6);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

} // namespace lumaskin
