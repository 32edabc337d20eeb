#pragma once
// What the configuration check finds: a value, so that each front end words it in its own
// language. A finding names its field, how much it matters and what it is, with the values its
// text shows (%1, %2, ... in the order given here for each id).

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "params/field.h"

namespace vorlan {

enum class Severity : std::uint8_t {
  Warning,  // the tracker will not work as meant: it beacons into the void or the server drops it
  Note,     // works, but maybe not as the user expects
};

enum class FindingId : std::uint8_t {
  CallsignEmpty,          // -
  CallsignBase,           // %1 the base
  CallsignSsid,           // %1 the SSID as written
  CallsignSsidZero,       // %1 the callsign without "-0"
  CallsignLowerCase,      // %1 the callsign in upper case
  CallsignPlaceholder,    // %1 the base
  PathElement,            // %1 the element
  PathLowerCase,          // %1 the element, %2 it in upper case
  PathTooManyHops,        // %1 the element that passes the limit, %2 the hops asked for up to it
  PathTooManyElements,    // %1 how many elements
  PasscodeWrong,          // %1 the callsign's base
  PasscodeReadOnly,       // -
  ServerEmpty,            // -
  ServerNoPort,           // -
  ServerPort,             // %1 the port as written
  ServerHost,             // %1 the host as written
  FilterUnknownKind,      // %1 the command
  FilterArguments,        // %1 the command, %2 the command's form ("r/lat/lon/dist")
  FilterNumber,           // %1 the command, %2 the argument that is not a number
  FilterRange,            // %1 the command, %2 the argument, %3 lowest, %4 highest
  NullPosition,           // -
  PositionRange,          // %1 the value, %2 the most degrees
  FrequencyRange,         // %1 the value as written
  WifiSsidEmpty,          // -
  WifiPasswordShort,      // %1 its length
  WifiPasswordCharacter,  // %1 the character WPA2 does not take
  PhoneNumber,            // %1 the character that does not belong
  SymbolNotPrintable,     // %1 the text
  SymbolDelimiter,        // %1 the character
};
inline constexpr int kFindingIdCount = static_cast<int>(FindingId::SymbolDelimiter) + 1;

struct Finding {
  Field field;
  Severity severity;
  FindingId id;
  QStringList values = {};

  bool operator==(const Finding&) const = default;
};
using Findings = std::vector<Finding>;

// A stable name for scripts and files: "callsign-placeholder".
std::string_view FindingName(FindingId id);
// "warning" or "note".
std::string_view SeverityName(Severity severity);

// The pattern with %1 ... %9 replaced by the finding's values in one pass, so that a value that
// itself holds "%2" stays as it is.
QString FillIn(QStringView pattern, const QStringList& values);

int WarningCount(std::span<const Finding> findings);
// The fields with a warning, each once, in the order of the findings.
std::vector<Field> WarnedFields(std::span<const Finding> findings);

}  // namespace vorlan
