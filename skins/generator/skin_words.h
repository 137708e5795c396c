#pragma once

#include <QString>
#include <string>
#include <vector>

namespace lumaskin::skingen {

// Every word a user reads in the bundled skins: button and toggle captions, labels, and
// tooltips, of every layout and the notifier, each once, in sorted order. Texts without a
// letter (zoom steps, the time) are not words to translate.
std::vector<QString> BundledSkinWords();

// The text of skins/skin_words.h, which lists those words for the translation catalogue.
std::string SkinWordsSource();

} // namespace lumaskin::skingen
