#include "skin/skin_dialog.h"

#include "controls/bitmap_helpers.h"
#include "controls/shape_limit.h"
#include "controls/skin_combo_list.h"
#include "controls/skin_scroll_bar.h"
#include "skin/control_factory.h"
#include "skin/skin_installer.h"
#include "skin/skin_package.h"
#include "skin/skin_sections.h"
#include "skin/skin_working_folder.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

namespace lumaskin {

namespace {

// The longest time the display can show, 99:59:59.
constexpr int kMaxDisplaySeconds = 359999;
// The notifier slides in and out in 0.3 s and stays long enough to be read.
constexpr int kNotifierSlideMs = 300;
constexpr int kNotifierStayMs = 6000;

template <class Control>
Control *FindByName(const std::vector<Control *> &controls, const std::string &name)
{
    for (Control *control : controls) {
        if (control->Name() == name)
            return control;
    }
    return nullptr;
}

template <class Control> Control *AtIndex(const std::vector<Control *> &controls, int index)
{
    if (index < 0 || index >= static_cast<int>(controls.size()))
        return nullptr;
    return controls[static_cast<std::size_t>(index)];
}

// Creates one control per non-empty entry of a list section, appending it to `controls`.
template <class Control, class Entry, class Creator>
void CreateAll(const std::vector<std::optional<Entry>> &entries, std::vector<Control *> &controls,
               const ControlSite &site, Creator create)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i])
            controls.push_back(create(*entries[i], static_cast<int>(i), site));
    }
}

} // namespace

SkinDialog::SkinDialog(MessageBoxes &messages, QWidget *parent)
    : QDialog(parent), m_messages(messages)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // The shape is cut by a mask; outside the background nothing of the window is drawn.
    setAttribute(Qt::WA_TranslucentBackground);
    // Mouse moves over the bare background close an open drop list and reach the scroll
    // bars even with no button held.
    setMouseTracking(true);
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
        m_taskBarWindow->StartPopUp(kNotifierSlideMs, kNotifierStayMs, kNotifierSlideMs, 1);
    }

    FreeSkin();

    const SkinIni ini(m_skinFile.toStdString());
    const QString folder = GetFolderOfPath(m_skinFile);

    if (const std::optional<ColourValue> colour = ReadTransparentColour(ini))
        m_transparentColor = *colour;
    // On a fine screen the bitmaps come at twice their size, the shape included.
    LoadBitmapFile(SkinFilePath(folder, ReadBackgroundBitmap(ini)), m_backgroundBitmap,
                   {devicePixelRatioF(), m_transparentColor});
    if (!m_backgroundBitmap.isNull()) {
        // The window is as large as its background; the shape cuts it further.
        resize(LogicalSize(m_backgroundBitmap));
        ShapeWindow(m_windowRegion, m_backgroundBitmap, m_transparentColor);
    }
    if (const std::optional<Rect> hostRect = ReadHostRect(ini))
        m_hostRect = *hostRect;

    ReadControls(ini, folder);
    ShowTime();
    BuildBackgroundDC();
    FrameWithoutSkin();
    update();
}

void SkinDialog::FrameWithoutSkin()
{
    const bool skinned = !m_backgroundBitmap.isNull();
    if (!skinned)
        clearMask();
    if (windowFlags().testFlag(Qt::FramelessWindowHint) == skinned)
        return;
    // Changing the flags hides a shown window.
    const bool shown = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, skinned);
    if (shown)
        show();
}

bool SkinDialog::LoadSkinPackage(const QString &packagePath)
{
    // A private folder of our own, so nothing in the user's folder is written or emptied.
    SkinWorkingFolder workingFolder;
    m_skinPackageFailed =
        !workingFolder.IsValid() ||
        ExtractSkinPackage(m_archive, QFile::encodeName(packagePath).toStdString(),
                           workingFolder.Path(), m_messages) != SkinPackageResult::Extracted;
    SetSkinFile(QString::fromStdString(workingFolder.SkinFilePath()));
    SetSkinFolder(GetFolderOfPath(m_skinFile));
    LoadSkin();
    // Every bitmap is in memory now.
    workingFolder.DeleteWorkingFolder();
    return !m_skinPackageFailed;
}

bool SkinDialog::LoadFirstPackageFound(const QString &preferred)
{
    struct Candidate
    {
        QString file;
        int skinIndex; // -1 for one of the user's own packages
    };
    std::vector<Candidate> candidates;
    const auto bundledIndex = [](const QString &file) {
        if (file == QLatin1String(kStartupPackageFile))
            return kStartupPackageIndex;
        for (std::size_t i = 0; i < kSkinCommands.size(); ++i) {
            if (file == QLatin1String(kSkinCommands[i].packageFile))
                return static_cast<int>(i);
        }
        return -1;
    };
    if (!preferred.isEmpty())
        candidates.push_back({preferred, bundledIndex(preferred)});
    candidates.push_back({QLatin1String(kStartupPackageFile), kStartupPackageIndex});
    for (std::size_t i = 0; i < kSkinCommands.size(); ++i)
        candidates.push_back({QLatin1String(kSkinCommands[i].packageFile), static_cast<int>(i)});
    for (const QString &file : m_locator.UserPackages(BundledPackages()))
        candidates.push_back({file, -1});

    for (const Candidate &candidate : candidates) {
        const QString path = m_locator.Find(candidate.file);
        if (path.isEmpty())
            continue;
        if (candidate.skinIndex >= 0) {
            m_skinIndex = candidate.skinIndex;
            m_userPackage.clear();
        } else {
            m_userPackage = candidate.file;
        }
        LoadSkinPackage(path);
        return true;
    }
    return false;
}

QStringList SkinDialog::BundledPackages()
{
    QStringList names{QLatin1String(kStartupPackageFile)};
    for (const SkinCommand &command : kSkinCommands)
        names << QLatin1String(command.packageFile);
    return names;
}

QString SkinDialog::CurrentPackage() const
{
    if (!m_userPackage.isEmpty())
        return m_userPackage;
    if (m_skinIndex < 0 || m_skinIndex >= static_cast<int>(kSkinCommands.size()))
        return {};
    return QLatin1String(kSkinCommands[static_cast<std::size_t>(m_skinIndex)].packageFile);
}

void SkinDialog::OnChangeSkin(int id)
{
    const int index = id - kFirstSkinCommand;
    if (index < 0 || index >= static_cast<int>(kSkinCommands.size()) || !CanChangeSkin())
        return;
    m_skinIndex = index;
    m_userPackage.clear();
    const QString file = QLatin1String(kSkinCommands[static_cast<std::size_t>(index)].packageFile);
    const QString found = m_locator.Find(file);
    // A package found nowhere is reported as missing from the first folder.
    ChangePackage(found.isEmpty() ? m_locator.PathInFirstFolder(file) : found);
}

void SkinDialog::ChangeToUserPackage(const QString &fileName)
{
    if (!CanChangeSkin())
        return;
    m_userPackage = fileName;
    const QString found = m_locator.Find(fileName);
    ChangePackage(found.isEmpty() ? QDir(m_locator.UserFolder()).filePath(fileName) : found);
}

void SkinDialog::ChangePackage(const QString &path)
{
    OnSkinChanging();
    emit skinChanging();
    // Hidden while it is rebuilt, so nobody sees half a skin.
    hide();
    if (m_taskBarWindow)
        m_taskBarWindow->HideNow();
    LoadSkinPackage(path);
    OnSkinChanged();
    show();
    emit skinChanged();
}

bool SkinDialog::InstallSkinPackage(const QString &path)
{
    const QString fileName = QFileInfo(path).fileName();
    const auto refuse = [this](const QString &text) {
        m_messages.Show(text, MessageButtons::Ok, MessageIcon::Stop);
        return false;
    };
    if (!SkinLocator::IsPackageName(fileName))
        return refuse(QStringLiteral("%1 is not a skin package: skin packages are files ending "
                                     "in .zip or .skn.")
                          .arg(fileName));
    if (m_locator.UserFolder().isEmpty())
        return refuse(QStringLiteral("There is no skin folder to install %1 into.").arg(fileName));
    if (!CanChangeSkin())
        return false;
    if (const QString why = CheckSkinPackage(path); !why.isEmpty())
        return refuse(why);

    const QString target = QDir(m_locator.UserFolder()).filePath(fileName);
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical != QFileInfo(target).canonicalFilePath()) {
        if (QFileInfo::exists(target) &&
            m_messages.Show(
                QStringLiteral("A skin package named %1 is already installed. Replace it?")
                    .arg(fileName),
                MessageButtons::YesNo, MessageIcon::None) != MessageAnswer::Yes)
            return false;
        QString error;
        if (CopyPackageInto(path, m_locator.UserFolder(), &error).isEmpty())
            return refuse(error);
    }

    // The installed copy is what the window wears now, whatever folders come before it.
    const auto command =
        std::find_if(kSkinCommands.begin(), kSkinCommands.end(), [&](const SkinCommand &c) {
            return fileName == QLatin1String(c.packageFile);
        });
    if (command != kSkinCommands.end()) {
        m_skinIndex = static_cast<int>(command - kSkinCommands.begin());
        m_userPackage.clear();
    } else {
        m_userPackage = fileName;
    }
    ChangePackage(target);
    return true;
}

QString SkinDialog::ChooseSkinPackage()
{
    return QFileDialog::getOpenFileName(
        this, QStringLiteral("Install Skin"), QDir::homePath(),
        QStringLiteral("Skin packages (*.zip *.skn *.ZIP *.SKN);;All files (*)"), nullptr,
        QFileDialog::DontUseNativeDialog);
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
    // Every change destroys every control, so it waits until the menu and whatever event
    // opened it have finished.
    const auto later = [this](auto change) {
        return [this, change] { QMetaObject::invokeMethod(this, change, Qt::QueuedConnection); };
    };
    for (std::size_t i = 0; i < kSkinCommands.size(); ++i) {
        const SkinCommand &command = kSkinCommands[i];
        QAction *action = menu->addAction(QString::fromLatin1(command.menuText));
        action->setCheckable(true);
        action->setChecked(m_userPackage.isEmpty() && static_cast<int>(i) == m_skinIndex);
        action->setEnabled(!m_locator.Find(QLatin1String(command.packageFile)).isEmpty());
        const int id = command.id;
        connect(action, &QAction::triggered, this, later([this, id] { OnChangeSkin(id); }));
    }
    const QStringList own = m_locator.UserPackages(BundledPackages());
    if (!own.isEmpty())
        menu->addSeparator();
    for (const QString &file : own) {
        QString text = QFileInfo(file).completeBaseName();
        QAction *action = menu->addAction(text.replace(u'&', QLatin1String("&&")));
        action->setCheckable(true);
        action->setChecked(file == m_userPackage);
        connect(action, &QAction::triggered, this,
                later([this, file] { ChangeToUserPackage(file); }));
    }
    menu->addSeparator();
    QAction *install = menu->addAction(QStringLiteral("Install &Skin..."));
    install->setEnabled(!m_locator.UserFolder().isEmpty());
    connect(install, &QAction::triggered, this, later([this] {
                if (const QString path = ChooseSkinPackage(); !path.isEmpty())
                    InstallSkinPackage(path);
            }));
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
    // The new skin's layer: over the whole window, drawing nothing itself, and passing the
    // mouse on the bare background through to the window.
    m_layer = new QWidget(this);
    m_layer->setGeometry(rect());
    // Mouse moves with no button held reach the window only through a widget that tracks
    // them; the layer takes none of them itself.
    m_layer->setMouseTracking(true);
    m_layer->show();
    const ControlSite site{m_layer, this, folder, m_transparentColor};

    if (m_taskBarWindow) {
        const ListSection<ButtonEntry> entries = ReadTaskBarButtons(ini);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!entries[i])
                continue;
            const ControlSite popupSite{m_taskBarWindow->ButtonParent(), nullptr, folder,
                                        m_transparentColor};
            m_taskBarWindow->AddButton(CreateTaskBarButton(*entries[i], static_cast<int>(i),
                                                           popupSite, m_taskBarWindow.get()));
        }
    }

    // A skin without an icon shows none rather than the previous skin's.
    m_iconBitmap = QImage();
    m_iconDrawn = QImage();
    m_iconRect = Rect{};
    if (const std::optional<IconEntry> icon = ReadIcon(ini)) {
        LoadBitmapFile(SkinFilePath(folder, icon->bitmap), m_iconBitmap,
                       {devicePixelRatioF(), m_transparentColor});
        m_iconRect = icon->rect;
        m_iconDrawn = WithKeyTransparent(m_iconBitmap, m_transparentColor);
        m_iconDrawn.setDevicePixelRatio(m_iconBitmap.isNull() ? 1.0
                                                              : m_iconBitmap.devicePixelRatio());
    }

    CreateAll(ReadButtons(ini), m_buttons, site, CreateButton);
    if (SkinButton *pause = FindButton("BUTTON_PAUSE"))
        pause->hide();
    if (SkinButton *play = FindButton("BUTTON_PLAY"))
        play->show();

    CreateAll(ReadSliders(ini), m_sliders, site, CreateSlider);
    CreateAll(ReadOptionButtons(ini), m_optionButtons, site, CreateOptionButton);
    // A skin that starts with several options checked shows only the first of them checked.
    bool checkedOne = false;
    for (const auto &option : m_optionButtons) {
        if (checkedOne)
            option->SetChecked(0);
        checkedOne = checkedOne || option->IsChecked();
    }
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
    m_captionLabel = nullptr;
    m_sliders.clear();
    m_checkBoxes.clear();
    m_comboBoxes.clear();
    if (m_layer) {
        m_layer->hide();
        m_layer->deleteLater();
        m_layer = nullptr;
    }
}

bool SkinDialog::ShapeWindow(QRegion &region, const QImage &bitmap, ColourValue colour)
{
    // However fine the key colour's pattern, the window gets a shape the display accepts.
    region = LimitShapeComplexity(RegionWithoutKeyColour(bitmap, colour));
    setMask(region);
    return region != QRegion(QRect(QPoint(0, 0), LogicalSize(bitmap)));
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
    // The same pixels, shared rather than copied: neither is ever drawn on, and a window's
    // background held at twice its size on a fine screen is 10 MB.
    m_backgroundDC = m_backgroundBitmap;
}

void SkinDialog::PaintSkin(QPainter &painter)
{
    if (m_backgroundBitmap.isNull()) {
        // Without a skin the window is a plain panel rather than an invisible one.
        painter.fillRect(rect(), palette().window());
    } else {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        const QRect area = QRect(QPoint(0, 0), size())
                               .intersected(QRect(QPoint(0, 0), LogicalSize(m_backgroundBitmap)));
        DrawBitmap(painter, area, m_backgroundBitmap, area);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (!m_iconDrawn.isNull()) {
        const QRect icon =
            QRect(0, 0, std::max(0, m_iconRect.Width()), std::max(0, m_iconRect.Height()))
                .intersected(QRect(QPoint(0, 0), LogicalSize(m_iconDrawn)));
        DrawBitmap(painter, icon.translated(m_iconRect.left, m_iconRect.top), m_iconDrawn, icon);
    }
    // The controls are children: they repaint over this fresh background by themselves.
}

void SkinDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintSkin(painter);
}

void SkinDialog::resizeEvent(QResizeEvent *event)
{
    if (m_layer)
        m_layer->setGeometry(rect());
    QDialog::resizeEvent(event);
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
    if (const SkinButton *button = AtIndex(m_buttons, index))
        OnControlClicked(button->Name());
}

void SkinDialog::OnOptionClicked(int index)
{
    SkinOptionButton *clicked = AtIndex(m_optionButtons, index);
    if (!clicked)
        return;
    // The options form one group: checking one clears every other.
    for (SkinOptionButton *option : m_optionButtons) {
        if (option != clicked) {
            option->SetChecked(0);
            option->update();
        }
    }
    OnOptionSelected(clicked->Name());
}

void SkinDialog::OnCheckClicked(int) {}

void SkinDialog::OnSliderMoved(int index, int position)
{
    if (const SkinSlider *slider = AtIndex(m_sliders, index))
        OnSliderChanged(slider->Name(), position);
}

void SkinDialog::OnControlClicked(const std::string &) {}
void SkinDialog::OnOptionSelected(const std::string &) {}
void SkinDialog::OnSliderChanged(const std::string &, int) {}
void SkinDialog::OnMouseMoved(const std::string &, int, int) {}

} // namespace lumaskin
