#include "skins/generator/skin_builder.h"

#include "skins/generator/background_painter.h"
#include "skins/generator/bmp_writer.h"
#include "skins/generator/button_painter.h"
#include "skins/generator/paint_kit.h"
#include "skins/generator/skin_ini_writer.h"
#include "skins/generator/skin_layout.h"
#include "skins/generator/track_painter.h"

#include <QDir>
#include <QFontMetrics>
#include <QSaveFile>

namespace lumaskin::skingen {

namespace {

// Texts go into comma-separated fields of one line.
bool FitsInField(const QString &text)
{
    return !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('\n'));
}

// A label draws its text from its top-left corner in a font of `points` at 96 dots per inch.
bool LabelFits(const QString &face, int points, const QString &text, const Rect &rect)
{
    QFont font(face);
    font.setPixelSize((points * 96 + 36) / 72);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(text) <= rect.Width() && metrics.height() <= rect.Height();
}

QString Problem(const std::string &name, const char *what)
{
    return QStringLiteral("%1: %2").arg(QString::fromStdString(name), QLatin1String(what));
}

// Texts must fit in one field of the skin file and in their controls.
QString CheckTexts(const Theme &theme, const SkinLayout &layout, const NotifierLayout &notifier)
{
    for (const ButtonSpec &b : layout.buttons) {
        if (!FitsInField(b.tooltip) || !FitsInField(b.text))
            return Problem(b.name, "a text holds a comma");
        if (!ContentFits(theme, b))
            return Problem(b.name, "the text does not fit the button");
    }
    for (const LabelSpec &l : layout.labels) {
        if (!FitsInField(l.text))
            return Problem(l.name, "a text holds a comma");
        if (!LabelFits(theme.font, l.points, l.text, l.rect))
            return Problem(l.name, "the text does not fit the label");
    }
    if (!LabelFits(theme.font, layout.captionPoints, QStringLiteral("Lumaskin"), layout.caption))
        return Problem("CAPTION", "the text does not fit");
    for (const ToggleSpec &t : layout.toggles) {
        if (!FitsInField(t.tooltip) || !FitsInField(t.text))
            return Problem(t.name, "a text holds a comma");
        if (!ContentFits(theme, t))
            return Problem(t.name, "the text does not fit");
    }
    if (!FitsInField(notifier.close.tooltip))
        return Problem(notifier.close.name, "a text holds a comma");
    return {};
}

QImage Under(const QImage &background, const Rect &rect)
{
    return CropLogical(background, ToQRect(rect));
}

// Paints every bitmap at `scale` pixels per logical pixel into `bitmaps`, under the names
// `name` gives each file.
template <class Name>
void PaintBitmaps(const Theme &theme, const SkinLayout &layout, const NotifierLayout &notifier,
                  int scale, Name name, std::map<std::string, QImage> &bitmaps)
{
    const QImage background = PaintBackground(theme, layout, scale);
    bitmaps[name(kBackgroundFile)] = background;
    bitmaps[name(kIconFile)] = SkinIcon(theme, Under(background, layout.icon));
    for (const ButtonSpec &button : layout.buttons)
        bitmaps[name(button.file)] = ButtonStrip(theme, button, Under(background, button.rect));
    for (const ToggleSpec &toggle : layout.toggles)
        bitmaps[name(toggle.file)] = ToggleStrip(theme, toggle, Under(background, toggle.rect));

    int number = 1;
    for (const SliderSpec &slider : layout.sliders) {
        const SliderArt art = PaintSlider(theme, Under(background, slider.rect));
        bitmaps[name(SliderChannelFile(number))] = art.channel;
        bitmaps[name(SliderThumbFile(number))] = art.thumb;
        bitmaps[name(SliderActiveThumbFile(number))] = art.activeThumb;
        ++number;
    }

    // The drop button's faces are as high as the edit; the combo box stretches them by a
    // pixel at each end, so they are drawn over the background of the edit's rows.
    const Rect drop = ComboButtonRect(layout.combo);
    bitmaps[name(kDropButtonFile)] =
        ComboDropStrip(theme, CropLogical(background, QRect(drop.left, drop.top + 1, drop.Width(),
                                                            layout.combo.buttonSize)));

    const ScrollBarArt bar = PaintScrollBar(theme, scale);
    bitmaps[name(kScrollTrackFile)] = bar.track;
    bitmaps[name(kScrollUpFile)] = bar.up;
    bitmaps[name(kScrollUpPressedFile)] = bar.upPressed;
    bitmaps[name(kScrollDownFile)] = bar.down;
    bitmaps[name(kScrollDownPressedFile)] = bar.downPressed;
    bitmaps[name(kScrollThumbFile)] = bar.thumb;
    bitmaps[name(kScrollThumbPressedFile)] = bar.thumbPressed;

    const QImage notifierArt = PaintNotifier(theme, notifier, scale);
    bitmaps[name(kNotifierFile)] = notifierArt;
    bitmaps[name(notifier.close.file)] =
        ButtonStrip(theme, notifier.close, Under(notifierArt, notifier.close.rect));
}

} // namespace

std::string HiDpiFileName(const std::string &file)
{
    const std::size_t dot = file.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return file + "@2x";
    return file.substr(0, dot) + "@2x" + file.substr(dot);
}

SkinContents BuildSkin(const Theme &theme, QString &error)
{
    error.clear();
    SkinContents out;
    const SkinLayout layout = MakeLayout(theme.layout);
    const NotifierLayout notifier = MakeNotifierLayout();
    error = CheckTexts(theme, layout, notifier);
    if (!error.isEmpty())
        return out;

    // Every bitmap twice: for ordinary screens, and drawn afresh at twice the pixels for fine
    // ones, beside it under its "@2x" name.
    PaintBitmaps(
        theme, layout, notifier, 1, [](const std::string &file) { return file; }, out.bitmaps);
    PaintBitmaps(theme, layout, notifier, 2, HiDpiFileName, out.bitmaps);

    out.ini = SkinIniText(theme, layout, notifier);
    return out;
}

bool WriteSkin(const SkinContents &contents, const QString &folder, QString &error)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        error = QStringLiteral("%1: cannot make the folder").arg(folder);
        return false;
    }
    // Leftovers of an earlier run would end up in the package.
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (name != QLatin1String("Skin.ini") && !contents.bitmaps.count(name.toStdString()))
            dir.remove(name);
    }
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                           QFile::ReadOther | QFile::ReadUser | QFile::WriteUser;
    for (const auto &[name, image] : contents.bitmaps) {
        const QString path = dir.filePath(QString::fromStdString(name));
        if (!WriteBmp24(image, path) || !QFile::setPermissions(path, permissions)) {
            error = QStringLiteral("%1: cannot write").arg(path);
            return false;
        }
    }
    const QString iniPath = dir.filePath(QStringLiteral("Skin.ini"));
    QSaveFile ini(iniPath);
    if (!ini.open(QIODevice::WriteOnly) ||
        ini.write(contents.ini.data(), static_cast<qint64>(contents.ini.size())) !=
            static_cast<qint64>(contents.ini.size()) ||
        !ini.commit() || !QFile::setPermissions(iniPath, permissions)) {
        error = QStringLiteral("%1: cannot write").arg(iniPath);
        return false;
    }
    return true;
}

} // namespace lumaskin::skingen
