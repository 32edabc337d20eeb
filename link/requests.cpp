#include "link/requests.h"

#include "link/device_text.h"
#include "link/protocol.h"

namespace vorlan {
namespace {

// The first of the fields that carries the separator, as a refusal naming it.
std::optional<QString> RefuseSeparator(
    std::initializer_list<std::pair<std::string_view, QString>> fields, char separator,
    const LanguageData& lang) {
  for (const auto& [field, text] : fields) {
    if (auto bad = CharacterEncodingAny(text, std::string_view(&separator, 1))) {
      return Text(lang.refuseCharacter).arg(FieldLabelText(lang, field), *bad);
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

std::optional<QString> CheckInstructionFrame(const QString& hisCallsign, const QString& hisPassword,
                                             const QString& callsign, const LanguageData& lang) {
  return RefuseSeparator(
      {{"HisCallsign", hisCallsign}, {"HisPassword", hisPassword}, {"Callsign", callsign}},
      kInstructionSeparator, lang);
}

std::optional<QString> CheckMessageFrame(const QString& hisCallsign, const LanguageData& lang) {
  return RefuseSeparator({{"HisCallsign", hisCallsign}}, kMessageSeparator, lang);
}

void ReadConfiguration(SerialLink& link, WindowView& view) {
  ReportLinkFailure(SendRequest(link, Bytes(kReadRequest), kReadReplyLength), link, view);
}

void RequestAbout(SerialLink& link, WindowView& view) {
  ReportLinkFailure(SendRequest(link, Bytes(kAboutRequest), kAboutReplyLength), link, view);
}

void SendInstruction(SerialLink& link, WindowView& view, const LanguageData& lang) {
  const QString hisCallsign = view.text("HisCallsign");
  const QString hisPassword = view.text("HisPassword");
  const QString callsign = view.text("Callsign");
  const QString instruction = view.text("Instruction");
  if (auto refusal = CheckInstructionFrame(hisCallsign, hisPassword, callsign, lang)) {
    view.showMessage(*refusal);
    return;
  }
  const QByteArray frame = BuildInstructionFrame(hisCallsign, hisPassword, callsign, instruction);
  ReportLinkFailure(SendRequest(link, frame, kInstructionReplyLength), link, view);
}

void SendMessage(SerialLink& link, WindowView& view, const LanguageData& lang) {
  const QString hisCallsign = view.text("HisCallsign");
  const QString message = view.text("Message");
  if (auto refusal = CheckMessageFrame(hisCallsign, lang)) {
    view.showMessage(*refusal);
    return;
  }
  ReportLinkFailure(link.output(BuildMessageFrame(hisCallsign, message)), link, view);
}

}  // namespace vorlan
