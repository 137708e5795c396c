#pragma once

#include "controls/task_bar_host.h"

#include <QString>

class QWidget;

namespace lumaskin {

class SkinButton;

// The pop-up window that slides in from the task bar at every skin load, as the skinned
// dialog drives it. The dialog owns it and calls it in a fixed order while loading a skin.
// Its skinned buttons report to it as their task-bar host.
class TaskBarPopup : public TaskBarHost
{
public:
    // Whether its window exists; the first skin load creates it as a child of `parent`.
    virtual bool IsCreated() const = 0;
    virtual void Create(QWidget *parent) = 0;

    // Hides the window at once, stopping any slide in progress.
    virtual void HideNow() = 0;
    // Its own background, with the colour given by red, green and blue cut out.
    virtual void SetSkinBitmap(const QString &path, int red, int green, int blue) = 0;
    // Slides in over `showMs`, stays `stayMs`, slides out over `hideMs`; `unused` is kept
    // for the callers that pass it.
    virtual void StartPopUp(int showMs, int stayMs, int hideMs, int unused) = 0;
    // Removes the skinned buttons the last skin added, before the next skin adds its own.
    virtual void DestroyButton() = 0;
    // The window its buttons are made in.
    virtual QWidget *ButtonParent() = 0;
    // Takes a button made as a child of ButtonParent() from a "TASKBARBUTTON" entry, to be
    // removed by DestroyButton with the others of its skin.
    virtual void AddButton(SkinButton *button) = 0;
};

} // namespace lumaskin
