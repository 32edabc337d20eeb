#pragma once
// The demo: the device simulator on a pseudo-terminal stands in for the device on COM1, so that the
// program can be tried without hardware. The simulator prints its pty's path as its first line.

#include <QProcess>
#include <QString>

#include "ui/language_data.h"

namespace vorlan::ui {

// The simulator beside this program, else the one in PATH; empty when there is none.
QString FindDeviceSimulator();

// One running simulator; it ends with this object.
class DemoDevice {
 public:
  DemoDevice() = default;
  DemoDevice(const DemoDevice&) = delete;
  DemoDevice& operator=(const DemoDevice&) = delete;
  ~DemoDevice();

  // Starts `simulator` and waits for its pty path. Returns what went wrong, empty on success.
  QString start(const QString& simulator, int waitMs = 5000);
  QString ptyPath() const { return ptyPath_; }

 private:
  QProcess process_;
  QString ptyPath_;
};

// For --demo: starts the simulator, pins COM1 (VORLAN_COM1) to its pty and tells the user to pick
// COM1. When the simulator cannot start, says why on the terminal and in a message box and returns
// false.
bool StartDemo(DemoDevice& device, const LanguageData& lang);

}  // namespace vorlan::ui
