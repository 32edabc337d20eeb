#pragma once
// Qt's own texts (the buttons of message boxes, file dialogs) in the build's language, whatever
// language the system is set to: the build is the language.

#include "ui/language_data.h"

namespace vorlan::ui {

// Makes the build's locale the default and installs Qt's translations for it (qtbase and
// qtserialport), looked for in "translations" beside the program (where it is shipped without
// Debian), then where Qt keeps them. Call once the application object exists. Returns how many
// catalogues were installed; the English build needs none.
int UseBuildLanguage(const LanguageData& lang);

}  // namespace vorlan::ui
