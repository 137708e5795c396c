#pragma once

#include "controls/c_label.h"
#include "controls/skin_button.h"
#include "controls/skin_check_box.h"
#include "controls/skin_combo_box.h"
#include "controls/skin_edit.h"
#include "controls/skin_host.h"
#include "controls/skin_list_box.h"
#include "controls/skin_option_button.h"
#include "controls/skin_progress.h"
#include "controls/skin_slider.h"
#include "notifier/task_bar_popup.h"
#include "platform/message_box.h"
#include "skin/entry_fields.h"
#include "skin/rect.h"
#include "skin/skin_ini.h"
#include "skin/skin_locator.h"
#include "zip/zip_archive.h"

#include <QDialog>
#include <QImage>
#include <QMenu>
#include <QRegion>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumaskin {

// The base of every skinned window: a frameless dialog whose background, shape and controls
// all come from a skin description file and the bitmaps beside it. Every control of a skin
// is a child of one layer widget over the window; each skin load drops the layer with all its
// controls and builds a new one. Controls report by their index in their
// skin section; the dialog turns the index into the control's name and calls a name-routed
// operation that a derived dialog overrides.
class SkinDialog : public QDialog, public SkinHost
{
    Q_OBJECT

public:
    // The eight skins a running window can change to, in the order of its "&Change Skin" menu.
    struct SkinCommand
    {
        int id;
        const char *menuText;
        const char *packageFile;
    };
    static constexpr int kFirstSkinCommand = 32771;
    // The package a window starts with when nothing else is asked for, and its place in the
    // menu (it holds the Purple skin).
    static constexpr char kStartupPackageFile[] = "Purple.skn";
    static constexpr int kStartupPackageIndex = 2;
    static constexpr std::array<SkinCommand, 8> kSkinCommands{{
        {32771, "&Orange", "Orange.zip"},
        {32772, "&Black", "Black.zip"},
        {32773, "&Purple", "Purple.zip"},
        {32774, "Bl&ue", "Blue.zip"},
        {32775, "&Red", "Red.zip"},
        {32776, "&Gray", "Gray.zip"},
        {32777, "P&ink", "Pink.zip"},
        {32778, "&Deluxe", "Deluxe.zip"},
    }};

    // Questions and failures of packages and installs are put to `messages`, which outlives
    // the dialog.
    explicit SkinDialog(MessageBoxes &messages, QWidget *parent = nullptr);

    // The pop-up that slides in at each skin load. Without one, those steps do nothing.
    void SetTaskBarPopup(std::unique_ptr<TaskBarPopup> popup);
    TaskBarPopup *TaskBar() const { return m_taskBarWindow.get(); }

    // Where skin packages are read from, and where installed ones are copied to.
    void SetSkinLocator(const SkinLocator &locator) { m_locator = locator; }
    const SkinLocator &Locator() const { return m_locator; }
    // Reads skin packages from `folder` alone, and installs none.
    void SetPackageFolder(const QString &folder) { m_locator = SkinLocator({folder}, QString()); }
    MessageBoxes &Messages() const { return m_messages; }

    // Extracts the package into a private working folder, loads the skin from it and removes
    // the folder again. A package that fails leaves the window without a skin, as LoadSkin
    // does with a missing file. True when the package was extracted whole.
    bool LoadSkinPackage(const QString &packagePath);
    // Whether the last package loaded failed.
    bool SkinPackageFailed() const { return m_skinPackageFailed; }

    // Loads the first package found of: `preferred` (a package's file name), the start-up
    // package, the eight skins in menu order, the user's own packages. False, with nothing
    // loaded, when no folder holds any of them.
    bool LoadFirstPackageFound(const QString &preferred);

    // Changes to the skin of command `id` (32771..32778) while the window is hidden.
    void OnChangeSkin(int id);
    // Changes to `fileName`, one of the packages in the user's own folder.
    void ChangeToUserPackage(const QString &fileName);
    // Checks that the package at `path` opens as a skin, copies it into the user's skin
    // folder and changes to it. Says why when it cannot; false then.
    bool InstallSkinPackage(const QString &path);
    // The file name of the package the window wears, as the menu names it: one of the eight
    // skins' packages or one of the user's own.
    QString CurrentPackage() const;
    // The start-up package and the eight skins' packages.
    static QStringList BundledPackages();
    // The last skin chosen, 0 for the first command.
    int SkinIndex() const { return m_skinIndex; }
    void SetSkinIndex(int index) { m_skinIndex = index; }
    // The "&Change Skin" menu: the eight skins (greyed when no folder holds their package),
    // the user's own packages by file name, and "Install Skin...". The check mark stands on
    // the skin worn; choosing an entry changes the skin once the menu has closed.
    std::unique_ptr<QMenu> CreateSkinMenu();

    void SetSkinFile(const QString &path) { m_skinFile = path; }
    const QString &SkinFile() const { return m_skinFile; }
    // The skin's working folder with a trailing '/', set by whoever extracts the skin.
    void SetSkinFolder(const QString &folder) { m_skinFolder = folder; }
    const QString &SkinFolder() const { return m_skinFolder; }

    // Reads the skin file and rebuilds background, shape and every control.
    virtual void LoadSkin();
    // Drops the background, its copy and the layer with every control (the icon stays until
    // the next load). The layer is hidden at once and deleted once control returns to the
    // event loop, so that a control whose handler changed the skin returns safely.
    virtual void FreeSkin();
    // Cuts the window's shape out of `bitmap` by `colour` into `region` and applies it.
    // True when at least one pixel was cut.
    bool ShapeWindow(QRegion &region, const QImage &bitmap, ColourValue colour);
    void ReshapeWindow();
    void BuildBackgroundDC();

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
    QWidget *SkinLayer() const { return m_layer; }
    // The controls of the current skin, in skin order.
    const std::vector<SkinButton *> &Buttons() const { return m_buttons; }
    const std::vector<SkinSlider *> &Sliders() const { return m_sliders; }
    const std::vector<SkinEdit *> &EditBoxes() const { return m_editBoxes; }
    const std::vector<SkinListBox *> &ListControls() const { return m_listControls; }
    const std::vector<CLabel *> &Labels() const { return m_labels; }
    const std::vector<SkinOptionButton *> &OptionButtons() const { return m_optionButtons; }
    const std::vector<SkinCheckBox *> &CheckBoxes() const { return m_checkBoxes; }
    const std::vector<SkinProgress *> &ProgressBars() const { return m_progressBars; }
    const std::vector<SkinComboBox *> &ComboBoxes() const { return m_comboBoxes; }
    CLabel *CaptionLabel() const { return m_captionLabel; }

    const QImage &BackgroundBitmap() const { return m_backgroundBitmap; }
    const QImage &IconBitmap() const { return m_iconBitmap; }
    const Rect &IconRect() const { return m_iconRect; }
    ColourValue TransparentColor() const { return m_transparentColor; }
    const QRegion &WindowRegion() const { return m_windowRegion; }
    // The area the skin reserves for a hosted control; empty until a skin gives one.
    const std::optional<Rect> &HostRect() const { return m_hostRect; }
    ZipArchive &Archive() { return m_archive; }

    // SkinHost: controls report here by index.
    void OnButtonClicked(int index) override;
    void OnOptionClicked(int index) override;
    void OnCheckClicked(int index) override;
    void OnSliderMoved(int index, int position) override;
    void OnListClicked() override {}
    QImage BackgroundContext() const override { return m_backgroundDC; }
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

protected:
    // The file chooser of "Install Skin..."; empty when the user cancels.
    virtual QString ChooseSkinPackage();

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    void contextMenuEvent(QContextMenuEvent *event) override;

    // Shows the "SLIDER_PROGRESS" position and maximum in "LABEL_TIME", where the skin has both.
    void ShowTime();

    // Runs after a skin change has loaded the new skin, before the window shows again. The base
    // puts the three placeholder items into the first combo box's list.
    virtual void OnSkinChanged();
    // Runs once a skin change has been allowed, before the old skin's controls go.
    virtual void OnSkinChanging() {}
    // Asked before a skin change starts; a dialog busy with its controls says no (and why).
    virtual bool CanChangeSkin() { return true; }

    // Background 1:1, then the icon with its key colour left out.
    void PaintSkin(QPainter &painter);

private:
    void ReadControls(const SkinIni &ini, const QString &folder);
    // Hides the window, loads the package at `path` and shows the window again.
    void ChangePackage(const QString &path);
    // A window without a skin gets the desktop's frame, so that it can still be closed.
    void FrameWithoutSkin();

    // Child of the window, parent of every control below; they all go with it.
    QWidget *m_layer = nullptr;
    std::vector<SkinButton *> m_buttons;
    std::vector<SkinSlider *> m_sliders;
    std::vector<SkinEdit *> m_editBoxes;
    std::vector<SkinListBox *> m_listControls;
    std::vector<CLabel *> m_labels;
    std::vector<SkinOptionButton *> m_optionButtons;
    std::vector<SkinCheckBox *> m_checkBoxes;
    std::vector<SkinProgress *> m_progressBars;
    std::vector<SkinComboBox *> m_comboBoxes;
    QImage m_iconBitmap;
    // The icon with its key-coloured pixels made transparent, ready to draw.
    QImage m_iconDrawn;
    Rect m_iconRect;
    CLabel *m_captionLabel = nullptr;
    // Magenta until a skin names its own, the colour skins use by habit.
    ColourValue m_transparentColor = 0x00FF00FF;
    QRegion m_windowRegion;
    QImage m_backgroundDC;
    std::unique_ptr<TaskBarPopup> m_taskBarWindow;
    std::optional<Rect> m_hostRect;
    QString m_skinFile;
    SkinLocator m_locator;
    // The user's package the window wears; empty while it wears one of the eight skins.
    QString m_userPackage;
    MessageBoxes &m_messages;
    int m_skinIndex = 0;
    bool m_skinPackageFailed = false;
    QString m_skinFolder;
    QImage m_backgroundBitmap;
    ZipArchive m_archive;
    // The press point relative to the window while the dialog moves itself.
    std::optional<QPoint> m_dragOffset;
};

} // namespace lumaskin
