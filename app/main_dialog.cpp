#include "app/main_dialog.h"

#include "controls/skin_combo_list.h"
#include "engine/batch_conversion.h"
#include "engine/file_name.h"
#include "engine/formats.h"
#include "engine/image_io.h"
#include "notifier/c_html_ctrl.h"
#include "notifier/task_bar_window.h"
#include "viewer/viewer_control.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStyle>
#include <array>

// Resources of a static library must be registered by hand.
static void InitLumaskinResources()
{
    Q_INIT_RESOURCE(lumaskin);
}

namespace lumaskin {

namespace {

// The controls of the main window's skins that the window itself acts on.
constexpr char kPlayButton[] = "BUTTON_PLAY";
constexpr char kPauseButton[] = "BUTTON_PAUSE";
constexpr char kProgressSlider[] = "SLIDER_PROGRESS";
constexpr char kTimeLabel[] = "LABEL_TIME";
// A conversion's failure report names at most this many files, then counts the rest.
constexpr int kReportedFailures = 15;


constexpr int kFitViewMode = 9;

} // namespace

const QString MainDialog::kVideoFilter =
    QStringLiteral("All Video Files(*.wmv, *mp4, *avi)|*.wmv;*.mp4;*.avi||");

MainDialog::MainDialog(MessageBoxes &messages, MainDialogPrompts &prompts, QWidget *parent)
    : SkinDialog(parent), m_messages(messages), m_prompts(prompts),
      // Both effect windows are children of this window and stay hidden until a button
      // shows them.
      m_effectDialogOne(&m_viewer, this, messages), m_effectDialogTwo(&m_viewer, this, messages),
      m_viewer(static_cast<ViewerControl *>(nullptr)), m_progress(new ConversionProgress(this))
{
    m_viewer.Create(this);
    connect(m_progress, &ConversionProgress::cancelRequested, this, &MainDialog::CancelConversion);
    connect(Viewer(), &ViewerControl::imageChanged, this, &MainDialog::UpdateChangeButtons);
    // A picture that cannot be shown says why in its place, rather than leaving the one before
    // it there for effects to change.
    connect(Viewer(), &ViewerControl::loadFailed, this, [this](const QString &message) {
        Viewer()->ClearImage(QStringLiteral("This picture cannot be shown.\n\n%1").arg(message));
    });
    UpdateChangeButtons();
    InitLumaskinResources();
    m_icon = QIcon(QStringLiteral(":/lumaskin/lumaskin.png"));
    setWindowTitle(ProgramName());
    // Until a skin gives the window its size and the viewer its place.
    resize(800, 500);
    Viewer()->hide();
}

MainDialog::~MainDialog()
{
    // The files in hand are finished before the window they report to goes.
    FinishConversionThread();
}

QStringList MainDialog::OutputFormatList()
{
    QStringList labels;
    for (const Format *format : WrittenFormats())
        labels << format->label;
    return labels;
}

QString MainDialog::ExtensionForSelection(int selectionMark)
{
    if (selectionMark == -1)
        return QStringLiteral("bmp");
    const std::vector<const Format *> formats = WrittenFormats();
    if (selectionMark < 0 || selectionMark >= static_cast<int>(formats.size()))
        return {};
    return formats[static_cast<std::size_t>(selectionMark)]->extension;
}

QString MainDialog::ImageFilter()
{
    // Every picture read first, then one entry per format, then every file.
    QStringList pictures;
    QString entries;
    for (const FormatFamily &family : FormatFamilies()) {
        QStringList patterns;
        for (const QString &extension : family.extensionsRead)
            patterns << QStringLiteral("*.") + extension;
        pictures << patterns;
        entries += QStringLiteral("%1 (%2)|%3|")
                       .arg(family.title, patterns.join(u' '), patterns.join(u';'));
    }
    pictures.removeDuplicates();
    return QStringLiteral("All pictures|%1|").arg(pictures.join(u';')) + entries +
           QStringLiteral("All Files(*.*)|*.*||");
}

void MainDialog::OnInitDialog(const QString &packageFolder)
{
    SetPackageFolder(packageFolder);
    LoadSkinPackage(packageFolder + u'/' + QLatin1String(SkinSwitcher::kStartupPackageFile));
    SetSkinIndex(SkinSwitcher::kStartupPackageIndex);
    FillFormatComboBox();
    setWindowIcon(m_icon);
    PlaceViewer();
    if (SkinPackageFailed())
        NameSkinInNotifier();
}

bool MainDialog::OnInitDialog(const SkinLocator &locator, const QString &preferred)
{
    SetSkinLocator(locator);
    if (!LoadFirstPackageFound(preferred))
        return false;
    FillFormatComboBox();
    setWindowIcon(m_icon);
    PlaceViewer();
    NameSkinInNotifier();
    return true;
}

void MainDialog::OnSkinLoaded()
{
    if (SkinButton *pause = FindButton(kPauseButton))
        pause->hide();
    if (SkinButton *play = FindButton(kPlayButton))
        play->show();
    ShowTime();
}

void MainDialog::ShowTime()
{
    SkinSlider *slider = FindSlider(kProgressSlider);
    CLabel *label = FindLabel(kTimeLabel);
    if (!slider || !label)
        return;
    label->SetText(FormatTime(slider->GetPos()) + u'/' + FormatTime(slider->MaxPos()));
    label->update();
}

void MainDialog::ShowSkinProblem(const QString &reason)
{
    Messages().Show(reason, MessageButtons::Ok, MessageIcon::Stop);
}

bool MainDialog::RetryOpeningPackage()
{
    return Messages().Show(QStringLiteral("The central directory was not found. If you're opening "
                                          "a multi-disk archive, make sure you have inserted the "
                                          "last disk. Retry?"),
                           MessageButtons::YesNo, MessageIcon::Stop) == MessageAnswer::Yes;
}

bool MainDialog::ReplaceInstalledPackage(const QString &fileName)
{
    return Messages().Show(
               QStringLiteral("A skin package named %1 is already installed. Replace it?")
                   .arg(fileName),
               MessageButtons::YesNo, MessageIcon::None) == MessageAnswer::Yes;
}

void MainDialog::OnSkinChanging()
{
    // The new skin's controls are new; the user's pictures stay in the list all the same.
    // After a package that failed there is no list: what it held is still kept from before.
    if (m_keptRows && !FileList())
        return;
    KeptRows kept;
    kept.format = FormatSelectionMark();
    if (const SkinListBox *list = FileList()) {
        for (int row = 0; row < list->RowCount(); ++row)
            kept.files << list->RowText(row, 1);
        kept.current = ListSelectionMark();
    }
    if (const SkinEdit *edit = EditBox(0)) {
        kept.lastTarget = edit->text();
        kept.lastTargetEnabled = edit->isEnabled();
    }
    m_keptRows = std::move(kept);
}

void MainDialog::OnSkinChanged()
{
    // The new skin's combo box is the format list again, so conversions keep working.
    FillFormatComboBox();
    PlaceViewer();
    if (m_keptRows) {
        if (SkinListBox *list = FileList()) {
            for (const QString &file : m_keptRows->files)
                list->AddFile(file);
            list->SelectRow(m_keptRows->current);
        }
        if (SkinEdit *edit = EditBox(0); edit && !m_keptRows->lastTarget.isEmpty()) {
            edit->setText(m_keptRows->lastTarget);
            edit->setEnabled(m_keptRows->lastTargetEnabled);
        }
        // The format the user chose stays chosen.
        if (const std::vector<SkinComboBox *> combos = ComboBoxes(); !combos.empty())
            combos.front()->SelectRow(m_keptRows->format);
        // A skin without a list (a package that failed) keeps them for the next one.
        if (FileList())
            m_keptRows.reset();
    }
    NameSkinInNotifier();
}

void MainDialog::NameSkinInNotifier()
{
    // The notifier's page names the skin that has just been loaded (bundled or the user's
    // own), or says that it failed.
    const auto *notifier = dynamic_cast<const TaskBarWindow *>(TaskBar());
    if (auto *page = notifier ? qobject_cast<CHtmlCtrl *>(notifier->HtmlView()) : nullptr)
        page->NavigateStartPage(QFileInfo(CurrentPackage()).completeBaseName(),
                                SkinPackageFailed());
}

void MainDialog::FillFormatComboBox()
{
    const std::vector<SkinComboBox *> combos = ComboBoxes();
    if (combos.empty())
        return;
    SkinComboBox &formats = *combos.front();
    for (const QString &format : OutputFormatList())
        formats.AddItem(format);
    // Shown, not selected: a conversion reads no selection as the first format.
    if (SkinEdit *edit = formats.Edit())
        edit->setText(QStringLiteral("Bmp"));
}

void MainDialog::PlaceViewer()
{
    // Without a place from the skin the viewer stays hidden rather than covering the skin.
    if (!HostRect()) {
        Viewer()->hide();
        return;
    }
    const Rect &rect = *HostRect();
    Viewer()->setGeometry(rect.left, rect.top, std::max(0, rect.Width()),
                          std::max(0, rect.Height()));
    Viewer()->raise();
    Viewer()->show();
}

void MainDialog::Message(const QString &text)
{
    Messages().Show(text, MessageButtons::Ok, MessageIcon::None);
}

SkinEdit *MainDialog::EditBox(std::size_t index) const
{
    const std::vector<SkinEdit *> edits = EditBoxes();
    return index < edits.size() ? edits[index] : nullptr;
}

SkinListBox *MainDialog::FileList() const
{
    const std::vector<SkinListBox *> lists = ListControls();
    return lists.empty() ? nullptr : lists.front();
}

int MainDialog::ListSelectionMark() const
{
    const SkinListBox *list = FileList();
    return list ? list->SelectedRow() : -1;
}

int MainDialog::FormatSelectionMark() const
{
    const std::vector<SkinComboBox *> combos = ComboBoxes();
    return combos.empty() ? -1 : combos.front()->SelectedRow();
}

void MainDialog::ShowImage(const QString &path)
{
    m_viewer.SetLoadOption(1);
    m_viewer.SetDisplayOption(true);
    m_viewer.SetFileName(path);
    m_viewer.SetViewMode(kFitViewMode);
}

void MainDialog::UpdateChangeButtons()
{
    const bool shown = !Viewer()->CurrentImage().IsNull();
    m_effectDialogOne.SetChangesEnabled(shown);
    m_effectDialogTwo.SetChangesEnabled(shown);
}

QString MainDialog::SelectOutputFolder(int *quality)
{
    const QString title = QStringLiteral("Please select an output directory for ");
    return ResolveFileName(quality ? m_prompts.ConversionFolder(title, quality)
                                   : m_prompts.Folder(title));
}

void MainDialog::OnListClicked()
{
    const int mark = ListSelectionMark();
    if (mark != -1)
        ShowImage(FileList()->RowText(mark, 1));
}

void MainDialog::ShowSelectedRow()
{
    SkinListBox *list = FileList();
    const int mark = ListSelectionMark();
    ShowImage(list && mark >= 0 ? list->RowText(mark, 1) : QString());
}

void MainDialog::AddFiles()
{
    AddPaths(m_prompts.OpenFiles(ImageFilter()));
}

void MainDialog::AddPaths(const QStringList &files)
{
    SkinListBox *list = FileList();
    if (!list)
        return;
    // The chooser shows names as text; a name that is not UTF-8 is found again by its bytes.
    for (const QString &file : files) {
        // By hand rather than through QFileInfo, which would turn those bytes back into text.
        QString path = ResolveFileName(file);
        if (QDir::isRelativePath(path))
            path = QDir::currentPath() + u'/' + path;
        list->AddFile(QDir::cleanPath(path));
    }

    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFocus();
    list->SelectRow(list->RowCount() - 1);
    ShowSelectedRow();
}

void MainDialog::ClearFirstEdit()
{
    if (SkinEdit *edit = EditBox(0)) {
        edit->setText(QString());
        edit->setEnabled(false);
    }
}

void MainDialog::DeleteSelected()
{
    SkinListBox *list = FileList();
    if (!list)
        return;
    const int mark = ListSelectionMark();
    list->RemoveSelected();
    if (list->RowCount() == 0)
        ClearFirstEdit();
    list->setFocus();
    // The row before the removed one becomes current; after the first row, the new first row.
    // (Marking "row -1" would select every row, and a second Delete would empty the list.)
    list->SelectRow(std::max(mark - 1, 0));
    ShowSelectedRow();
}

void MainDialog::MoveSelectedRow(int offset)
{
    SkinListBox *list = FileList();
    const int mark = ListSelectionMark();
    // The first row goes no higher, the last no lower; without a selection nothing moves.
    if (!list || mark < 0 || !list->MoveFile(mark, mark + offset))
        return;
    list->SelectRow(mark + offset);
}

void MainDialog::EditSelectedRow()
{
    SkinListBox *list = FileList();
    if (!list || list->RowCount() == 0) {
        Message(QStringLiteral("Please add image"));
        return;
    }
    // The selected picture, or the first one when none is selected, with both effect
    // windows ready beside it.
    if (ListSelectionMark() < 0)
        list->SelectRow(0);
    ShowSelectedRow();
    m_effectDialogOne.show();
    m_effectDialogTwo.show();
}

void MainDialog::DeleteAll()
{
    if (SkinListBox *list = FileList()) {
        list->clear();
        list->viewport()->update();
    }
    ClearFirstEdit();
}

std::vector<EffectStep> MainDialog::MarkedEffectSteps() const
{
    std::vector<EffectStep> steps = m_effectDialogOne.MarkedSteps();
    const std::vector<EffectStep> two = m_effectDialogTwo.MarkedSteps();
    steps.insert(steps.end(), two.begin(), two.end());
    return steps;
}

void MainDialog::Convert()
{
    const QString extension = ExtensionForSelection(FormatSelectionMark());
    SkinListBox *list = FileList();
    const int rows = list ? list->RowCount() : 0;
    if (rows == 0) {
        Message(QStringLiteral("Please input image file"));
        return;
    }
    // Formats with a quality ask for it beside the folder.
    const bool hasQuality = FormatHasQuality(extension);
    int quality = m_quality;
    const QString folder = SelectOutputFolder(hasQuality ? &quality : nullptr);
    if (folder.isEmpty())
        return;
    m_quality = std::clamp(quality, 1, 100);

    // The rows and the values the windows hold now, applied once to every file; nothing the
    // user does while the files are converted changes them.
    ConversionRequest request;
    for (int row = 0; row < rows; ++row)
        request.sources << list->RowText(row, 1);
    request.folder = folder;
    request.format = extension;
    request.jobs = m_conversionJobs;
    request.write.quality = m_quality;
    if (!ChooseTargetPolicy(request))
        return;
    m_conversion = std::make_unique<RunningConversion>();
    m_conversion->effects = MarkedEffectSteps();
    request.steps = m_conversion->effects;

    m_effectDialogOne.setEnabled(false);
    m_effectDialogTwo.setEnabled(false);
    PlaceProgress();
    m_progress->Start(rows);

    RunningConversion *run = m_conversion.get();
    run->thread = std::jthread([this, run, request = std::move(request)] {
        std::vector<ConversionOutcome> outcomes = BatchConversion::Run(
            request,
            [this](int finished, int total, const ConversionOutcome &outcome) {
                QMetaObject::invokeMethod(
                    this,
                    [this, finished, total, outcome] {
                        OnConversionProgress(finished, total, outcome);
                    },
                    Qt::QueuedConnection);
            },
            &run->cancel);
        QMetaObject::invokeMethod(
            this, [this, outcomes = std::move(outcomes)] { OnConversionFinished(outcomes); },
            Qt::QueuedConnection);
    });
}

namespace {

// Up to a dozen names, one a line, then how many more.
QString NameList(const QStringList &names)
{
    constexpr qsizetype kShown = 12;
    QStringList lines = names.mid(0, kShown);
    if (names.size() > kShown)
        lines << QStringLiteral("... and %1 more").arg(names.size() - kShown);
    return lines.join(u'\n');
}

QString FileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

bool MainDialog::ChooseTargetPolicy(ConversionRequest &request)
{
    // Pictures that their own conversion would replace (the same folder and format) are kept
    // unless the user says otherwise.
    request.ifExists = IfExists::Overwrite;
    request.overwriteSources = true;
    std::vector<ConversionOutcome> plan = BatchConversion::Plan(request);
    request.overwriteSources = false;
    QStringList sources;
    for (const ConversionOutcome &outcome : plan) {
        if (outcome.replacesSource)
            sources << FileName(outcome.source);
    }
    if (!sources.isEmpty()) {
        const MessageAnswer answer = Messages().Show(
            QStringLiteral("These pictures are in %1 already, in the chosen format. Converting "
                           "would replace them with their converted files:\n\n%2\n\nReplace "
                           "them? No keeps them and writes each converted file beside its "
                           "picture as \"name (2)\".")
                .arg(request.folder, NameList(sources)),
            MessageButtons::YesNoDefaultNo, MessageIcon::None);
        request.overwriteSources = answer == MessageAnswer::Yes;
        if (!request.overwriteSources)
            plan = BatchConversion::Plan(request);
    }

    // Files left by earlier conversions: one question for all of them.
    QStringList existing;
    for (const ConversionOutcome &outcome : plan) {
        if (outcome.replaces && !outcome.replacesSource)
            existing << FileName(outcome.target);
    }
    if (existing.isEmpty())
        return true;
    const MessageAnswer answer = Messages().Show(
        QStringLiteral("%1 of the converted files exist already in %2:\n\n%3\n\nKeep both "
                       "(the new files are written as \"name (2)\"), overwrite them, or skip "
                       "those pictures? The answer is for all of them.")
            .arg(existing.size())
            .arg(request.folder, NameList(existing)),
        MessageButtons::OverwriteSkipKeepBoth, MessageIcon::None);
    switch (answer) {
    case MessageAnswer::Overwrite:
        request.ifExists = IfExists::Overwrite;
        return true;
    case MessageAnswer::Skip:
        request.ifExists = IfExists::Skip;
        return true;
    case MessageAnswer::Cancel:
        return false;
    default:
        // Nothing is lost whatever else the answer was.
        request.ifExists = IfExists::Rename;
        return true;
    }
}

void MainDialog::PlaceProgress()
{
    m_progress->setGeometry(HostRect() ? Viewer()->geometry() : rect());
    if (const SkinListBox *list = FileList())
        m_progress->SetColours(list->BkColor(), list->TextColor(), list->SelBkColor());
}

void MainDialog::OnConversionProgress(int finished, int total, const ConversionOutcome &outcome)
{
    if (!m_conversion)
        return;
    m_progress->SetProgress(finished, total, outcome.written ? outcome.target : QString());
    if (SkinEdit *edit = EditBox(0); edit && outcome.written)
        edit->setText(outcome.target);
}

void MainDialog::CancelConversion()
{
    if (!m_conversion)
        return;
    m_conversion->cancel = true;
    m_progress->SetStopping();
}

void MainDialog::FinishConversionThread()
{
    if (!m_conversion)
        return;
    m_conversion->cancel = true;
    if (m_conversion->thread.joinable())
        m_conversion->thread.join();
}

void MainDialog::OnConversionFinished(const std::vector<ConversionOutcome> &outcomes)
{
    if (!m_conversion)
        return;
    const bool cancelled = m_conversion->cancel.load();
    const std::vector<EffectStep> effects = std::move(m_conversion->effects);
    if (m_conversion->thread.joinable())
        m_conversion->thread.join();
    m_conversion.reset();
    m_progress->hide();
    m_effectDialogOne.setEnabled(true);
    m_effectDialogTwo.setEnabled(true);

    // As after converting one file after another: the viewer shows the last picture converted,
    // with its effects, and the first edit box names its target.
    const auto last =
        std::find_if(outcomes.rbegin(), outcomes.rend(),
                     [&](const ConversionOutcome &o) { return cancelled ? o.written : o.started; });
    if (last != outcomes.rend()) {
        // The effects wait for the picture, which is read off this thread; should it not
        // read, they are dropped.
        m_viewer.SetFileName(last->source);
        for (const EffectStep &step : effects)
            m_viewer.ApplyEffect(step);
        if (SkinEdit *edit = EditBox(0))
            edit->setText(last->target);
    }

    QStringList failures;
    QStringList renamed;
    int written = 0;
    int skipped = 0;
    for (const ConversionOutcome &outcome : outcomes) {
        if (outcome.written) {
            ++written;
            if (outcome.renamed)
                renamed << QStringLiteral("%1 \u2192 %2")
                               .arg(QuotedFileName(outcome.source),
                                    QuotedFileName(FileName(outcome.target)));
        } else if (outcome.skipped) {
            ++skipped;
        } else if (outcome.started) {
            failures << QStringLiteral("%1: %2").arg(QuotedFileName(outcome.FailedFile()),
                                                     outcome.error);
        }
    }
    const int total = static_cast<int>(outcomes.size());
    QString report = cancelled ? QStringLiteral("Conversion cancelled: %1 of %2 files written.")
                                     .arg(written)
                                     .arg(total)
                               : QStringLiteral("Convert Completed!");
    if (skipped > 0 || !renamed.isEmpty()) {
        report += QStringLiteral("\n\n%1 written, %2 skipped (already there), %3 renamed")
                      .arg(written)
                      .arg(skipped)
                      .arg(renamed.size());
        if (!renamed.isEmpty())
            report += QStringLiteral(":\n") + NameList(renamed);
        else
            report += u'.';
    }
    if (!failures.isEmpty()) {
        report += QStringLiteral("\n\n%1 of %2 files could not be converted:")
                      .arg(failures.size())
                      .arg(total);
        for (qsizetype i = 0; i < std::min<qsizetype>(failures.size(), kReportedFailures); ++i)
            report += u'\n' + failures[i];
        if (failures.size() > kReportedFailures)
            report += QStringLiteral("\n... and %1 more.").arg(failures.size() - kReportedFailures);
    }
    Message(report);
}

bool MainDialog::RefuseWhileConverting()
{
    if (!m_conversion)
        return false;
    Message(QStringLiteral("The pictures are being converted. Please wait until that is done, "
                           "or cancel it."));
    return true;
}

bool MainDialog::CanChangeSkin()
{
    return !RefuseWhileConverting();
}

void MainDialog::done(int result)
{
    FinishConversionThread();
    // Nothing is reported once the window has ended.
    m_conversion.reset();
    if (m_progress)
        m_progress->hide();
    SkinDialog::done(result);
}

void MainDialog::RestoreEffects()
{
    m_effectDialogOne.Reset();
    m_effectDialogTwo.Reset();
    m_viewer.RestoreImage(false);
    m_viewer.SetViewMode(kFitViewMode);
}

void MainDialog::BrowseVideo(std::size_t editIndex)
{
    // An existing file is chosen, so an open chooser, not a save chooser.
    const QString file = m_prompts.OpenFile(kVideoFilter);
    if (file.isEmpty())
        return;
    if (SkinEdit *edit = EditBox(editIndex)) {
        edit->setEnabled(true);
        edit->setText(file);
    }
}

std::span<const MainDialog::Command> MainDialog::Commands()
{
    // Whether a command changes the conversion's input: such commands wait while one runs.
    constexpr bool kInput = true;
    static const Command commands[] = {
        {"BUTTON_EXIT", false, [](MainDialog &d) { d.done(1); }},
        {"BUTTON_CLOSE", false, [](MainDialog &d) { d.done(1); }},
        {"BUTTON_ADD", kInput, [](MainDialog &d) { d.AddFiles(); }},
        {"BUTTON_BROWSE", false, [](MainDialog &d) { d.BrowseVideo(0); }},
        {"BUTTON_BROWSEVIDEO1", false,
         [](MainDialog &d) {
             d.Message(QStringLiteral("browse"));
             d.BrowseVideo(1);
         }},
        {"BUTTON_DELALL", kInput, [](MainDialog &d) { d.DeleteAll(); }},
        {"BUTTON_DEL", kInput, [](MainDialog &d) { d.DeleteSelected(); }},
        {"BUTTON_CONVERT", kInput, [](MainDialog &d) { d.Convert(); }},
        {"BUTTON_UP", false, [](MainDialog &d) { d.MoveSelectedRow(-1); }},
        {"BUTTON_DOWN", false, [](MainDialog &d) { d.MoveSelectedRow(+1); }},
        {"BUTTON_EDIT", false, [](MainDialog &d) { d.EditSelectedRow(); }},
        {"BUTTON_ZOOM25", false, [](MainDialog &d) { d.Zoom(1); }},
        {"BUTTON_ZOOM33", false, [](MainDialog &d) { d.Zoom(2); }},
        {"BUTTON_ZOOM50", false, [](MainDialog &d) { d.Zoom(3); }},
        {"BUTTON_ZOOM75", false, [](MainDialog &d) { d.Zoom(4); }},
        {"BUTTON_ZOOM100", false, [](MainDialog &d) { d.Zoom(5); }},
        {"BUTTON_ZOOM150", false, [](MainDialog &d) { d.Zoom(6); }},
        {"BUTTON_ZOOM200", false, [](MainDialog &d) { d.Zoom(7); }},
        {"BUTTON_IN", false, [](MainDialog &d) { d.m_viewer.ZoomIn(); }},
        {"BUTTON_OUT", false, [](MainDialog &d) { d.m_viewer.ZoomOut(); }},
        {"BUTTON__RESTORE", kInput, [](MainDialog &d) { d.RestoreEffects(); }},
        {"BUTTON__EFFECT1", false, [](MainDialog &d) { d.m_effectDialogOne.show(); }},
        {"BUTTON__EFFECT2", false, [](MainDialog &d) { d.m_effectDialogTwo.show(); }},
        {"BUTTON_PLAY", false,
         [](MainDialog &d) {
             if (!d.FileList() || d.FileList()->RowCount() == 0)
                 d.Message(QStringLiteral("Please add image"));
             else
                 d.ShowSelectedRow();
         }},
        {"BUTTON_PAUSE", false,
         [](MainDialog &d) {
             d.Message(QStringLiteral("Pause Button Pressed"));
             if (SkinButton *pause = d.FindButton(kPauseButton))
                 pause->hide();
             if (SkinButton *play = d.FindButton(kPlayButton))
                 play->show();
         }},
        {"BUTTON_STOP", false,
         [](MainDialog &d) { d.Message(QStringLiteral("Stop Button Pressed")); }},
        {"BUTTON_MINIMIZE", false, [](MainDialog &d) { d.showMinimized(); }},
    };
    return commands;
}

void MainDialog::Zoom(int viewMode)
{
    m_viewer.SetViewMode(viewMode);
    Viewer()->setFocus();
}

void MainDialog::OnControlClicked(const std::string &name)
{
    const std::span<const Command> commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&name](const Command &c) { return name == c.name; });
    if (command == commands.end())
        return;
    if (command->changesConversionInput && IsConverting()) {
        RefuseWhileConverting();
        return;
    }
    command->action(*this);
}

void MainDialog::OnSliderChanged(const std::string &name, int /*position*/)
{
    if (name == kProgressSlider)
        ShowTime();
}

void MainDialog::paintEvent(QPaintEvent *event)
{
    if (!isMinimized()) {
        SkinDialog::paintEvent(event);
        return;
    }
    // Minimised, the window shows only the program's icon, centred.
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize);
    const QPoint topLeft((width() - iconSize + 1) / 2, (height() - iconSize + 1) / 2);
    m_icon.paint(&painter, QRect(topLeft, QSize(iconSize, iconSize)));
}

} // namespace lumaskin
