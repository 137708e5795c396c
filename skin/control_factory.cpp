#include "skin/control_factory.h"

#include "controls/bitmap_helpers.h"
#include "controls/skin_host.h"
#include "controls/task_bar_host.h"
#include "engine/file_name.h"
#include "skin/face_text.h"
#include "skin/skin_sections.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QStringDecoder>

namespace lumaskin {

namespace {

// The full slider range; an entry gives only the start position.
constexpr int kSliderMaximum = 7200;

ScrollBarFiles ScrollBarPaths(const QString &folder, const ScrollBarBitmaps &bitmaps)
{
    return {SkinFilePath(folder, bitmaps.track),
            SkinFilePath(folder, bitmaps.upArrow),
            SkinFilePath(folder, bitmaps.upArrowPressed),
            SkinFilePath(folder, bitmaps.downArrow),
            SkinFilePath(folder, bitmaps.downArrowPressed),
            SkinFilePath(folder, bitmaps.thumb),
            SkinFilePath(folder, bitmaps.thumbPressed)};
}

// The set-up shared by push buttons, check boxes and option buttons.
void ConfigureButton(SkinButton &button, const std::string &name, const std::string &bitmap,
                     const Rect &rect, const std::string &tooltip, bool latched, int index,
                     const ControlSite &site, const std::string &focusBitmap)
{
    if (!focusBitmap.empty()) {
        QImage focus;
        if (LoadBitmapFile(SkinFilePath(site.folder, focusBitmap), focus,
                           {button.devicePixelRatioF(), site.keyColor}))
            button.SetFocusBitmap(WithKeyTransparent(focus, site.keyColor));
    }
    if (const std::optional<FaceTextEntry> words =
            site.ini ? ReadFaceText(*site.ini, name) : std::nullopt)
        button.SetCaption(ToFaceCaption(*words));
    const QRect placed = ToQRect(rect);
    button.Create(placed);
    button.SetTransparentColor(site.keyColor);
    button.LoadStateBitmaps(SkinFilePath(site.folder, bitmap), placed.left(), placed.top(),
                            placed.left() + placed.width(), placed.top() + placed.height());
    button.SetIndex(index);
    button.SetName(name);
    button.SetTooltipText(SkinWords(tooltip), true);
    button.SetLatched(latched);
}

void ConfigureLabel(CLabel &label, const LabelEntry &entry, const ControlSite &site)
{
    label.SetHost(site.host);
    label.Create(ToQRect(entry.rect));
    label.SetText(SkinWords(entry.text));
}

void ConfigureLabelLook(CLabel &label, const LabelEntry &entry)
{
    label.SetFontName(SkinText(entry.fontFace));
    label.SetFontSize(entry.fontSize);
    label.SetTextColor(entry.colour);
    label.update();
}

} // namespace

QString SkinFilePath(const QString &folder, const std::string &fileName)
{
    if (fileName.empty())
        return {};
    return JoinedPath(folder, SkinText(fileName));
}

QString SkinText(const std::string &text)
{
    // Stateless, so that a sequence cut off at the end counts as an error too.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(QByteArrayView(text.data(), qsizetype(text.size())));
    if (!utf8.hasError())
        return decoded;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString SkinWords(const std::string &text)
{
    if (text.empty())
        return {};
    // Not found, translate gives back its UTF-8 source, which is the text SkinText decoded.
    return QCoreApplication::translate("Skin", SkinText(text).toUtf8().constData());
}

QRect ToQRect(const Rect &rect)
{
    // The size is scaled on its own, so that a control's bitmaps are not stretched by a pixel
    // its place had to be rounded by.
    return QRect(ToLogical(rect.left), ToLogical(rect.top),
                 std::max(0, ToLogical(rect.right - rect.left)),
                 std::max(0, ToLogical(rect.bottom - rect.top)));
}

SkinButton *CreateButton(const ButtonEntry &entry, int index, const ControlSite &site)
{
    auto *button = new SkinButton(site.parent);
    button->SetHost(site.host);
    ConfigureButton(*button, entry.name, entry.bitmap, entry.rect, entry.tooltip, entry.latched,
                    index, site, entry.focusBitmap);
    return button;
}

SkinButton *CreateTaskBarButton(const ButtonEntry &entry, int index, const ControlSite &site,
                                TaskBarHost *taskBar)
{
    auto *button = new SkinButton(site.parent);
    button->SetTaskBarHost(taskBar);
    ConfigureButton(*button, entry.name, entry.bitmap, entry.rect, entry.tooltip, entry.latched,
                    index, site, entry.focusBitmap);
    return button;
}

SkinSlider *CreateSlider(const SliderEntry &entry, int index, const ControlSite &site)
{
    auto *slider = new SkinSlider(site.parent);
    slider->SetHost(site.host);
    slider->Create(ToQRect(entry.rect));
    slider->SetTransparentColor(site.keyColor);
    slider->SetChannelBitmap(SkinFilePath(site.folder, entry.channelBitmap));
    slider->SetThumbBitmaps(SkinFilePath(site.folder, entry.thumbBitmap),
                            SkinFilePath(site.folder, entry.activeThumbBitmap), true);
    slider->SetDrawFocusRect(false, false);
    slider->SetIndex(index);
    slider->SetName(entry.name);
    slider->SetTooltipText(SkinWords(entry.tooltip), true);
    slider->SetRange(0, kSliderMaximum, false);
    slider->SetPos(entry.position);
    slider->SetVertical(entry.vertical);
    return slider;
}

SkinOptionButton *CreateOptionButton(const OptionEntry &entry, int index, const ControlSite &site)
{
    auto *option = new SkinOptionButton(site.parent);
    option->SetHost(site.host);
    ConfigureButton(*option, entry.name, entry.bitmap, entry.rect, entry.tooltip, entry.latched,
                    index, site, entry.focusBitmap);
    option->SetChecked(entry.checked ? 1 : 0);
    return option;
}

SkinCheckBox *CreateCheckBox(const CheckEntry &entry, int index, const ControlSite &site)
{
    auto *check = new SkinCheckBox(site.parent);
    check->SetHost(site.host);
    ConfigureButton(*check, entry.name, entry.bitmap, entry.rect, entry.tooltip, entry.latched,
                    index, site, entry.focusBitmap);
    check->SetChecked(entry.checked ? 1 : 0);
    return check;
}

CLabel *CreateCaption(const CaptionEntry &entry, const ControlSite &site)
{
    auto *caption = new CLabel(site.parent);
    ConfigureLabel(*caption, entry, site);
    ConfigureLabelLook(*caption, entry);
    return caption;
}

CLabel *CreateLabel(const LabelEntry &entry, int index, const ControlSite &site)
{
    auto *label = new CLabel(site.parent);
    ConfigureLabel(*label, entry, site);
    label->SetIndex(index);
    label->SetName(entry.name);
    ConfigureLabelLook(*label, entry);
    return label;
}

SkinProgress *CreateProgress(const ProgressEntry &entry, int index, const ControlSite &site)
{
    auto *progress = new SkinProgress(site.parent);
    progress->SetHost(site.host);
    progress->Create(ToQRect(entry.rect));
    progress->SetTransparentColor(site.keyColor);
    progress->SetIndex(index);
    progress->SetName(entry.name);
    progress->SetTileBitmap(SkinFilePath(site.folder, entry.tileBitmap));
    return progress;
}

SkinEdit *CreateEditBox(const EditBoxEntry &entry, int index, const ControlSite &site)
{
    auto *edit = new SkinEdit(site.parent);
    edit->Create(ToQRect(entry.rect));
    edit->SetIndex(index);
    edit->SetName(entry.name);
    edit->SetBkColor(entry.backgroundColour);
    edit->SetTextColor(entry.textColour);
    edit->SetBorderColor(entry.borderColour);
    edit->setEnabled(entry.enabled);
    return edit;
}

SkinListBox *CreateListBox(const ListBoxEntry &entry, int index, const ControlSite &site)
{
    auto *list = new SkinListBox(site.parent);
    list->Create(ToQRect(entry.rect));
    list->SetBkColor(entry.backgroundColour);
    list->SetTextColor(entry.textColour);
    list->SetSelBkColor(entry.selectedBackgroundColour);
    list->SetSelTextColor(entry.selectedTextColour);
    list->SetIndex(index);
    list->SetName(entry.name);
    list->SetHost(site.host);
    list->InitScrollBar(ScrollBarPaths(site.folder, entry.scrollBar));
    // The number column is wide enough for three-digit row numbers in the font the list
    // really got, which may run wider than the font it asks for.
    const int numberWidth =
        std::max(35, QFontMetrics(list->font()).horizontalAdvance(QStringLiteral("999.")) + 10);
    list->InsertColumn(Qt::AlignRight, numberWidth);
    // The list has already made room for its bar: the path column takes the rest.
    list->InsertColumn(Qt::AlignLeft, list->ClientWidth() - numberWidth);
    return list;
}

SkinComboBox *CreateComboBox(const ComboBoxEntry &entry, int index, const ControlSite &site)
{
    auto *combo = new SkinComboBox(site.parent);
    combo->Create(ToQRect(entry.rect));
    combo->SetIndex(index);
    combo->SetName(entry.name);
    const QString strip = SkinFilePath(site.folder, entry.buttonBitmap);
    combo->MeasureButton(strip);
    combo->Layout(ToLogical(entry.rect.left), ToLogical(entry.rect.top),
                  ToLogical(entry.rect.right), ToLogical(entry.rect.bottom));
    combo->CreateDropButton(strip, site.keyColor);
    combo->CreateEdit(entry.editBackgroundColour, entry.editTextColour, entry.editBorderColour);
    combo->CreateList(entry.listBackgroundColour, entry.listTextColour,
                      entry.listSelectedBackgroundColour, entry.listSelectedTextColour,
                      ScrollBarPaths(site.folder, entry.scrollBar));
    return combo;
}

} // namespace lumaskin
