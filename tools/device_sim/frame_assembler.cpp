#include "tools/device_sim/frame_assembler.h"

#include <array>
#include <utility>

#include "tools/device_sim/line_texts.h"

namespace vorlan::sim {
namespace {

constexpr std::pair<FrameKind, const char*> kNames[] = {
    {FrameKind::Read, "read"},       {FrameKind::About, "about"},
    {FrameKind::Write, "write"},     {FrameKind::Instruction, "instruction"},
    {FrameKind::Message, "message"}, {FrameKind::Noise, "noise"},
};

constexpr std::array kLeads = {kReadRequest, kAboutRequest, kWriteLead, kInstructionLead,
                               kMessageLead};

// A buffer holding only the start of a lead waits for more.
bool StartOfALead(const QByteArray& buffer) {
  for (const auto lead : kLeads) {
    if (buffer.size() < qsizetype(lead.size()) && Bytes(lead).startsWith(buffer)) return true;
  }
  return false;
}

}  // namespace

const char* FrameKindName(FrameKind kind) {
  for (const auto& [k, name] : kNames) {
    if (k == kind) return name;
  }
  return "?";
}

std::optional<FrameKind> FrameKindNamed(QByteArrayView name) {
  for (const auto& [kind, n] : kNames) {
    if (name == n) return kind;
  }
  return std::nullopt;
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
    take(FrameKind::Write, buffer_.size(), out);  // cut short: the device refuses it
  } else {
    noise_ += buffer_;
    buffer_.clear();
  }
  flushNoise(out);
  return out;
}

}  // namespace vorlan::sim
