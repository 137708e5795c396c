#include "viewer/c_image_viewer.h"

#include "viewercontrol/viewer_control.h"

#include <utility>

namespace lumaskin {

namespace {

QVariant toLong(std::int32_t value)
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

ViewerControl *CImageViewer::control() const
{
    return m_control;
}

QVariant CImageViewer::call(DispatchId id, const QVariantList &arguments)
{
    if (!m_invoker)
        return {};
    return m_invoker(id, arguments);
}

void CImageViewer::SetFileName(const QString &path)
{
    call(DispatchId::FileName, {path});
}

void CImageViewer::SetViewMode(int mode)
{
    call(DispatchId::ViewMode, {ShortArgument(mode)});
}

void CImageViewer::SetDisplayOption(bool value)
{
    call(DispatchId::DisplayOption, {QVariant(value)});
}

void CImageViewer::SetLoadOption(std::int32_t value)
{
    call(DispatchId::LoadOption, {toLong(value)});
}

short CImageViewer::SaveAs(const QString &path, const QString &format)
{
    return static_cast<short>(call(DispatchId::SaveAs, {path, format}).toInt());
}

short CImageViewer::SaveAsIcon(const QString &path, const QString &format, int width, int height)
{
    return static_cast<short>(
        call(DispatchId::SaveAsIcon, {path, format, ShortArgument(width), ShortArgument(height)})
            .toInt());
}

void CImageViewer::InvertColor()
{
    call(DispatchId::InvertColor);
}

void CImageViewer::AdjustRGB(int red, int green, int blue)
{
    call(DispatchId::AdjustRGB, {ShortArgument(red), ShortArgument(green), ShortArgument(blue)});
}

void CImageViewer::Contrast(int value)
{
    call(DispatchId::Contrast, {ShortArgument(value)});
}

void CImageViewer::Saturation(int value)
{
    call(DispatchId::Saturation, {ShortArgument(value)});
}

void CImageViewer::Hue(int red, int green, int blue)
{
    call(DispatchId::Hue, {ShortArgument(red), ShortArgument(green), ShortArgument(blue)});
}

void CImageViewer::Gamma(double value)
{
    call(DispatchId::Gamma, {QVariant(value)});
}

void CImageViewer::Lightness(int red, int green, int blue)
{
    call(DispatchId::Lightness, {ShortArgument(red), ShortArgument(green), ShortArgument(blue)});
}

void CImageViewer::Desaturate()
{
    call(DispatchId::Desaturate);
}

void CImageViewer::Sharpen()
{
    call(DispatchId::Sharpen);
}

void CImageViewer::AntiNoise(int level)
{
    call(DispatchId::AntiNoise, {ShortArgument(level)});
}

void CImageViewer::Diffuse(int value)
{
    call(DispatchId::Diffuse, {ShortArgument(value)});
}

void CImageViewer::Emboss(int depth, int direction)
{
    call(DispatchId::Emboss, {ShortArgument(depth), ShortArgument(direction)});
}

void CImageViewer::Mosaic(int mode, int size)
{
    call(DispatchId::Mosaic, {ShortArgument(mode), ShortArgument(size)});
}

void CImageViewer::Monochrome(int threshold, std::int32_t lightColour, std::int32_t darkColour)
{
    call(DispatchId::Monochrome,
         {ShortArgument(threshold), toLong(lightColour), toLong(darkColour)});
}

void CImageViewer::FocalBW(int radius1, int radius2, int x, int y)
{
    call(DispatchId::FocalBW,
         {ShortArgument(radius1), ShortArgument(radius2), ShortArgument(x), ShortArgument(y)});
}

void CImageViewer::SharpenEdge(int value)
{
    call(DispatchId::SharpenEdge, {ShortArgument(value)});
}

void CImageViewer::Twirl(int angle)
{
    call(DispatchId::Twirl, {ShortArgument(angle)});
}

void CImageViewer::Noise(int amount, int kind)
{
    call(DispatchId::Noise, {ShortArgument(amount), ShortArgument(kind)});
}

void CImageViewer::ZoomIn()
{
    call(DispatchId::ZoomIn);
}

void CImageViewer::ZoomOut()
{
    call(DispatchId::ZoomOut);
}

void CImageViewer::RestoreImage(bool keepView)
{
    call(DispatchId::RestoreImage, {QVariant(keepView)});
}

void CImageViewer::Median(int value)
{
    call(DispatchId::Median, {ShortArgument(value)});
}

void CImageViewer::Blur()
{
    call(DispatchId::Blur);
}

} // namespace lumaskin
