#pragma once
// A MemoryLink that logs every operation in order ("CommPort=3", "PortOpen=1", "OutBufferCount=0",
// "InBufferCount=0", "Output=<bytes>", "RThreshold=412", "InputLen=6", "Input=<bytes>") and can
// fail one of them.

#include <QString>
#include <QStringList>
#include <optional>

#include "memory_link.h"
#include "qt_print.h"

namespace vorlan::test {

class RecordingLink : public MemoryLink {
 public:
  QStringList log;
  QString failAt;                       // the operation that fails ("PortOpen", "Output", ...)
  std::optional<LinkFailure> failWith;  // lastFailure() then

  // Raises the receive event as the port would, once the threshold is reached.
  void deliver(int kind = kCommEventReceive) {
    event = kind;
    if (onComm) onComm();
  }

  bool setCommPort(int n) override { return step("CommPort", n) && Base::setCommPort(n); }
  bool setPortOpen(bool o) override { return step("PortOpen", int(o)) && Base::setPortOpen(o); }
  bool clearOutBuffer() override { return step("OutBufferCount", 0); }
  bool clearInBuffer() override { return step("InBufferCount", 0) && Base::clearInBuffer(); }
  bool output(const QByteArray& b) override {
    return step("Output", QString::fromLatin1(b)) && Base::output(b);
  }
  bool setRThreshold(int n) override { return step("RThreshold", n) && Base::setRThreshold(n); }
  void setInputLen(int n) override {
    log << QStringLiteral("InputLen=%1").arg(n);
    Base::setInputLen(n);
  }
  QByteArray input() override {
    const QByteArray taken = Base::input();
    log << "Input=" + QString::fromLatin1(taken);
    return taken;
  }
  LinkFailure lastFailure() const override { return failWith.value_or(Base::lastFailure()); }

 private:
  using Base = MemoryLink;
  template <typename Value>
  bool step(const QString& name, const Value& value) {
    if (failWith && failAt == name) return false;
    log << QStringLiteral("%1=%2").arg(name).arg(value);
    return true;
  }
};

}  // namespace vorlan::test
