#pragma once
// The serial-port operations the tool needs, named after the properties of the serial control it
// stands in for. Every operation that can fail returns false and leaves what went wrong in
// lastFailure(); the caller then stops at that step, so nothing after a failed step happens.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "link/link_failure.h"
#include "link/request.h"

namespace vorlan {

// CommEvent values the tool distinguishes.
inline constexpr int kCommEventReceive = 2;  // characters received, threshold reached

class SerialLink {
 public:
  virtual ~SerialLink() = default;

  // CommPort: the port number the next opening uses (1 to 30).
  virtual bool setCommPort(int port) = 0;
  virtual int commPort() const = 0;
  // PortOpen: true opens the port with CommPort and the fixed line settings, false closes it.
  virtual bool setPortOpen(bool open) = 0;
  virtual bool portOpen() const = 0;
  // The device the open port stands for, e.g. "/dev/ttyUSB0"; empty when closed.
  virtual QString devicePath() const = 0;
  // OutBufferCount = 0: discard everything still waiting to be sent.
  virtual bool clearOutBuffer() = 0;
  // InBufferCount = 0: discard everything received and not yet read.
  virtual bool clearInBuffer() = 0;
  // InBufferCount: the bytes received and not yet read.
  virtual int inBufferCount() const = 0;
  // Output: queue the bytes for sending, unchanged; never waits.
  virtual bool output(const QByteArray& bytes) = 0;
  // RThreshold: with n >= 1 the receive event is raised once n or more bytes are waiting
  // (bytes that arrived earlier count too); 0 raises none.
  virtual bool setRThreshold(int n) = 0;
  // InputLen: how many bytes each following input() takes.
  virtual void setInputLen(int n) = 0;
  // Input: exactly InputLen bytes, oldest first, or nothing (empty) when fewer are waiting.
  virtual QByteArray input() = 0;
  // CommEvent: the kind of the event being delivered.
  virtual int commEvent() const = 0;

  // What the last failed operation ran into.
  virtual LinkFailure lastFailure() const = 0;

  // OnComm: the owner's receive-event handler, called on the owner's thread.
  std::function<void()> onComm;
};

// Sends one request: for one that awaits a reply, clear the output buffer, clear the input buffer,
// send, arm the threshold with the reply length; for one that awaits none, send only. Stops at the
// first failed step and says what failed.
std::optional<LinkFailure> SendRequest(SerialLink& link, const Request& request);

}  // namespace vorlan
