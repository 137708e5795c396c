#include "controls/state_strip.h"

#include "controls/bitmap_helpers.h"

namespace lumaskin {

QSize StateSize(const QImage &strip)
{
    if (strip.isNull())
        return QSize(0, 0);
    return QSize(strip.width() / kStateCount, strip.height());
}

std::array<QImage, kStateCount> CutStateStrip(const QImage &strip, QSize faceSize,
                                              std::uint32_t keyColor)
{
    std::array<QImage, kStateCount> faces;
    const QSize state = StateSize(strip);
    if (state.isEmpty() || faceSize.isEmpty())
        return faces;
    for (int i = 0; i < kStateCount; ++i) {
        const QImage cut = strip.copy(i * state.width(), 0, state.width(), state.height());
        const QImage stretched =
            cut.size() == faceSize
                ? cut
                : cut.scaled(faceSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        faces[i] = WithKeyTransparent(stretched, keyColor);
    }
    return faces;
}

} // namespace lumaskin
