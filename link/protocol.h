#pragma once
// The device protocol as data: request texts, reply lengths, reply kinds, the write-frame layout
// and the read-back layout, each field by its key. The checks at the end hold the layouts to the
// field table and to the lengths the device expects.

#include <QByteArray>
#include <array>
#include <span>
#include <string_view>

#include "params/field_table.h"

namespace vorlan {

// A protocol text as the bytes that go on the line.
inline QByteArray Bytes(std::string_view text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Requests and the number of reply bytes each one arms.
inline constexpr std::string_view kReadRequest = "$2#";
inline constexpr std::string_view kAboutRequest = "$3#";
inline constexpr int kReadReplyLength = 412;
// The device text is "$6" and 100 bytes: arming only 100 would raise the event two bytes early at
// line speed, and the handler would find too few bytes to show.
inline constexpr int kAboutReplyLength = 102;
inline constexpr int kWriteReplyLength = 5;
inline constexpr int kInstructionReplyLength = 5;

// Replies: "$", a kind digit, a body by kind.
inline constexpr char kReplyLead = '$';
enum class ReplyKind {
  ReadBack = 1,
  RadioReadDone = 2,
  RadioWriteDone = 3,
  WriteDone = 4,
  WriteIncomplete = 5,
  DeviceText = 6,
};
inline constexpr int kReadBackLength = 402;  // lead and kind included
inline constexpr int kDeviceTextLength = 100;

// Write frame: "$0", the head (fixed columns), "&", the tail (each field closed by "|"), "#".
inline constexpr std::string_view kWriteLead = "$0";
inline constexpr char kHeadEnd = '&';
inline constexpr char kTailSeparator = '|';
inline constexpr char kFrameEnd = '#';
inline constexpr std::string_view kCountingFiller = "1234567890123456";
inline constexpr int kHeadColumns = 94;  // "$0" and the head at their nominal widths

enum class WriteItem {
  Fixed,     // reserved filler, always `fixed`
  Text,      // the field's text; head texts must fill `width` bytes, tail texts at most `width`
  WorkMode,  // the work-mode code, one digit
  Flag,      // `onChar` when checked, "0" otherwise
};

struct WriteFrameField {
  WriteItem item;
  Field field;  // source field; unused for Fixed
  int width;    // bytes: exact in the head, the most a tail text may take
  std::string_view fixed = {};
  char onChar = '1';
};

// Instruction and message frames.
inline constexpr std::string_view kInstructionLead = "**3@";
inline constexpr char kInstructionSeparator = '@';
inline constexpr std::string_view kMessageLead = "*@";
inline constexpr char kMessageSeparator = '*';

// Read-back (kind 1), parsed from position 3 on; positions count from 1 at the "$".
enum class ReadBackDecoding {
  Flag,        // "1" ticks, anything else clears
  Text,        // all bytes, as received
  WorkMode,    // digit 0-4 picks the list text; anything else leaves the box alone
  EnableCode,  // 0 clears, 1 or 2 tick, anything else leaves the box alone
  Reserved,    // read and dropped
};

struct ReadBackField {
  int position;
  int width;
  Field field;  // unused for Reserved
  ReadBackDecoding decoding;
};

namespace protocol_detail {
using enum Field;

constexpr WriteFrameField T(Field f) {
  return {WriteItem::Text, f, MaxLength(f)};
}
constexpr WriteFrameField F(Field f, char on = '1') {
  return {WriteItem::Flag, f, 1, {}, on};
}
constexpr WriteFrameField X(std::string_view fixed) {
  return {WriteItem::Fixed, Callsign, static_cast<int>(fixed.size()), fixed};
}

inline constexpr std::array kHead = {
    T(GroupCall),
    T(Password),
    T(DigiNumber),
    T(TimedTx),
    T(TxInterval),
    T(TxDelay),
    T(Latitude),
    T(Longitude),
    T(Channel1Freq),
    T(Channel2Freq),
    T(TxCtcss),
    T(RxCtcss),
    WriteFrameField{WriteItem::WorkMode, WorkMode, 1},
    T(SymbolCode),
    X("x"),
    X("x"),
    X("x"),
    F(Server1Enable),
    F(Server2Enable, '2'),
    T(SendInterval),
    T(LoginPassword),
    X("xxxxxx"),
    F(Digipeater),
    F(AdditionalReport),
    F(SmartBeacon),
    F(Spare4),
    F(Spare5),
    F(CarMode),
    F(OutputTrace),
    F(PttTransmit),
    F(SoundPrompt),
    F(MicEFormat),
    F(Spare11),
    F(IsToBluetooth),
    F(FixedPosition),
    F(LoginServer),
    F(RfToIs),
    F(IsToRf),
};

inline constexpr std::array kTail = {
    T(Callsign),     T(Path),       T(BeaconText), T(WifiSsid),
    T(WifiPassword), T(AlarmPhone), T(MyPhone),    X(kCountingFiller),
    T(Server1),      T(Server2),    X("x"),        T(Filter),
};

using D = ReadBackDecoding;
inline constexpr std::array kReadBack = {
    ReadBackField{3, 1, Digipeater, D::Flag},
    ReadBackField{4, 1, AdditionalReport, D::Flag},
    ReadBackField{5, 1, SmartBeacon, D::Flag},
    ReadBackField{6, 1, Spare4, D::Flag},
    ReadBackField{7, 1, Spare5, D::Flag},
    ReadBackField{8, 1, CarMode, D::Flag},
    ReadBackField{9, 1, OutputTrace, D::Flag},
    ReadBackField{10, 1, PttTransmit, D::Flag},
    ReadBackField{11, 1, SoundPrompt, D::Flag},
    ReadBackField{12, 1, MicEFormat, D::Flag},
    ReadBackField{13, 1, Spare11, D::Flag},
    ReadBackField{14, 1, IsToBluetooth, D::Flag},
    ReadBackField{15, 1, FixedPosition, D::Flag},
    ReadBackField{16, 1, LoginServer, D::Flag},
    ReadBackField{17, 1, RfToIs, D::Flag},
    ReadBackField{18, 1, IsToRf, D::Flag},
    ReadBackField{19, 6, GroupCall, D::Text},
    ReadBackField{25, 6, Password, D::Text},
    ReadBackField{31, 3, DigiNumber, D::Text},
    ReadBackField{34, 2, TimedTx, D::Text},
    ReadBackField{36, 2, TxInterval, D::Text},
    ReadBackField{38, 2, TxDelay, D::Text},
    ReadBackField{40, 8, Latitude, D::Text},
    ReadBackField{48, 9, Longitude, D::Text},
    ReadBackField{57, 7, Channel1Freq, D::Text},
    ReadBackField{64, 7, Channel2Freq, D::Text},
    ReadBackField{71, 2, TxCtcss, D::Text},
    ReadBackField{73, 2, RxCtcss, D::Text},
    ReadBackField{75, 1, WorkMode, D::WorkMode},
    ReadBackField{76, 1, SymbolCode, D::Text},
    // The reserved span at 77-79 is taken a byte at a time.
    ReadBackField{77, 1, Callsign, D::Reserved},
    ReadBackField{78, 1, Callsign, D::Reserved},
    ReadBackField{79, 1, Callsign, D::Reserved},
    ReadBackField{80, 1, Server1Enable, D::EnableCode},
    ReadBackField{81, 1, Server2Enable, D::EnableCode},
    ReadBackField{82, 2, SendInterval, D::Text},
    ReadBackField{84, 5, LoginPassword, D::Text},
    ReadBackField{89, 10, Callsign, D::Reserved},
    ReadBackField{99, 12, Callsign, D::Text},
    ReadBackField{111, 20, Path, D::Text},
    ReadBackField{131, 64, BeaconText, D::Text},
    ReadBackField{195, 16, WifiSsid, D::Text},
    ReadBackField{211, 16, WifiPassword, D::Text},
    ReadBackField{227, 16, AlarmPhone, D::Text},
    ReadBackField{243, 16, MyPhone, D::Text},
    ReadBackField{259, 16, Callsign, D::Reserved},
    ReadBackField{275, 32, Server1, D::Text},
    ReadBackField{307, 32, Server2, D::Text},
    ReadBackField{339, 16, Callsign, D::Reserved},
    ReadBackField{355, 48, Filter, D::Text},
};

// Lead and head come to the 94 columns the device cuts the head by.
constexpr bool HeadFillsItsColumns() {
  int columns = static_cast<int>(kWriteLead.size());
  for (const auto& f : kHead) columns += f.width;
  return columns == kHeadColumns;
}

// Every read-back row starts where the one before it ends, and the last ends at byte 402.
constexpr bool ReadBackIsContiguous() {
  int next = 3;
  for (const auto& row : kReadBack) {
    if (row.position != next) return false;
    next += row.width;
  }
  return next == kReadBackLength + 1;
}

// Each parameter stands exactly once in the frame and once in the read-back, and where it is a
// text its width in both is its entry limit.
constexpr bool EveryParameterOnceAtItsWidth() {
  for (int i = 0; i < kParameterCount; ++i) {
    const Field f = static_cast<Field>(i);
    int inFrame = 0, inReadBack = 0;
    auto countInFrame = [&](const WriteFrameField& w) {
      if (w.item == WriteItem::Fixed || w.field != f) return true;
      ++inFrame;
      return w.item != WriteItem::Text || w.width == MaxLength(f);
    };
    for (const auto& w : kHead) {
      if (!countInFrame(w)) return false;
    }
    for (const auto& w : kTail) {
      if (!countInFrame(w)) return false;
    }
    for (const auto& r : kReadBack) {
      if (r.decoding == D::Reserved || r.field != f) continue;
      ++inReadBack;
      if (r.width != (r.decoding == D::Text ? MaxLength(f) : 1)) return false;
    }
    if (inFrame != 1 || inReadBack != 1) return false;
  }
  return true;
}

// With every text at its limit the frame is the 397 bytes the output buffer was sized for.
constexpr int LongestFrame() {
  int length = kHeadColumns + 1 + 1;  // "&" and "#"
  for (const auto& w : kTail) length += w.width + 1;
  return length;
}

static_assert(kHead.size() == 38 && kTail.size() == 12);
static_assert(HeadFillsItsColumns());
static_assert(ReadBackIsContiguous());
static_assert(EveryParameterOnceAtItsWidth());
static_assert(LongestFrame() == 397);
}  // namespace protocol_detail

inline constexpr std::span<const WriteFrameField> WriteFrameHead() {  // between "$0" and "&"
  return protocol_detail::kHead;
}
inline constexpr std::span<const WriteFrameField> WriteFrameTail() {  // each followed by "|"
  return protocol_detail::kTail;
}
// Every read of the read-back after its kind, in order.
inline constexpr std::span<const ReadBackField> ReadBackLayout() {
  return protocol_detail::kReadBack;
}

// How the read-back decodes a parameter.
constexpr ReadBackDecoding DecodingOf(Field field) {
  for (const auto& row : protocol_detail::kReadBack) {
    if (row.decoding != ReadBackDecoding::Reserved && row.field == field) return row.decoding;
  }
  return ReadBackDecoding::Reserved;
}

}  // namespace vorlan
