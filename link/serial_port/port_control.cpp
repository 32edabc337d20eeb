#include "link/serial_port/port_control.h"

#include "params/presets.h"

namespace vorlan {

void SelectPort(SerialLink& link, WindowView& view, const QString& text) {
  const auto n = PortNumber(text);
  if (!n) return;
  if (link.portOpen()) {
    if (link.commPort() == *n) return;
    if (!ReportLinkFailure(link.setPortOpen(false), link, view)) return;
  }
  ReportLinkFailure(link.setCommPort(*n) && link.setPortOpen(true), link, view);
}

void ExitProgram(SerialLink& link) {
  link.setPortOpen(false);
}

}  // namespace vorlan
