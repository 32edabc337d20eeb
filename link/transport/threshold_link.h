#pragma once
// What every serial link shares whatever the system under it: the port number, the input buffer,
// the read length and the receive threshold. A transport adds only the system's part: opening and
// closing the port, emptying the system's buffers, sending, and handing over the bytes it reads.
//
// Receive event: onComm runs from the event loop, never from inside a call of this class, once
// RThreshold (1 or more) bytes are waiting, bytes that arrived before the threshold was set
// included. It runs once per arming: a reply that arrives in many pieces raises it once, and it
// never runs again until the threshold is set anew. It is never re-entered: while a handler (or a
// modal box it opened) runs, a threshold it re-arms is served after it returns.
//
// Input buffer: bytes that arrive while 1024 are already waiting are dropped; the oldest are kept.
//
// Failures: an operation that fails returns false and leaves what went wrong in lastFailure(). When
// the open port fails on its own (device unplugged, line hung up), the transport closes it, and the
// failure is reported once through onFailure.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

#include "link/device_link.h"

namespace vorlan {

class ThresholdLink : public QObject, public DeviceLink {
  Q_OBJECT

 public:
  static constexpr int kInBufferSize = 1024;
  static constexpr int kOutBufferSize = 512;
  static constexpr int kBaudRate = 9600;

  bool setCommPort(int port) override;
  int commPort() const override { return commPort_; }
  QString devicePath() const override { return portOpen() ? path_ : QString(); }
  int inBufferCount() const override { return static_cast<int>(inBuffer_.size()); }
  bool setRThreshold(int n) override;
  void setInputLen(int n) override { inputLen_ = n; }
  QByteArray input() override;
  int commEvent() const override { return commEvent_; }
  LinkFailure lastFailure() const override { return lastFailure_; }

  // PortOpen: true opens the device the resolver gives for CommPort, false closes the port.
  bool setPortOpen(bool open) override;
  bool openDevice(const QString& path) final;

 protected:
  explicit ThresholdLink(QObject* parent);
  // Call from the transport's destructor, before its port goes: no callback runs after it.
  void forgetCallbacks();

  // The transport's own opening of a device (an empty path stands for none), and its closing.
  virtual bool openSystemPort(const QString& path) = 0;
  virtual void closeDevice() = 0;
  // The number the open port was opened with.
  int openPortNumber() const { return openPort_; }
  // The port is open now, with the current number on this device: nothing waits yet.
  void opened(const QString& path);
  // The port is closed now: what waited is gone and no threshold is armed.
  void closed();
  // The transport read these bytes from the port.
  void received(const QByteArray& bytes);
  // The system's input buffer was emptied: so is this one.
  void discardInput() { inBuffer_.clear(); }

  bool fail(LinkFailure::Kind kind, const QString& reason = {}, int bytes = 0);
  bool fail(const LinkFailure& failure);
  LinkFailure failure(LinkFailure::Kind kind, const QString& reason = {}, int bytes = 0) const;
  // The open port failed under the program; the transport has closed it.
  void reportLost(const LinkFailure& lost);

 private:
  void scheduleDelivery();
  void deliver();

  QByteArray inBuffer_;
  int commPort_ = 1;
  int openPort_ = 0;  // the number and device the open port was opened with
  QString path_;
  QString asked_;  // the device the last opening asked for, while none is open
  int threshold_ = 0;
  bool armed_ = false;  // a threshold was set and has not raised its event yet
  bool deliveryQueued_ = false;
  bool inHandler_ = false;
  int inputLen_ = 1;
  int commEvent_ = 0;
  LinkFailure lastFailure_{LinkFailure::Kind::NotOpen, {}, {}};
};

}  // namespace vorlan
