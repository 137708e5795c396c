#pragma once

#include <QString>

namespace lumaskin {

// What the skin switcher needs of the window whose skin it changes.
class SkinSwitchHost
{
public:
    virtual ~SkinSwitchHost() = default;

    // Whether the skin may change now; a window busy with its controls says no (and why).
    virtual bool CanChangeSkin() = 0;
    // Loads the skin described by `skinFile`, extracted into its working folder.
    virtual void LoadSkinFile(const QString &skinFile) = 0;
    // Whether a skin is worn now (not yet at start-up).
    virtual bool WearsSkin() const = 0;
    // Around a change of skin: before the old skin's controls go (the window is put away
    // until the new skin is loaded), and once the new skin is loaded.
    virtual void BeginSkinChange() = 0;
    virtual void EndSkinChange() = 0;
    // The package to install, chosen by the user; empty when the user cancels.
    virtual QString ChooseSkinPackage() = 0;
    // Tells the user why a package cannot be used or installed.
    virtual void ShowSkinProblem(const QString &reason) = 0;
    // Asked when a package's archive has no central directory (a truncated file, say):
    // whether to try opening it again.
    virtual bool RetryOpeningPackage() = 0;
    // Asked before an installed package named `fileName` is replaced by another.
    virtual bool ReplaceInstalledPackage(const QString &fileName) = 0;
};

} // namespace lumaskin
