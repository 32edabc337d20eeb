#include "link/discovery/port_names.h"

#include <QFileInfo>
#include <QRegularExpression>
#ifndef Q_OS_WIN
#include <QSerialPortInfo>
#endif
#include <algorithm>
#include <tuple>

#include "link/com_ports.h"
#include "params/utf8.h"

namespace vorlan {
namespace {

// Sort key: group (USB adapters, CDC-ACM, others), then the name without its number, then the
// number, so ttyUSB2 comes before ttyUSB10.
std::tuple<int, QString, qlonglong, QString> OrderKey(const PresentPort& port) {
  static const QRegularExpression numbered(QStringLiteral("^(.*?)(\\d+)$"));
  const auto match = numbered.match(port.name);
  const QString stem = match.hasMatch() ? match.captured(1) : port.name;
  const qlonglong number = match.hasMatch() ? match.captured(2).toLongLong() : -1;
  const int group = stem == QLatin1String("ttyUSB") ? 0 : stem == QLatin1String("ttyACM") ? 1 : 2;
  return {group, stem, number, port.name};
}

bool IsCallInTwin(const PresentPort& port) {
  return port.name.startsWith(QLatin1String("tty."));
}

// The present port a path leads to, also through a link such as /dev/serial/by-id/...
const PresentPort* PresentAt(const QString& path, const QList<PresentPort>& present) {
  const QString target = QFileInfo(path).canonicalFilePath();
  for (const auto& port : present) {
    if (port.path == path || (!target.isEmpty() && port.path == target)) return &port;
  }
  return nullptr;
}

// The chip by its USB ids; a port of the CDC-ACM driver is one whatever its ids.
QString ChipOf(const PresentPort& port) {
  if (port.usb) {
    if (const auto name = UsbChipName(*port.usb)) return Utf8(*name);
  }
  if (port.name.startsWith(QLatin1String("ttyACM")) ||
      port.name.startsWith(QLatin1String("cu.usbmodem"))) {
    return QStringLiteral("CDC-ACM");
  }
  return {};
}

#ifndef Q_OS_WIN
EnvironmentLookup ProcessEnvironment() {
  return
      [](const QString& variable) { return qEnvironmentVariable(variable.toLatin1().constData()); };
}
#endif

}  // namespace

QString DeviceKey(const QString& path) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return canonical.isEmpty() ? path : canonical;
}

QString PinVariable(int n) {
  return QStringLiteral("VORLAN_COM%1").arg(n);
}

QString PortLine(const MappedPort& port, const QString& usbSerial) {
  QString line = QStringLiteral("%1 -> %2").arg(PortText(port.number), port.path);
  if (port.pinned) line += QStringLiteral(" (%1)").arg(PinVariable(port.number));
  QString adapter = port.chip.isEmpty() ? port.description : port.chip + ' ' + usbSerial;
  if (port.usb) {
    if (adapter.isEmpty()) adapter = usbSerial;
    adapter += QStringLiteral(" (%1)").arg(UsbIdText(*port.usb));
  }
  if (!adapter.isEmpty()) line += QStringLiteral(", ") + adapter;
  return line;
}

QList<PresentPort> OrderedPorts(QList<PresentPort> present) {
  present.removeIf(IsCallInTwin);
  std::sort(present.begin(), present.end(),
            [](const PresentPort& a, const PresentPort& b) { return OrderKey(a) < OrderKey(b); });
  return present;
}

QString DevicePathForPort(int n, const QList<PresentPort>& present, const EnvironmentLookup& env) {
  if (n < 1) return {};
  const QString pinned = env(PinVariable(n));
  if (!pinned.isEmpty()) return pinned;
  const QList<PresentPort> ordered = OrderedPorts(present);
  return n <= ordered.size() ? ordered[n - 1].path : QString();
}

QList<MappedPort> PortMapping(const QList<PresentPort>& present, const EnvironmentLookup& env) {
  QList<MappedPort> mapping;
  for (int n = 1; n <= kComPortCount; ++n) {
    MappedPort entry{n, DevicePathForPort(n, present, env), !env(PinVariable(n)).isEmpty()};
    if (entry.path.isEmpty()) continue;
    if (const PresentPort* port = PresentAt(entry.path, present)) {
      entry.chip = ChipOf(*port);
      entry.usb = port->usb;
      entry.description = port->description;
      entry.serial = port->serial;
    }
    mapping << entry;
  }
  return mapping;
}

#ifndef Q_OS_WIN  // on Windows the system's port list (win_ports.cpp)
QList<PresentPort> PresentPorts() {
  QList<PresentPort> ports;
  for (const auto& info : QSerialPortInfo::availablePorts()) {
    PresentPort port{info.portName(), info.systemLocation(), info.description()};
    if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
      port.usb = UsbId{info.vendorIdentifier(), info.productIdentifier()};
    }
    port.serial = info.serialNumber();
    ports.append(port);
  }
  return ports;
}
#endif

QString DevicePathForPort(int n) {
#ifdef Q_OS_WIN
  return n >= 1 ? PortText(n) : QString();
#else
  return DevicePathForPort(n, PresentPorts(), ProcessEnvironment());
#endif
}

QList<MappedPort> PortMapping() {
#ifdef Q_OS_WIN
  // Windows names the ports itself: the port box's ports that are present.
  QList<MappedPort> mapping;
  const QList<PresentPort> present = PresentPorts();
  for (int n = 1; n <= kComPortCount; ++n) {
    for (const auto& port : present) {
      if (port.name != PortText(n)) continue;
      const auto chip = port.usb ? UsbChipName(*port.usb) : std::nullopt;
      mapping << MappedPort{n,        port.name,        false,      chip ? Utf8(*chip) : QString(),
                            port.usb, port.description, port.serial};
    }
  }
  return mapping;
#else
  return PortMapping(PresentPorts(), ProcessEnvironment());
#endif
}

QList<MappedPort> PortsPresentNow() {
  QList<MappedPort> mapping = PortMapping();
  mapping.removeIf(
      [](const MappedPort& port) { return port.pinned && !QFileInfo::exists(port.path); });
  return mapping;
}

}  // namespace vorlan
