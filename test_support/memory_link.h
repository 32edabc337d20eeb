#pragma once
// A device link in memory: received bytes wait in inBuffer, sent bytes collect in sent. No log, so
// benchmarks and fuzzing measure the code under test; RecordingLink adds the log.

#include <QByteArray>

#include "link/device_link.h"

namespace vorlan::test {

class MemoryLink : public DeviceLink {
 public:
  QByteArray inBuffer;  // received and not yet read
  QByteArray sent;      // everything handed to output(), in order
  int threshold = 0;
  int inputLen = 0;
  int event = kCommEventReceive;
  bool open = true;
  int port = 0;

  // The bytes arrive, told as a transport tells them.
  void feed(const QByteArray& bytes) {
    inBuffer += bytes;
    if (onArrived) onArrived(bytes);
    if (onReceived) onReceived(static_cast<int>(inBuffer.size()));
  }

  bool setCommPort(int n) override {
    port = n;
    return true;
  }
  int commPort() const override { return port; }
  bool setPortOpen(bool o) override {
    open = o;
    return true;
  }
  bool portOpen() const override { return open; }
  bool openDevice(const QString&) override { return setPortOpen(true); }
  bool drain(int) override { return true; }
  QString devicePath() const override {
    return open ? QStringLiteral("/dev/ttyMEM%1").arg(port) : QString();
  }
  bool clearOutBuffer() override { return true; }
  bool clearInBuffer() override {
    inBuffer.clear();
    return true;
  }
  int inBufferCount() const override { return static_cast<int>(inBuffer.size()); }
  bool output(const QByteArray& bytes) override {
    sent += bytes;
    return true;
  }
  bool setRThreshold(int n) override {
    threshold = n;
    return true;
  }
  void setInputLen(int n) override { inputLen = n; }
  // Takes InputLen bytes, or nothing when fewer are waiting.
  QByteArray input() override {
    if (inputLen <= 0 || inBuffer.size() < inputLen) return {};
    QByteArray taken = inBuffer.left(inputLen);
    inBuffer.remove(0, inputLen);
    return taken;
  }
  int commEvent() const override { return event; }
  LinkFailure lastFailure() const override { return {LinkFailure::Kind::NotOpen, {}, {}}; }
};

}  // namespace vorlan::test
