#include "engine/steps/text_mark.h"

#include "engine/codecs/codec_modules.h"

namespace lumaskin {

Image RenderTextMark(const QString &text, const QString &family, int pixelSize, unsigned colour,
                     QString *error)
{
    const auto *module = CodecModule<TextModule>("text", error);
    return module ? module->render(text, family, pixelSize, colour, error) : Image();
}

QCoreApplication *MakeTextApplication(int &argc, char **argv, QString *error)
{
    const auto *module = CodecModule<TextModule>("text", error);
    return module ? module->makeApplication(argc, argv, error) : nullptr;
}

} // namespace lumaskin
