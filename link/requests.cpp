#include "link/requests.h"

#include <initializer_list>
#include <utility>

#include "link/device_text.h"
#include "link/protocol.h"

namespace vorlan {
namespace {

// The first of the fields that carries the separator, as a refusal naming it.
std::optional<Refusal> RefuseSeparator(std::initializer_list<std::pair<Field, QString>> fields,
                                       char separator) {
  if (!DeviceTextAvailable()) {
    return Refusal{fields.begin()->first, Refusal::Rule::NoTextCodec, 0, 0, {}};
  }
  for (const auto& [field, text] : fields) {
    if (auto bad = CharacterEncodingAny(text, std::string_view(&separator, 1))) {
      return Refusal{field, Refusal::Rule::Delimiter, 0, 0, *bad};
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
  return {Bytes(kReadRequest), kReadReplyLength};
}

Request AboutRequest() {
  return {Bytes(kAboutRequest), kAboutReplyLength};
}

OrRefusal<Request> InstructionRequest(const SendFields& send, const QString& callsign) {
  if (auto refusal = RefuseSeparator({{Field::HisCallsign, send.HisCallsign},
                                      {Field::HisPassword, send.HisPassword},
                                      {Field::Callsign, callsign}},
                                     kInstructionSeparator)) {
    return *refusal;
  }
  return Request{
      BuildInstructionFrame(send.HisCallsign, send.HisPassword, callsign, send.Instruction),
      kInstructionReplyLength};
}

OrRefusal<Request> MessageRequest(const SendFields& send) {
  if (auto refusal = RefuseSeparator({{Field::HisCallsign, send.HisCallsign}}, kMessageSeparator)) {
    return *refusal;
  }
  return Request{BuildMessageFrame(send.HisCallsign, send.Message), 0};
}

}  // namespace vorlan
