#pragma once
// The work-mode box: its list texts in the build's language, and the device's code each stands
// for. The window alone maps one to the other.

#include <QString>
#include <QStringList>
#include <optional>

#include "ui/language_data.h"

namespace vorlan {

// The list, code "0" to "4" in order.
QStringList WorkModeList(const LanguageData& lang);
// The code of a text by exact comparison with the list; nullopt for a text typed by hand that
// matches none.
std::optional<char> WorkModeCode(const QString& text, const LanguageData& lang);
// The list text of a code; nullopt for a code outside the list.
std::optional<QString> WorkModeText(char code, const LanguageData& lang);

}  // namespace vorlan
