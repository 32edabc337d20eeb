#include "link/protocol.h"

#include <array>

namespace vorlan {
namespace {

using enum WriteItem;

WriteFrameField X(std::string_view fixed) {
  return {Fixed, {}, static_cast<int>(fixed.size()), fixed};
}

const std::array kHead = {
    WriteFrameField{Text, "GroupCall", 6},
    WriteFrameField{Text, "Password", 6},
    WriteFrameField{Text, "DigiNumber", 3},
    WriteFrameField{Text, "TimedTx", 2},
    WriteFrameField{Text, "TxInterval", 2},
    WriteFrameField{Text, "TxDelay", 2},
    WriteFrameField{Text, "Latitude", 8},
    WriteFrameField{Text, "Longitude", 9},
    WriteFrameField{Text, "Channel1Freq", 7},
    WriteFrameField{Text, "Channel2Freq", 7},
    WriteFrameField{Text, "TxCtcss", 2},
    WriteFrameField{Text, "RxCtcss", 2},
    WriteFrameField{WorkMode, "WorkMode", 1},
    WriteFrameField{Text, "SymbolCode", 1},
    X("x"),
    X("x"),
    X("x"),
    WriteFrameField{Flag, "Server1Enable", 1, {}, '1'},
    WriteFrameField{Flag, "Server2Enable", 1, {}, '2'},
    WriteFrameField{Text, "SendInterval", 2},
    WriteFrameField{Text, "LoginPassword", 5},
    X("xxxxxx"),
    WriteFrameField{Flag, "Digipeater", 1},
    WriteFrameField{Flag, "AdditionalReport", 1},
    WriteFrameField{Flag, "SmartBeacon", 1},
    WriteFrameField{Flag, "Spare4", 1},
    WriteFrameField{Flag, "Spare5", 1},
    WriteFrameField{Flag, "CarMode", 1},
    WriteFrameField{Flag, "OutputTrace", 1},
    WriteFrameField{Flag, "PttTransmit", 1},
    WriteFrameField{Flag, "SoundPrompt", 1},
    WriteFrameField{Flag, "MicEFormat", 1},
    WriteFrameField{Flag, "Spare11", 1},
    WriteFrameField{Flag, "IsToBluetooth", 1},
    WriteFrameField{Flag, "FixedPosition", 1},
    WriteFrameField{Flag, "LoginServer", 1},
    WriteFrameField{Flag, "RfToIs", 1},
    WriteFrameField{Flag, "IsToRf", 1},
};

const std::array kTail = {
    WriteFrameField{Text, "Callsign", 12},     WriteFrameField{Text, "Path", 20},
    WriteFrameField{Text, "BeaconText", 64},   WriteFrameField{Text, "WifiSsid", 16},
    WriteFrameField{Text, "WifiPassword", 16}, WriteFrameField{Text, "AlarmPhone", 16},
    WriteFrameField{Text, "MyPhone", 16},      X(kCountingFiller),
    WriteFrameField{Text, "Server1", 32},      WriteFrameField{Text, "Server2", 32},
    X("x"),                                    WriteFrameField{Text, "Filter", 48},
};

using D = ReadBackDecoding;
constexpr std::array kReadBack = {
    ReadBackField{3, 1, "Digipeater", D::Flag},
    ReadBackField{4, 1, "AdditionalReport", D::Flag},
    ReadBackField{5, 1, "SmartBeacon", D::Flag},
    ReadBackField{6, 1, "Spare4", D::Flag},
    ReadBackField{7, 1, "Spare5", D::Flag},
    ReadBackField{8, 1, "CarMode", D::Flag},
    ReadBackField{9, 1, "OutputTrace", D::Flag},
    ReadBackField{10, 1, "PttTransmit", D::Flag},
    ReadBackField{11, 1, "SoundPrompt", D::Flag},
    ReadBackField{12, 1, "MicEFormat", D::Flag},
    ReadBackField{13, 1, "Spare11", D::Flag},
    ReadBackField{14, 1, "IsToBluetooth", D::Flag},
    ReadBackField{15, 1, "FixedPosition", D::Flag},
    ReadBackField{16, 1, "LoginServer", D::Flag},
    ReadBackField{17, 1, "RfToIs", D::Flag},
    ReadBackField{18, 1, "IsToRf", D::Flag},
    ReadBackField{19, 6, "GroupCall", D::Text},
    ReadBackField{25, 6, "Password", D::Text},
    ReadBackField{31, 3, "DigiNumber", D::Text},
    ReadBackField{34, 2, "TimedTx", D::Text},
    ReadBackField{36, 2, "TxInterval", D::Text},
    ReadBackField{38, 2, "TxDelay", D::Text},
    ReadBackField{40, 8, "Latitude", D::Text},
    ReadBackField{48, 9, "Longitude", D::Text},
    ReadBackField{57, 7, "Channel1Freq", D::Text},
    ReadBackField{64, 7, "Channel2Freq", D::Text},
    ReadBackField{71, 2, "TxCtcss", D::Text},
    ReadBackField{73, 2, "RxCtcss", D::Text},
    ReadBackField{75, 1, "WorkMode", D::WorkMode},
    ReadBackField{76, 1, "SymbolCode", D::Text},
    ReadBackField{77, 1, {}, D::Reserved},
    ReadBackField{78, 1, {}, D::Reserved},
    ReadBackField{79, 1, {}, D::Reserved},
    ReadBackField{80, 1, "Server1Enable", D::EnableCode},
    ReadBackField{81, 1, "Server2Enable", D::EnableCode},
    ReadBackField{82, 2, "SendInterval", D::Text},
    ReadBackField{84, 5, "LoginPassword", D::Text},
    ReadBackField{89, 10, {}, D::Reserved},
    ReadBackField{99, 12, "Callsign", D::Text},
    ReadBackField{111, 20, "Path", D::Text},
    ReadBackField{131, 64, "BeaconText", D::Text},
    ReadBackField{195, 16, "WifiSsid", D::Text},
    ReadBackField{211, 16, "WifiPassword", D::Text},
    ReadBackField{227, 16, "AlarmPhone", D::Text},
    ReadBackField{243, 16, "MyPhone", D::Text},
    ReadBackField{259, 16, {}, D::Reserved},
    ReadBackField{275, 32, "Server1", D::Text},
    ReadBackField{307, 32, "Server2", D::Text},
    ReadBackField{339, 16, {}, D::Reserved},
    ReadBackField{355, 48, "Filter", D::Text},
};

// Each row starts where the one before it ends, and the last ends at the read-back's length.
constexpr bool Contiguous() {
  int next = 3;
  for (const auto& row : kReadBack) {
    if (row.position != next) return false;
    next += row.width;
  }
  return next == kReadBackLength + 1;
}
static_assert(Contiguous());

}  // namespace

std::span<const WriteFrameField> WriteFrameHead() { return kHead; }
std::span<const WriteFrameField> WriteFrameTail() { return kTail; }
std::span<const ReadBackField> ReadBackLayout() { return kReadBack; }

}  // namespace vorlan
