#pragma once
// The APRS-aware check of a configuration: what in it makes the tracker beacon into the void, be
// refused by the APRS-IS server or flood the network. It judges only; it changes no value and
// refuses nothing.

#include "check/finding.h"
#include "params/parameter_set.h"

namespace vorlan {

// The findings in the 44 parameters, grouped by rule family: identity and login, path, filter,
// servers and WiFi, the station's own settings.
Findings CheckConfiguration(const ParameterSet& params);

// The findings in the send fields: HisCallsign as a callsign.
Findings CheckSendFields(const SendFields& send);

}  // namespace vorlan
