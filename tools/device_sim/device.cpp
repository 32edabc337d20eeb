#include "tools/device_sim/device.h"

#include "link/protocol.h"

namespace vorlan::sim {
namespace {

constexpr char kAbout[] =
    "VORLAN device simulator 1.0 - it answers Read, Write, About and remote instructions; 9600 "
    "baud, 8N1.";
static_assert(sizeof(kAbout) - 1 == kDeviceTextLength);

QByteArray Lead(ReplyKind kind) {
  return QByteArray(1, kReplyLead) + char('0' + static_cast<int>(kind));
}

}  // namespace

QByteArray AboutText() {
  return QByteArray(kAbout, kDeviceTextLength);
}

QByteArray Device::shortAnswer(char kind) const {
  return QByteArray(1, kReplyLead) + kind + QByteArray(kShortAnswerTail, filler_);
}

Answer Device::answer(const Frame& frame) {
  switch (frame.kind) {
    case FrameKind::Read:
      return {Lead(ReplyKind::ReadBack) + ReadBackBody(configuration_, filler_) +
                  QByteArray(kReadBackTrailer, filler_),
              {}};
    case FrameKind::About:
      return {Lead(ReplyKind::DeviceText) + AboutText(), {}};
    case FrameKind::Write: {
      ParsedFrame parsed = ParseWriteFrame(frame.bytes);
      if (!parsed.configuration) {
        return {shortAnswer('0' + static_cast<int>(ReplyKind::WriteIncomplete)), parsed.problem};
      }
      configuration_ = std::move(*parsed.configuration);
      return {shortAnswer('0' + static_cast<int>(ReplyKind::WriteDone)), {}};
    }
    case FrameKind::Instruction:
      return {shortAnswer('0' + static_cast<int>(ReplyKind::RadioWriteDone)), {}};
    case FrameKind::Message:
    case FrameKind::Noise:
      break;
  }
  return {};
}

QByteArray ApplyFaults(QByteArray reply, const Faults& faults, std::mt19937& random) {
  if (reply.isEmpty()) return reply;
  if (faults.wrongLead) reply[0] = '#';
  if (faults.wrongKind && reply.size() > 1) reply[1] = *faults.wrongKind;
  if (faults.cut >= 0) reply.truncate(faults.cut);
  QByteArray noise;
  std::uniform_int_distribution<int> byte(0, 254);
  for (int i = 0; i < faults.noise; ++i) {
    const int b = byte(random);
    noise += static_cast<char>(b >= kReplyLead ? b + 1 : b);  // every byte value but "$"
  }
  return noise + reply;
}

}  // namespace vorlan::sim
