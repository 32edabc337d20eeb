#pragma once
// The serial link over a real port: QSerialPort on the caller's thread, fixed at 9600 baud, 8 data
// bits, no parity, 1 stop bit, no flow control, with a 1024-byte input buffer and a 512-byte output
// buffer.
//
// Receive event: onComm runs from the event loop, never from inside a call of this class, once
// RThreshold (1 or more) bytes are waiting, bytes that arrived before the threshold was set
// included. It runs once per arming: a reply that arrives in many pieces raises it once, and it
// never runs again until the threshold is set anew. It is never re-entered: while a handler (or a
// modal box it opened) runs, a threshold it re-arms is served after it returns.
//
// Input buffer: bytes that arrive while 1024 are already waiting are dropped; the oldest are kept.
// Output buffer: a text that does not fit in the room left of the 512 bytes is refused whole.
//
// Failures: an operation that fails returns false and leaves what went wrong in lastFailure(); each
// operation is judged by its own result, never by an error left from an earlier one. When the open
// port fails on its own (device unplugged, line hung up), the link closes it, disarms the threshold
// and reports the failure once through onFailure.

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <functional>

#include "link/serial_link.h"

namespace vorlan {

class QtSerialLink : public QObject, public SerialLink {
  Q_OBJECT

 public:
  static constexpr int kInBufferSize = 1024;
  static constexpr int kOutBufferSize = 512;
  static constexpr int kBaudRate = 9600;

  explicit QtSerialLink(QObject* parent = nullptr);
  ~QtSerialLink() override;

  bool setCommPort(int port) override;
  int commPort() const override { return commPort_; }
  bool setPortOpen(bool open) override;
  bool portOpen() const override { return port_.isOpen(); }
  bool clearOutBuffer() override;
  bool clearInBuffer() override;
  bool output(const QByteArray& bytes) override;
  bool setRThreshold(int n) override;
  void setInputLen(int n) override { inputLen_ = n; }
  QByteArray input() override;
  int commEvent() const override { return commEvent_; }
  LinkFailure lastFailure() const override { return lastFailure_; }
  int inBufferCount() const override { return static_cast<int>(inBuffer_.size()); }
  QString devicePath() const override { return port_.isOpen() ? path_ : QString(); }
  // Waits until every byte handed to output() has left the port, or `timeoutMs` has passed
  // (false, NotDrained with the bytes still queued). A frame without an end mark is only
  // whole once its last byte is on the line, and closing a port can drop what is still queued.
  bool drain(int timeoutMs);
  // Opens this device path from now on instead of the device the port number stands for; empty
  // goes back to the port number. For a front end that is given a path (the window never is).
  void pinDevicePath(const QString& path) { pinnedPath_ = path; }

  // Told once when the open port fails under the program; the port is closed by then.
  std::function<void(const LinkFailure& failure)> onFailure;
  // Told whenever bytes arrive, with the count now waiting: a front end shows progress with it.
  std::function<void(int waiting)> onReceived;
  // Told the bytes themselves as they arrive, before onReceived: a front end logs the exchange.
  std::function<void(const QByteArray& bytes)> onArrived;

 private:
  void receive();
  void scheduleDelivery();
  void deliver();
  void portError(QSerialPort::SerialPortError error);
  void hangUp();
  void closePort();
  bool clearBuffer(QSerialPort::Direction direction);
  // Fails the operation by the port's own error: one that means the device is gone closes the
  // port and says so; any other is `kind` with the system's words.
  bool failOnPortError(LinkFailure::Kind kind);
  bool fail(LinkFailure::Kind kind, const QString& reason = {}, int bytes = 0);
  // The same for a port that cannot be opened, with what the system tells about why.
  bool failToOpen(LinkFailure::Kind kind, const QString& reason = {});
  LinkFailure failure(LinkFailure::Kind kind, const QString& reason = {}, int bytes = 0) const;
  int pendingOutput() const;
  QString pathFor(int number) const;

  QSerialPort port_;
  QByteArray inBuffer_;
  int commPort_ = 1;
  int openPort_ = 0;  // the number and device the open port was opened with
  QString path_;
  QString pinnedPath_;
  int threshold_ = 0;
  bool armed_ = false;  // a threshold was set and has not raised its event yet
  bool deliveryQueued_ = false;
  bool inHandler_ = false;
  bool hangUpQueued_ = false;
  int inputLen_ = 1;
  int commEvent_ = 0;
  LinkFailure lastFailure_{LinkFailure::Kind::NotOpen, {}, {}};
};

}  // namespace vorlan
