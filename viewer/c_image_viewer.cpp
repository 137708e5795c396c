#include "viewer/c_image_viewer.h"

#include "viewer/automation_arguments.h"
#include "viewer/viewer_control.h"

#include <utility>

namespace lumaskin {

namespace {

QVariant ToLong(std::int32_t value)
{
    return QVariant::fromValue<std::int32_t>(value);
}

} // namespace

CImageViewer::CImageViewer(ViewerControl *control)
{
    Attach(control);
}

CImageViewer::CImageViewer(Invoker invoker) : m_invoker(std::move(invoker)) {}

ViewerControl *CImageViewer::Create(QWidget *parent)
{
    auto *control = new ViewerControl(parent); // owned by `parent`
    Attach(control);
    return control;
}

void CImageViewer::Attach(ViewerControl *control)
{
    m_control = control;
    m_invoker = {};
    if (!control)
        return;
    // Through the guard, so that a call after the widget is destroyed does nothing.
    m_invoker = [guard = QPointer<ViewerControl>(control)](DispatchId id,
                                                           const QVariantList &arguments) {
        return guard ? guard->Invoke(id, arguments) : QVariant();
    };
}

ViewerControl *CImageViewer::Control() const
{
    return m_control;
}

QVariant CImageViewer::Call(DispatchId id, const QVariantList &arguments)
{
    if (!m_invoker)
        return {};
    return m_invoker(id, arguments);
}

void CImageViewer::SetFileName(const QString &path)
{
    Call(DispatchId::FileName, {path});
}

void CImageViewer::SetViewMode(int mode)
{
    Call(DispatchId::ViewMode, {ShortArgument(mode)});
}

void CImageViewer::SetDisplayOption(bool value)
{
    Call(DispatchId::DisplayOption, {QVariant(value)});
}

void CImageViewer::SetLoadOption(std::int32_t value)
{
    Call(DispatchId::LoadOption, {ToLong(value)});
}

short CImageViewer::SaveAs(const QString &path, const QString &format)
{
    return static_cast<short>(Call(DispatchId::SaveAs, {path, format}).toInt());
}

short CImageViewer::SaveAsIcon(const QString &path, const QString &format, int width, int height)
{
    return static_cast<short>(
        Call(DispatchId::SaveAsIcon, {path, format, ShortArgument(width), ShortArgument(height)})
            .toInt());
}

void CImageViewer::InvertColor()
{
    Call(DispatchId::InvertColor);
}

void CImageViewer::AdjustRGB(int red, int green, int blue)
{
    Call(DispatchId::AdjustRGB, {ShortArgument(red), ShortArgument(green), ShortArgument(blue)});
}

void CImageViewer::Contrast(int value)
{
    Call(DispatchId::Contrast, {ShortArgument(value)});
}

void CImageViewer::Saturation(int value)
{
    Call(DispatchId::Saturation, {ShortArgument(value)});
}

void CImageViewer::Hue(int red, int green, int blue)
{
    Call(DispatchId::Hue, {ShortArgument(red), ShortArgument(green), ShortArgument(blue)});
}

void CImageViewer::Gamma(double value)
{
    Call(DispatchId::Gamma, {QVariant(value)});
}

void CImageViewer::Lightness(int red, int green, int blue)
{
    Call(DispatchId::Lightness, {ShortArgument(red), ShortArgument(green), ShortArgument(blue)});
}

void CImageViewer::Desaturate()
{
    Call(DispatchId::Desaturate);
}

void CImageViewer::Sharpen()
{
    Call(DispatchId::Sharpen);
}

void CImageViewer::AntiNoise(int level)
{
    Call(DispatchId::AntiNoise, {ShortArgument(level)});
}

void CImageViewer::Diffuse(int value)
{
    Call(DispatchId::Diffuse, {ShortArgument(value)});
}

void CImageViewer::Emboss(int depth, int direction)
{
    Call(DispatchId::Emboss, {ShortArgument(depth), ShortArgument(direction)});
}

void CImageViewer::Mosaic(int mode, int size)
{
    Call(DispatchId::Mosaic, {ShortArgument(mode), ShortArgument(size)});
}

void CImageViewer::Monochrome(int threshold, std::int32_t lightColour, std::int32_t darkColour)
{
    Call(DispatchId::Monochrome,
         {ShortArgument(threshold), ToLong(lightColour), ToLong(darkColour)});
}

void CImageViewer::FocalBW(int radius1, int radius2, int x, int y)
{
    Call(DispatchId::FocalBW,
         {ShortArgument(radius1), ShortArgument(radius2), ShortArgument(x), ShortArgument(y)});
}

void CImageViewer::SharpenEdge(int value)
{
    Call(DispatchId::SharpenEdge, {ShortArgument(value)});
}

void CImageViewer::Twirl(int angle)
{
    Call(DispatchId::Twirl, {ShortArgument(angle)});
}

void CImageViewer::Noise(int amount, int kind)
{
    Call(DispatchId::Noise, {ShortArgument(amount), ShortArgument(kind)});
}

void CImageViewer::ZoomIn()
{
    Call(DispatchId::ZoomIn);
}

void CImageViewer::ZoomOut()
{
    Call(DispatchId::ZoomOut);
}

void CImageViewer::RestoreImage(bool keepView)
{
    Call(DispatchId::RestoreImage, {QVariant(keepView)});
}

void CImageViewer::Median(int value)
{
    Call(DispatchId::Median, {ShortArgument(value)});
}

void CImageViewer::Blur()
{
    Call(DispatchId::Blur);
}

void CImageViewer::ApplyEffect(const EffectStep &step)
{
    if (m_control)
        m_control->ApplyEffect(step);
}

} // namespace lumaskin
