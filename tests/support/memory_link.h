#pragma once
// A lean in-memory SerialLink without a log, for benchmarks and fuzzing where logging would dominate.

#include <QByteArray>

#include "link/serial_link.h"

namespace vorlan::test {

class MemoryLink : public SerialLink {
 public:
  QByteArray inBuffer;
  QByteArray sent;
  int threshold = 0;
  int inputLen = 0;
  int event = kCommEventReceive;

  bool setCommPort(int) override { return true; }
  int commPort() const override { return 1; }
  bool setPortOpen(bool) override { return true; }
  bool portOpen() const override { return true; }
  bool clearOutBuffer() override { return true; }
  bool clearInBuffer() override {
    inBuffer.clear();
    return true;
  }
  bool output(const QByteArray& bytes) override {
    sent += bytes;
    return true;
  }
  bool setRThreshold(int n) override {
    threshold = n;
    return true;
  }
  void setInputLen(int n) override { inputLen = n; }
  QByteArray input() override {
    if (inputLen <= 0 || inBuffer.size() < inputLen) return {};
    QByteArray taken = inBuffer.left(inputLen);
    inBuffer.remove(0, inputLen);
    return taken;
  }
  int commEvent() const override { return event; }
  QString lastError() const override { return {}; }
};

}  // namespace vorlan::test
