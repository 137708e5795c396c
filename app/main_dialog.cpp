#include "app/main_dialog.h"

#include "app/main_window_keys.h"
#include "controls/skin_combo_list.h"
#include "engine/batch_conversion.h"
#include "engine/file_name.h"
#include "engine/formats.h"
#include "engine/image_io.h"
#include "notifier/c_html_ctrl.h"
#include "notifier/task_bar_window.h"
#include "viewer/viewer_control.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSignalBlocker>
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
constexpr char kColoursButton[] = "BUTTON__EFFECT1";
constexpr char kFiltersButton[] = "BUTTON__EFFECT2";
// A conversion's failure report names at most this many files, then counts the rest.
constexpr int kReportedFailures = 15;

constexpr int kFitViewMode = 9;

// The viewer is a picture to screen readers, the progress over it a panel with its button.
QAccessibleInterface *WindowPartAccessible(const QString &, QObject *object)
{
    if (auto *viewer = qobject_cast<ViewerControl *>(object))
        return new QAccessibleWidget(viewer, QAccessible::Graphic);
    if (auto *progress = qobject_cast<ConversionProgress *>(object))
        return new QAccessibleWidget(progress, QAccessible::Grouping);
    return nullptr;
}

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
    static const bool partsKnown = [] {
        QAccessible::installFactory(WindowPartAccessible);
        return true;
    }();
    Q_UNUSED(partsKnown);
    m_viewer.Create(this);
    Viewer()->setAccessibleName(QCoreApplication::translate("MainDialog", "Picture"));
    m_progress->setAccessibleName(QCoreApplication::translate("MainDialog", "Conversion"));
    connect(m_progress, &ConversionProgress::cancelRequested, this, &MainDialog::CancelConversion);
    // The skin's list shows the pictures as they change.
    connect(&m_pictures, &PictureList::rowsChanged, this, &MainDialog::ShowPictures);
    connect(&m_pictures, &PictureList::currentChanged, this, [this](int row) {
        if (SkinListBox *list = FileList(); list && list->SelectedRow() != row) {
            const QSignalBlocker quiet(list);
            list->SelectRow(row);
        }
    });
    connect(Viewer(), &ViewerControl::imageChanged, this, &MainDialog::UpdateChangeButtons);
    // A picture that cannot be shown says why in its place, rather than leaving the one before
    // it there for effects to change.
    connect(Viewer(), &ViewerControl::loadFailed, this, [this](const QString &message) {
        Viewer()->ClearImage(
            QCoreApplication::translate("MainDialog", "This picture cannot be shown.\n\n%1")
                .arg(message));
    });
    m_stepsDialog = new StepsDialog(
        m_batch, m_choice, messages,
        [this](QString *error) { return BatchRequest(m_choice.Folder(), error); },
        [this] { PreviewSteps(); }, this);
    UpdateChangeButtons();
    connect(&m_effectDialogOne, &EffectDialog::inForceChanged, this,
            &MainDialog::ShowEffectsInForce);
    connect(&m_effectDialogTwo, &EffectDialog::inForceChanged, this,
            &MainDialog::ShowEffectsInForce);
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
    return QCoreApplication::translate("MainDialog", "All pictures|%1|").arg(pictures.join(u';')) +
           entries + QCoreApplication::translate("MainDialog", "All Files(*.*)|*.*||");
}

void MainDialog::OnInitDialog(const QString &packageFolder)
{
    SetPackageFolder(packageFolder);
    LoadSkinPackage(packageFolder + u'/' + QLatin1String(SkinSwitcher::kStartupPackageFile));
    SetSkinIndex(SkinSwitcher::kStartupPackageIndex);
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
    setWindowIcon(m_icon);
    PlaceViewer();
    NameSkinInNotifier();
    return true;
}

void MainDialog::OnSkinLoaded()
{
    // Bound to the program's state: what the user did with the last skin's controls is
    // still there, whatever skin shows it.
    if (SkinListBox *list = FileList()) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        connect(list, &QTreeWidget::currentItemChanged, this,
                [this, list] { m_pictures.SetCurrent(list->SelectedRow()); });
    }
    FillFormatComboBox();
    if (const std::vector<SkinComboBox *> combos = ComboBoxes(); !combos.empty())
        connect(combos.front(), &SkinComboBox::rowChosen, this, [this](int row) {
            const std::vector<const Format *> formats = WrittenFormats();
            if (row >= 0 && row < static_cast<int>(formats.size()))
                m_choice.ChooseFormat(formats[static_cast<std::size_t>(row)]->extension);
        });
    ShowPictures();
    ShowFormatChoice();
    ShowFirstEdit();

    if (SkinButton *pause = FindButton(kPauseButton))
        pause->hide();
    if (SkinButton *play = FindButton(kPlayButton))
        play->show();
    ShowTime();
    // Each button's tooltip names the key that does the same; both close buttons quit.
    for (SkinButton *button : Buttons())
        button->SetShortcutText(
            KeyTextFor(button->Name() == "BUTTON_EXIT" ? "BUTTON_CLOSE" : button->Name()));
    ShowEffectsInForce();
}

QWidget *MainDialog::HostedWidget() const
{
    return Viewer();
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
    return Messages().Show(
               QCoreApplication::translate("MainDialog",
                                           "The central directory was not found. If you're opening "
                                           "a multi-disk archive, make sure you have inserted the "
                                           "last disk. Retry?"),
               MessageButtons::YesNo, MessageIcon::Stop) == MessageAnswer::Yes;
}

bool MainDialog::ReplaceInstalledPackage(const QString &fileName)
{
    return Messages().Show(
               QCoreApplication::translate(
                   "MainDialog", "A skin package named %1 is already installed. Replace it?")
                   .arg(fileName),
               MessageButtons::YesNo, MessageIcon::None) == MessageAnswer::Yes;
}

void MainDialog::OnSkinChanged()
{
    PlaceViewer();
    NameSkinInNotifier();
}

void MainDialog::NameSkinInNotifier()
{
    // The notifier's page names the skin that has just been loaded (bundled or the user's
    // own), or says that it failed.
    const auto *notifier = dynamic_cast<const TaskBarWindow *>(TaskBar());
    if (auto *page = notifier ? qobject_cast<CHtmlCtrl *>(notifier->HtmlView()) : nullptr)
        page->NavigateStartPage(
            QFileInfo(FailedPackage().isEmpty() ? CurrentPackage() : FailedPackage())
                .completeBaseName(),
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
}

void MainDialog::ShowPictures()
{
    SkinListBox *list = FileList();
    if (!list)
        return;
    // The list follows the pictures; its own signals would only report this back.
    const QSignalBlocker quiet(list);
    list->clear();
    for (const QString &path : m_pictures.Paths())
        list->AddFile(path);
    list->SelectRow(m_pictures.Current());
    list->viewport()->update();
}

void MainDialog::ShowFormatChoice()
{
    const std::vector<SkinComboBox *> combos = ComboBoxes();
    if (combos.empty())
        return;
    SkinComboBox &formats = *combos.front();
    const QSignalBlocker quiet(&formats);
    // Until the user chooses, the first format is shown but not chosen.
    if (!m_choice.IsFormatChosen() || !formats.SelectRow(FormatSelectionMark())) {
        if (SkinEdit *edit = formats.Edit())
            edit->setText(FindWrittenFormat(m_choice.Format())->label);
    }
}

bool MainDialog::ChooseFormat(const QString &extension)
{
    if (!m_choice.ChooseFormat(extension))
        return false;
    ShowFormatChoice();
    return true;
}

void MainDialog::RememberChoicesIn(AppSettings *settings)
{
    m_choice.RememberIn(settings);
    m_batch.RememberIn(settings);
    ShowFormatChoice();
}

void MainDialog::SetFirstEdit(const QString &text, std::optional<bool> enabled)
{
    m_firstEdit.set = true;
    m_firstEdit.text = text;
    if (enabled)
        m_firstEdit.enabled = enabled;
    ShowFirstEdit();
}

void MainDialog::ShowFirstEdit()
{
    SkinEdit *edit = EditBox(0);
    if (!edit || !m_firstEdit.set)
        return;
    edit->setText(m_firstEdit.text);
    if (m_firstEdit.enabled)
        edit->setEnabled(*m_firstEdit.enabled);
}

void MainDialog::PlaceViewer()
{
    // Without a place from the skin the viewer stays hidden rather than covering the skin.
    if (!HostRect()) {
        Viewer()->hide();
        return;
    }
    Viewer()->setGeometry(ToQRect(*HostRect()));
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

int MainDialog::FormatSelectionMark() const
{
    if (!m_choice.IsFormatChosen())
        return -1;
    return static_cast<int>(WritableFormats().indexOf(m_choice.Format()));
}

void MainDialog::ShowImage(const QString &path)
{
    m_viewer.SetLoadOption(1);
    m_viewer.SetDisplayOption(true);
    m_viewer.SetFileName(path);
    m_viewer.SetViewMode(kFitViewMode);
}

void MainDialog::ShowEffectsInForce()
{
    const SkinListBox *list = FileList();
    const QColor ground = list ? list->SelBkColor() : QColor(0x33, 0x66, 0xcc);
    const auto mark = [&](const char *button, const EffectDialog &window) {
        SkinButton *control = FindButton(button);
        if (!control)
            return;
        const QStringList effects = window.InForce();
        control->SetBadge(effects.isEmpty() ? QString() : QString::number(effects.size()),
                          QCoreApplication::translate("MainDialog", "In force: ") +
                              effects.join(QStringLiteral(", ")),
                          ground);
    };
    mark(kColoursButton, m_effectDialogOne);
    mark(kFiltersButton, m_effectDialogTwo);
}

void MainDialog::UpdateChangeButtons()
{
    const bool shown = !Viewer()->CurrentImage().IsNull();
    m_effectDialogOne.SetChangesEnabled(shown);
    m_effectDialogTwo.SetChangesEnabled(shown);
}

QString MainDialog::SelectOutputFolder(int *quality)
{
    const QString title =
        QCoreApplication::translate("MainDialog", "Please select an output directory for ");
    const QString start = m_choice.Folder();
    return ResolveFileName(quality ? m_prompts.ConversionFolder(title, start, quality)
                                   : m_prompts.Folder(title, start));
}

void MainDialog::OnListClicked()
{
    if (const SkinListBox *list = FileList())
        m_pictures.SetCurrent(list->SelectedRow());
    if (m_pictures.Current() != -1)
        ShowImage(m_pictures.CurrentPath());
}

void MainDialog::ShowSelectedRow()
{
    ShowImage(m_pictures.CurrentPath());
}

void MainDialog::AddFiles()
{
    AddPaths(m_prompts.OpenFiles(ImageFilter()));
}

void MainDialog::AddPaths(const QStringList &files)
{
    // The chooser shows names as text; a name that is not UTF-8 is found again by its bytes.
    QStringList paths;
    for (const QString &file : files) {
        // By hand rather than through QFileInfo, which would turn those bytes back into text.
        QString path = ResolveFileName(file);
        if (QDir::isRelativePath(path))
            path = QDir::currentPath() + u'/' + path;
        paths << QDir::cleanPath(path);
    }
    const int already = m_pictures.Add(paths);
    if (SkinListBox *list = FileList())
        list->setFocus();
    ShowSelectedRow();
    // Said once for the whole addition, however many there were.
    if (already > 0)
        m_messages.Show(
            already == 1
                ? QCoreApplication::translate("MainDialog", "That picture is in the list already.")
                : QCoreApplication::translate("MainDialog", "%1 of those pictures are in the list "
                                                            "already.")
                      .arg(already),
            MessageButtons::Ok, MessageIcon::None);
}

void MainDialog::DeleteSelected()
{
    m_pictures.RemoveCurrent();
    if (m_pictures.Count() == 0)
        SetFirstEdit(QString(), false);
    if (SkinListBox *list = FileList())
        list->setFocus();
    ShowSelectedRow();
}

void MainDialog::MoveSelectedRow(int offset)
{
    // The first row goes no higher, the last no lower; without a current row nothing moves.
    m_pictures.MoveCurrent(offset);
}

void MainDialog::EditSelectedRow()
{
    if (m_pictures.Count() == 0) {
        Message(QCoreApplication::translate("MainDialog", "Please add image"));
        return;
    }
    // The selected picture, or the first one when none is selected, with both effect
    // windows ready beside it.
    if (m_pictures.Current() < 0)
        m_pictures.SetCurrent(0);
    ShowSelectedRow();
    m_effectDialogOne.show();
    m_effectDialogTwo.show();
}

void MainDialog::DeleteAll()
{
    m_pictures.Clear();
    SetFirstEdit(QString(), false);
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
    const QString extension = m_choice.Format();
    const int rows = m_pictures.Count();
    if (rows == 0) {
        Message(QCoreApplication::translate("MainDialog", "Please input image file"));
        return;
    }
    // Formats with a quality ask for it beside the folder. Files written beside their
    // pictures need no folder; their quality is the one the Steps window shows.
    QString folder;
    if (m_batch.Place() == TargetPlace::Folder) {
        const bool hasQuality = FormatHasQuality(extension);
        int quality = m_choice.Quality();
        folder = SelectOutputFolder(hasQuality ? &quality : nullptr);
        if (folder.isEmpty())
            return;
        if (hasQuality)
            m_choice.SetQuality(quality);
        m_choice.SetFolder(folder);
    }

    // The rows and the values the windows hold now, applied once to every file; nothing the
    // user does while the files are converted changes them.
    QString error;
    std::optional<ConversionRequest> made = BatchRequest(folder, &error);
    if (!made) {
        Messages().Show(error, MessageButtons::Ok, MessageIcon::Stop);
        return;
    }
    ConversionRequest request = std::move(*made);
    request.jobs = m_conversionJobs;
    if (!ChooseTargetPolicy(request))
        return;
    m_conversion = std::make_unique<RunningConversion>();
    m_conversion->effects = MarkedEffectSteps();
    m_conversion->effectNames = m_effectDialogOne.InForce() + m_effectDialogTwo.InForce();
    m_conversion->folder = request.folder;

    m_effectDialogOne.setEnabled(false);
    m_effectDialogTwo.setEnabled(false);
    PlaceProgress();
    m_progress->Start(rows * static_cast<int>(request.Outputs().size()));

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
            &run->cancel,
            [this](const ConversionOutcome &outcome) {
                QMetaObject::invokeMethod(
                    this,
                    [this, source = outcome.source] {
                        if (m_conversion)
                            m_progress->FileStarted(source);
                    },
                    Qt::QueuedConnection);
            });
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
    // unless the user says otherwise; beside their pictures, always (their files become
    // "name (2)"), so nothing is asked about them.
    const bool beside = request.place == TargetPlace::BesideSource;
    request.ifExists = IfExists::Overwrite;
    request.overwriteSources = !beside;
    std::vector<ConversionOutcome> plan = BatchConversion::Plan(request);
    request.overwriteSources = false;
    QStringList sources;
    for (const ConversionOutcome &outcome : plan) {
        if (outcome.replacesSource)
            sources << FileName(outcome.source);
    }
    if (!sources.isEmpty()) {
        const MessageAnswer answer = Messages().Show(
            QCoreApplication::translate(
                "MainDialog", "These pictures are in %1 already, in the chosen format. Converting "
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
    const QString question =
        beside ? QCoreApplication::translate(
                     "MainDialog",
                     "%1 of the converted files exist already beside their pictures:\n\n%2\n\n"
                     "Keep both (the new files are written as \"name (2)\"), overwrite them, or "
                     "skip those pictures? The answer is for all of them.")
                     .arg(existing.size())
                     .arg(NameList(existing))
               : QCoreApplication::translate(
                     "MainDialog",
                     "%1 of the converted files exist already in %2:\n\n%3\n\nKeep both "
                     "(the new files are written as \"name (2)\"), overwrite them, or skip "
                     "those pictures? The answer is for all of them.")
                     .arg(existing.size())
                     .arg(request.folder, NameList(existing));
    const MessageAnswer answer =
        Messages().Show(question, MessageButtons::OverwriteSkipKeepBoth, MessageIcon::None);
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
    m_progress->SetProgress(finished, total, outcome.written ? outcome.target : QString(),
                            outcome.source);
    if (outcome.written)
        SetFirstEdit(outcome.target);
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
    const QStringList effectNames = std::move(m_conversion->effectNames);
    const QString folder = std::move(m_conversion->folder);
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
        SetFirstEdit(last->target);
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
    // Whole sentences, so that each language can put the folder where it belongs.
    const QString into = QDir::toNativeSeparators(folder);
    // Files written beside their pictures: Open folder shows the first one's.
    const bool beside = folder.isEmpty();
    const auto firstWritten = std::ranges::find_if(
        outcomes, [](const ConversionOutcome &outcome) { return outcome.written; });
    const QString shown = !beside || firstWritten == outcomes.end()
                              ? folder
                              : QFileInfo(firstWritten->target).absolutePath();
    QString report;
    if (cancelled && beside)
        report = QCoreApplication::translate(
                     "MainDialog", "Conversion cancelled: %1 of %2 files written beside their "
                                   "pictures.")
                     .arg(written)
                     .arg(total);
    else if (cancelled)
        report = written > 0
                     ? QCoreApplication::translate(
                           "MainDialog", "Conversion cancelled: %1 of %2 files written to %3.")
                           .arg(written)
                           .arg(total)
                           .arg(into)
                     : QCoreApplication::translate("MainDialog",
                                                   "Conversion cancelled: %1 of %2 files written.")
                           .arg(written)
                           .arg(total);
    else if (written == 0)
        report = QCoreApplication::translate("MainDialog", "Convert Completed!\n\n") +
                 QCoreApplication::translate("MainDialog", "No file was written.");
    else if (beside)
        report =
            QCoreApplication::translate("MainDialog", "Convert Completed!\n\n") +
            (written == 1
                 ? QCoreApplication::translate("MainDialog", "1 file written beside its picture.")
                 : QCoreApplication::translate("MainDialog",
                                               "%1 files written beside their pictures.")
                       .arg(written));
    else
        report = QCoreApplication::translate("MainDialog", "Convert Completed!\n\n") +
                 (written == 1
                      ? QCoreApplication::translate("MainDialog", "1 file written to %1.").arg(into)
                      : QCoreApplication::translate("MainDialog", "%1 files written to %2.")
                            .arg(written)
                            .arg(into));
    if (!effectNames.isEmpty() && written > 0)
        report += QCoreApplication::translate("MainDialog", "\nEffects applied: %1.")
                      .arg(effectNames.join(QStringLiteral(", ")));
    if (skipped > 0 || !renamed.isEmpty()) {
        report += QCoreApplication::translate(
                      "MainDialog", "\n\n%1 written, %2 skipped (already there), %3 renamed")
                      .arg(written)
                      .arg(skipped)
                      .arg(renamed.size());
        if (!renamed.isEmpty())
            report += QStringLiteral(":\n") + NameList(renamed);
        else
            report += u'.';
    }
    if (!failures.isEmpty()) {
        report +=
            QCoreApplication::translate("MainDialog", "\n\n%1 of %2 files could not be converted:")
                .arg(failures.size())
                .arg(total);
        for (qsizetype i = 0; i < std::min<qsizetype>(failures.size(), kReportedFailures); ++i)
            report += u'\n' + failures[i];
        if (failures.size() > kReportedFailures)
            report += QCoreApplication::translate("MainDialog", "\n... and %1 more.")
                          .arg(failures.size() - kReportedFailures);
    }
    if (written == 0) {
        Message(report);
        return;
    }
    if (Messages().Show(report, MessageButtons::OkOpenFolder, MessageIcon::None) ==
        MessageAnswer::OpenFolder)
        if (!m_prompts.ShowFolder(shown))
            Messages().Show(QCoreApplication::translate(
                                "MainDialog", "No file manager opened %1. The files are there.")
                                .arg(QDir::toNativeSeparators(shown)),
                            MessageButtons::Ok, MessageIcon::Stop);
}

std::optional<ConversionRequest> MainDialog::BatchRequest(const QString &folder,
                                                          QString *error) const
{
    return m_batch.Request(m_choice, MarkedEffectSteps(), m_pictures.Paths(), folder, error);
}

void MainDialog::PreviewSteps()
{
    if (Viewer()->OriginalImage().IsNull())
        return;
    QString error;
    const std::optional<ConversionRequest> request = BatchRequest(QString(), &error);
    Image image = Viewer()->OriginalImage().Clone();
    if (!request || !ApplySteps(image, request->steps, &error)) {
        Messages().Show(error, MessageButtons::Ok, MessageIcon::Stop);
        return;
    }
    Viewer()->EditableImage() = std::move(image);
    Viewer()->ImageEdited();
    m_viewer.SetViewMode(kFitViewMode);
}

void MainDialog::AddMenuEntries(QMenu &menu)
{
    menu.addAction(
        QCoreApplication::translate("MainDialog", "&Steps, Watermark and Presets...\tCtrl+T"), this,
        [this] { OnControlClicked("BUTTON_STEPS"); });
    menu.addSeparator();
}

bool MainDialog::RefuseWhileConverting()
{
    if (!m_conversion)
        return false;
    Message(QCoreApplication::translate(
        "MainDialog", "The pictures are being converted. Please wait until that is done, "
                      "or cancel it."));
    return true;
}

QString MainDialog::ChooseSkinPackage()
{
    return ResolveFileName(m_prompts.SkinPackage(
        QCoreApplication::translate("MainDialog", "Skin packages|*.zip;*.skn|All files|*||")));
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
    if (editIndex == 0) {
        SetFirstEdit(file, true);
    } else if (SkinEdit *edit = EditBox(editIndex)) {
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
        {"BUTTON_STEPS", false,
         [](MainDialog &d) {
             d.m_stepsDialog->show();
             d.m_stepsDialog->raise();
         }},
        {"BUTTON_PLAY", false,
         [](MainDialog &d) {
             if (d.m_pictures.Count() == 0)
                 d.Message(QCoreApplication::translate("MainDialog", "Please add image"));
             else
                 d.ShowSelectedRow();
         }},
        {"BUTTON_PAUSE", false,
         [](MainDialog &d) {
             d.Message(QCoreApplication::translate("MainDialog", "Pause Button Pressed"));
             if (SkinButton *pause = d.FindButton(kPauseButton))
                 pause->hide();
             if (SkinButton *play = d.FindButton(kPlayButton))
                 play->show();
         }},
        {"BUTTON_STOP", false,
         [](MainDialog &d) {
             d.Message(QCoreApplication::translate("MainDialog", "Stop Button Pressed"));
         }},
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
