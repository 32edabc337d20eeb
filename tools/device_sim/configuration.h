#pragma once
// What the device stores: the bytes of each of its 44 fields as the last accepted write frame
// carried them (flags and codes as their one character). Header-only, so a test of the tool can
// know what a fresh device reads back without linking the device.

#include <QByteArray>
#include <map>
#include <string>
#include <string_view>

#include "tools/device_sim/read_back_layout.h"
#include "tools/device_sim/write_frame_layout.h"

namespace vorlan::sim {

using Configuration = std::map<std::string, QByteArray, std::less<>>;

struct StoredDefault {
  std::string_view name;
  std::string_view bytes;
};

// The configuration a fresh device holds. Every field differs from the tool's start values, so a
// Read visibly changes all of them.
inline constexpr StoredDefault kDefaultConfiguration[] = {
    {"Digipeater", "1"},
    {"AdditionalReport", "0"},
    {"SmartBeacon", "0"},
    {"Spare4", "1"},
    {"Spare5", "1"},
    {"CarMode", "1"},
    {"OutputTrace", "0"},
    {"PttTransmit", "0"},
    {"SoundPrompt", "0"},
    {"MicEFormat", "0"},
    {"Spare11", "1"},
    {"IsToBluetooth", "1"},
    {"FixedPosition", "1"},
    {"LoginServer", "1"},
    {"RfToIs", "1"},
    {"IsToRf", "1"},
    {"GroupCall", "SIMGRP"},
    {"Password", "135790"},
    {"DigiNumber", "007"},
    {"TimedTx", "05"},
    {"TxInterval", "15"},
    {"TxDelay", "25"},
    {"Latitude", "3150.12N"},
    {"Longitude", "12129.34E"},
    {"Channel1Freq", "145.825"},
    {"Channel2Freq", "144.800"},
    {"TxCtcss", "12"},
    {"RxCtcss", "08"},
    {"WorkMode", "4"},
    {"SymbolCode", ">"},
    {"Server1Enable", "0"},
    {"Server2Enable", "2"},
    {"SendInterval", "30"},
    {"LoginPassword", "24680"},
    {"Callsign", "SIM1-7"},
    {"Path", "WIDE2-2"},
    {"BeaconText", "\xc4\xa3\xc4\xe2\xc9\xe8\xb1\xb8 device simulator"},  // 模拟设备 in GB18030
    {"WifiSsid", "SimNet"},
    {"WifiPassword", "sim-pass"},
    {"AlarmPhone", "110"},
    {"MyPhone", "13800138000"},
    {"Server1", "euro.aprs2.net:14580"},
    {"Server2", "noam.aprs2.net:10008"},
    {"Filter", "r/31.5/121.5/100"},
};

inline Configuration DefaultConfiguration() {
  Configuration configuration;
  for (const auto& [name, bytes] : kDefaultConfiguration) {
    configuration[std::string(name)] = QByteArray(bytes.data(), qsizetype(bytes.size()));
  }
  return configuration;
}

// The write frame, the read-back and the defaults name the same 44 fields.
consteval bool StoresEveryFieldItReadsBack() {
  auto hasDefault = [](std::string_view name) {
    for (const auto& d : kDefaultConfiguration)
      if (d.name == name) return true;
    return false;
  };
  auto readBack = [](std::string_view name) {
    for (const auto& span : kReadBackSpans)
      if (span.name == name) return true;
    return false;
  };
  int named = 0;
  for (const auto& f : kHeadFields) named += !f.name.empty() && readBack(f.name);
  for (const auto& f : kTailFields) named += !f.name.empty() && readBack(f.name);
  for (const auto& span : kReadBackSpans)
    if (!span.name.empty() && !hasDefault(span.name)) return false;
  return named == 44 && std::size(kDefaultConfiguration) == 44;
}
static_assert(StoresEveryFieldItReadsBack());

}  // namespace vorlan::sim
