#include "controls/state_strip.h"

#include "controls/bitmap_helpers.h"

#include <cstdlib>

namespace lumaskin {

namespace {

// One state's width and height in the strip's own pixels.
QSize StatePixels(const QImage &strip)
{
    if (strip.isNull())
        return QSize(0, 0);
    return QSize(strip.width() / kStateCount, strip.height());
}

} // namespace

QSize StateSize(const QImage &strip)
{
    const QSize pixels = StatePixels(strip);
    const qreal scale = strip.isNull() ? 1.0 : strip.devicePixelRatio();
    return QSize(static_cast<int>(pixels.width() / scale),
                 static_cast<int>(pixels.height() / scale));
}

std::array<QImage, kStateCount> CutStateStrip(const QImage &strip, QSize faceSize,
                                              std::uint32_t keyColor)
{
    std::array<QImage, kStateCount> faces;
    const QSize state = StatePixels(strip);
    if (state.isEmpty() || faceSize.isEmpty())
        return faces;
    const qreal scale = strip.devicePixelRatio();
    QSize facePixels(qRound(faceSize.width() * scale), qRound(faceSize.height() * scale));
    // A face less than a logical pixel off its place's size (a skin drawn smaller, whose
    // odd sizes round) keeps its own pixels rather than being stretched by one.
    if (std::abs(facePixels.width() - state.width()) < scale)
        facePixels.setWidth(state.width());
    if (std::abs(facePixels.height() - state.height()) < scale)
        facePixels.setHeight(state.height());
    for (int i = 0; i < kStateCount; ++i) {
        const QImage cut = strip.copy(i * state.width(), 0, state.width(), state.height());
        const QImage stretched =
            cut.size() == facePixels
                ? cut
                : cut.scaled(facePixels, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        faces[i] = WithKeyTransparent(stretched, keyColor);
        faces[i].setDevicePixelRatio(scale);
    }
    return faces;
}

} // namespace lumaskin
