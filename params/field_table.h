#pragma once
// Every field described once: its name, its kind, its entry limit and its form. The frame and
// read-back layouts, the presets, the files and the window refer to fields by key and find the rest
// here.

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "params/field.h"

namespace vorlan {

enum class FieldKind {
  Text,      // free text bounded by an entry limit
  Flag,      // on or off
  WorkMode,  // the device's work-mode code, "0" to "4" in its table
};

// What a text field holds, beyond its length: the form a value the user sends must have.
enum class TextForm {
  Free,       // any text
  Number,     // decimal digits, with leading zeros: "030"
  Latitude,   // DDMM.mm and N or S: "2300.00N"
  Longitude,  // DDDMM.mm and E or W: "11300.00E"
  Frequency,  // MHz with three decimals, ddd.ddd: "144.640"
};

struct FieldDef {
  Field key;
  std::string_view name;  // as files and the command line spell it, e.g. "Callsign"
  FieldKind kind;
  int maxLength;  // entry limit in characters, equal to its width on the line; 0 without one
  TextForm form = TextForm::Free;
};

namespace field_table_detail {
using enum Field;
using K = FieldKind;
using F = TextForm;
inline constexpr std::array<FieldDef, kFieldCount> kFields = {{
    {Callsign, "Callsign", K::Text, 12},
    {Password, "Password", K::Text, 6},
    {GroupCall, "GroupCall", K::Text, 6},
    {DigiNumber, "DigiNumber", K::Text, 3, F::Number},
    {Longitude, "Longitude", K::Text, 9, F::Longitude},
    {Filter, "Filter", K::Text, 48},
    {SymbolCode, "SymbolCode", K::Text, 1},
    {LoginPassword, "LoginPassword", K::Text, 5},
    {BeaconText, "BeaconText", K::Text, 64},
    {Server1, "Server1", K::Text, 32},
    {Latitude, "Latitude", K::Text, 8, F::Latitude},
    {Server2, "Server2", K::Text, 32},
    {TxDelay, "TxDelay", K::Text, 2, F::Number},
    {Path, "Path", K::Text, 20},
    {TimedTx, "TimedTx", K::Text, 2, F::Number},
    {Channel1Freq, "Channel1Freq", K::Text, 7, F::Frequency},
    {Channel2Freq, "Channel2Freq", K::Text, 7, F::Frequency},
    {TxCtcss, "TxCtcss", K::Text, 2, F::Number},
    {RxCtcss, "RxCtcss", K::Text, 2, F::Number},
    {WifiSsid, "WifiSsid", K::Text, 16},
    {WifiPassword, "WifiPassword", K::Text, 16},
    {TxInterval, "TxInterval", K::Text, 2, F::Number},
    {AlarmPhone, "AlarmPhone", K::Text, 16},
    {MyPhone, "MyPhone", K::Text, 16},
    {SendInterval, "SendInterval", K::Text, 2, F::Number},
    {Digipeater, "Digipeater", K::Flag, 0},
    {AdditionalReport, "AdditionalReport", K::Flag, 0},
    {SmartBeacon, "SmartBeacon", K::Flag, 0},
    {Spare4, "Spare4", K::Flag, 0},
    {Spare5, "Spare5", K::Flag, 0},
    {CarMode, "CarMode", K::Flag, 0},
    {OutputTrace, "OutputTrace", K::Flag, 0},
    {PttTransmit, "PttTransmit", K::Flag, 0},
    {SoundPrompt, "SoundPrompt", K::Flag, 0},
    {MicEFormat, "MicEFormat", K::Flag, 0},
    {Spare11, "Spare11", K::Flag, 0},
    {IsToBluetooth, "IsToBluetooth", K::Flag, 0},
    {FixedPosition, "FixedPosition", K::Flag, 0},
    {LoginServer, "LoginServer", K::Flag, 0},
    {RfToIs, "RfToIs", K::Flag, 0},
    {IsToRf, "IsToRf", K::Flag, 0},
    {Server1Enable, "Server1Enable", K::Flag, 0},
    {Server2Enable, "Server2Enable", K::Flag, 0},
    {WorkMode, "WorkMode", K::WorkMode, 0},
    {HisCallsign, "HisCallsign", K::Text, 12},
    {HisPassword, "HisPassword", K::Text, 6},
    {Instruction, "Instruction", K::Text, 48},
    {Message, "Message", K::Text, 150},
}};

constexpr bool KeysInOrder() {
  for (int i = 0; i < kFieldCount; ++i) {
    if (Index(kFields[i].key) != i) return false;
  }
  return true;
}
static_assert(KeysInOrder(), "each row stands at its key's index");
static_assert(std::count_if(kFields.begin(), kFields.begin() + kParameterCount,
                            [](const FieldDef& f) { return f.kind == K::Text; }) == 25);
static_assert(std::count_if(kFields.begin(), kFields.begin() + kParameterCount,
                            [](const FieldDef& f) { return f.kind == K::Flag; }) == 18);
}  // namespace field_table_detail

constexpr const FieldDef& Def(Field f) {
  return field_table_detail::kFields[static_cast<std::size_t>(Index(f))];
}
constexpr int MaxLength(Field f) {
  return Def(f).maxLength;
}

// All 48 fields in key order; the first kParameterCount are the device parameters.
constexpr std::span<const FieldDef> FieldTable() {
  return field_table_detail::kFields;
}
constexpr std::span<const FieldDef> ParameterTable() {
  return FieldTable().first(kParameterCount);
}

// The key of a field name, as a file or the command line spells it.
std::optional<Field> FieldNamed(std::string_view name);

}  // namespace vorlan
