#pragma once

#include "skin/entry_fields.h"
#include "skin/skin_entries.h"

#include <QString>

class QWidget;

namespace lumaskin {

// The pop-up window that slides in from the task bar at every skin load, as the skinned
// dialog drives it. The dialog owns it and calls it in a fixed order while loading a skin.
class TaskBarPopup
{
public:
    virtual ~TaskBarPopup() = default;

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
    // Removes its skinned button before the next skin creates one.
    virtual void DestroyButton() = 0;
    // Creates its button from a "TASKBARBUTTON" entry with bitmaps in `folder`; the last
    // entry of a section becomes the button that DestroyButton removes.
    virtual void CreateButton(const ButtonEntry &entry, int index, const QString &folder,
                              ColourValue keyColor) = 0;
};

} // namespace lumaskin
