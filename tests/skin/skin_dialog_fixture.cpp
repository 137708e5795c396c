#include "tests/skin/skin_dialog_fixture.h"

#include "tests/support/temp_dir.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <stdexcept>

namespace lumaskin::test {

namespace {

const QColor kKey(255, 0, 255);

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

    std::string ini = "[Screen]\nMain=back.bmp\n"
                      "[COLOR]\nTRANSPARENT=0xFF00FF\n"
                      "[CONTROL]\nCONTROL=100,40,180,100\n"
                      "[ICON]\nICON=icon.bmp,6,6,22,22\n";
    if (skin.full) {
        ini += "[BUTTONINFO]\n"
               "1=BUTTON_PLAY,button.bmp,30,6,50,22,Play,F\n"
               "2=BUTTON_PAUSE,button.bmp,30,6,50,22,Pause,F\n"
               "3=BUTTON_EXIT,button.bmp,176,6,196,22,Exit,F\n"
               "4=BUTTON_TWIN,button.bmp,52,6,72,22,First,F\n"
               "5=BUTTON_TWIN,button.bmp,74,6,94,22,Second,F\n"
               "[SLIDERINFO]\n"
               "1=SLIDER_PROGRESS,channel.bmp,thumb.bmp,thumb.bmp,10,28,110,36,H,0,Seek\n"
               "[OPTIONINFO]\n"
               "1=OPTION_A,button.bmp,10,40,30,56,A,F,T\n"
               "2=OPTION_AUDIOSTREAM1,button.bmp,32,40,52,56,Stream,F,T\n"
               "3=OPTION_B,button.bmp,54,40,74,56,B,F,F\n"
               "[CHECKINFO]\n"
               "1=CHECK_A,button.bmp,76,40,96,56,Check,F,F\n"
               "[CAPTION]\n"
               "CAPTION=CAPTION,100,6,170,20,Test skin,Arial,8,0xFFFFFF\n"
               "[LABELINFO]\n"
               "1=LABEL_TIME,10,60,90,74,--,Arial,8,0xFFFFFF\n"
               "[EDITBOXINFO]\n"
               "1=EDIT_NAME,10,78,90,92,0x000000,0xFFFFFF,0x808080,TRUE\n"
               "[LISTBOXINFO]\n"
               "1=LIST_FILES,10,94,90,114,0x000000,0xFFFFFF,0x0000FF,0xFFFFFF,"
               "track.bmp,up.bmp,upd.bmp,down.bmp,downd.bmp,th.bmp,thd.bmp\n"
               "[COMBOBOXINFO]\n"
               "1=COMBO_FORMAT,120,6,170,90,drop.bmp,0x000000,0xFFFFFF,0x808080,0x000000,"
               "0xFFFFFF,0x0000FF,0xFFFFFF,"
               "track.bmp,up.bmp,upd.bmp,down.bmp,downd.bmp,th.bmp,thd.bmp\n";
    } else {
        ini += "[BUTTONINFO]\n1=BUTTON_CLOSE,button.bmp,176,6,196,22,Close,F\n";
    }
    ini += "[TASKBARBUTTON]\n1=TASKBUTTON_A,button.bmp,1,1,21,17,A,F\n"
           "2=TASKBUTTON_EXIT,button.bmp,1,1,21,17,Close,F\n";
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
