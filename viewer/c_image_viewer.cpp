#include "viewer/c_image_viewer.h"

#include "viewercontrol/viewer_control.h"

#include <utility>

namespace lumaskin {

namespace {

// An automation "short": the low 16 bits of the program's value.
QVariant toShort(int value)
{
    return QVariant::fromValue<short>(static_cast<std::int16_t>(value));
}

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
    m_invoker = [guard = QPointer<ViewerControl>(control)](int id, const QVariantList &arguments) {
        return guard ? guard->invoke(id, arguments) : QVariant();
    };
}

ViewerControl *CImageViewer::control() const
{
    return m_control;
}

QVariant CImageViewer::call(ViewerDispatchId id, const QVariantList &arguments)
{
    if (!m_invoker)
        return {};
    return m_invoker(static_cast<int>(id), arguments);
}

void CImageViewer::SetFileName(const QString &path)
{
    call(ViewerDispatchId::FileName, {path});
}

void CImageViewer::SetViewMode(int mode)
{
    call(ViewerDispatchId::ViewMode, {toShort(mode)});
}

void CImageViewer::SetDisplayOption(bool value)
{
    call(ViewerDispatchId::DisplayOption, {QVariant(value)});
}

void CImageViewer::SetLoadOption(std::int32_t value)
{
    call(ViewerDispatchId::LoadOption, {toLong(value)});
}

short CImageViewer::SaveAs(const QString &path, const QString &format)
{
    return static_cast<short>(call(ViewerDispatchId::SaveAs, {path, format}).toInt());
}

short CImageViewer::SaveAsIcon(const QString &path, const QString &format, int width, int height)
{
    return static_cast<short>(
        call(ViewerDispatchId::SaveAsIcon, {path, format, toShort(width), toShort(height)})
            .toInt());
}

void CImageViewer::InvertColor()
{
    call(ViewerDispatchId::InvertColor);
}

void CImageViewer::AdjustRGB(int red, int green, int blue)
{
    call(ViewerDispatchId::AdjustRGB, {toShort(red), toShort(green), toShort(blue)});
}

void CImageViewer::Contrast(int value)
{
    call(ViewerDispatchId::Contrast, {toShort(value)});
}

void CImageViewer::Saturation(int value)
{
    call(ViewerDispatchId::Saturation, {toShort(value)});
}

void CImageViewer::Hue(int red, int green, int blue)
{
    call(ViewerDispatchId::Hue, {toShort(red), toShort(green), toShort(blue)});
}

void CImageViewer::Gamma(double value)
{
    call(ViewerDispatchId::Gamma, {QVariant(value)});
}

void CImageViewer::Lightness(int red, int green, int blue)
{
    call(ViewerDispatchId::Lightness, {toShort(red), toShort(green), toShort(blue)});
}

void CImageViewer::Desaturate()
{
    call(ViewerDispatchId::Desaturate);
}

void CImageViewer::Sharpen()
{
    call(ViewerDispatchId::Sharpen);
}

void CImageViewer::AntiNoise(int level)
{
    call(ViewerDispatchId::AntiNoise, {toShort(level)});
}

void CImageViewer::Diffuse(int value)
{
    call(ViewerDispatchId::Diffuse, {toShort(value)});
}

void CImageViewer::Emboss(int depth, int direction)
{
    call(ViewerDispatchId::Emboss, {toShort(depth), toShort(direction)});
}

void CImageViewer::Mosaic(int mode, int size)
{
    call(ViewerDispatchId::Mosaic, {toShort(mode), toShort(size)});
}

void CImageViewer::Monochrome(int threshold, std::int32_t lightColour, std::int32_t darkColour)
{
    call(ViewerDispatchId::Monochrome,
         {toShort(threshold), toLong(lightColour), toLong(darkColour)});
}

void CImageViewer::FocalBW(int radius1, int radius2, int x, int y)
{
    call(ViewerDispatchId::FocalBW, {toShort(radius1), toShort(radius2), toShort(x), toShort(y)});
}

void CImageViewer::SharpenEdge(int value)
{
    call(ViewerDispatchId::SharpenEdge, {toShort(value)});
}

void CImageViewer::Twirl(int angle)
{
    call(ViewerDispatchId::Twirl, {toShort(angle)});
}

void CImageViewer::Noise(int amount, int kind)
{
    call(ViewerDispatchId::Noise, {toShort(amount), toShort(kind)});
}

void CImageViewer::ZoomIn()
{
    call(ViewerDispatchId::ZoomIn);
}

void CImageViewer::ZoomOut()
{
    call(ViewerDispatchId::ZoomOut);
}

void CImageViewer::RestoreImage(bool keepView)
{
    call(ViewerDispatchId::RestoreImage, {QVariant(keepView)});
}

void CImageViewer::Median(int value)
{
    call(ViewerDispatchId::Median, {toShort(value)});
}

void CImageViewer::Blur()
{
    call(ViewerDispatchId::Blur);
}

} // namespace lumaskin
