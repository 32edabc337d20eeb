#include "link/serial_link.h"

namespace vorlan {

bool SendRequest(SerialLink& link, const QByteArray& text, int replyLength) {
  return link.clearOutBuffer() && link.clearInBuffer() && link.output(text) &&
         link.setRThreshold(replyLength);
}

bool ReportLinkFailure(bool ok, const SerialLink& link, WindowView& view) {
  if (!ok) view.showMessage(link.lastError());
  return ok;
}

}  // namespace vorlan
