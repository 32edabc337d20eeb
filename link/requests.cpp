#include "link/requests.h"

#include <initializer_list>
#include <utility>

#include "link/device_text.h"
#include "link/protocol.h"
#include "params/field_table.h"

namespace vorlan {
namespace {

// Bytes that mark frames on the line: "*" and "@" lead and separate the instruction and message
// frames, "$" starts a request and "#" ends one. In any part of a frame the device would take one
// for a boundary, and the frames have no end mark that would tell it otherwise.
constexpr std::string_view kSendDelimiters = "@*#$";

// The first field, in frame order, that the device would misread: one carrying a delimiter, or
// longer on the line than its entry's limit.
std::optional<Refusal> CheckSendFields(std::initializer_list<std::pair<Field, QString>> fields) {
  if (!DeviceTextAvailable()) {
    return Refusal{fields.begin()->first, Refusal::Rule::NoTextCodec, 0, 0, {}};
  }
  for (const auto& [field, text] : fields) {
    if (auto bad = CharacterEncodingAny(text, kSendDelimiters)) {
      return Refusal{field, Refusal::Rule::Delimiter, 0, 0, *bad};
    }
    const int bytes = static_cast<int>(EncodeDeviceText(text).size());
    if (bytes > MaxLength(field)) {
      return Refusal{field, Refusal::Rule::TooManyBytes, MaxLength(field), bytes, {}};
    }
  }
  return std::nullopt;
}

}  // namespace

QByteArray BuildInstructionFrame(const QString& hisCallsign, const QString& hisPassword,
                                 const QString& callsign, const QString& instruction) {
  return Bytes(kInstructionLead) + EncodeDeviceText(hisCallsign) + kInstructionSeparator +
         EncodeDeviceText(hisPassword) + kInstructionSeparator + EncodeDeviceText(callsign) +
         EncodeDeviceText(instruction);
}

QByteArray BuildMessageFrame(const QString& hisCallsign, const QString& message) {
  return Bytes(kMessageLead) + EncodeDeviceText(hisCallsign) + kMessageSeparator +
         EncodeDeviceText(message);
}

Request ReadRequest() {
  static_assert(kReadRequest.back() == kFrameEnd);
  return {Bytes(kReadRequest), kReadReplyLength, {ReplyKind::ReadBack}};
}

Request AboutRequest() {
  static_assert(kAboutRequest.back() == kFrameEnd);
  return {Bytes(kAboutRequest), kAboutReplyLength, {ReplyKind::DeviceText}};
}

OrRefusal<Request> InstructionRequest(const SendFields& send, const QString& callsign) {
  if (auto refusal = CheckSendFields({{Field::HisCallsign, send.HisCallsign},
                                      {Field::HisPassword, send.HisPassword},
                                      {Field::Callsign, callsign},
                                      {Field::Instruction, send.Instruction}})) {
    return *refusal;
  }
  return Request{
      BuildInstructionFrame(send.HisCallsign, send.HisPassword, callsign, send.Instruction),
      kInstructionReplyLength,
      {ReplyKind::RadioReadDone, ReplyKind::RadioWriteDone},
      false};
}

OrRefusal<Request> MessageRequest(const SendFields& send) {
  if (auto refusal = CheckSendFields(
          {{Field::HisCallsign, send.HisCallsign}, {Field::Message, send.Message}})) {
    return *refusal;
  }
  return Request{BuildMessageFrame(send.HisCallsign, send.Message), 0, {}, false};
}

}  // namespace vorlan
