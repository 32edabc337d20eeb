#pragma once
// Cuts the byte stream from the tool into frames. Frames carry no length: "$2#" and "$3#" are
// whole as soon as they are seen, a write frame ends at its "#", while the instruction frame
// ("**3@...") and the message frame ("*@...") have no end mark and end when the line goes quiet.
// Bytes that start no frame are collected as noise.

#include <QByteArray>
#include <optional>
#include <vector>

namespace vorlan::sim {

enum class FrameKind { Read, About, Write, Instruction, Message, Noise };

struct Frame {
  FrameKind kind;
  QByteArray bytes;
  bool operator==(const Frame&) const = default;
};

// "read", "about", "write", "instruction", "message", "noise": as logged.
const char* FrameKindName(FrameKind kind);
std::optional<FrameKind> FrameKindNamed(QByteArrayView name);

class FrameAssembler {
 public:
  // The frames these bytes complete, in order.
  std::vector<Frame> feed(const QByteArray& bytes);
  // The line has been quiet: whatever is waiting ends here.
  std::vector<Frame> pause();
  bool waiting() const { return !buffer_.isEmpty() || !noise_.isEmpty(); }

 private:
  void take(FrameKind kind, qsizetype length, std::vector<Frame>& out);
  void flushNoise(std::vector<Frame>& out);

  QByteArray buffer_;
  QByteArray noise_;
};

}  // namespace vorlan::sim
