#include "link/serial_port/port_names.h"

#include <gtest/gtest.h>

#include <map>

namespace vorlan {
namespace {

QList<PresentPort> Ports(const QStringList& names) {
  QList<PresentPort> ports;
  for (const QString& name : names) ports.append({name, "/dev/" + name, {}});
  return ports;
}

EnvironmentLookup Env(std::map<QString, QString> vars) {
  return [vars](const QString& name) {
    auto it = vars.find(name);
    return it == vars.end() ? QString() : it->second;
  };
}

TEST(PortNames, UsbThenAcmThenOthersEachByNumber) {
  const struct {
    QStringList present;
    QStringList order;
  } rows[] = {
      {{"ttyS1", "ttyACM1", "ttyUSB10", "ttyUSB2", "ttyS0", "ttyACM0", "ttyS10", "ttyS2"},
       {"ttyUSB2", "ttyUSB10", "ttyACM0", "ttyACM1", "ttyS0", "ttyS1", "ttyS2", "ttyS10"}},
      {{"ttyS0", "ttyAMA0", "rfcomm0"}, {"rfcomm0", "ttyAMA0", "ttyS0"}},
      // macOS lists each port twice; only the cu.* call-out device counts.
      {{"tty.usbserial-1420", "cu.usbserial-1420", "cu.usbserial-110", "tty.usbserial-110"},
       {"cu.usbserial-110", "cu.usbserial-1420"}},
  };
  for (const auto& row : rows) {
    QStringList order;
    for (const auto& port : OrderedPorts(Ports(row.present))) order << port.name;
    EXPECT_EQ(order, row.order) << row.present.join(' ').toStdString();
  }
}

TEST(PortNames, PinnedPathsWinAndCountingSkipsNothing) {
  const auto present = Ports({"ttyS0", "ttyACM0", "ttyUSB0"});
  const auto env =
      Env({{"VORLAN_COM3", "/dev/serial/by-id/usb-device"}, {"VORLAN_COM30", "/dev/pts/7"}});
  const std::pair<int, QString> rows[] = {
      {1, "/dev/ttyUSB0"},
      {2, "/dev/ttyACM0"},
      {3, "/dev/serial/by-id/usb-device"},
      {4, ""},
      {7, ""},
      {30, "/dev/pts/7"},
      {0, ""},
  };
  for (const auto& [n, path] : rows) EXPECT_EQ(DevicePathForPort(n, present, env), path) << n;
}

TEST(PortNames, MappingLinesNameEachPortWithItsDescription) {
  QList<PresentPort> present = {{"ttyS0", "/dev/ttyS0", ""},
                                {"ttyUSB0", "/dev/ttyUSB0", "USB serial"}};
  const QStringList lines = PortMappingLines(
      present, Env({{"VORLAN_COM5", "/dev/pts/3"}, {"VORLAN_COM2", "/dev/ttyUSB0"}}));
  EXPECT_EQ(lines, QStringList({"COM1: /dev/ttyUSB0, USB serial",
                                "COM2: /dev/ttyUSB0 (VORLAN_COM2), USB serial",
                                "COM5: /dev/pts/3 (VORLAN_COM5)"}));
}

}  // namespace
}  // namespace vorlan
