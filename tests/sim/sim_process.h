#pragma once
// The simulator program on its own pseudo-terminal, driven from the tool's side of the line.

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QElapsedTimer>

#include "tools/sim_starter/simulated_device.h"

namespace vorlan::sim::test {

class SimProcess {
 public:
  explicit SimProcess(const QStringList& options) {
    device_.start(QStringLiteral(VORLAN_DEVICE_SIM), options);
    path_ = device_.ptyPath().toLocal8Bit();
    if (!path_.isEmpty()) fd_ = open(path_.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  }
  ~SimProcess() {
    if (fd_ >= 0) close(fd_);
    device_.kill();
  }

  bool running() const { return fd_ >= 0; }
  const QByteArray& path() const { return path_; }

  bool send(const QByteArray& bytes) {
    return ::write(fd_, bytes.constData(), size_t(bytes.size())) == bytes.size();
  }

  // What arrives until `count` bytes have come or `timeoutMs` has passed.
  QByteArray receive(qsizetype count, int timeoutMs = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (bytes_.size() < count && clock.elapsed() < timeoutMs) {
      pollfd in{fd_, POLLIN, 0};
      if (poll(&in, 1, int(timeoutMs - clock.elapsed())) <= 0) continue;
      char buffer[1024];
      const ssize_t n = read(fd_, buffer, sizeof buffer);
      if (n > 0) bytes_.append(buffer, n);
    }
    const QByteArray taken = bytes_.left(count);
    bytes_.remove(0, taken.size());
    return taken;
  }
  // Everything that arrives within `ms`.
  QByteArray receiveFor(int ms) { return receive(1 << 20, ms); }

  // The log lines written so far, waiting up to `timeoutMs` until `done` holds for them.
  template <typename Done>
  QList<QByteArray> logWhen(Done done, int timeoutMs = 3000) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
      const QByteArray& log = device_.log();
      const qsizetype end = log.lastIndexOf('\n');
      const QList<QByteArray> lines = end < 0 ? QList<QByteArray>() : log.left(end).split('\n');
      if (done(lines) || clock.elapsed() > timeoutMs) return lines;
      device_.waitForLog(50);
    }
  }
  QList<QByteArray> log(qsizetype count) {
    return logWhen([count](const auto& lines) { return lines.size() >= count; });
  }
  bool logged(const QByteArray& line) {
    return logWhen([&](const auto& lines) { return lines.contains(line); }).contains(line);
  }

 private:
  SimulatedDevice device_;
  QByteArray path_;
  QByteArray bytes_;
  int fd_ = -1;
};

}  // namespace vorlan::sim::test
