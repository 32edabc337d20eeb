#pragma once
// The values the window shows at start and after factory reset, the port list and the work-mode
// mapping.

#include <QString>
#include <QStringList>
#include <optional>

#include "params/language_data.h"
#include "params/parameter_set.h"

namespace vorlan {

ParameterSet InitialParameters(const LanguageData& lang);
ParameterSet FactoryParameters(const LanguageData& lang);  // equal to the initial values
SendFields InitialSendFields();
SendFields FactorySendFields();  // HisPassword in lower case

// The port box's text for port n: "COM<n>".
QString PortText(int n);
// "COM1" to "COM30"; the port box shows kPresetPort at start.
QStringList PortList();
inline constexpr std::string_view kPresetPort = "COM2";
// The port number of a port-box text: exact, case-sensitive match with a list entry.
std::optional<int> PortNumber(const QString& text);

// Work-mode list texts of the build, code 0 to 4 in order.
QStringList WorkModeList(const LanguageData& lang);
// The code of a work-mode text by exact comparison with the list; nullopt when none matches.
std::optional<int> WorkModeCodeOf(const QString& text, const LanguageData& lang);
// The list text for a code; nullopt outside 0 to 4.
std::optional<QString> WorkModeText(int code, const LanguageData& lang);

}  // namespace vorlan
