// Runs one piece of the program on a hostile input, in a process of its own, so that the
// hostile-input suite can bound its time and memory and see how it ends.
//   hostile_probe skin FOLDER [change]  loads FOLDER/Purple.skn into a skinned window as at
//                                       start-up, shows it, and with "change" changes to
//                                       FOLDER/Orange.zip through the skin command, as the
//                                       skin menu does
//   hostile_probe read FILE SECONDS     reads a picture, giving a PDF page SECONDS to draw
#include "engine/codecs/poppler_library.h"
#include "engine/image_io.h"
#include "skin/skin_dialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>
#include <cstring>

namespace {

using namespace lumaskin;

// A skinned window that prints what it would tell the user, and answers No to every question.
class PrintingDialog final : public SkinDialog
{
protected:
    void ShowSkinProblem(const QString &reason) override
    {
        std::printf("message: %s\n", reason.toUtf8().constData());
    }
    bool RetryOpeningPackage() override
    {
        std::printf("question: retry opening the package? no\n");
        return false;
    }
};

// Lets the window reach the display server, shape and all.
void Settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 300) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    QApplication::sync();
}

void Describe(const SkinDialog &dialog, const char *when)
{
    std::printf("%s: buttons %zu, labels %zu, shape rects %d\n", when, dialog.Buttons().size(),
                dialog.Labels().size(), dialog.WindowRegion().rectCount());
}

int Skin(const QString &folder, bool change)
{
    PrintingDialog dialog;
    dialog.SetPackageFolder(folder);
    dialog.LoadSkinPackage(folder + QStringLiteral("/Purple.skn"));
    dialog.show();
    Settle();
    Describe(dialog, "start");
    if (change) {
        dialog.OnChangeSkin(SkinSwitcher::kFirstSkinCommand); // Orange.zip
        Settle();
        Describe(dialog, "changed");
    }
    return 0;
}

int Read(const QString &file, double seconds)
{
    SetPdfRenderSeconds(seconds);
    QString error;
    const Image image = ReadImage(file, &error);
    if (image.IsNull())
        std::printf("failed: %s\n", error.toUtf8().constData());
    else
        std::printf("read %d x %d\n", image.Width(), image.Height());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "skin") == 0)
        return Skin(QString::fromLocal8Bit(argv[2]),
                    argc >= 4 && std::strcmp(argv[3], "change") == 0);
    if (argc >= 4 && std::strcmp(argv[1], "read") == 0)
        return Read(QString::fromLocal8Bit(argv[2]), std::atof(argv[3]));
    std::fprintf(stderr, "usage: hostile_probe skin FOLDER [change] | read FILE SECONDS\n");
    return 2;
}
