#pragma once

#include <QString>

namespace lumaskin {

// Where the program's translations (lumaskin_XX.qm) are: share/lumaskin/translations beside
// the program's bin folder, installed and in the build tree alike.
QString TranslationsFolder();

// Puts the program's texts and Qt's own into the language of the environment (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG), for the running application object; called again after another
// application object replaces it. Under C or English, or for a language without a
// translation, every text stays as written.
void InstallTranslations();

} // namespace lumaskin
