#include "skins/generator/skin_ini_writer.h"

#include "skin/skin_entries.h"
#include "skin/skin_sections.h"
#include "skins/generator/button_painter.h"

#include <sstream>
#include <string_view>
#include <vector>

namespace lumaskin::skingen {

namespace {

std::string Text(const QString &text)
{
    return text.toStdString();
}

// A colour as entries hold it, 0x00BBGGRR.
ColourValue Colour(const QColor &colour)
{
    return static_cast<ColourValue>(colour.red()) | static_cast<ColourValue>(colour.green()) << 8 |
           static_cast<ColourValue>(colour.blue()) << 16;
}

ScrollBarBitmaps ScrollBar()
{
    return {kScrollTrackFile,       kScrollUpFile,    kScrollUpPressedFile,   kScrollDownFile,
            kScrollDownPressedFile, kScrollThumbFile, kScrollThumbPressedFile};
}

// Writes list sections with keys numbered from 1.
class IniText
{
public:
    void Section(std::string_view name)
    {
        if (!m_out.str().empty())
            m_out << "\n";
        m_out << "[" << name << "]\n";
        m_next = 1;
    }
    void Key(std::string_view key, const std::string &value)
    {
        m_out << key << "=" << value << "\n";
    }
    void Entry(const std::string &value) { m_out << m_next++ << "=" << value << "\n"; }
    std::string Str() const { return m_out.str(); }

private:
    std::ostringstream m_out;
    int m_next = 1;
};

std::string ButtonFields(const ButtonSpec &b)
{
    return ButtonEntry{b.name, b.file, b.rect, Text(b.tooltip), false}.Format();
}

std::string LabelFields(const std::string &name, const Rect &rect, const QString &text,
                        const QString &font, int points, const QColor &colour)
{
    return LabelEntry{name, rect, Text(text), Text(font), points, Colour(colour)}.Format();
}

// What the program draws on a control's faces.
std::string FaceTextFields(const FaceCaption &caption)
{
    return FaceTextEntry{Text(caption.text),
                         Text(caption.fontFamily),
                         caption.pixelSize,
                         caption.bold,
                         caption.indent,
                         std::string(GlyphName(caption.glyph)),
                         Colour(caption.colours[0]),
                         Colour(caption.colours[1]),
                         Colour(caption.colours[2]),
                         Colour(caption.colours[3])}
        .Format();
}

} // namespace

std::string SliderChannelFile(int number)
{
    return "sld" + std::to_string(number) + "Channel.bmp";
}

std::string SliderThumbFile(int number)
{
    return "sld" + std::to_string(number) + "Thumb.bmp";
}

std::string SliderActiveThumbFile(int number)
{
    return "sld" + std::to_string(number) + "ThumbActive.bmp";
}

std::string SkinIniText(const Theme &theme, const SkinLayout &layout,
                        const NotifierLayout &notifier)
{
    const Palette &c = theme.colours;
    IniText ini;
    ini.Section(kScreenSection);
    ini.Key(kBackgroundKey, kBackgroundFile);
    ini.Section(kColourSection);
    ini.Key(kTransparentKey, FormatColour(Colour(QColor(255, 0, 255))));
    ini.Section(kHostSection);
    ini.Key(kHostKey, FormatRect(layout.viewer));
    ini.Section(kIconSection);
    ini.Key(kIconKey, IconEntry{kIconFile, layout.icon}.Format());
    ini.Section(kCaptionSection);
    ini.Key(kCaptionKey, LabelFields("CAPTION", layout.caption, QStringLiteral("Lumaskin"),
                                     theme.font, layout.captionPoints, c.caption));

    ini.Section(kTaskBarButtonSection);
    ini.Entry(ButtonFields(notifier.close));

    ini.Section(kButtonSection);
    for (const ButtonSpec &button : layout.buttons)
        ini.Entry(ButtonFields(button));

    if (!layout.sliders.empty()) {
        ini.Section(kSliderSection);
        int number = 1;
        for (const SliderSpec &s : layout.sliders) {
            ini.Entry(SliderEntry{s.name, SliderChannelFile(number), SliderThumbFile(number),
                                  SliderActiveThumbFile(number), s.rect, false, 0, Text(s.tooltip)}
                          .Format());
            ++number;
        }
    }

    std::vector<const ToggleSpec *> options;
    std::vector<const ToggleSpec *> checks;
    for (const ToggleSpec &t : layout.toggles)
        (t.radio ? options : checks).push_back(&t);
    auto toggleFields = [](const ToggleSpec &t) {
        return OptionEntry{t.name, t.file, t.rect, Text(t.tooltip), false, t.checked}.Format();
    };
    if (!options.empty()) {
        ini.Section(kOptionSection);
        for (const ToggleSpec *t : options)
            ini.Entry(toggleFields(*t));
    }
    if (!checks.empty()) {
        ini.Section(kCheckSection);
        for (const ToggleSpec *t : checks)
            ini.Entry(toggleFields(*t));
    }

    // The words of buttons and toggles, which their bitmaps leave out.
    ini.Section(kFaceTextSection);
    for (const ButtonSpec &b : layout.buttons) {
        if (!b.text.isEmpty())
            ini.Key(b.name, FaceTextFields(ButtonCaption(theme, b)));
    }
    for (const ToggleSpec &t : layout.toggles) {
        if (!t.text.isEmpty())
            ini.Key(t.name, FaceTextFields(ToggleCaption(theme, t)));
    }

    ini.Section(kLabelSection);
    for (const LabelSpec &l : layout.labels)
        ini.Entry(LabelFields(l.name, l.rect, l.text, theme.font, l.points,
                              l.name == "LABEL_TIME" ? c.accent : c.label));

    ini.Section(kEditBoxSection);
    for (const EditSpec &e : layout.edits)
        ini.Entry(EditBoxEntry{e.name, e.rect, Colour(c.editBack), Colour(c.editText),
                               Colour(c.editBorder), true}
                      .Format());

    ini.Section(kListBoxSection);
    ini.Entry(ListBoxEntry{layout.list.name, layout.list.rect, Colour(c.listBack),
                           Colour(c.listText), Colour(c.listSelBack), Colour(c.listSelText),
                           ScrollBar()}
                  .Format());

    ini.Section(kComboBoxSection);
    ini.Entry(ComboBoxEntry{layout.combo.name, layout.combo.rect, kDropButtonFile,
                            Colour(c.editBack), Colour(c.editText), Colour(c.editBorder),
                            Colour(c.listBack), Colour(c.listText), Colour(c.listSelBack),
                            Colour(c.listSelText), ScrollBar()}
                  .Format());
    return "; Lumaskin skin \"" + Text(theme.name) + "\", written by lumaskin-skingen.\n" +
           ini.Str();
}

} // namespace lumaskin::skingen
