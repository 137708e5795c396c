#pragma once

#include "controls/c_label.h"
#include "controls/skin_button.h"
#include "controls/skin_check_box.h"
#include "controls/skin_combo_box.h"
#include "controls/skin_edit.h"
#include "controls/skin_host.h"
#include "controls/skin_list_box.h"
#include "controls/skin_option_button.h"
#include "controls/skin_slider.h"
#include "notifier/task_bar_popup.h"
#include "skin/control_layer.h"
#include "skin/entry_fields.h"
#include "skin/keyboard_focus.h"
#include "skin/rect.h"
#include "skin/skin_locator.h"
#include "skin/skin_sections.h"
#include "skin/skin_switch_host.h"
#include "skin/skin_switcher.h"
#include "skin/skin_window.h"

#include <QMenu>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumaskin {

// The base of every skinned window. Three parts make it: the window itself (SkinWindow:
// background, shape, icon, dragging, keys), the layer of controls (ControlLayer: every control
// of the skin, built from the registry of control kinds and dropped whole at the next load),
// and the switcher (SkinSwitcher: packages, the skin menu, installs). Controls report by their
// index in their skin section; the dialog turns the index into the control's name and calls a
// name-routed operation that a derived dialog overrides.
class SkinDialog : public SkinWindow, public SkinHost, private SkinSwitchHost
{
    Q_OBJECT

public:
    explicit SkinDialog(QWidget *parent = nullptr);

    // The pop-up that slides in at each skin load. Without one, those steps do nothing.
    void SetTaskBarPopup(std::unique_ptr<TaskBarPopup> popup);
    TaskBarPopup *TaskBar() const { return m_taskBarWindow.get(); }

    // Where skin packages are read from, and where installed ones are copied to.
    void SetSkinLocator(const SkinLocator &locator) { m_switcher.SetSkinLocator(locator); }
    // Reads skin packages from `folder` alone, and installs none.
    void SetPackageFolder(const QString &folder) { m_switcher.SetPackageFolder(folder); }

    // Extracts the package into a private working folder, loads the skin from it and removes
    // the folder again. A package that fails leaves the window without a skin, as LoadSkin
    // does with a missing file. True when the package was extracted whole.
    bool LoadSkinPackage(const QString &packagePath)
    {
        return m_switcher.LoadSkinPackage(packagePath);
    }
    // Whether the last package loaded failed.
    bool SkinPackageFailed() const { return m_switcher.SkinPackageFailed(); }
    // The package a change of skin failed to load, the skin before it still worn; empty
    // after a change that worked.
    const QString &FailedPackage() const { return m_switcher.FailedPackage(); }
    // Loads the first package found of: `preferred` (a package's file name), the start-up
    // package, the eight skins in menu order, the user's own packages. False, with nothing
    // loaded, when no folder holds any of them.
    bool LoadFirstPackageFound(const QString &preferred)
    {
        return m_switcher.LoadFirstPackageFound(preferred);
    }

    // Changes to the skin of command `id` (32771..32778) while the window is hidden.
    void OnChangeSkin(int id) { m_switcher.OnChangeSkin(id); }
    // Changes to `fileName`, one of the packages in the user's own folder.
    void ChangeToUserPackage(const QString &fileName) { m_switcher.ChangeToUserPackage(fileName); }
    // Checks that the package at `path` opens as a skin, copies it into the user's skin
    // folder and changes to it. Says why when it cannot; false then.
    bool InstallSkinPackage(const QString &path) { return m_switcher.InstallSkinPackage(path); }
    // The file name of the package the window wears, as the menu names it.
    QString CurrentPackage() const { return m_switcher.CurrentPackage(); }
    // The last skin chosen, 0 for the first command.
    int SkinIndex() const { return m_switcher.SkinIndex(); }
    void SetSkinIndex(int index) { m_switcher.SetSkinIndex(index); }
    // The "&Change Skin" menu (SkinSwitcher::CreateSkinMenu), and last a checked entry that
    // turns the note at each skin load on and off.
    std::unique_ptr<QMenu> CreateSkinMenu();
    // Opens that menu at `globalPos`, or without one under the focused control, and returns
    // once it has closed.
    void PopUpSkinMenu(QPoint globalPos);
    void PopUpSkinMenu();
    // Entries of the program's own in that menu, before the note entry, so that a skin without
    // their buttons still reaches them.
    virtual void AddMenuEntries(QMenu &) {}
    // Whether a note comes up at each skin load (it does until turned off).
    bool NotesShown() const { return m_notesShown; }
    void SetNotesShown(bool shown);

    void SetSkinFile(const QString &path) { m_skinFile = path; }
    const QString &SkinFile() const { return m_skinFile; }
    // The skin's working folder with a trailing '/', set by whoever extracts the skin.
    void SetSkinFolder(const QString &folder) { m_skinFolder = folder; }
    const QString &SkinFolder() const { return m_skinFolder; }

    // Reads the skin file and rebuilds background, shape and every control, then runs
    // OnSkinLoaded.
    virtual void LoadSkin();
    // Drops the background, its copy and the layer with every control (the icon stays until
    // the next load). The layer is hidden at once and deleted once control returns to the
    // event loop, so that a control whose handler changed the skin returns safely.
    virtual void FreeSkin();

    // Name look-ups: the first control in skin order with exactly that name.
    SkinButton *FindButton(const std::string &name) const;
    void EnableButton(const std::string &name, bool enable);
    int GetButtonState(const std::string &name) const;
    void SetButtonChecked(const std::string &name, int state);
    void SetButtonTooltip(const std::string &name, const QString &text);
    SkinSlider *FindSlider(const std::string &name) const;
    int GetSliderPos(const std::string &name) const;
    void SetSliderPos(const std::string &name, int position);
    CLabel *FindLabel(const std::string &name) const;

    // "hh:mm:ss", clamped to 00:00:00 .. 99:59:59.
    static QString FormatTime(int seconds);
    // The absolute folder of `path` with a trailing '/'.
    static QString GetFolderOfPath(const QString &path);

    // The layer the current skin's controls are children of; null without a skin.
    ControlLayer *SkinLayer() const { return m_layer; }
    // The controls of the current skin, in skin order.
    std::vector<SkinButton *> Buttons() const { return Controls<SkinButton>(kButtonSection); }
    std::vector<SkinSlider *> Sliders() const { return Controls<SkinSlider>(kSliderSection); }
    std::vector<SkinEdit *> EditBoxes() const { return Controls<SkinEdit>(kEditBoxSection); }
    std::vector<SkinListBox *> ListControls() const
    {
        return Controls<SkinListBox>(kListBoxSection);
    }
    std::vector<CLabel *> Labels() const { return Controls<CLabel>(kLabelSection); }
    std::vector<SkinOptionButton *> OptionButtons() const
    {
        return Controls<SkinOptionButton>(kOptionSection);
    }
    std::vector<SkinCheckBox *> CheckBoxes() const { return Controls<SkinCheckBox>(kCheckSection); }
    std::vector<SkinComboBox *> ComboBoxes() const
    {
        return Controls<SkinComboBox>(kComboBoxSection);
    }
    CLabel *CaptionLabel() const;

    // The area the skin reserves for a hosted control; empty until a skin gives one.
    const std::optional<Rect> &HostRect() const { return m_hostRect; }
    // The control placed there, which Tab reaches among the skin's controls; null for none.
    virtual QWidget *HostedWidget() const { return nullptr; }
    // Where the keyboard focus shows among the skin's controls.
    const KeyboardFocus &FocusShown() const { return m_keyboardFocus; }

    // SkinHost: controls report here by index.
    void OnButtonClicked(int index) override;
    void OnOptionClicked(int index) override;
    void OnCheckClicked(int index) override;
    void OnSliderMoved(int index, int position) override;
    void OnListClicked() override {}
    QImage BackgroundContext() const override { return BackgroundDC(); }
    QWidget *HostWidget() override { return this; }

    // The name-routed operations a derived dialog overrides; the base ignores them.
    virtual void OnControlClicked(const std::string &name);
    virtual void OnOptionSelected(const std::string &name);
    virtual void OnSliderChanged(const std::string &name, int position);
    virtual void OnMouseMoved(const std::string &name, int x, int y);

signals:
    // Around a change of skin by the menu, an install or OnChangeSkin: before the old skin's
    // controls go, and once the window shows the new skin.
    void skinChanging();
    void skinChanged();
    // The menu's entry turned the notes on or off.
    void notesShownChanged(bool shown);

protected:
    // Runs at the end of every skin load, once the skin's controls exist.
    virtual void OnSkinLoaded() {}
    // Runs after a skin change has loaded the new skin, before the window shows again. The base
    // puts the three placeholder items into the first combo box's list.
    virtual void OnSkinChanged();
    // Runs once a skin change has been allowed, before the old skin's controls go.
    virtual void OnSkinChanging() {}

    // Asked before a skin change starts; a dialog busy with its controls says no (and why).
    bool CanChangeSkin() override { return true; }
    // The file chooser of "Install Skin..."; empty when the user cancels.
    QString ChooseSkinPackage() override;
    // Draws the skin smaller where its background would not fit the screen at its own size.
    void ChooseSkinScale(const QString &backgroundPath);
    // Why a package cannot be used or installed; the base tells nobody.
    void ShowSkinProblem(const QString &) override {}
    // Whether to open a package without a central directory again; the base does not.
    bool RetryOpeningPackage() override { return false; }
    // Whether an installed package of the same name may be replaced; the base keeps it.
    bool ReplaceInstalledPackage(const QString &) override { return false; }

    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    template <class Control> std::vector<Control *> Controls(std::string_view section) const
    {
        return m_layer ? m_layer->Controls<Control>(section) : std::vector<Control *>{};
    }
    template <class Control>
    Control *FindControl(std::string_view section, const std::string &name) const
    {
        return m_layer ? m_layer->Find<Control>(section, name) : nullptr;
    }
    void LoadTaskBarButtons(const SkinIni &ini, const QString &folder);

    // SkinSwitchHost
    void LoadSkinFile(const QString &skinFile) override;
    bool WearsSkin() const override { return !BackgroundBitmap().isNull(); }
    void BeginSkinChange() override;
    void EndSkinChange() override;

    // Child of the window, parent of every control of the skin; they all go with it.
    ControlLayer *m_layer = nullptr;
    std::unique_ptr<TaskBarPopup> m_taskBarWindow;
    KeyboardFocus m_keyboardFocus;
    bool m_notesShown = true;
    std::optional<Rect> m_hostRect;
    QString m_skinFile;
    QString m_skinFolder;
    SkinSwitcher m_switcher{*this};
};

} // namespace lumaskin
