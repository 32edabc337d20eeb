#include "tools/device_sim/frame_assembler.h"

#include <array>

#include "link/protocol.h"

namespace vorlan::sim {
namespace {

// The leads that begin a frame; a buffer holding only the start of one waits for more.
const std::array<QByteArray, 5>& Leads() {
  static const std::array<QByteArray, 5> leads = {Bytes(kReadRequest), Bytes(kAboutRequest),
                                                  Bytes(kWriteLead), Bytes(kInstructionLead),
                                                  Bytes(kMessageLead)};
  return leads;
}

bool StartOfALead(const QByteArray& buffer) {
  for (const auto& lead : Leads()) {
    if (buffer.size() < lead.size() && lead.startsWith(buffer)) return true;
  }
  return false;
}

}  // namespace

const char* FrameKindName(FrameKind kind) {
  switch (kind) {
    case FrameKind::Read:
      return "read";
    case FrameKind::About:
      return "about";
    case FrameKind::Write:
      return "write";
    case FrameKind::Instruction:
      return "instruction";
    case FrameKind::Message:
      return "message";
    case FrameKind::Noise:
      return "noise";
  }
  return "?";
}

void FrameAssembler::flushNoise(std::vector<Frame>& out) {
  if (noise_.isEmpty()) return;
  out.push_back({FrameKind::Noise, noise_});
  noise_.clear();
}

void FrameAssembler::take(FrameKind kind, qsizetype length, std::vector<Frame>& out) {
  flushNoise(out);
  out.push_back({kind, buffer_.left(length)});
  buffer_.remove(0, length);
}

std::vector<Frame> FrameAssembler::feed(const QByteArray& bytes) {
  buffer_ += bytes;
  std::vector<Frame> out;
  while (!buffer_.isEmpty()) {
    if (buffer_.startsWith(Bytes(kReadRequest))) {
      take(FrameKind::Read, kReadRequest.size(), out);
    } else if (buffer_.startsWith(Bytes(kAboutRequest))) {
      take(FrameKind::About, kAboutRequest.size(), out);
    } else if (buffer_.startsWith(Bytes(kWriteLead))) {
      const qsizetype end = buffer_.indexOf(kFrameEnd, kWriteLead.size());
      if (end < 0) break;
      take(FrameKind::Write, end + 1, out);
    } else if (buffer_.startsWith(Bytes(kInstructionLead)) ||
               buffer_.startsWith(Bytes(kMessageLead)) || StartOfALead(buffer_)) {
      break;  // no end mark: the frame ends when the line goes quiet
    } else {
      noise_ += buffer_[0];
      buffer_.remove(0, 1);
    }
  }
  return out;
}

std::vector<Frame> FrameAssembler::pause() {
  std::vector<Frame> out;
  if (buffer_.startsWith(Bytes(kInstructionLead))) {
    take(FrameKind::Instruction, buffer_.size(), out);
  } else if (buffer_.startsWith(Bytes(kMessageLead))) {
    take(FrameKind::Message, buffer_.size(), out);
  } else if (buffer_.startsWith(Bytes(kWriteLead))) {
    take(FrameKind::Write, buffer_.size(), out);  // cut short: the device finds it unsound
  } else {
    noise_ += buffer_;
    buffer_.clear();
  }
  flushNoise(out);
  return out;
}

}  // namespace vorlan::sim
