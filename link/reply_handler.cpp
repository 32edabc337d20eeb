#include "link/reply_handler.h"

#include "link/device_text.h"
#include "link/protocol.h"
#include "params/presets.h"

namespace vorlan {
namespace {

// The value of a one-digit reply field; -1 for anything else (a letter, or nothing when the buffer
// held too few bytes), which every caller treats like a digit outside its table.
int DigitValue(const QByteArray& bytes) {
  if (bytes.size() != 1 || bytes[0] < '0' || bytes[0] > '9') return -1;
  return bytes[0] - '0';
}

void ApplyField(const ReadBackField& row, const QByteArray& bytes, WindowView& view,
                const LanguageData& lang) {
  switch (row.decoding) {
    case ReadBackDecoding::Flag:
      view.setFlag(row.field, bytes == "1");
      break;
    case ReadBackDecoding::Text:
      view.setText(row.field, DecodeDeviceText(bytes));
      break;
    case ReadBackDecoding::WorkMode:
      if (auto text = WorkModeText(DigitValue(bytes), lang)) view.setText(row.field, *text);
      break;
    case ReadBackDecoding::EnableCode: {
      const int code = DigitValue(bytes);
      if (code == 0) view.setFlag(row.field, false);
      if (code == 1 || code == 2) view.setFlag(row.field, true);
      break;
    }
    case ReadBackDecoding::Reserved:
      break;
  }
}

// Reads the read-back after its kind, setting each field as soon as it is read.
void ApplyReadBack(SerialLink& link, WindowView& view, const LanguageData& lang) {
  int inputLen = 1;
  link.setInputLen(inputLen);
  for (const auto& row : ReadBackLayout()) {
    if (row.width != inputLen) {
      inputLen = row.width;
      link.setInputLen(inputLen);
    }
    ApplyField(row, link.input(), view, lang);
  }
}

}  // namespace

void OnComm(SerialLink& link, WindowView& view, const LanguageData& lang) {
  if (link.commEvent() != kCommEventReceive) return;

  link.setInputLen(1);
  if (link.input() != QByteArray(1, kReplyLead)) {
    link.setRThreshold(0);
    view.showMessage(Text(lang.receptionError));
    return;
  }

  switch (DigitValue(link.input())) {
    case static_cast<int>(ReplyKind::ReadBack):
      ApplyReadBack(link, view, lang);
      link.setRThreshold(0);
      view.showMessage(view.text("Callsign") + Text(lang.readCorrect));
      return;
    case static_cast<int>(ReplyKind::RadioReadDone):
      link.setRThreshold(0);
      view.showMessage(Text(lang.callsignPrefix) + view.text("Callsign") +
                       Text(lang.radioReadCorrect));
      return;
    case static_cast<int>(ReplyKind::RadioWriteDone):
      link.setRThreshold(0);
      view.showMessage(view.text("HisCallsign") + Text(lang.radioWriteCorrect));
      return;
    case static_cast<int>(ReplyKind::WriteDone):
      link.setRThreshold(0);
      view.showMessage(view.text("Callsign") + Text(lang.writeCorrect));
      return;
    case static_cast<int>(ReplyKind::WriteIncomplete):
      link.setRThreshold(0);
      view.showMessage(Text(lang.writeIncomplete));
      return;
    case static_cast<int>(ReplyKind::DeviceText): {
      link.setInputLen(kDeviceTextLength);
      link.setRThreshold(0);
      view.showMessage(DecodeDeviceText(link.input()));
      return;
    }
    default:
      link.setRThreshold(0);
      view.showMessage(Text(lang.readFails));
      return;
  }
}

}  // namespace vorlan
