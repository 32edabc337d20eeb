#pragma once
// Every field described once: its name, its window control, its kind and its entry limit. The
// frame and read-back layouts, the presets and the window refer to fields by key and find the rest
// here.

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "params/field.h"

namespace vorlan {

enum class FieldKind {
  Text,      // entry box; free text bounded by an entry limit
  Flag,      // check box, on or off
  WorkMode,  // editable drop-down whose list texts stand for the codes "0" to "4"
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
  std::string_view name;     // as files and the command line spell it, e.g. "Callsign"
  std::string_view control;  // the window control, e.g. "Text1"
  FieldKind kind;
  int maxLength;  // entry limit in characters, equal to its width on the line; 0 without one
  TextForm form = TextForm::Free;
};

namespace field_table_detail {
using enum Field;
using K = FieldKind;
using F = TextForm;
inline constexpr std::array<FieldDef, kFieldCount> kFields = {{
    {Callsign, "Callsign", "Text1", K::Text, 12},
    {Password, "Password", "Text2", K::Text, 6},
    {GroupCall, "GroupCall", "Text3", K::Text, 6},
    {DigiNumber, "DigiNumber", "Text4", K::Text, 3, F::Number},
    {Longitude, "Longitude", "Text5", K::Text, 9, F::Longitude},
    {Filter, "Filter", "Text6", K::Text, 48},
    {SymbolCode, "SymbolCode", "Text9", K::Text, 1},
    {LoginPassword, "LoginPassword", "Text10", K::Text, 5},
    {BeaconText, "BeaconText", "Text11", K::Text, 64},
    {Server1, "Server1", "Text12", K::Text, 32},
    {Latitude, "Latitude", "Text13", K::Text, 8, F::Latitude},
    {Server2, "Server2", "Text15", K::Text, 32},
    {TxDelay, "TxDelay", "Text16", K::Text, 2, F::Number},
    {Path, "Path", "Text17", K::Text, 20},
    {TimedTx, "TimedTx", "Text18", K::Text, 2, F::Number},
    {Channel1Freq, "Channel1Freq", "Text19", K::Text, 7, F::Frequency},
    {Channel2Freq, "Channel2Freq", "Text20", K::Text, 7, F::Frequency},
    {TxCtcss, "TxCtcss", "Text21", K::Text, 2, F::Number},
    {RxCtcss, "RxCtcss", "Text22", K::Text, 2, F::Number},
    {WifiSsid, "WifiSsid", "Text23", K::Text, 16},
    {WifiPassword, "WifiPassword", "Text24", K::Text, 16},
    {TxInterval, "TxInterval", "Text25", K::Text, 2, F::Number},
    {AlarmPhone, "AlarmPhone", "Text29", K::Text, 16},
    {MyPhone, "MyPhone", "Text30", K::Text, 16},
    {SendInterval, "SendInterval", "Text34", K::Text, 2, F::Number},
    {Digipeater, "Digipeater", "Check1", K::Flag, 0},
    {AdditionalReport, "AdditionalReport", "Check2", K::Flag, 0},
    {SmartBeacon, "SmartBeacon", "Check3", K::Flag, 0},
    {Spare4, "Spare4", "Check4", K::Flag, 0},
    {Spare5, "Spare5", "Check5", K::Flag, 0},
    {CarMode, "CarMode", "Check6", K::Flag, 0},
    {OutputTrace, "OutputTrace", "Check7", K::Flag, 0},
    {PttTransmit, "PttTransmit", "Check8", K::Flag, 0},
    {SoundPrompt, "SoundPrompt", "Check9", K::Flag, 0},
    {MicEFormat, "MicEFormat", "Check10", K::Flag, 0},
    {Spare11, "Spare11", "Check11", K::Flag, 0},
    {IsToBluetooth, "IsToBluetooth", "Check12", K::Flag, 0},
    {FixedPosition, "FixedPosition", "Check13", K::Flag, 0},
    {LoginServer, "LoginServer", "Check14", K::Flag, 0},
    {RfToIs, "RfToIs", "Check15", K::Flag, 0},
    {IsToRf, "IsToRf", "Check16", K::Flag, 0},
    {Server1Enable, "Server1Enable", "Check17", K::Flag, 0},
    {Server2Enable, "Server2Enable", "Check18", K::Flag, 0},
    {WorkMode, "WorkMode", "Combo9", K::WorkMode, 0},
    {HisCallsign, "HisCallsign", "Text7", K::Text, 12},
    {HisPassword, "HisPassword", "Text8", K::Text, 6},
    {Instruction, "Instruction", "Text26", K::Text, 48},
    {Message, "Message", "Text27", K::Text, 150},
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

// The key of a field name or control name, as a file or the window spells it.
std::optional<Field> FieldNamed(std::string_view name);
std::optional<Field> FieldOfControl(std::string_view control);

}  // namespace vorlan
