// Port names, the port box and the failure messages, without a port.
#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>

#include "link/serial_port/win_link_failures.h"
#else
#include "link/serial_port/link_failures.h"
#endif
#include "link/serial_port/port_control.h"
#include "link/serial_port/port_names.h"
#include "recording_link.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"
#include "ui/messages.h"

namespace vorlan {
namespace {

TEST(PortNames, UsbThenAcmThenOthersEachByNumber) {
  const std::pair<QStringList, QStringList> rows[] = {
      {{"ttyS1", "ttyACM1", "ttyUSB10", "ttyUSB2", "ttyS0", "ttyACM0", "ttyS10", "ttyS2"},
       {"ttyUSB2", "ttyUSB10", "ttyACM0", "ttyACM1", "ttyS0", "ttyS1", "ttyS2", "ttyS10"}},
      {{"ttyS0", "ttyAMA0", "rfcomm0"}, {"rfcomm0", "ttyAMA0", "ttyS0"}},
      // macOS lists each port twice; only the cu.* call-out device counts.
      {{"tty.usbserial-1420", "cu.usbserial-1420", "cu.usbserial-110", "tty.usbserial-110"},
       {"cu.usbserial-110", "cu.usbserial-1420"}},
  };
  for (const auto& [present, order] : rows) {
    QList<PresentPort> ports;
    for (const QString& name : present) ports.append({name, "/dev/" + name, {}});
    QStringList names;
    for (const auto& port : OrderedPorts(ports)) names << port.name;
    EXPECT_EQ(names, order) << present.join(' ').toStdString();
  }
}

TEST(PortNames, PinsWinAndCountingSkipsNothing) {
  const QList<PresentPort> present = {{"ttyS0", "/dev/ttyS0", {}},
                                      {"ttyACM0", "/dev/ttyACM0", {}},
                                      {"ttyUSB0", "/dev/ttyUSB0", "USB serial"}};
  const EnvironmentLookup env = [](const QString& name) {
    return name == "VORLAN_COM3"    ? QString("/dev/ttyUSB0")
           : name == "VORLAN_COM30" ? QString("/dev/pts/7")
                                    : QString();
  };
  EXPECT_EQ(PortMappingLines(present, env),
            QStringList({"COM1: /dev/ttyUSB0, USB serial", "COM2: /dev/ttyACM0",
                         "COM3: /dev/ttyUSB0 (VORLAN_COM3), USB serial",
                         "COM30: /dev/pts/7 (VORLAN_COM30)"}));
  EXPECT_EQ(DevicePathForPort(0, present, env), "");
}

TEST(PortBox, OnlyAnEntryOpensAPortAndAFailedStepEndsThePick) {
  const struct {
    int openPort;  // 0: none open
    const char* picked;
    const char* failAt;  // the link operation that fails, if any
    QStringList operations;
  } rows[] = {
      {7, "COM7", "", {}},  // the open port stays open
      {0, "com7", "", {}},
      {0, "COM31", "", {}},
      {0, "COM07", "", {}},
      {3, "COM9", "PortOpen", {}},  // closing the old port fails: the new number is not even set
      {3, "COM9", "CommPort", {"PortOpen=0"}},
      {0, "COM9", "PortOpen", {"CommPort=9"}},
  };
  for (const auto& row : rows) {
    test::RecordingLink link;
    link.open = row.openPort > 0;
    link.setCommPort(row.openPort);
    link.log.clear();
    link.failAt = row.failAt;
    const LinkFailure failure{LinkFailure::Kind::Busy, "COM9", "/dev/ttyUSB0"};
    if (*row.failAt) link.failWith = failure;
    const auto failed = SelectPort(link, row.picked);
    EXPECT_EQ(link.log, row.operations) << row.picked << " " << row.failAt;
    EXPECT_EQ(failed, *row.failAt ? std::optional(failure) : std::nullopt);
  }
}

#ifdef Q_OS_WIN
TEST(PortFailures, OpenErrorsMapToTheirKind) {
  using K = LinkFailure::Kind;
  EXPECT_EQ(OpenFailureKind(ERROR_FILE_NOT_FOUND), K::Missing);
  EXPECT_EQ(OpenFailureKind(ERROR_PATH_NOT_FOUND), K::Missing);
  EXPECT_EQ(OpenFailureKind(ERROR_ACCESS_DENIED), K::Busy);  // another program has the port
  EXPECT_EQ(OpenFailureKind(ERROR_SHARING_VIOLATION), K::Busy);
  EXPECT_EQ(OpenFailureKind(ERROR_INVALID_PARAMETER), K::OpenFailed);
  EXPECT_TRUE(DeviceGone(ERROR_DEVICE_NOT_CONNECTED));
  EXPECT_FALSE(DeviceGone(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(SystemErrorText(ERROR_FILE_NOT_FOUND).isEmpty());
}
#else
TEST(PortFailures, OpenErrorsMapToTheirKind) {
  using K = LinkFailure::Kind;
  EXPECT_EQ(OpenFailureKind(QSerialPort::DeviceNotFoundError, true), K::Missing);
  EXPECT_EQ(OpenFailureKind(QSerialPort::PermissionError, false), K::NoPermission);
  EXPECT_EQ(OpenFailureKind(QSerialPort::PermissionError, true), K::Busy);
  EXPECT_EQ(OpenFailureKind(QSerialPort::UnsupportedOperationError, true), K::OpenFailed);
}
#endif

// Every failure names the port, the device and the remedy, in each build's words.
TEST(PortFailures, MessagesInBothBuilds) {
  using K = LinkFailure::Kind;
  const struct {
    const LanguageData& lang;
    LinkFailure failure;
    const char* message;
  } rows[] = {
      {EnglishLanguage(),
       {K::NoPermission, "COM4", "/dev/ttyUSB0"},
       "Cannot open COM4 (/dev/ttyUSB0): permission denied. On Linux the user must be in the "
       "\"dialout\" group: run \"sudo usermod -aG dialout $USER\", then log out and in again."},
      {EnglishLanguage(),
       {K::Busy, "COM4", "/dev/ttyACM1"},
       "Cannot open COM4 (/dev/ttyACM1): another program is using the port. Close it and pick "
       "the port again. ModemManager often takes new ttyACM ports: stop it (sudo systemctl stop "
       "ModemManager) or wait a moment."},
      {EnglishLanguage(),
       {K::Busy, "COM4", "/dev/ttyUSB0"},
       "Cannot open COM4 (/dev/ttyUSB0): another program is using the port. Close it and pick "
       "the port again."},
      // On Windows the port is its own device: named once.
      {EnglishLanguage(),
       {K::Busy, "COM5", "COM5"},
       "Cannot open COM5: another program is using the port. Close it and pick the port again."},
      {ChineseLanguage(),
       {K::HungUp, "COM5", "COM5"},
       "COM5 已关闭: 设备被拔出或已挂断。请重新连接设备并重新选择串口。"},
      {EnglishLanguage(),
       {K::OpenFailed, "COM4", "/dev/ttyS0", "Unsupported operation"},
       "Cannot open COM4 (/dev/ttyS0): Unsupported operation"},
      {EnglishLanguage(),
       {K::Missing, "COM3", "/dev/ttyUSB5"},
       "Cannot open COM3 (/dev/ttyUSB5): the device is not there. Check that it is plugged in."},
      {EnglishLanguage(),
       {K::Unmapped, "COM9", ""},
       "COM9 has no device: no serial port is present for it. Plug the device in, or set the "
       "environment variable VORLAN_COM9 to the device's path."},
      {EnglishLanguage(),
       {K::NotOpen, "COM2", ""},
       "No COM port is open: pick the device's port in the port box first."},
      {EnglishLanguage(),
       {K::HungUp, "COM1", "/dev/pts/3"},
       "COM1 (/dev/pts/3) was closed: the device was unplugged or hung up. Plug it in and pick "
       "the port again."},
      {EnglishLanguage(),
       {K::ClearFailed, "COM1", "/dev/pts/3", "Input/output error"},
       "Nothing was sent to COM1 (/dev/pts/3): emptying the port's buffer failed: Input/output "
       "error"},
      {EnglishLanguage(),
       {K::OutputFull, "COM1", "/dev/pts/3", {}, 600},
       "Nothing was sent to COM1 (/dev/pts/3): 600 bytes do not fit in the 512-byte output "
       "buffer."},
      {ChineseLanguage(),
       {K::NoPermission, "COM4", "/dev/ttyUSB0"},
       "无法打开 COM4 (/dev/ttyUSB0): 没有权限。在 Linux 上用户必须属于 \"dialout\" 组: 运行 "
       "\"sudo usermod -aG dialout $USER\", 然后重新登录。"},
      {ChineseLanguage(),
       {K::Busy, "COM4", "/dev/ttyACM0"},
       "无法打开 COM4 (/dev/ttyACM0): 串口正被其他程序使用。请关闭该程序后重新选择串口。 "
       "ModemManager 常会占用新接入的 ttyACM 串口: 请停止它 (sudo systemctl stop ModemManager) "
       "或稍等片刻。"},
      {ChineseLanguage(),
       {K::WriteFailed, "COM1", "/dev/pts/3", "Input/output error"},
       "未能发送到 COM1 (/dev/pts/3): Input/output error"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FailureText(row.failure, row.lang), QString::fromUtf8(row.message));
  }
}

}  // namespace
}  // namespace vorlan
