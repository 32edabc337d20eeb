#include "tools/device_sim/device.h"

#include "tools/device_sim/corruption.h"
#include "tools/device_sim/line_texts.h"
#include "tools/device_sim/read_back.h"
#include "tools/device_sim/write_frame_parser.h"

namespace vorlan::sim {
namespace {

constexpr std::string_view kAbout =
    "VORLAN device simulator 1.0 - it answers Read, Write, About and remote instructions; 9600 "
    "baud, 8N1.";
static_assert(kAbout.size() == kAboutTextLength);

}  // namespace

QByteArray AboutText() {
  return Bytes(kAbout);
}

QByteArray Device::shortAnswer(char kind) const {
  return ReplyHead(kind) + QByteArray(kShortAnswerTail, settings_.filler);
}

Answer Device::write(const QByteArray& frame) {
  ParsedFrame parsed = ParseWriteFrame(frame);
  if (!parsed.configuration) {
    return {shortAnswer(kWriteRefusedKind), "write frame refused: " + parsed.problem};
  }
  configuration_ = std::move(*parsed.configuration);
  QString note;
  if (!settings_.corruptField.empty()) {
    QByteArray& field = configuration_[settings_.corruptField];
    field = Corrupted(settings_.corruptField, field);
    note = QStringLiteral("stored %1 wrong: \"%2\"")
               .arg(QString::fromStdString(settings_.corruptField), QString::fromLatin1(field));
  }
  return {shortAnswer(kWriteDoneKind), note};
}

Answer Device::answer(const Frame& frame) {
  switch (frame.kind) {
    case FrameKind::Read:
      if (settings_.radioRead) return {shortAnswer(kRadioReadKind), {}};
      return {ReadBackReply(configuration_, settings_.filler), {}};
    case FrameKind::About: {
      const int length = settings_.about100 ? kAboutTextLength - 2 : kAboutTextLength;
      return {ReplyHead(kAboutKind) + AboutText().left(length), {}};
    }
    case FrameKind::Write:
      return write(frame.bytes);
    case FrameKind::Instruction:
      return {shortAnswer(kRadioWriteKind), {}};
    case FrameKind::Message:
    case FrameKind::Noise:
      break;
  }
  return {};
}

}  // namespace vorlan::sim
