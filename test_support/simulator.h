#pragma once
// The device simulator as a child process on its own pseudo-terminal.

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "event_loop.h"
#include "tools/sim_starter/simulated_device.h"

namespace vorlan::test {

class Simulator {
 public:
  explicit Simulator(const QStringList& options = {"--fast"}) {
    device_.start(QStringLiteral(VORLAN_DEVICE_SIM), options);
  }
  ~Simulator() { stop(); }

  // Ends the device at once, as when its cable is pulled.
  void stop() { device_.kill(); }

  // The pty the tool opens; empty when the simulator did not start.
  QString path() const { return device_.ptyPath(); }

  // From its log ("rx <kind> <hex> <text>", "tx <hex>"), whole lines only: the bytes of every
  // frame of a kind ("read", "write", "message", "noise", ...) received so far, or of every reply
  // sent (kind "tx").
  QList<QByteArray> received(const QByteArray& kind) {
    const QByteArray& log = device_.log();
    const QByteArray lead = kind == "tx" ? kind + ' ' : "rx " + kind + ' ';
    QList<QByteArray> frames;
    for (const QByteArray& line : log.left(log.lastIndexOf('\n')).split('\n')) {
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
  SimulatedDevice device_;
};

// A simulator that plays a script (its --script) instead of being a device.
class ScriptedSimulator {
 public:
  explicit ScriptedSimulator(const QByteArray& script) {
    QFile file(dir_.filePath("device.script"));
    if (file.open(QIODevice::WriteOnly)) file.write(script);
    file.close();
    sim_ = std::make_unique<Simulator>(QStringList{"--fast", "--script", file.fileName()});
  }
  Simulator& sim() { return *sim_; }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<Simulator> sim_;
};

}  // namespace vorlan::test
