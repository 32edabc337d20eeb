#pragma once
// One key per field: the 44 device parameters, then the four send fields beside them. Code names a
// field by its key; the field's name string is used only where a person or a file sees it.

#include <cstdint>

namespace vorlan {

enum class Field : std::uint8_t {
  // Texts
  Callsign,
  Password,
  GroupCall,
  DigiNumber,
  Longitude,
  Filter,
  SymbolCode,
  LoginPassword,
  BeaconText,
  Server1,
  Latitude,
  Server2,
  TxDelay,
  Path,
  TimedTx,
  Channel1Freq,
  Channel2Freq,
  TxCtcss,
  RxCtcss,
  WifiSsid,
  WifiPassword,
  TxInterval,
  AlarmPhone,
  MyPhone,
  SendInterval,
  // Flags
  Digipeater,
  AdditionalReport,
  SmartBeacon,
  Spare4,
  Spare5,
  CarMode,
  OutputTrace,
  PttTransmit,
  SoundPrompt,
  MicEFormat,
  Spare11,
  IsToBluetooth,
  FixedPosition,
  LoginServer,
  RfToIs,
  IsToRf,
  Server1Enable,
  Server2Enable,
  // The work-mode choice
  WorkMode,
  // Send fields: arguments of the instruction and message frames, not device configuration
  HisCallsign,
  HisPassword,
  Instruction,
  Message,
};

inline constexpr int kParameterCount = 44;
inline constexpr int kFieldCount = 48;

constexpr int Index(Field f) {
  return static_cast<int>(f);
}
constexpr bool IsParameter(Field f) {
  return Index(f) < kParameterCount;
}

}  // namespace vorlan
