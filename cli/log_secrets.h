#pragma once
// The passwords in the serial exchange, which the log hides: a support log is sent to others.
// Hidden are the device's own password, the APRS-IS login password and the WiFi password, in the
// write and in the read-back, and the other station's password in an instruction. Their bytes
// keep their places, so the log still shows every field's position and length.

#include <QByteArray>
#include <vector>

namespace vorlan::cli {

// Which bytes of a frame the tool sends are a password (empty: none).
std::vector<bool> SecretBytesSent(const QByteArray& frame);

// Which bytes of the device's replies are a password, piece by piece as they come: the read-back
// that answers a read request is followed from its "$1" on.
class SecretBytesReceived {
 public:
  // Each frame the tool sends: only a read request is answered by a read-back.
  void sent(const QByteArray& frame);
  std::vector<bool> next(const QByteArray& piece);

 private:
  bool awaitingReadBack_ = false;
  bool afterLead_ = false;  // the last byte was a "$" while the read-back's lead was awaited
  int position_ = 0;        // of the next byte in the read-back, from 1 at the "$"; 0 before it
};

}  // namespace vorlan::cli
