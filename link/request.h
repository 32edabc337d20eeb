#pragma once
// One text for the device and what the link does around it.

#include <QByteArray>

namespace vorlan {

struct Request {
  QByteArray bytes;
  // The reply bytes to arm after sending, having cleared both buffers first; 0 for a request that
  // awaits nothing and so clears and arms nothing (the message frame).
  int replyLength = 0;

  bool operator==(const Request&) const = default;
};

}  // namespace vorlan
