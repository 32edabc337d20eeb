#pragma once
// Which device a port-box number opens. On Windows "COMn" is the port itself. Elsewhere the
// environment variable VORLAN_COM<n> pins COM n to a device path; without it COM n is the n-th
// serial port present when it is picked: USB adapters (ttyUSB*), then CDC-ACM (ttyACM*), then the
// others (ttyS* with a real UART, cu.* on macOS), each group by number.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "link/discovery/usb_chips.h"

namespace vorlan {

struct PresentPort {
  QString name;                   // "ttyUSB0"
  QString path;                   // "/dev/ttyUSB0"
  QString description;            // the system's words, "USB Serial"; may be empty
  std::optional<UsbId> usb = {};  // the ids of the USB device the port sits on
  QString serial = {};            // that USB device's serial number; empty when it has none
};

// One COM number of the port box that leads to a device.
struct MappedPort {
  int number = 0;                 // the n of "COMn"
  QString path;                   // the device it opens
  bool pinned = false;            // by VORLAN_COM<n>: the user named it
  QString chip = {};              // the adapter's chip ("CH340", "CDC-ACM"); empty when unknown
  std::optional<UsbId> usb = {};  // the adapter's USB ids
  QString description = {};       // the system's words for the port; may be empty
  QString serial = {};            // the adapter's serial number; empty when it has none

  // A port on a USB-serial adapter, the kind a tracker's cable makes.
  bool onUsb() const { return usb.has_value() || !chip.isEmpty(); }
  bool operator==(const MappedPort&) const = default;
};

// The port as a line of a list: "COM1 -> /dev/ttyUSB0, CH340 USB-serial (1a86:7523)", "COM3 ->
// /dev/pts/4 (VORLAN_COM3)". `usbSerial` is the front end's word for a USB-serial adapter.
QString PortLine(const MappedPort& port, const QString& usbSerial);

// The value of an environment variable, empty when unset.
using EnvironmentLookup = std::function<QString(const QString& variable)>;

// The device a path leads to, as one key whatever link names it (/dev/serial/by-id/...): its
// canonical path, or the path itself where it leads to nothing (yet) or is no file ("COM3").
QString DeviceKey(const QString& path);

// "VORLAN_COM3": the variable that pins COM n.
QString PinVariable(int n);

// The present ports in COM order (COM1 first). macOS tty.* call-in twins of cu.* ports are left
// out.
QList<PresentPort> OrderedPorts(QList<PresentPort> present);

// The device path COM n stands for, empty when there is none.
QString DevicePathForPort(int n, const QList<PresentPort>& present, const EnvironmentLookup& env);

// Every COM number of the port box that leads to a device, in order, with what is known of it.
QList<MappedPort> PortMapping(const QList<PresentPort>& present, const EnvironmentLookup& env);

// The same for this machine, as it is now.
QList<PresentPort> PresentPorts();
QString DevicePathForPort(int n);
// The same, as the resolver a link opens port numbers by.
inline QString DiscoveredDevice(int n) {
  return DevicePathForPort(n);
}
QList<MappedPort> PortMapping();
// Only the entries whose device is there now (a pinned path may name nothing yet).
QList<MappedPort> PortsPresentNow();

}  // namespace vorlan
