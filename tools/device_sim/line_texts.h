#pragma once
// The fixed texts the device receives and sends, as bytes on the line.

#include <QByteArray>
#include <string_view>

namespace vorlan::sim {

inline QByteArray Bytes(std::string_view text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Requests. "$2#" and "$3#" are whole as they stand; a write frame runs from "$0" to its "#"; the
// instruction and message frames carry no end mark and end when the line goes quiet.
inline constexpr std::string_view kReadRequest = "$2#";
inline constexpr std::string_view kAboutRequest = "$3#";
inline constexpr std::string_view kWriteLead = "$0";
inline constexpr std::string_view kInstructionLead = "**3@";
inline constexpr std::string_view kMessageLead = "*@";

// Delimiters of the write frame: "$0", head, "&", tail fields each closed by "|", "#".
inline constexpr char kHeadEnd = '&';
inline constexpr char kFieldEnd = '|';
inline constexpr char kFrameEnd = '#';

// Replies: "$", a kind digit, then the body of that kind.
inline constexpr char kReplyLead = '$';
inline constexpr char kReadBackKind = '1';      // "$1" and the 400-byte read-back
inline constexpr char kRadioReadKind = '2';     // "$2": a radio read report
inline constexpr char kRadioWriteKind = '3';    // "$3": a remote instruction went out
inline constexpr char kWriteDoneKind = '4';     // "$4": the write frame is stored
inline constexpr char kWriteRefusedKind = '5';  // "$5": the write frame is not stored
inline constexpr char kAboutKind = '6';         // "$6" and the about text

// "$" and the kind: how every reply begins.
inline QByteArray ReplyHead(char kind) {
  return QByteArray(1, kReplyLead).append(kind);
}

inline constexpr int kReadBackBodyLength = 400;  // after "$1"
inline constexpr int kReadBackTrailer = 10;      // filler bytes after the read-back: 412 in all
inline constexpr int kShortAnswerTail = 3;       // filler bytes after "$3", "$4", "$5", "$2"
inline constexpr int kAboutTextLength = 100;     // after "$6"

}  // namespace vorlan::sim
