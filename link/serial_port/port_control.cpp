#include "link/serial_port/port_control.h"

#include "params/presets.h"

namespace vorlan {

std::optional<LinkFailure> SelectPort(SerialLink& link, const QString& text) {
  const auto n = PortNumber(text);
  if (!n) return std::nullopt;
  if (link.portOpen()) {
    if (link.commPort() == *n) return std::nullopt;
    if (!link.setPortOpen(false)) return link.lastFailure();
  }
  if (!link.setCommPort(*n) || !link.setPortOpen(true)) return link.lastFailure();
  return std::nullopt;
}

void ExitProgram(SerialLink& link) {
  link.setPortOpen(false);
}

}  // namespace vorlan
