#include "skins/generator/skin_ini_writer.h"

#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <vector>

namespace lumaskin::skingen {

namespace {

std::string Fields(std::initializer_list<std::string> fields)
{
    std::string line;
    for (const std::string &field : fields) {
        if (!line.empty())
            line += ',';
        line += field;
    }
    return line;
}

std::string RectFields(const Rect &r)
{
    return Fields({std::to_string(r.left), std::to_string(r.top), std::to_string(r.right),
                   std::to_string(r.bottom)});
}

std::string Text(const QString &text)
{
    return text.toStdString();
}

std::string ScrollBarFields()
{
    return Fields({kScrollTrackFile, kScrollUpFile, kScrollUpPressedFile, kScrollDownFile,
                   kScrollDownPressedFile, kScrollThumbFile, kScrollThumbPressedFile});
}

// Writes list sections with keys numbered from 1.
class IniText
{
public:
    void Section(const char *name)
    {
        if (!m_out.str().empty())
            m_out << "\n";
        m_out << "[" << name << "]\n";
        m_next = 1;
    }
    void Key(const char *key, const std::string &value) { m_out << key << "=" << value << "\n"; }
    void Entry(const std::string &value) { m_out << m_next++ << "=" << value << "\n"; }
    std::string Str() const { return m_out.str(); }

private:
    std::ostringstream m_out;
    int m_next = 1;
};

std::string ButtonFields(const ButtonSpec &b)
{
    return Fields({b.name, b.file, RectFields(b.rect), Text(b.tooltip), "F"});
}

std::string LabelFields(const std::string &name, const Rect &rect, const QString &text,
                        const QString &font, int points, const QColor &colour)
{
    return Fields({name, RectFields(rect), Text(text), Text(font), std::to_string(points),
                   SkinColour(colour)});
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

std::string SkinColour(const QColor &colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X%02X%02X", colour.red(), colour.green(), colour.blue());
    return text;
}

std::string SkinIniText(const Theme &theme, const SkinLayout &layout,
                        const NotifierLayout &notifier)
{
    const Palette &c = theme.colours;
    IniText ini;
    ini.Section("Screen");
    ini.Key("Main", kBackgroundFile);
    ini.Section("COLOR");
    ini.Key("TRANSPARENT", "0xFF00FF");
    ini.Section("CONTROL");
    ini.Key("CONTROL", RectFields(layout.viewer));
    ini.Section("ICON");
    ini.Key("ICON", Fields({kIconFile, RectFields(layout.icon)}));
    ini.Section("CAPTION");
    ini.Key("CAPTION", LabelFields("CAPTION", layout.caption, QStringLiteral("Lumaskin"),
                                   theme.font, layout.captionPoints, c.caption));

    ini.Section("TASKBARBUTTON");
    ini.Entry(ButtonFields(notifier.close));

    ini.Section("BUTTONINFO");
    for (const ButtonSpec &button : layout.buttons)
        ini.Entry(ButtonFields(button));

    if (!layout.sliders.empty()) {
        ini.Section("SLIDERINFO");
        int number = 1;
        for (const SliderSpec &s : layout.sliders) {
            ini.Entry(Fields({s.name, SliderChannelFile(number), SliderThumbFile(number),
                              SliderActiveThumbFile(number), RectFields(s.rect), "H", "0",
                              Text(s.tooltip)}));
            ++number;
        }
    }

    std::vector<const ToggleSpec *> options;
    std::vector<const ToggleSpec *> checks;
    for (const ToggleSpec &t : layout.toggles)
        (t.radio ? options : checks).push_back(&t);
    auto toggleFields = [](const ToggleSpec &t) {
        return Fields({t.name, t.file, RectFields(t.rect), Text(t.tooltip), "F",
                       t.checked ? "TRUE" : "FALSE"});
    };
    if (!options.empty()) {
        ini.Section("OPTIONINFO");
        for (const ToggleSpec *t : options)
            ini.Entry(toggleFields(*t));
    }
    if (!checks.empty()) {
        ini.Section("CHECKINFO");
        for (const ToggleSpec *t : checks)
            ini.Entry(toggleFields(*t));
    }

    ini.Section("LABELINFO");
    for (const LabelSpec &l : layout.labels)
        ini.Entry(LabelFields(l.name, l.rect, l.text, theme.font, l.points,
                              l.name == "LABEL_TIME" ? c.accent : c.label));

    ini.Section("EDITBOXINFO");
    for (const EditSpec &e : layout.edits)
        ini.Entry(Fields({e.name, RectFields(e.rect), SkinColour(c.editBack),
                          SkinColour(c.editText), SkinColour(c.editBorder), "TRUE"}));

    ini.Section("LISTBOXINFO");
    ini.Entry(Fields({layout.list.name, RectFields(layout.list.rect), SkinColour(c.listBack),
                      SkinColour(c.listText), SkinColour(c.listSelBack), SkinColour(c.listSelText),
                      ScrollBarFields()}));

    ini.Section("COMBOBOXINFO");
    ini.Entry(Fields({layout.combo.name, RectFields(layout.combo.rect), kDropButtonFile,
                      SkinColour(c.editBack), SkinColour(c.editText), SkinColour(c.editBorder),
                      SkinColour(c.listBack), SkinColour(c.listText), SkinColour(c.listSelBack),
                      SkinColour(c.listSelText), ScrollBarFields()}));
    return "; Lumaskin skin \"" + Text(theme.name) + "\", written by lumaskin-skingen.\n" +
           ini.Str();
}

} // namespace lumaskin::skingen
