// Callsign and LoginPassword.

#include "check/callsign.h"
#include "check/passcode.h"
#include "check/rules.h"

namespace vorlan::rules {
namespace {

// The password APRS-IS takes as a read-only login: the server sends, but takes nothing.
constexpr QStringView kReadOnlyLogin = u"-1";

void CheckLogin(const ParameterSet& params, Findings& findings) {
  if (!params.flag(Field::LoginServer)) return;
  const auto base = CallsignBase(WithoutPadding(params.text(Field::Callsign)));
  if (!base) return;  // the callsign's own finding says why
  const QString password = WithoutPadding(params.text(Field::LoginPassword));
  if (password == kReadOnlyLogin) {
    findings.push_back({Field::LoginPassword, Severity::Note, FindingId::PasscodeReadOnly});
    return;
  }
  if (IsPasscodeOf(password, *base)) return;
  findings.push_back({Field::LoginPassword, Severity::Warning, FindingId::PasscodeWrong, {*base}});
}

}  // namespace

void CheckIdentity(const ParameterSet& params, Findings& findings) {
  const QString callsign = WithoutPadding(params.text(Field::Callsign));
  if (const auto fault = CheckCallsign(callsign)) {
    findings.push_back({Field::Callsign, Severity::Warning, fault->id, {fault->value}});
  } else if (const auto base = CallsignBase(callsign); base && IsPlaceholder(*base)) {
    findings.push_back(
        {Field::Callsign, Severity::Warning, FindingId::CallsignPlaceholder, {*base}});
  }
  CheckLogin(params, findings);
}

}  // namespace vorlan::rules
