#pragma once

#include "app/batch_steps.h"
#include "app/conversion_choice.h"
#include "app/conversion_progress.h"
#include "app/main_dialog_prompts.h"
#include "app/picture_list.h"
#include "app/steps_dialog.h"
#include "engine/batch_conversion.h"
#include "engine/image_io.h"
#include "platform/message_box.h"
#include "skin/skin_dialog.h"
#include "viewer/c_image_viewer.h"
#include "viewer/effect_dialog_one.h"
#include "viewer/effect_dialog_two.h"

#include <QIcon>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace lumaskin {

// The program's only window: a skinned dialog that hosts the image viewer at the place its
// skin reserves, keeps the list of images, converts them, and owns the two effect windows.
// Its skin's buttons act by their names.
class MainDialog : public SkinDialog
{
    Q_OBJECT

public:
    // Questions and reports go to `messages`, file and folder choices to `prompts`; both
    // outlive the window.
    MainDialog(MessageBoxes &messages, MainDialogPrompts &prompts, QWidget *parent = nullptr);
    ~MainDialog() override;

    // Loads the start-up skin "Purple.skn" from `packageFolder` (the folder current when the
    // program started) through a private working folder that is gone again on return, then
    // fills the format list and places the viewer.
    void OnInitDialog(const QString &packageFolder);
    // The same with the packages `locator` finds: the `preferred` package (a file name) when
    // found, else the first found of the start-up package, the skin menu's and the user's own.
    // False, with nothing done, when no package is found anywhere.
    bool OnInitDialog(const SkinLocator &locator, const QString &preferred);

    // The formats a conversion can write, as the format combo box offers them.
    static QStringList OutputFormatList();
    // The extension written for a row of the format list; "bmp" without a choice, empty for a
    // row the list does not have.
    static QString ExtensionForSelection(int selectionMark);

    // The Add dialog's filter, made from the format table, and the filter of the two browse
    // buttons.
    static QString ImageFilter();
    static const QString kVideoFilter;

    MessageBoxes &Messages() const { return m_messages; }
    ViewerControl *Viewer() const { return m_viewer.Control(); }
    CImageViewer &ImageViewer() { return m_viewer; }
    EffectDialogOne &EffectOne() { return m_effectDialogOne; }
    EffectDialogTwo &EffectTwo() { return m_effectDialogTwo; }
    const QIcon &Icon() const { return m_icon; }

    // The pictures to convert and the one shown, and what a conversion writes: the program's
    // own state, which every skin's controls show.
    PictureList &Pictures() { return m_pictures; }
    ConversionChoice &Conversion() { return m_choice; }
    // The steps, outputs, naming and metadata of a conversion, and the window that shows them.
    BatchSteps &Batch() { return m_batch; }
    StepsDialog &Steps() { return *m_stepsDialog; }
    // The conversion of the pictures listed into `folder`, as Convert makes it: the format and
    // quality chosen, the effects marked, then the batch's steps. Nothing, with a plain reason,
    // when a watermark's picture cannot be read.
    std::optional<ConversionRequest> BatchRequest(const QString &folder, QString *error) const;
    // Shows the shown picture as loaded with every step of the conversion applied.
    void PreviewSteps();
    // Chooses the format written by its extension (any case), shown in the format list.
    bool ChooseFormat(const QString &extension);
    // Takes the conversion choices `settings` remembers and keeps every later one there.
    void RememberChoicesIn(AppSettings *settings);

    // The skin's image list; null without one.
    SkinListBox *FileList() const;
    // The current row of the pictures, -1 when none.
    int ListSelectionMark() const { return m_pictures.Current(); }
    // The row of the chosen format in the format list, -1 when none was chosen.
    int FormatSelectionMark() const;

    // Shows one file in the viewer, fitted into it.
    void ShowImage(const QString &path);
    // A folder for the converted files; empty when the user cancels. With `quality`, the
    // chooser also offers the quality and leaves the chosen one there.
    QString SelectOutputFolder(int *quality = nullptr);

    // The buttons' actions.
    void AddFiles();
    // Appends the files to the list and shows the last of them, as Add does.
    void AddPaths(const QStringList &files);
    void DeleteSelected();
    void DeleteAll();
    // Moves the selected row one place up (-1) or down (+1), keeping it selected.
    void MoveSelectedRow(int offset);
    // Shows the selected picture and opens both effect windows for it.
    void EditSelectedRow();
    // Converts every row off the user-interface thread, several files at a time, showing its
    // progress over the viewer; the report comes when the last file is done.
    void Convert();
    bool IsConverting() const { return m_conversion != nullptr; }
    // Stops starting files; those in hand are finished.
    void CancelConversion();
    // Files converted at once; 0 means one per core.
    void SetConversionJobs(int jobs) { m_conversionJobs = jobs; }
    ConversionProgress *Progress() const { return m_progress; }
    void RestoreEffects();

    // The viewer, which Tab reaches where the skin places it.
    QWidget *HostedWidget() const override;

    void OnControlClicked(const std::string &name) override;
    void OnSliderChanged(const std::string &name, int position) override;
    void OnListClicked() override;
    void AddMenuEntries(QMenu &menu) override;

    // Ends the window; a running conversion is cancelled and its files in hand finished first.
    void done(int result) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    // At every skin load: the new controls show the pictures, the format and the last file
    // written; play is shown and pause hidden, and the time display filled in.
    void OnSkinLoaded() override;
    void OnSkinChanged() override;
    bool CanChangeSkin() override;
    QString ChooseSkinPackage() override;
    // The skin's package troubles, told and asked with the stop icon ("Replace it?" without).
    void ShowSkinProblem(const QString &reason) override;
    bool RetryOpeningPackage() override;
    bool ReplaceInstalledPackage(const QString &fileName) override;

private:
    // What a button of the skin does, by the button's name.
    struct Command
    {
        const char *name;
        // Whether it changes what a running conversion reads; refused while one runs.
        bool changesConversionInput;
        void (*action)(MainDialog &dialog);
    };
    static std::span<const Command> Commands();
    // Shows the picture at fixed view mode `viewMode` (1 to 7, 25 % to 200 %).
    void Zoom(int viewMode);

    // Shows the "SLIDER_PROGRESS" position and maximum in "LABEL_TIME", where the skin has both.
    void ShowTime();
    void FillFormatComboBox();
    // The skin's controls show the program's state: the list the pictures and the current one,
    // the format list the chosen format, the first edit box the last file written.
    void ShowPictures();
    void ShowFormatChoice();
    void ShowFirstEdit();
    // Sets what the first edit box shows; `enabled` empty leaves that as the skin made it.
    void SetFirstEdit(const QString &text, std::optional<bool> enabled = std::nullopt);
    void NameSkinInNotifier();
    void PlaceViewer();
    void Message(const QString &text);
    void BrowseVideo(std::size_t editIndex);
    SkinEdit *EditBox(std::size_t index) const;
    void ShowSelectedRow();
    // The effects marked in both windows, in the conversion's order, with the values the
    // windows hold now.
    std::vector<EffectStep> MarkedEffectSteps() const;
    // Says that an action has to wait for the conversion, when one runs.
    bool RefuseWhileConverting();
    // Asks about sources the conversion would replace and targets that exist already, and
    // sets the request's policy from the answers; false when the user cancels.
    bool ChooseTargetPolicy(ConversionRequest &request);
    // Change acts on the shown picture, so it is only offered while there is one.
    void UpdateChangeButtons();
    // The Colours and Filters buttons carry the count of effects each window has in force,
    // and name them in their tooltips; Restore clears the marks.
    void ShowEffectsInForce();
    // The notifier names the skin just loaded, or says that it failed.
    void OnConversionProgress(int finished, int total, const ConversionOutcome &outcome);
    void OnConversionFinished(const std::vector<ConversionOutcome> &outcomes);
    void FinishConversionThread();
    void PlaceProgress();

    struct RunningConversion
    {
        std::atomic<bool> cancel{false};
        std::vector<EffectStep> effects;
        // The effects as the report names them, and where the files go.
        QStringList effectNames;
        QString folder;
        std::jthread thread;
    };

    MessageBoxes &m_messages;
    MainDialogPrompts &m_prompts;
    QIcon m_icon;
    // Declared so that they go in the reverse order: the viewer's wrapper first, then the
    // second effect window, then the first. Both windows act on the viewer.
    EffectDialogOne m_effectDialogOne;
    EffectDialogTwo m_effectDialogTwo;
    // Wraps the viewer widget, a child window deleted with the dialog.
    CImageViewer m_viewer;
    ConversionProgress *m_progress; // child
    int m_conversionJobs = 0;
    PictureList m_pictures;
    ConversionChoice m_choice;
    BatchSteps m_batch;
    StepsDialog *m_stepsDialog; // child window
    // What the first edit box shows once the program has set it.
    struct FirstEdit
    {
        bool set = false;
        QString text;
        std::optional<bool> enabled;
    } m_firstEdit;
    std::unique_ptr<RunningConversion> m_conversion;
};

} // namespace lumaskin
