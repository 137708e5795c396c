#include "skin/face_text.h"

#include "controls/bitmap_helpers.h"
#include "skin/control_factory.h"

#include <algorithm>

namespace lumaskin {

FaceCaption ToFaceCaption(const FaceTextEntry &entry)
{
    FaceCaption caption;
    caption.text = SkinWords(entry.text);
    caption.fontFamily = SkinText(entry.fontFace);
    caption.pixelSize = entry.fontSize > 0 ? std::min(entry.fontSize, 200) : 12;
    caption.bold = entry.bold;
    caption.indent = std::max(0, entry.indent);
    caption.glyph = GlyphFromName(entry.glyph);
    const ColourValue colours[] = {entry.normalColour, entry.hoverColour, entry.downColour,
                                   entry.disabledColour};
    for (int i = 0; i < kStateCount; ++i)
        caption.colours[i] = ToQColor(colours[i]).isValid() ? ToQColor(colours[i]) : Qt::black;
    return caption;
}

} // namespace lumaskin
