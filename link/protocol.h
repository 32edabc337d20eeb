#pragma once
// The device protocol as data: request texts, reply lengths, reply kinds, the write-frame layout
// and the read-back layout. The tool and the device simulator both work from these tables.

#include <QByteArray>
#include <span>
#include <string_view>

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

enum class WriteItem {
  Fixed,     // reserved filler, always `fixed`
  Text,      // the field's text; head texts must fill `width` bytes, tail texts at most `width`
  WorkMode,  // the work-mode code, one digit
  Flag,      // `onChar` when checked, "0" otherwise
};

struct WriteFrameField {
  WriteItem item;
  std::string_view field;  // source field; empty for Fixed
  int width;               // bytes: exact in the head, the most a tail text may take
  std::string_view fixed = {};
  char onChar = '1';
};

std::span<const WriteFrameField> WriteFrameHead();  // the 38 fields between "$0" and "&"
std::span<const WriteFrameField> WriteFrameTail();  // the 12 fields, each followed by "|"

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
  std::string_view field;  // empty for Reserved
  ReadBackDecoding decoding;
};

// Every read of the reply handler after the kind, in order; the reserved span at 77-79 is three
// one-byte reads.
std::span<const ReadBackField> ReadBackLayout();

}  // namespace vorlan
