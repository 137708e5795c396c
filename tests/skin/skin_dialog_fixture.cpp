#include "tests/skin/skin_dialog_fixture.h"

#include "skin/skin_entries.h"
#include "skin/skin_sections.h"
#include "tests/support/temp_dir.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace lumaskin::test {

namespace {

const QColor kKey(255, 0, 255);
// Colours as skin entries hold them, 0x00BBGGRR.
constexpr ColourValue kBlack = 0x00000000;
constexpr ColourValue kWhite = 0x00FFFFFF;
constexpr ColourValue kGrey = 0x00808080;
constexpr ColourValue kBlue = 0x00FF0000;

std::string Key(std::string_view section, std::string_view key, const std::string &value)
{
    return "[" + std::string(section) + "]\n" + std::string(key) + "=" + value + "\n";
}

// A list section with its entries numbered from 1.
template <class Entry> std::string List(std::string_view section, std::vector<Entry> entries)
{
    std::string text = "[" + std::string(section) + "]\n";
    for (std::size_t i = 0; i < entries.size(); ++i)
        text += std::to_string(i + 1) + "=" + entries[i].Format() + "\n";
    return text;
}

void SaveBmp(const std::filesystem::path &path, const QImage &image)
{
    if (!image.save(QString::fromStdString(path.string()), "BMP"))
        throw std::runtime_error("cannot write " + path.string());
}

QImage Solid(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Four faces side by side, each a different shade so the shown face can be told.
QImage StateStrip(int width, int height)
{
    QImage strip(width * 4, height, QImage::Format_RGB32);
    for (int face = 0; face < 4; ++face) {
        QPainter painter(&strip);
        painter.fillRect(face * width, 0, width, height, QColor(60 * face, 120, 200));
    }
    return strip;
}

} // namespace

QRegion TestSkinShape()
{
    return QRegion(kFrame, kFrame, kSkinWidth - 2 * kFrame, kSkinHeight - 2 * kFrame);
}

void WriteTestSkin(const std::filesystem::path &folder, const TestSkin &skin)
{
    std::filesystem::create_directories(folder);
    QImage background = Solid(kSkinWidth, kSkinHeight, kKey);
    {
        QPainter painter(&background);
        painter.fillRect(TestSkinShape().boundingRect(), skin.fill);
    }
    SaveBmp(folder / "back.bmp", background);
    SaveBmp(folder / "button.bmp", StateStrip(20, 16));
    SaveBmp(folder / "channel.bmp", Solid(100, 8, QColor(10, 200, 10)));
    SaveBmp(folder / "thumb.bmp", Solid(8, 8, QColor(250, 250, 250)));
    QImage icon = Solid(16, 16, QColor(255, 200, 0));
    icon.setPixel(0, 0, kKey.rgb());
    SaveBmp(folder / "icon.bmp", icon);
    for (const char *name : {"track", "up", "upd", "down", "downd", "th", "thd"})
        SaveBmp(folder / (std::string(name) + ".bmp"), Solid(10, 10, QColor(90, 90, 90)));
    SaveBmp(folder / "drop.bmp", StateStrip(12, 12));

    const ScrollBarBitmaps bar{"track.bmp", "up.bmp", "upd.bmp", "down.bmp",
                               "downd.bmp", "th.bmp", "thd.bmp"};
    std::string ini = Key(kScreenSection, kBackgroundKey, "back.bmp") +
                      Key(kColourSection, kTransparentKey, FormatColour(0x00FF00FF)) +
                      Key(kHostSection, kHostKey, FormatRect({100, 40, 180, 100})) +
                      Key(kIconSection, kIconKey, IconEntry{"icon.bmp", {6, 6, 22, 22}}.Format());
    if (skin.full) {
        std::vector<ButtonEntry> buttons{{"BUTTON_PLAY", "button.bmp", {30, 6, 50, 22}, "Play"},
                                         {"BUTTON_PAUSE", "button.bmp", {30, 6, 50, 22}, "Pause"},
                                         {"BUTTON_EXIT", "button.bmp", {176, 6, 196, 22}, "Exit"},
                                         {"BUTTON_TWIN", "button.bmp", {52, 6, 72, 22}, "First"},
                                         {"BUTTON_TWIN", "button.bmp", {74, 6, 94, 22}, "Second"}};
        if (skin.effectButtons) {
            buttons.push_back({"BUTTON__EFFECT1", "button.bmp", {134, 24, 154, 40}, "Colours"});
            buttons.push_back({"BUTTON__EFFECT2", "button.bmp", {156, 24, 176, 40}, "Filters"});
        }
        ini += List<ButtonEntry>(kButtonSection, buttons);
        ini += List<SliderEntry>(kSliderSection, {{"SLIDER_PROGRESS",
                                                   "channel.bmp",
                                                   "thumb.bmp",
                                                   "thumb.bmp",
                                                   {10, 28, 110, 36},
                                                   false,
                                                   0,
                                                   "Seek"}});
        ini += List<OptionEntry>(
            kOptionSection,
            {{"OPTION_A", "button.bmp", {10, 40, 30, 56}, "A", false, true},
             {"OPTION_AUDIOSTREAM1", "button.bmp", {32, 40, 52, 56}, "Stream", false, true},
             {"OPTION_B", "button.bmp", {54, 40, 74, 56}, "B", false, false}});
        ini += List<CheckEntry>(kCheckSection,
                                {{"CHECK_A", "button.bmp", {76, 40, 96, 56}, "Check", false}});
        ini += Key(
            kCaptionSection, kCaptionKey,
            CaptionEntry{"CAPTION", {100, 6, 170, 20}, "Test skin", "Arial", 8, kWhite}.Format());
        ini += List<LabelEntry>(kLabelSection,
                                {{"LABEL_TIME", {10, 60, 90, 74}, "--", "Arial", 8, kWhite}});
        ini += List<EditBoxEntry>(kEditBoxSection,
                                  {{"EDIT_NAME", {10, 78, 90, 92}, kBlack, kWhite, kGrey, true}});
        ini += List<ListBoxEntry>(
            kListBoxSection,
            {{"LIST_FILES", {10, 94, 90, 114}, kBlack, kWhite, kBlue, kWhite, bar}});
        ini += List<ComboBoxEntry>(kComboBoxSection, {{"COMBO_FORMAT",
                                                       {120, 6, 170, 90},
                                                       "drop.bmp",
                                                       kBlack,
                                                       kWhite,
                                                       kGrey,
                                                       kBlack,
                                                       kWhite,
                                                       kBlue,
                                                       kWhite,
                                                       bar}});
    } else {
        ini += List<ButtonEntry>(kButtonSection,
                                 {{"BUTTON_CLOSE", "button.bmp", {176, 6, 196, 22}, "Close"}});
    }
    ini += List<ButtonEntry>(kTaskBarButtonSection,
                             {{"TASKBUTTON_A", "button.bmp", {1, 1, 21, 17}, "A"},
                              {"TASKBUTTON_EXIT", "button.bmp", {1, 1, 21, 17}, "Close"}});
    ini += skin.extraIni;
    WriteFile(folder / "Skin.ini", ini);
}

void WriteTestSkinPackage(const std::filesystem::path &package,
                          const std::filesystem::path &scratch, const TestSkin &skin)
{
    WriteTestSkin(scratch, skin);
    std::filesystem::remove(package);
    const std::string command = "zip -q -j '" + package.string() + "' ./*";
    if (RunCommand(command, scratch) != 0)
        throw std::runtime_error("zip failed");
}

} // namespace lumaskin::test
