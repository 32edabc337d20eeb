#pragma once
// The program's command line.

#include <QCoreApplication>
#include <QString>

#include "tools/device_sim/device.h"
#include "tools/device_sim/faults.h"
#include "tools/device_sim/responder.h"
#include "tools/device_sim/transmitter.h"

namespace vorlan::sim {

struct Options {
  QString device;  // serve this serial device; empty: a new pty
  QString script;  // play this script instead of answering as a device
  int quietMs = 50;
  unsigned seed = 1;
  DeviceSettings settings;
  Faults faults;
  Timing timing;
  TransmitSettings transmit;
};

// Parses the arguments; prints the help or a usage error and exits when asked or wrong.
Options ParseOptions(const QCoreApplication& app);

}  // namespace vorlan::sim
