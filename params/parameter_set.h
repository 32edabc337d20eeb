#pragma once
// The device configuration as the tool edits it, and the four send fields beside it.

#include <QString>
#include <string_view>

namespace vorlan {

struct ParameterSet {
  // Texts
  QString Callsign, Password, GroupCall, DigiNumber, Longitude, Filter, SymbolCode, LoginPassword,
      BeaconText, Server1, Latitude, Server2, TxDelay, Path, TimedTx, Channel1Freq, Channel2Freq,
      TxCtcss, RxCtcss, WifiSsid, WifiPassword, TxInterval, AlarmPhone, MyPhone, SendInterval;
  // Flags
  bool Digipeater = false, AdditionalReport = false, SmartBeacon = false, Spare4 = false,
       Spare5 = false, CarMode = false, OutputTrace = false, PttTransmit = false,
       SoundPrompt = false, MicEFormat = false, Spare11 = false, IsToBluetooth = false,
       FixedPosition = false, LoginServer = false, RfToIs = false, IsToRf = false,
       Server1Enable = false, Server2Enable = false;
  // The work-mode box's text; stands for a code only when it equals one of the list texts.
  QString WorkMode;

  bool operator==(const ParameterSet&) const = default;

  // Field access by name. Texts include WorkMode. nullptr for a name of another kind.
  QString* text(std::string_view field);
  const QString* text(std::string_view field) const;
  bool* flag(std::string_view field);
  const bool* flag(std::string_view field) const;
};

struct SendFields {
  QString HisCallsign, HisPassword, Instruction, Message;

  bool operator==(const SendFields&) const = default;

  QString* text(std::string_view field);
  const QString* text(std::string_view field) const;
};

}  // namespace vorlan
