#pragma once
// The device simulator (vorlan_device_sim) as a child process on its own pseudo-terminal: the
// device of the window's --demo, of the tests and of scripts/demo (which runs --demo). It prints
// its pty's path as its first line and logs every exchange on its standard error.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace vorlan {

class SimulatedDevice {
 public:
  enum class Log {
    Kept,       // read by log()
    Forwarded,  // on this program's standard error
  };

  SimulatedDevice() = default;
  SimulatedDevice(const SimulatedDevice&) = delete;
  SimulatedDevice& operator=(const SimulatedDevice&) = delete;
  // Asks it to end, and ends it when it does not.
  ~SimulatedDevice();

  // Starts `program` with `options` and waits up to `waitMs` for its pty's path. Returns what went
  // wrong, empty on success. Should this program die first, the simulator ends too (Linux).
  QString start(const QString& program, const QStringList& options = {}, Log log = Log::Kept,
                int waitMs = 5000);
  // The pty the tool opens; empty until it started.
  const QString& ptyPath() const { return ptyPath_; }

  // Everything it logged so far (Log::Kept).
  const QByteArray& log();
  // Waits up to `ms` for more of its log.
  void waitForLog(int ms) { process_.waitForReadyRead(ms); }

  // Ends it at once, as when the device's cable is pulled.
  void kill();

 private:
  QProcess process_;
  QString ptyPath_;
  QByteArray log_;
};

}  // namespace vorlan
