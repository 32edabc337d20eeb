#pragma once
// The serial link over a real port: QSerialPort on the caller's thread, fixed at 9600 baud, 8 data
// bits, no parity, 1 stop bit, no flow control, with a 1024-byte input buffer and a 512-byte output
// buffer. The receive event, the input buffer and the failures behave as ThresholdLink says.
//
// Output buffer: a text that does not fit in the room left of the 512 bytes is refused whole.
//
// Opening: a device another program holds is refused as Busy before anything touches it: one it
// has claimed (DeviceClaim), made exclusive, or holds a live lock file on under any of its names.
// This link holds the claim, beside Qt's lock file, until the port closes.
//
// Failures: each operation is judged by its own result, never by an error left from an earlier
// one.

#include <QSerialPort>

#include "link/transport/device_claim.h"
#include "link/transport/threshold_link.h"

namespace vorlan {

class QtSerialLink : public ThresholdLink {
  Q_OBJECT

 public:
  explicit QtSerialLink(QObject* parent = nullptr);
  ~QtSerialLink() override;

  bool portOpen() const override { return port_.isOpen(); }
  bool clearOutBuffer() override;
  bool clearInBuffer() override;
  bool output(const QByteArray& bytes) override;
  bool drain(int timeoutMs) override;

 protected:
  bool openSystemPort(const QString& path) override;
  void closeDevice() override { closePort(); }

 private:
  void receive();
  void portError(QSerialPort::SerialPortError error);
  void hangUp();
  void closePort();
  bool clearBuffer(QSerialPort::Direction direction);
  // Fails the operation by the port's own error: one that means the device is gone closes the
  // port and says so; any other is `kind` with the system's words.
  bool failOnPortError(LinkFailure::Kind kind);
  // Fails opening the port, with what the system tells about why; `byQt`: QSerialPort refused it.
  bool failToOpen(LinkFailure::Kind kind, const QString& reason = {}, bool byQt = false);
  int pendingOutput() const;

  DeviceClaim claim_;
  QSerialPort port_;
  bool hangUpQueued_ = false;
};

}  // namespace vorlan
