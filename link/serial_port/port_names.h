#pragma once
// Which device a port-box number opens. On Windows "COMn" is the port itself. Elsewhere the
// environment variable VORLAN_COM<n> pins COM n to a device path; without it COM n is the n-th
// serial port present when it is picked: USB adapters (ttyUSB*), then CDC-ACM (ttyACM*), then the
// others (ttyS* with a real UART, cu.* on macOS), each group by number.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace vorlan {

struct PresentPort {
  QString name;         // "ttyUSB0"
  QString path;         // "/dev/ttyUSB0"
  QString description;  // "USB serial", may be empty
};

// The value of an environment variable, empty when unset.
using EnvironmentLookup = std::function<QString(const QString& variable)>;

// The present ports in COM order (COM1 first). macOS tty.* call-in twins of cu.* ports are left
// out.
QList<PresentPort> OrderedPorts(QList<PresentPort> present);

// The device path COM n stands for, empty when there is none.
QString DevicePathForPort(int n, const QList<PresentPort>& present, const EnvironmentLookup& env);

// One line per COM number of the port box that leads to a device, e.g.
// "COM1: /dev/ttyUSB0, USB serial" or "COM3: /dev/pts/4 (VORLAN_COM3)".
QStringList PortMappingLines(const QList<PresentPort>& present, const EnvironmentLookup& env);

// The same for this machine, as it is now.
QList<PresentPort> PresentPorts();
QString DevicePathForPort(int n);
QStringList PortMappingLines();

}  // namespace vorlan
