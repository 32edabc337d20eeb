#pragma once
// The rule families of the configuration check. Each adds what it finds in its fields.

#include "check/finding.h"
#include "params/parameter_set.h"

namespace vorlan::rules {

// Callsign, and LoginPassword against the callsign's APRS-IS passcode.
void CheckIdentity(const ParameterSet& params, Findings& findings);
// Path: its elements and the hops it asks for.
void CheckPath(const ParameterSet& params, Findings& findings);
// Filter: the APRS-IS server-side filter commands.
void CheckFilter(const ParameterSet& params, Findings& findings);
// Server1, Server2, and the WiFi network when an internet function is on.
void CheckInternet(const ParameterSet& params, Findings& findings);
// The fixed position, the channel frequencies, the symbol and the phone numbers.
void CheckStation(const ParameterSet& params, Findings& findings);

}  // namespace vorlan::rules
