#pragma once
// A device read-back (kind 1) assembled byte by byte from the device's position table, written out
// here on its own so that a fault in the tool's layout table shows up against it.

#include <QByteArray>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorlan::test {

struct ReadBackSpan {
  int position;  // 1-based, counted from the "$"
  int width;
  std::string_view field;  // empty for a reserved span
};

// The first kFlagSpans rows are the check boxes.
inline constexpr int kFlagSpans = 16;
// clang-format off
inline constexpr ReadBackSpan kReadBackSpans[] = {
    {3, 1, "Digipeater"}, {4, 1, "AdditionalReport"}, {5, 1, "SmartBeacon"}, {6, 1, "Spare4"},
    {7, 1, "Spare5"}, {8, 1, "CarMode"}, {9, 1, "OutputTrace"}, {10, 1, "PttTransmit"},
    {11, 1, "SoundPrompt"}, {12, 1, "MicEFormat"}, {13, 1, "Spare11"}, {14, 1, "IsToBluetooth"},
    {15, 1, "FixedPosition"}, {16, 1, "LoginServer"}, {17, 1, "RfToIs"}, {18, 1, "IsToRf"},
    {19, 6, "GroupCall"}, {25, 6, "Password"}, {31, 3, "DigiNumber"}, {34, 2, "TimedTx"},
    {36, 2, "TxInterval"}, {38, 2, "TxDelay"}, {40, 8, "Latitude"}, {48, 9, "Longitude"},
    {57, 7, "Channel1Freq"}, {64, 7, "Channel2Freq"}, {71, 2, "TxCtcss"}, {73, 2, "RxCtcss"},
    {75, 1, "WorkMode"}, {76, 1, "SymbolCode"}, {77, 3, ""}, {80, 1, "Server1Enable"},
    {81, 1, "Server2Enable"}, {82, 2, "SendInterval"}, {84, 5, "LoginPassword"}, {89, 10, ""},
    {99, 12, "Callsign"}, {111, 20, "Path"}, {131, 64, "BeaconText"}, {195, 16, "WifiSsid"},
    {211, 16, "WifiPassword"}, {227, 16, "AlarmPhone"}, {243, 16, "MyPhone"}, {259, 16, ""},
    {275, 32, "Server1"}, {307, 32, "Server2"}, {339, 16, ""}, {355, 48, "Filter"},
};
// clang-format on

// "$1" and 400 bytes; every byte starts as '?' until a test puts something there.
class ReadBack {
 public:
  ReadBack() : bytes_("$1" + QByteArray(400, '?')) {}
  // Puts the bytes at the span of the field (empty name: the reserved span at that position).
  ReadBack& set(std::string_view field, const QByteArray& value, int position = 0) {
    const ReadBackSpan& s = span(field, position);
    if (value.size() != s.width) throw std::invalid_argument(std::string(field));
    bytes_.replace(s.position - 1, s.width, value);
    return *this;
  }
  QByteArray at(std::string_view field) const {
    const ReadBackSpan& s = span(field, 0);
    return bytes_.mid(s.position - 1, s.width);
  }
  const QByteArray& bytes() const { return bytes_; }

 private:
  static const ReadBackSpan& span(std::string_view field, int position) {
    for (const auto& s : kReadBackSpans) {
      if (s.field == field && (position == 0 || s.position == position)) return s;
    }
    throw std::invalid_argument(std::string(field));
  }
  QByteArray bytes_;
};

// Text padded with a filler to the full width of its field.
inline QByteArray Pad(const QByteArray& text, int width, char filler = ' ') {
  return text + QByteArray(width - text.size(), filler);
}

}  // namespace vorlan::test
