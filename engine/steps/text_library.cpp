// The text module: Qt GUI's fonts and painter, loaded only when a text mark is drawn.
#include "engine/codecs/codec_modules.h"
#include "engine/steps/text_mark.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <mutex>

namespace lumaskin {

Image RenderTextMark(const QString &text, const QString &family, int pixelSize, unsigned colour,
                     QString *error)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (error)
            *error = QCoreApplication::translate("Steps",
                                                 "text can only be drawn inside a GUI application");
        return {};
    }
    // The font database is shared by every thread; one mark is drawn at a time.
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    QFont font(family);
    font.setPixelSize(std::max(1, pixelSize));
    // Outlines as designed: hinting and sub-pixel settings differ between X11, Wayland and the
    // offscreen platform, and the window and the command line must draw the same pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::NoSubpixelAntialias));
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) {
        // Blanks only: nothing to lay over the picture.
        Image none(1, 1, 0u);
        if (none.IsNull() && error)
            *error =
                QCoreApplication::translate("Steps", "there is not enough memory for the picture");
        return none;
    }
    const int left = static_cast<int>(std::floor(ink.left()));
    const int top = static_cast<int>(std::floor(ink.top()));
    const int width = static_cast<int>(std::ceil(ink.right())) - left;
    const int height = static_cast<int>(std::ceil(ink.bottom())) - top;
    Image mark(width, height);
    QImage canvas(std::max(1, width), std::max(1, height), QImage::Format_ARGB32_Premultiplied);
    if (mark.IsNull() || canvas.isNull()) {
        if (error)
            *error = QCoreApplication::translate("Steps", "the text \"%1\" is too large to draw")
                         .arg(text);
        return {};
    }
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-left, -top);
        painter.fillPath(path, Qt::black);
    }
    const std::uint8_t r = (colour >> 16) & 0xFF;
    const std::uint8_t g = (colour >> 8) & 0xFF;
    const std::uint8_t b = colour & 0xFF;
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        std::uint8_t *out = mark.Row(y);
        for (int x = 0; x < width; ++x, out += 4) {
            out[0] = r;
            out[1] = g;
            out[2] = b;
            out[3] = static_cast<std::uint8_t>(qAlpha(in[x]));
        }
    }
    return mark;
}

QCoreApplication *MakeTextApplication(int &argc, char **argv, QString *)
{
    // No display is needed to draw into a picture, and fonts come from fontconfig as they do
    // on the desktop.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}

} // namespace lumaskin

LUMASKIN_CODEC_MODULE(text,
                      lumaskin::TextModule{lumaskin::RenderTextMark, lumaskin::MakeTextApplication})
