#include "check/configuration_check.h"

#include "check/callsign.h"
#include "check/rules.h"

namespace vorlan {

Findings CheckConfiguration(const ParameterSet& params) {
  Findings findings;
  rules::CheckIdentity(params, findings);
  rules::CheckPath(params, findings);
  rules::CheckFilter(params, findings);
  rules::CheckInternet(params, findings);
  rules::CheckStation(params, findings);
  return findings;
}

Findings CheckSendFields(const SendFields& send) {
  Findings findings;
  if (const auto fault = CheckCallsign(WithoutPadding(send.HisCallsign))) {
    findings.push_back({Field::HisCallsign, Severity::Warning, fault->id, {fault->value}});
  }
  return findings;
}

}  // namespace vorlan
