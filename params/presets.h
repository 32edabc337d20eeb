#pragma once
// The values at start and after a factory reset.

#include <QString>
#include <string_view>

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

}  // namespace vorlan
