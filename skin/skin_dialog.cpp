#include "skin/skin_dialog.h"

#include "controls/bitmap_helpers.h"
#include "controls/control_factory.h"
#include "controls/shape_limit.h"
#include "controls/skin_combo_list.h"
#include "controls/skin_scroll_bar.h"
#include "skin/skin_package.h"
#include "skin/skin_sections.h"
#include "skin/skin_working_folder.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

namespace lumaskin {

namespace {

// The one option that stays as it is when another option of the group is chosen.
constexpr char kIndependentOption[] = "OPTION_AUDIOSTREAM1";
// The longest time the display can show, 99:59:59.
constexpr int kMaxDisplaySeconds = 359999;

template <class Control>
Control *FindByName(const std::vector<std::unique_ptr<Control>> &controls, const std::string &name)
{
    for (const auto &control : controls) {
        if (control->Name() == name)
            return control.get();
    }
    return nullptr;
}

template <class Control>
Control *AtIndex(const std::vector<std::unique_ptr<Control>> &controls, int index)
{
    if (index < 0 || index >= static_cast<int>(controls.size()))
        return nullptr;
    return controls[static_cast<std::size_t>(index)].get();
}

// Creates one control per non-empty entry of a list section, appending it to `controls`.
template <class Control, class Entry, class Creator>
void CreateAll(const std::vector<std::optional<Entry>> &entries,
               std::vector<std::unique_ptr<Control>> &controls, const ControlSite &site,
               Creator create)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i])
            controls.push_back(create(*entries[i], static_cast<int>(i), site));
    }
}

} // namespace

SkinDialog::SkinDialog(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // The shape is cut by a mask; outside the background nothing of the window is drawn.
    setAttribute(Qt::WA_TranslucentBackground);
    // Mouse moves over the bare background close an open drop list and reach the scroll
    // bars even with no button held.
    setMouseTracking(true);
}

SkinDialog::~SkinDialog()
{
    FreeSkin();
    m_captionLabel.reset();
    m_taskBarWindow.reset();
}

void SkinDialog::SetTaskBarPopup(std::unique_ptr<TaskBarPopup> popup)
{
    m_taskBarWindow = std::move(popup);
}

void SkinDialog::LoadSkin()
{
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
        m_taskBarWindow->StartPopUp(300, 1000, 300, 1);
    }

    FreeSkin();

    const SkinIni ini(m_skinFile.toStdString());
    const QString folder = GetFolderOfPath(m_skinFile);

    LoadBitmapFile(SkinFilePath(folder, ReadBackgroundBitmap(ini)), m_backgroundBitmap);
    if (const std::optional<ColourValue> colour = ReadTransparentColour(ini))
        m_transparentColor = *colour;
    if (!m_backgroundBitmap.isNull()) {
        // The window is as large as its background; the shape cuts it further.
        resize(m_backgroundBitmap.size());
        ShapeWindow(m_windowRegion, m_backgroundBitmap, m_transparentColor);
    }
    if (const std::optional<Rect> hostRect = ReadHostRect(ini))
        m_hostRect = *hostRect;

    ReadControls(ini, folder);
    ShowTime();
    BuildBackgroundDC();
    update();
}

void SkinDialog::LoadSkinPackage(const QString &packagePath)
{
    if (!m_messages) {
        m_ownMessages = std::make_unique<QtMessageBoxes>(this);
        m_messages = m_ownMessages.get();
    }
    // A private folder of our own, so nothing in the user's folder is written or emptied.
    SkinWorkingFolder workingFolder;
    if (workingFolder.IsValid())
        ExtractSkinPackage(m_archive, packagePath.toStdString(), workingFolder.Path(), *m_messages);
    SetSkinFile(QString::fromStdString(workingFolder.SkinFilePath()));
    SetSkinFolder(GetFolderOfPath(m_skinFile));
    LoadSkin();
    // Every bitmap is in memory now.
    workingFolder.DeleteWorkingFolder();
}

void SkinDialog::OnChangeSkin(int id)
{
    const int index = id - kFirstSkinCommand;
    if (index < 0 || index >= static_cast<int>(kSkinCommands.size()) || !CanChangeSkin())
        return;
    m_skinIndex = index;
    OnSkinChanging();
    // Hidden while it is rebuilt, so nobody sees half a skin.
    hide();
    if (m_taskBarWindow)
        m_taskBarWindow->HideNow();
    LoadSkinPackage(m_packageFolder + u'/' +
                    QLatin1String(kSkinCommands[static_cast<std::size_t>(index)].packageFile));
    OnSkinChanged();
    show();
}

void SkinDialog::OnSkinChanged()
{
    if (m_comboBoxes.empty())
        return;
    for (int k = 1; k <= 3; ++k)
        m_comboBoxes.front()->AddItem(QStringLiteral("item%1").arg(k));
}

std::unique_ptr<QMenu> SkinDialog::CreateSkinMenu()
{
    auto menu = std::make_unique<QMenu>(QStringLiteral("&Change Skin"), this);
    for (std::size_t i = 0; i < kSkinCommands.size(); ++i) {
        const SkinCommand &command = kSkinCommands[i];
        QAction *action = menu->addAction(QString::fromLatin1(command.menuText));
        action->setCheckable(true);
        action->setChecked(static_cast<int>(i) == m_skinIndex);
        const int id = command.id;
        // The change destroys every control, so it waits until the menu and whatever event
        // opened it have finished.
        connect(action, &QAction::triggered, this, [this, id] {
            QMetaObject::invokeMethod(
                this, [this, id] { OnChangeSkin(id); }, Qt::QueuedConnection);
        });
    }
    return menu;
}

void SkinDialog::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> menu = CreateSkinMenu();
    menu->exec(event->globalPos());
    event->accept();
}

void SkinDialog::ReadControls(const SkinIni &ini, const QString &folder)
{
    const ControlSite site{this, this, folder, m_transparentColor};

    if (m_taskBarWindow) {
        const ListSection<ButtonEntry> entries = ReadTaskBarButtons(ini);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i])
                m_taskBarWindow->CreateButton(*entries[i], static_cast<int>(i), folder,
                                              m_transparentColor);
        }
    }

    // A skin without an icon shows none rather than the previous skin's.
    m_iconBitmap = QImage();
    m_iconDrawn = QImage();
    m_iconRect = Rect{};
    if (const std::optional<IconEntry> icon = ReadIcon(ini)) {
        LoadBitmapFile(SkinFilePath(folder, icon->bitmap), m_iconBitmap);
        m_iconRect = icon->rect;
        m_iconDrawn = WithKeyTransparent(m_iconBitmap, m_transparentColor);
    }

    CreateAll(ReadButtons(ini), m_buttons, site, CreateButton);
    if (SkinButton *pause = FindButton("BUTTON_PAUSE"))
        pause->hide();
    if (SkinButton *play = FindButton("BUTTON_PLAY"))
        play->show();

    CreateAll(ReadSliders(ini), m_sliders, site, CreateSlider);
    CreateAll(ReadOptionButtons(ini), m_optionButtons, site, CreateOptionButton);
    CreateAll(ReadCheckBoxes(ini), m_checkBoxes, site, CreateCheckBox);
    if (const std::optional<CaptionEntry> caption = ReadCaption(ini))
        m_captionLabel = CreateCaption(*caption, site);
    CreateAll(ReadLabels(ini), m_labels, site, CreateLabel);
    CreateAll(ReadEditBoxes(ini), m_editBoxes, site, CreateEditBox);
    CreateAll(ReadListBoxes(ini), m_listControls, site, CreateListBox);
    CreateAll(ReadComboBoxes(ini), m_comboBoxes, site, CreateComboBox);
}

void SkinDialog::ShowTime()
{
    SkinSlider *slider = FindSlider("SLIDER_PROGRESS");
    CLabel *label = FindLabel("LABEL_TIME");
    if (!slider || !label)
        return;
    label->SetText(FormatTime(slider->GetPos()) + u'/' + FormatTime(slider->MaxPos()));
    label->update();
}

void SkinDialog::FreeSkin()
{
    m_backgroundBitmap = QImage();
    // The mask the window wears stays until the next shape replaces it.
    m_windowRegion = QRegion();
    m_backgroundDC = QImage();

    m_buttons.clear();
    m_editBoxes.clear();
    m_listControls.clear();
    m_optionButtons.clear();
    m_progressBars.clear();
    m_labels.clear();
    m_captionLabel.reset();
    m_sliders.clear();
    m_checkBoxes.clear();
    m_comboBoxes.clear();
}

bool SkinDialog::ShapeWindow(QRegion &region, const QImage &bitmap, ColourValue colour)
{
    // However fine the key colour's pattern, the window gets a shape the display accepts.
    region = LimitShapeComplexity(RegionWithoutKeyColour(bitmap, colour));
    setMask(region);
    return region != QRegion(bitmap.rect());
}

void SkinDialog::ReshapeWindow()
{
    if (m_backgroundBitmap.isNull())
        return;
    if (ShapeWindow(m_windowRegion, m_backgroundBitmap, m_transparentColor))
        update();
}

void SkinDialog::BuildBackgroundDC()
{
    // A deep copy, so that the controls' copies never depend on the loaded bitmap.
    m_backgroundDC = m_backgroundBitmap.copy();
}

void SkinDialog::PaintSkin(QPainter &painter)
{
    if (m_backgroundBitmap.isNull()) {
        // Without a skin the window is a plain panel rather than an invisible one.
        painter.fillRect(rect(), palette().window());
    } else {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), m_backgroundBitmap,
                          QRect(QPoint(0, 0), size()).intersected(m_backgroundBitmap.rect()));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (!m_iconDrawn.isNull()) {
        painter.drawImage(
            QPoint(m_iconRect.left, m_iconRect.top), m_iconDrawn,
            QRect(0, 0, std::max(0, m_iconRect.Width()), std::max(0, m_iconRect.Height())));
    }
    // The controls are children: they repaint over this fresh background by themselves.
}

void SkinDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintSkin(painter);
}

void SkinDialog::mousePressEvent(QMouseEvent *event)
{
    // The background is the window's caption: a left press on it moves the window.
    if (event->button() == Qt::LeftButton) {
        QWindow *window = windowHandle();
        // Where no window manager moves windows for us, the dialog follows the mouse itself.
        if (!window || !window->startSystemMove())
            m_dragOffset = event->globalPosition().toPoint() - pos();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void SkinDialog::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragOffset.reset();
    QDialog::mouseReleaseEvent(event);
}

void SkinDialog::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragOffset && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - *m_dragOffset);
    if (!m_comboBoxes.empty())
        m_comboBoxes.front()->CloseListIfOutside(pos);
    // A thumb dragged off its scroll bar keeps following the mouse.
    if (!m_listControls.empty()) {
        if (SkinScrollBar *bar = m_listControls.front()->ScrollBar())
            bar->HandleMouseMove(bar->mapFrom(this, pos), event->buttons());
    }
    if (!m_comboBoxes.empty()) {
        if (SkinComboList *list = m_comboBoxes.front()->List()) {
            if (SkinScrollBar *bar = list->ScrollBar())
                bar->HandleMouseMove(bar->mapFrom(this, pos), event->buttons());
        }
    }
    QDialog::mouseMoveEvent(event);
    OnMouseMoved(std::string(), pos.x(), pos.y());
}

void SkinDialog::keyPressEvent(QKeyEvent *event)
{
    // A skinned window closes only through its own buttons.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

SkinButton *SkinDialog::FindButton(const std::string &name) const
{
    return FindByName(m_buttons, name);
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
    return FindByName(m_sliders, name);
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
    return FindByName(m_labels, name);
}

QString SkinDialog::FormatTime(int seconds)
{
    seconds = std::clamp(seconds, 0, kMaxDisplaySeconds);
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds % 3600 / 60, seconds % 60);
}

QString SkinDialog::GetFolderOfPath(const QString &path)
{
    QString folder = QFileInfo(path).absolutePath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

void SkinDialog::OnButtonClicked(int index)
{
    if (SkinButton *button = AtIndex(m_buttons, index)) {
        const std::string name = button->Name();
        OnControlClicked(name);
    }
}

void SkinDialog::OnOptionClicked(int index)
{
    SkinOptionButton *clicked = AtIndex(m_optionButtons, index);
    if (!clicked)
        return;
    for (const auto &option : m_optionButtons) {
        if (option.get() != clicked && option->Name() != kIndependentOption) {
            option->SetChecked(0);
            option->update();
        }
    }
    // Copied: the handler may load another skin, which destroys the option.
    const std::string name = clicked->Name();
    OnOptionSelected(name);
}

void SkinDialog::OnCheckClicked(int) {}

void SkinDialog::OnSliderMoved(int index, int position)
{
    if (SkinSlider *slider = AtIndex(m_sliders, index)) {
        const std::string name = slider->Name();
        OnSliderChanged(name, position);
    }
}

void SkinDialog::OnControlClicked(const std::string &) {}
void SkinDialog::OnOptionSelected(const std::string &) {}
void SkinDialog::OnSliderChanged(const std::string &, int) {}
void SkinDialog::OnMouseMoved(const std::string &, int, int) {}

} // namespace lumaskin
