#include "check/finding.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vorlan {
namespace {

using enum FindingId;
constexpr std::array<std::pair<FindingId, std::string_view>, kFindingIdCount> kNames = {{
    {CallsignEmpty, "callsign-empty"},
    {CallsignBase, "callsign-base"},
    {CallsignSsid, "callsign-ssid"},
    {CallsignSsidZero, "callsign-ssid-zero"},
    {CallsignLowerCase, "callsign-lower-case"},
    {CallsignPlaceholder, "callsign-placeholder"},
    {PathElement, "path-element"},
    {PathLowerCase, "path-lower-case"},
    {PathTooManyHops, "path-too-many-hops"},
    {PathTooManyElements, "path-too-many-elements"},
    {PasscodeWrong, "passcode-wrong"},
    {PasscodeReadOnly, "passcode-read-only"},
    {ServerEmpty, "server-empty"},
    {ServerNoPort, "server-no-port"},
    {ServerPort, "server-port"},
    {ServerHost, "server-host"},
    {FilterUnknownKind, "filter-unknown-kind"},
    {FilterArguments, "filter-arguments"},
    {FilterNumber, "filter-number"},
    {FilterRange, "filter-range"},
    {NullPosition, "null-position"},
    {PositionRange, "position-range"},
    {FrequencyRange, "frequency-range"},
    {WifiSsidEmpty, "wifi-ssid-empty"},
    {WifiPasswordShort, "wifi-password-short"},
    {WifiPasswordCharacter, "wifi-password-character"},
    {PhoneNumber, "phone-number"},
    {SymbolNotPrintable, "symbol-not-printable"},
    {SymbolDelimiter, "symbol-delimiter"},
}};

constexpr bool NamesInOrder() {
  for (int i = 0; i < kFindingIdCount; ++i) {
    if (static_cast<int>(kNames[i].first) != i) return false;
  }
  return true;
}
static_assert(NamesInOrder(), "each name stands at its id's index");

}  // namespace

std::string_view FindingName(FindingId id) {
  return kNames[static_cast<std::size_t>(id)].second;
}

std::string_view SeverityName(Severity severity) {
  return severity == Severity::Warning ? "warning" : "note";
}

QString FillIn(QStringView pattern, const QStringList& values) {
  QString text;
  text.reserve(pattern.size());
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const qsizetype n = pattern[i + 1].unicode() - '1';
      if (n < values.size()) {
        text += values[n];
        ++i;
        continue;
      }
    }
    text += c;
  }
  return text;
}

int WarningCount(std::span<const Finding> findings) {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const Finding& f) {
    return f.severity == Severity::Warning;
  }));
}

std::vector<Field> WarnedFields(std::span<const Finding> findings) {
  std::vector<Field> fields;
  for (const Finding& f : findings) {
    if (f.severity != Severity::Warning) continue;
    if (std::find(fields.begin(), fields.end(), f.field) == fields.end()) fields.push_back(f.field);
  }
  return fields;
}

}  // namespace vorlan
