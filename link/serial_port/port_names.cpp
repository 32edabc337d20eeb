#include "link/serial_port/port_names.h"

#include <QFileInfo>
#include <QRegularExpression>
#ifndef Q_OS_WIN
#include <QSerialPortInfo>
#endif
#include <algorithm>
#include <tuple>

#include "params/presets.h"

namespace vorlan {
namespace {

QString PinVariable(int n) {
  return QStringLiteral("VORLAN_COM%1").arg(n);
}

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

QString DescriptionOf(const QString& path, const QList<PresentPort>& present) {
  const QString target = QFileInfo(path).canonicalFilePath();
  for (const auto& port : present) {
    if (port.path == path || (!target.isEmpty() && port.path == target)) return port.description;
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

QStringList PortMappingLines(const QList<PresentPort>& present, const EnvironmentLookup& env) {
  QStringList lines;
  for (int n = 1; n <= PortList().size(); ++n) {
    const QString path = DevicePathForPort(n, present, env);
    if (path.isEmpty()) continue;
    QString line = PortText(n) + QStringLiteral(": ") + path;
    if (!env(PinVariable(n)).isEmpty()) line += QStringLiteral(" (%1)").arg(PinVariable(n));
    const QString description = DescriptionOf(path, present);
    if (!description.isEmpty()) line += QStringLiteral(", ") + description;
    lines << line;
  }
  return lines;
}

#ifndef Q_OS_WIN  // on Windows the system's port list (win_ports.cpp)
QList<PresentPort> PresentPorts() {
  QList<PresentPort> ports;
  for (const auto& info : QSerialPortInfo::availablePorts()) {
    ports.append({info.portName(), info.systemLocation(), info.description()});
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

QStringList PortMappingLines() {
#ifdef Q_OS_WIN
  // Windows names the ports itself: list the port box's ports that are present.
  const QList<PresentPort> present = PresentPorts();
  QStringList lines;
  for (int n = 1; n <= PortList().size(); ++n) {
    for (const auto& port : present) {
      if (port.name != PortList()[n - 1]) continue;
      lines << (port.description.isEmpty() ? port.name
                                           : port.name + QStringLiteral(": ") + port.description);
    }
  }
  return lines;
#else
  return PortMappingLines(PresentPorts(), ProcessEnvironment());
#endif
}

}  // namespace vorlan
