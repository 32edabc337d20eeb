#pragma once
// The write frame as the device reads it. Columns count from 1 at the "$" of "$0": the head is cut
// by column, the "&" that ends it stands at column 95, and the tail holds twelve fields each
// closed by "|", up to the "#".

#include <string_view>

namespace vorlan::sim {

struct HeadField {
  int column;
  int width;
  std::string_view name;     // the stored field; empty for a reserved mark
  std::string_view allowed;  // one-byte codes: the bytes the device takes; empty for any bytes
  std::string_view mark;     // a reserved mark: exactly these bytes
};

inline constexpr std::string_view kFlag = "01";
inline constexpr std::string_view kServer2Flag = "02";  // the second server's flag is "2" when on
inline constexpr std::string_view kWorkModes = "01234";

inline constexpr HeadField kHeadFields[] = {
    {3, 6, "GroupCall", {}, {}},
    {9, 6, "Password", {}, {}},
    {15, 3, "DigiNumber", {}, {}},
    {18, 2, "TimedTx", {}, {}},
    {20, 2, "TxInterval", {}, {}},
    {22, 2, "TxDelay", {}, {}},
    {24, 8, "Latitude", {}, {}},
    {32, 9, "Longitude", {}, {}},
    {41, 7, "Channel1Freq", {}, {}},
    {48, 7, "Channel2Freq", {}, {}},
    {55, 2, "TxCtcss", {}, {}},
    {57, 2, "RxCtcss", {}, {}},
    {59, 1, "WorkMode", kWorkModes, {}},
    {60, 1, "SymbolCode", {}, {}},
    {61, 3, {}, {}, "xxx"},
    {64, 1, "Server1Enable", kFlag, {}},
    {65, 1, "Server2Enable", kServer2Flag, {}},
    {66, 2, "SendInterval", {}, {}},
    {68, 5, "LoginPassword", {}, {}},
    {73, 6, {}, {}, "xxxxxx"},
    {79, 1, "Digipeater", kFlag, {}},
    {80, 1, "AdditionalReport", kFlag, {}},
    {81, 1, "SmartBeacon", kFlag, {}},
    {82, 1, "Spare4", kFlag, {}},
    {83, 1, "Spare5", kFlag, {}},
    {84, 1, "CarMode", kFlag, {}},
    {85, 1, "OutputTrace", kFlag, {}},
    {86, 1, "PttTransmit", kFlag, {}},
    {87, 1, "SoundPrompt", kFlag, {}},
    {88, 1, "MicEFormat", kFlag, {}},
    {89, 1, "Spare11", kFlag, {}},
    {90, 1, "IsToBluetooth", kFlag, {}},
    {91, 1, "FixedPosition", kFlag, {}},
    {92, 1, "LoginServer", kFlag, {}},
    {93, 1, "RfToIs", kFlag, {}},
    {94, 1, "IsToRf", kFlag, {}},
};
inline constexpr int kHeadEndColumn = 95;

struct TailField {
  std::string_view name;  // the stored field; empty for a reserved mark
  int width;              // the most bytes the device stores (its read-back width)
  std::string_view mark;  // a reserved mark: exactly these bytes
};

inline constexpr TailField kTailFields[] = {
    {"Callsign", 12, {}},
    {"Path", 20, {}},
    {"BeaconText", 64, {}},
    {"WifiSsid", 16, {}},
    {"WifiPassword", 16, {}},
    {"AlarmPhone", 16, {}},
    {"MyPhone", 16, {}},
    {{}, 16, "1234567890123456"},
    {"Server1", 32, {}},
    {"Server2", 32, {}},
    {{}, 1, "x"},
    {"Filter", 48, {}},
};

// The head's columns follow each other from column 3 to the "&"; marks fill their width.
consteval bool HeadIsContiguous() {
  int column = 3;
  for (const auto& f : kHeadFields) {
    if (f.column != column || (f.name.empty() && int(f.mark.size()) != f.width)) return false;
    column += f.width;
  }
  return column == kHeadEndColumn;
}
static_assert(HeadIsContiguous());
static_assert(std::size(kTailFields) == 12);

}  // namespace vorlan::sim
