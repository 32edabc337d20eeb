#pragma once
// The read-back as the device sends it: "$1" at positions 1 and 2, then 400 bytes, each stored
// field at its position, padded to its width with the filler. Reserved spans are all filler.

#include <string_view>

namespace vorlan::sim {

struct ReadBackSpan {
  int position;  // from 1 at the "$"
  int width;
  std::string_view name;  // the stored field; empty for a reserved span
};

inline constexpr ReadBackSpan kReadBackSpans[] = {
    {3, 1, "Digipeater"},
    {4, 1, "AdditionalReport"},
    {5, 1, "SmartBeacon"},
    {6, 1, "Spare4"},
    {7, 1, "Spare5"},
    {8, 1, "CarMode"},
    {9, 1, "OutputTrace"},
    {10, 1, "PttTransmit"},
    {11, 1, "SoundPrompt"},
    {12, 1, "MicEFormat"},
    {13, 1, "Spare11"},
    {14, 1, "IsToBluetooth"},
    {15, 1, "FixedPosition"},
    {16, 1, "LoginServer"},
    {17, 1, "RfToIs"},
    {18, 1, "IsToRf"},
    {19, 6, "GroupCall"},
    {25, 6, "Password"},
    {31, 3, "DigiNumber"},
    {34, 2, "TimedTx"},
    {36, 2, "TxInterval"},
    {38, 2, "TxDelay"},
    {40, 8, "Latitude"},
    {48, 9, "Longitude"},
    {57, 7, "Channel1Freq"},
    {64, 7, "Channel2Freq"},
    {71, 2, "TxCtcss"},
    {73, 2, "RxCtcss"},
    {75, 1, "WorkMode"},
    {76, 1, "SymbolCode"},
    {77, 3, {}},
    {80, 1, "Server1Enable"},
    {81, 1, "Server2Enable"},
    {82, 2, "SendInterval"},
    {84, 5, "LoginPassword"},
    {89, 10, {}},
    {99, 12, "Callsign"},
    {111, 20, "Path"},
    {131, 64, "BeaconText"},
    {195, 16, "WifiSsid"},
    {211, 16, "WifiPassword"},
    {227, 16, "AlarmPhone"},
    {243, 16, "MyPhone"},
    {259, 16, {}},
    {275, 32, "Server1"},
    {307, 32, "Server2"},
    {339, 16, {}},
    {355, 48, "Filter"},
};

consteval bool ReadBackIsContiguous() {
  int position = 3;
  for (const auto& span : kReadBackSpans) {
    if (span.position != position) return false;
    position += span.width;
  }
  return position == 403;
}
static_assert(ReadBackIsContiguous());

}  // namespace vorlan::sim
