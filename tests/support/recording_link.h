#pragma once
// A SerialLink that records every operation in order and holds an input buffer that the test fills.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "link/serial_link.h"
#include "qt_print.h"

namespace vorlan::test {

class RecordingLink : public SerialLink {
 public:
  // Operations are logged as "CommPort=3", "PortOpen=1", "OutBufferCount=0", "InBufferCount=0",
  // "Output=<bytes>", "RThreshold=412", "InputLen=6", "Input=<bytes>".
  QStringList log;
  QByteArray inBuffer;  // received and not yet read
  QByteArray sent;      // everything handed to output(), in order
  int threshold = 0;
  int inputLen = 0;
  int event = kCommEventReceive;
  bool open = true;
  QString failWith;  // when set, the operation named in failAt fails with this message
  QString failAt;    // "CommPort", "PortOpen", "OutBufferCount", "InBufferCount", "Output", ...

  void feed(const QByteArray& bytes) { inBuffer += bytes; }
  // Raises the receive event as the port would, when the threshold is reached.
  void deliver(int kind = kCommEventReceive) {
    event = kind;
    if (onComm) onComm();
  }
  void clearLog() { log.clear(); }

  bool setCommPort(int port) override {
    return step("CommPort", QString::number(port), [&] { portNumber = port; });
  }
  int commPort() const override { return portNumber; }
  bool setPortOpen(bool o) override {
    return step("PortOpen", o ? "1" : "0", [&] { open = o; });
  }
  bool portOpen() const override { return open; }
  bool clearOutBuffer() override {
    return step("OutBufferCount", "0", [] {});
  }
  bool clearInBuffer() override {
    return step("InBufferCount", "0", [&] { inBuffer.clear(); });
  }
  bool output(const QByteArray& bytes) override {
    return step("Output", QString::fromLatin1(bytes), [&] { sent += bytes; });
  }
  bool setRThreshold(int n) override {
    return step("RThreshold", QString::number(n), [&] { threshold = n; });
  }
  void setInputLen(int n) override {
    inputLen = n;
    log << QStringLiteral("InputLen=%1").arg(n);
  }
  QByteArray input() override {
    QByteArray taken;
    if (inputLen > 0 && inBuffer.size() >= inputLen) {
      taken = inBuffer.left(inputLen);
      inBuffer.remove(0, inputLen);
    }
    log << QStringLiteral("Input=") + QString::fromLatin1(taken);
    return taken;
  }
  int commEvent() const override { return event; }
  QString lastError() const override { return failWith; }

 private:
  template <typename Apply>
  bool step(const QString& name, const QString& value, Apply apply) {
    if (!failWith.isEmpty() && failAt == name) return false;
    log << name + "=" + value;
    apply();
    return true;
  }
  int portNumber = 0;
};

}  // namespace vorlan::test
