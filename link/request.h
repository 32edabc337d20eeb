#pragma once
// One text for the device and what the link does around it.

#include <QByteArray>
#include <initializer_list>

#include "link/protocol.h"

namespace vorlan {

// The reply kinds a request expects, as a set.
class ReplyKinds {
 public:
  constexpr ReplyKinds() = default;
  constexpr ReplyKinds(std::initializer_list<ReplyKind> kinds) {
    for (ReplyKind kind : kinds) bits_ |= 1u << static_cast<unsigned>(kind);
  }
  constexpr bool contains(ReplyKind kind) const {
    return bits_ & (1u << static_cast<unsigned>(kind));
  }
  constexpr bool operator==(const ReplyKinds&) const = default;

 private:
  unsigned bits_ = 0;
};

struct Request {
  QByteArray bytes;
  // The reply bytes to arm after sending, having cleared both buffers first; 0 for a request that
  // awaits nothing and so clears and arms nothing (the message frame).
  int replyLength = 0;
  // The kinds of reply that answer it; any other is a reply of another kind.
  ReplyKinds expects = {};
  // Whether the frame ends with its end mark ("#"). The device finds the end of one without it
  // (an instruction, a message) only by the quiet after it.
  bool endMarked = true;

  bool operator==(const Request&) const = default;
};

}  // namespace vorlan
