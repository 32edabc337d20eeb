#pragma once
// The device simulator as a child process on its own pseudo-terminal, and an event-loop wait that
// always ends.

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace vorlan::test {

// Runs the event loop until done() holds or the time is up; returns done().
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QDeadlineTimer deadline(timeoutMs);
  QTimer tick;  // wakes the loop even when nothing else happens
  tick.start(5);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// Runs the event loop for this long.
inline void Pump(int ms) {
  WaitUntil([] { return false; }, ms);
}

class Simulator {
 public:
  explicit Simulator(const QStringList& options = {"--fast"}) {
    process_.start(QStringLiteral(VORLAN_DEVICE_SIM), options);
    if (process_.waitForStarted(5000) && WaitUntil([&] { return process_.canReadLine(); })) {
      path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
  }
  ~Simulator() {
    process_.kill();
    process_.waitForFinished(5000);
  }

  // The pty the tool opens; empty when the simulator did not start.
  QString path() const { return path_; }

  // The log so far: "rx <kind> <hex> <text>", "tx <hex>", "hangup after N reply bytes", ...
  QStringList log() {
    log_ += process_.readAllStandardError();
    return QString::fromLatin1(log_).split('\n', Qt::SkipEmptyParts);
  }

  // The bytes of every frame of this kind ("read", "write", "message", ...) received so far.
  QList<QByteArray> received(const QString& kind) { return field("rx " + kind + " ", 2); }
  // Every reply sent so far.
  QList<QByteArray> sent() { return field("tx ", 1); }

  // Waits until n frames of the kind have been received, or n replies sent (kind "tx").
  bool waitFor(const QString& kind, int n, int timeoutMs = 5000) {
    return WaitUntil([&] { return (kind == "tx" ? sent() : received(kind)).size() >= n; },
                     timeoutMs);
  }

 private:
  QList<QByteArray> field(const QString& prefix, int index) {
    QList<QByteArray> out;
    for (const QString& line : log()) {
      if (line.startsWith(prefix))
        out << QByteArray::fromHex(line.section(' ', index, index).toLatin1());
    }
    return out;
  }

  QProcess process_;
  QString path_;
  QByteArray log_;
};

}  // namespace vorlan::test
