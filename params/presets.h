#pragma once
// The values the window shows at start and after factory reset, the port list and the work-mode
// mapping.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "params/field.h"
#include "params/parameter_set.h"

namespace vorlan {

// What a build brings to the device model: its five work-mode list texts (index = code) and the
// presets of the two server entries. UTF-8.
struct BuildValues {
  std::array<std::string_view, 5> workModes;
  std::string_view server1;
  std::string_view server2;
};

inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

ParameterSet InitialParameters(const BuildValues& build);
ParameterSet FactoryParameters(const BuildValues& build);  // equal to the initial values
SendFields InitialSendFields();
SendFields FactorySendFields();  // HisPassword in lower case

// The order in which the window takes a whole set of values: the entry boxes in ascending control
// number (send fields among them), then the check boxes Check1 to Check18, then the work-mode box.
const std::vector<Field>& ShowOrder();

// The port box's text for port n: "COM<n>".
QString PortText(int n);
// "COM1" to "COM30"; the port box shows kPresetPort at start.
QStringList PortList();
inline constexpr std::string_view kPresetPort = "COM2";
// The port number of a port-box text: exact, case-sensitive match with a list entry.
std::optional<int> PortNumber(const QString& text);

// Work-mode list texts of the build, code 0 to 4 in order.
QStringList WorkModeList(const BuildValues& build);
// The code of a work-mode text by exact comparison with the list; nullopt when none matches.
std::optional<int> WorkModeCodeOf(const QString& text, const BuildValues& build);
// The list text for a code; nullopt outside 0 to 4.
std::optional<QString> WorkModeText(int code, const BuildValues& build);

}  // namespace vorlan
