#pragma once
// The values the window shows at start and after factory reset, and the port list.

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>
#include <vector>

#include "params/field.h"
#include "params/parameter_set.h"
#include "params/utf8.h"

namespace vorlan {

// The two server entries a configuration starts with; the builds start with different servers.
// UTF-8.
struct ServerPresets {
  std::string_view server1;
  std::string_view server2;
};
// The worldwide rotation, no second server.
inline constexpr ServerPresets kRotateServers = {"rotate.aprs2.net:14580", ""};
// The Asian servers, the second on its own port.
inline constexpr ServerPresets kAsiaServers = {"asia.aprs2.net:14580", "rotate.aprs.net:10008"};

// The values at start, equal to the factory values.
ParameterSet InitialParameters(const ServerPresets& servers);
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

}  // namespace vorlan
