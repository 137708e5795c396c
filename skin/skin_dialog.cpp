#include "skin/skin_dialog.h"

#include "controls/bitmap_helpers.h"
#include "controls/skin_accessibility.h"
#include "engine/file_name.h"
#include "skin/control_factory.h"
#include "skin/control_kind.h"
#include "skin/skin_ini.h"
#include "skin/skin_sections.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

namespace lumaskin {

namespace {

// The longest time the display can show, 99:59:59.
constexpr int kMaxDisplaySeconds = 359999;
// The notifier slides in and out in 0.3 s and stays long enough to be read.
constexpr int kNotifierSlideMs = 300;
constexpr int kNotifierStayMs = 6000;

// The layer only holds the controls: a panel to screen readers, not an unnamed filler.
QAccessibleInterface *LayerAccessible(const QString &, QObject *object)
{
    if (auto *layer = qobject_cast<ControlLayer *>(object))
        return new QAccessibleWidget(layer, QAccessible::Pane);
    return nullptr;
}

} // namespace

SkinDialog::SkinDialog(QWidget *parent) : SkinWindow(parent)
{
    static const bool installed = [] {
        InstallSkinAccessibility();
        QAccessible::installFactory(LayerAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

void SkinDialog::SetTaskBarPopup(std::unique_ptr<TaskBarPopup> popup)
{
    m_taskBarWindow = std::move(popup);
}

void SkinDialog::ChooseSkinScale(const QString &backgroundPath)
{
    // The skin at its own size, in skin pixels, against the room its screen leaves.
    const QSize size = QImageReader(backgroundPath).size();
    const QScreen *shown = screen();
    const QSize available = shown ? shown->availableGeometry().size() : QSize();
    SetSkinScale(FittingSkinScale(size, available, devicePixelRatioF()));
}

void SkinDialog::LoadSkin()
{
    const SkinIni ini(m_skinFile.toStdString());
    const QString folder = GetFolderOfPath(m_skinFile);
    // Chosen before anything of the skin is loaded: every skinned window follows it.
    ChooseSkinScale(SkinFilePath(folder, ReadBackgroundBitmap(ini)));

    if (m_taskBarWindow) {
        if (!m_taskBarWindow->IsCreated()) {
            m_taskBarWindow->Create(this);
            m_taskBarWindow->HideNow();
        } else {
            m_taskBarWindow->HideNow();
            m_taskBarWindow->DestroyButton();
        }
        m_taskBarWindow->SetSkinBitmap(m_skinFolder + QStringLiteral("dlgTaskNotifier.bmp"), 255, 0,
                                       255);
        if (m_notesShown)
            m_taskBarWindow->StartPopUp(kNotifierSlideMs, kNotifierStayMs, kNotifierSlideMs, 1);
    }

    FreeSkin();

    if (const std::optional<ColourValue> colour = ReadTransparentColour(ini))
        SetTransparentColor(*colour);
    LoadBackground(SkinFilePath(folder, ReadBackgroundBitmap(ini)));
    if (const std::optional<Rect> hostRect = ReadHostRect(ini))
        m_hostRect = *hostRect;

    LoadTaskBarButtons(ini, folder);
    // A skin without an icon shows none rather than the previous skin's.
    ClearIcon();
    if (const std::optional<IconEntry> icon = ReadIcon(ini))
        LoadIcon(SkinFilePath(folder, icon->bitmap), icon->rect);

    // The new skin's layer: over the whole window, drawing nothing itself, and passing the
    // mouse on the bare background through to the window.
    m_layer = new ControlLayer(this);
    m_layer->Build(ini, ControlKinds(), ControlSite{nullptr, this, folder, TransparentColor()});
    m_layer->NameFromLabels();
    std::vector<ControlLayer::HostedStop> hosted;
    if (QWidget *widget = HostedWidget(); widget && m_hostRect)
        hosted.push_back({widget, ToQRect(*m_hostRect)});
    m_keyboardFocus.Attach(m_layer, m_layer->OrderTabs(hosted), m_layer->SkinColours());

    OnSkinLoaded();
    BuildBackgroundDC();
    FrameWithoutSkin();
    update();
}

void SkinDialog::LoadTaskBarButtons(const SkinIni &ini, const QString &folder)
{
    if (!m_taskBarWindow)
        return;
    const ListSection<ButtonEntry> entries = ReadTaskBarButtons(ini);
    const ControlSite site{m_taskBarWindow->ButtonParent(), nullptr, folder, TransparentColor(),
                           &ini};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i])
            m_taskBarWindow->AddButton(
                CreateTaskBarButton(*entries[i], static_cast<int>(i), site, m_taskBarWindow.get()));
    }
}

void SkinDialog::FreeSkin()
{
    DropBackground();
    if (m_layer) {
        m_layer->hide();
        m_layer->deleteLater();
        m_layer = nullptr;
    }
}

void SkinDialog::LoadSkinFile(const QString &skinFile)
{
    SetSkinFile(skinFile);
    SetSkinFolder(GetFolderOfPath(m_skinFile));
    LoadSkin();
}

void SkinDialog::BeginSkinChange()
{
    OnSkinChanging();
    emit skinChanging();
    // Hidden while it is rebuilt, so nobody sees half a skin.
    hide();
    if (m_taskBarWindow)
        m_taskBarWindow->HideNow();
}

void SkinDialog::EndSkinChange()
{
    OnSkinChanged();
    show();
    emit skinChanged();
}

QString SkinDialog::ChooseSkinPackage()
{
    return QFileDialog::getOpenFileName(
        this, QCoreApplication::translate("SkinDialog", "Install Skin"), QDir::homePath(),
        QCoreApplication::translate("SkinDialog",
                                    "Skin packages (*.zip *.skn *.ZIP *.SKN);;All files (*)"),
        nullptr, QFileDialog::DontUseNativeDialog);
}

void SkinDialog::OnSkinChanged()
{
    const std::vector<SkinComboBox *> combos = ComboBoxes();
    if (combos.empty())
        return;
    for (int k = 1; k <= 3; ++k)
        combos.front()->AddItem(QStringLiteral("item%1").arg(k));
}

std::unique_ptr<QMenu> SkinDialog::CreateSkinMenu()
{
    std::unique_ptr<QMenu> menu = m_switcher.CreateSkinMenu(this);
    menu->addSeparator();
    AddMenuEntries(*menu);
    QAction *notes = menu->addAction(
        QCoreApplication::translate("SkinDialog", "Show a &Note at Each Skin Change"));
    notes->setCheckable(true);
    notes->setChecked(m_notesShown);
    connect(notes, &QAction::toggled, this, &SkinDialog::SetNotesShown);
    return menu;
}

void SkinDialog::SetNotesShown(bool shown)
{
    if (shown == m_notesShown)
        return;
    m_notesShown = shown;
    if (!shown && m_taskBarWindow)
        m_taskBarWindow->HideNow();
    emit notesShownChanged(shown);
}

void SkinDialog::contextMenuEvent(QContextMenuEvent *event)
{
    PopUpSkinMenu(event->globalPos());
    event->accept();
}

void SkinDialog::PopUpSkinMenu(QPoint globalPos)
{
    const std::unique_ptr<QMenu> menu = CreateSkinMenu();
    menu->exec(globalPos);
}

void SkinDialog::PopUpSkinMenu()
{
    // Under the control the keys work in, else at the window's middle.
    const QWidget *focused = focusWidget();
    if (focused && focused->isVisible() && isAncestorOf(focused))
        PopUpSkinMenu(focused->mapToGlobal(QPoint(0, focused->height())));
    else
        PopUpSkinMenu(mapToGlobal(rect().center()));
}

void SkinDialog::resizeEvent(QResizeEvent *event)
{
    if (m_layer)
        m_layer->setGeometry(rect());
    SkinWindow::resizeEvent(event);
}

void SkinDialog::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    SkinWindow::mouseMoveEvent(event);
    if (m_layer)
        m_layer->FollowMouse(pos, event->buttons());
    OnMouseMoved(std::string(), pos.x(), pos.y());
}

CLabel *SkinDialog::CaptionLabel() const
{
    const std::vector<CLabel *> caption = Controls<CLabel>(kCaptionSection);
    return caption.empty() ? nullptr : caption.front();
}

SkinButton *SkinDialog::FindButton(const std::string &name) const
{
    return FindControl<SkinButton>(kButtonSection, name);
}

void SkinDialog::EnableButton(const std::string &name, bool enable)
{
    if (SkinButton *button = FindButton(name))
        button->setEnabled(enable);
}

int SkinDialog::GetButtonState(const std::string &name) const
{
    const SkinButton *button = FindButton(name);
    return button ? button->IsChecked() : 0;
}

void SkinDialog::SetButtonChecked(const std::string &name, int state)
{
    if (SkinButton *button = FindButton(name))
        button->SetChecked(state);
}

void SkinDialog::SetButtonTooltip(const std::string &name, const QString &text)
{
    if (SkinButton *button = FindButton(name))
        button->SetTooltipText(text, true);
}

SkinSlider *SkinDialog::FindSlider(const std::string &name) const
{
    return FindControl<SkinSlider>(kSliderSection, name);
}

int SkinDialog::GetSliderPos(const std::string &name) const
{
    const SkinSlider *slider = FindSlider(name);
    return slider ? slider->GetPos() : 0;
}

void SkinDialog::SetSliderPos(const std::string &name, int position)
{
    if (SkinSlider *slider = FindSlider(name)) {
        slider->SetPos(position);
        slider->update();
    }
}

CLabel *SkinDialog::FindLabel(const std::string &name) const
{
    return FindControl<CLabel>(kLabelSection, name);
}

QString SkinDialog::FormatTime(int seconds)
{
    seconds = std::clamp(seconds, 0, kMaxDisplaySeconds);
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds % 3600 / 60, seconds % 60);
}

QString SkinDialog::GetFolderOfPath(const QString &path)
{
    return FolderWithSlash(QFileInfo(path).absolutePath());
}

void SkinDialog::OnButtonClicked(int index)
{
    if (const SkinButton *button =
            m_layer ? m_layer->At<SkinButton>(kButtonSection, index) : nullptr)
        OnControlClicked(button->Name());
}

void SkinDialog::OnOptionClicked(int index)
{
    if (const SkinOptionButton *clicked = m_layer ? m_layer->CheckOption(index) : nullptr)
        OnOptionSelected(clicked->Name());
}

void SkinDialog::OnCheckClicked(int) {}

void SkinDialog::OnSliderMoved(int index, int position)
{
    if (const SkinSlider *slider =
            m_layer ? m_layer->At<SkinSlider>(kSliderSection, index) : nullptr)
        OnSliderChanged(slider->Name(), position);
}

void SkinDialog::OnControlClicked(const std::string &) {}
void SkinDialog::OnOptionSelected(const std::string &) {}
void SkinDialog::OnSliderChanged(const std::string &, int) {}
void SkinDialog::OnMouseMoved(const std::string &, int, int) {}

} // namespace lumaskin
