#pragma once
// The device simulator as a child process on its own pseudo-terminal.

#include <QProcess>

#include "event_loop.h"

namespace vorlan::test {

class Simulator {
 public:
  explicit Simulator(const QStringList& options = {"--fast"}) {
    process_.start(QStringLiteral(VORLAN_DEVICE_SIM), options);
    if (process_.waitForStarted(5000) && WaitUntil([&] { return process_.canReadLine(); })) {
      path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
  }
  ~Simulator() { stop(); }

  // Ends the device at once, as when its cable is pulled.
  void stop() {
    process_.kill();
    process_.waitForFinished(5000);
  }

  // The pty the tool opens; empty when the simulator did not start.
  QString path() const { return path_; }

  // From its log ("rx <kind> <hex> <text>", "tx <hex>"), whole lines only: the bytes of every
  // frame of a kind ("read", "write", "message", "noise", ...) received so far, or of every reply
  // sent (kind "tx").
  QList<QByteArray> received(const QByteArray& kind) {
    log_ += process_.readAllStandardError();
    const QByteArray lead = kind == "tx" ? kind + ' ' : "rx " + kind + ' ';
    QList<QByteArray> frames;
    for (const QByteArray& line : log_.left(log_.lastIndexOf('\n')).split('\n')) {
      if (line.startsWith(lead)) frames << QByteArray::fromHex(line.mid(lead.size()).split(' ')[0]);
    }
    return frames;
  }
  QList<QByteArray> sent() { return received("tx"); }

  // Waits until n frames of the kind have been received, or n replies sent (kind "tx").
  bool waitFor(const QByteArray& kind, int n, int timeoutMs = 5000) {
    return WaitUntil([&] { return received(kind).size() >= n; }, timeoutMs);
  }

 private:
  QProcess process_;
  QString path_;
  QByteArray log_;
};

}  // namespace vorlan::test
