#pragma once

#include "engine/dispatch_id.h"

#include <QPointer>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <functional>

class QWidget;

namespace lumaskin {

class ViewerControl;
struct EffectStep;

// The program's handle on the image viewer: one operation per dispatch identifier, each
// turning the program's 32-bit values into the automation types ("short" arguments take the
// low 16 bits, "long" ones 32 bits) and calling the viewer's `Invoke`; and `ApplyEffect`, which
// hands an effect with its values to the viewer as they are. Calls made while no viewer is
// attached, or after its widget is gone, do nothing and return 0.
class CImageViewer
{
public:
    // Receives every call; the default one forwards to the attached `ViewerControl`.
    using Invoker = std::function<QVariant(DispatchId dispatchId, const QVariantList &arguments)>;

    CImageViewer() = default;
    explicit CImageViewer(ViewerControl *control);
    // Sends every call to `invoker` instead of a widget; tests record the calls this way.
    explicit CImageViewer(Invoker invoker);
    CImageViewer(const CImageViewer &) = delete;
    CImageViewer &operator=(const CImageViewer &) = delete;

    // Creates the viewer widget as a child of `parent` (which owns it) and attaches it.
    ViewerControl *Create(QWidget *parent);
    // Forwards later calls to `control`; null detaches.
    void Attach(ViewerControl *control);
    // The viewer widget, for placement and focus; null when none is attached.
    ViewerControl *Control() const;

    void SetFileName(const QString &path);
    void SetViewMode(int mode);
    void SetDisplayOption(bool value);
    void SetLoadOption(std::int32_t value);
    // Save results: nonzero on success. The program does not examine them.
    short SaveAs(const QString &path, const QString &format);
    short SaveAsIcon(const QString &path, const QString &format, int width, int height);
    void InvertColor();
    void AdjustRGB(int red, int green, int blue);
    void Contrast(int value);
    void Saturation(int value);
    void Hue(int red, int green, int blue);
    void Gamma(double value);
    void Lightness(int red, int green, int blue);
    void Desaturate();
    void Sharpen();
    void AntiNoise(int level);
    void Diffuse(int value);
    void Emboss(int depth, int direction);
    void Mosaic(int mode, int size);
    void Monochrome(int threshold, std::int32_t lightColour, std::int32_t darkColour);
    void FocalBW(int radius1, int radius2, int x, int y);
    void SharpenEdge(int value);
    void Twirl(int angle);
    void Noise(int amount, int kind);
    void ZoomIn();
    void ZoomOut();
    void RestoreImage(bool keepView);
    void Median(int value);
    void Blur();

    // Applies the effect to the shown picture (to the one being read, once it arrives). Only a
    // viewer widget takes it: an `Invoker` sees no call.
    void ApplyEffect(const EffectStep &step);

private:
    QVariant Call(DispatchId id, const QVariantList &arguments = {});

    QPointer<ViewerControl> m_control;
    Invoker m_invoker;
};

} // namespace lumaskin
