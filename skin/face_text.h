#pragma once

#include "controls/face_caption.h"
#include "skin/skin_entries.h"

namespace lumaskin {

// A "FACETEXT" entry as the controls draw it, its text in the user's language where the
// catalogue has it (SkinWords). A font size of 0 or less is the usual 12 pixels; a colour
// missing altogether is black.
FaceCaption ToFaceCaption(const FaceTextEntry &entry);

} // namespace lumaskin
