#pragma once
// The demo: the device simulator on a pseudo-terminal stands in for the device on COM1, so that the
// program can be tried without hardware. The simulator prints its pty's path as its first line.

#include <QString>

#include "tools/sim_starter/simulated_device.h"
#include "ui/language_data.h"

namespace vorlan::ui {

// The simulator beside this program, else the one in PATH; empty when there is none.
QString FindDeviceSimulator();

// The demo's device: its log goes to the program's terminal.
class DemoDevice {
 public:
  // Starts `simulator` and waits for its pty path. Returns what went wrong, empty on success.
  QString start(const QString& simulator, int waitMs = 5000) {
    return device_.start(simulator, {}, SimulatedDevice::Log::Forwarded, waitMs);
  }
  QString ptyPath() const { return device_.ptyPath(); }

 private:
  SimulatedDevice device_;
};

// For --demo: starts the simulator, pins COM1 (VORLAN_COM1) to its pty and tells the user to pick
// COM1. When the simulator cannot start, says why on the terminal and in a message box and returns
// false.
bool StartDemo(DemoDevice& device, const LanguageData& lang);

}  // namespace vorlan::ui
