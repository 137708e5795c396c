#pragma once

#include "engine/image.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace lumaskin {

// A cut to part of the picture, given as a geometry:
//   WxH+X+Y  W x H pixels from (X, Y); the offsets may be negative ("-X"), and the part of the
//            rectangle beyond the picture is left out
//   WxH      W x H pixels from the centre
//   A:B      the largest centred part whose sides are in the ratio A:B ("16:9")
// A rectangle wholly outside the picture is refused.
struct CropStep
{
    static constexpr const char *kKind = "crop";

    enum class Kind
    {
        Box,     // WxH+X+Y
        Centred, // WxH
        Aspect,  // A:B
    };

    Kind kind = Kind::Centred;
    int width = 0; // Box and Centred
    int height = 0;
    int x = 0; // Box
    int y = 0;
    double aspectWidth = 0; // Aspect
    double aspectHeight = 0;

    // The part of a picture of `size` that is kept; empty when none of it is.
    QRect Area(QSize size) const;
    // Cuts the picture to its area. False, with a plain reason naming the geometry, when the
    // rectangle lies wholly outside the picture or memory runs out.
    bool Apply(Image &image, QString *error) const;

    QString Text() const;
    // The step `Text` writes; nothing, with a plain reason naming the text, for a malformed
    // geometry or a side or offset of 0 or beyond what a picture may measure.
    static std::optional<CropStep> Parse(const QString &text, QString *error);
};

} // namespace lumaskin
