#pragma once

#include <QImage>

class QWidget;

namespace lumaskin {

// What a skinned control needs from the window that hosts it. The skinned dialog implements
// it; the controls never see the dialog itself. Every notification carries the control's
// 0-based position in its own skin section.
class SkinHost
{
public:
    virtual ~SkinHost() = default;

    virtual void OnButtonClicked(int index) = 0;
    virtual void OnOptionClicked(int index) = 0;
    virtual void OnCheckClicked(int index) = 0;
    virtual void OnSliderMoved(int index, int position) = 0;
    virtual void OnListClicked() = 0;

    // The host's off-screen copy of its skin background, in the client coordinates of
    // HostWidget(). Null while the host has no background. Slider, progress bar and label
    // copy the area under themselves from it once.
    virtual QImage BackgroundContext() const = 0;
    virtual QWidget *HostWidget() = 0;
};

// The area of the host's background under `control`, or a null image when there is no host
// or no background. Parts outside the background come out black.
QImage CopyBackgroundUnder(SkinHost *host, const QWidget &control);

} // namespace lumaskin
