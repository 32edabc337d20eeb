#include "link/serial_link.h"

namespace vorlan {

std::optional<LinkFailure> SendRequest(SerialLink& link, const Request& request) {
  const bool sent = request.replyLength > 0
                        ? link.clearOutBuffer() && link.clearInBuffer() &&
                              link.output(request.bytes) && link.setRThreshold(request.replyLength)
                        : link.output(request.bytes);
  if (sent) return std::nullopt;
  return link.lastFailure();
}

}  // namespace vorlan
