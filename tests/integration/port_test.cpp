// Port names, the adapters' chips, what the finder asks and sees appear, the port box and the
// failure messages, without a port.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#include <windows.h>

#include "link/transport/win_link_failures.h"
#else
#include "link/transport/link_failures.h"
#endif
#include "fake_view.h"
#include "link/discovery/port_names.h"
#include "link/finder/port_arrival.h"
#include "link/finder/port_probe.h"
#include "recording_link.h"
#include "ui/finder_report.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"
#include "ui/messages.h"
#include "ui/window_presenter.h"

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

// Each COM number names its device and, from the USB ids, the adapter's chip.
TEST(PortNames, PinsWinCountingSkipsNothingAndEachAdapterIsNamed) {
  const QList<PresentPort> present = {
      {"ttyS0", "/dev/ttyS0", {}},
      {"ttyACM0", "/dev/ttyACM0", "Pico", UsbId{0x2e8a, 0x000a}},
      {"ttyUSB0", "/dev/ttyUSB0", "USB Serial", UsbId{0x1a86, 0x7523}},
      {"ttyUSB1", "/dev/ttyUSB1", "FT232R USB UART", UsbId{0x0403, 0x6001}},
      {"ttyUSB2", "/dev/ttyUSB2", "Gadget", UsbId{0x1234, 0xabcd}},
      {"ttyUSB3", "/dev/ttyUSB3", {}, UsbId{0x067b, 0x23a3}},
  };
  const EnvironmentLookup env = [](const QString& name) {
    return name == "VORLAN_COM3"    ? QString("/dev/ttyUSB0")
           : name == "VORLAN_COM30" ? QString("/dev/pts/7")
                                    : QString();
  };
  QStringList lines;
  for (const MappedPort& port : PortMapping(present, env)) lines << PortLine(port, "USB-serial");
  EXPECT_EQ(lines, QStringList({
                       "COM1 -> /dev/ttyUSB0, CH340 USB-serial (1a86:7523)",
                       "COM2 -> /dev/ttyUSB1, FTDI FT232R USB-serial (0403:6001)",
                       "COM3 -> /dev/ttyUSB0 (VORLAN_COM3), CH340 USB-serial (1a86:7523)",
                       "COM4 -> /dev/ttyUSB3, PL2303GC USB-serial (067b:23a3)",
                       "COM5 -> /dev/ttyACM0, CDC-ACM USB-serial (2e8a:000a)",
                       "COM6 -> /dev/ttyS0",
                       "COM30 -> /dev/pts/7 (VORLAN_COM30)",
                   }));
  // An adapter the table does not know keeps the system's words; the window says it in Chinese.
  const MappedPort unknown{7, "/dev/ttyUSB2", false, {}, UsbId{0x1234, 0xabcd}, "Gadget"};
  EXPECT_EQ(PortLine(unknown, "USB-serial"), "COM7 -> /dev/ttyUSB2, Gadget (1234:abcd)");
  const MappedPort ch340{1, "/dev/ttyUSB0", false, "CH340", UsbId{0x1a86, 0x7523}};
  EXPECT_EQ(ui::PortLineText(ch340, ChineseLanguage()),
            QString::fromUtf8("COM1 -> /dev/ttyUSB0, CH340 USB 串口 (1a86:7523)"));
  EXPECT_EQ(DevicePathForPort(0, present, env), "");
}

// The packaged udev rule gives access to, and keeps ModemManager off, exactly the chips the tool
// names.
TEST(PortNames, TheUdevRuleCoversTheChipTable) {
  QFile rules(QStringLiteral(VORLAN_SOURCE_DIR "/packaging/udev/60-vorlan-setup.rules"));
  ASSERT_TRUE(rules.open(QIODevice::ReadOnly));
  const QRegularExpression rule(
      R"re(^SUBSYSTEMS=="usb", ATTRS\{idVendor\}=="([0-9a-f]{4})", )re"
      R"re(ATTRS\{idProduct\}=="([0-9a-f]{4})", TAG\+="uaccess", ENV\{ID_MM_DEVICE_IGNORE\}="1"$)re");
  QStringList inRule;
  for (const QString& line : QString::fromUtf8(rules.readAll()).split('\n')) {
    const auto match = rule.match(line);
    if (match.hasMatch()) inRule << match.captured(1) + ':' + match.captured(2);
  }
  QStringList inTable;
  for (const UsbChip& chip : UsbSerialChips()) inTable << UsbIdText(chip.id);
  EXPECT_EQ(inRule, inTable);
}

// Windows names an adapter's USB ids in the port's hardware id, in the USB driver's form or FTDI's.
TEST(UsbChips, IdsFromWindowsHardwareIds) {
  const std::pair<QString, std::optional<UsbId>> rows[] = {
      {R"(USB\VID_1A86&PID_7523&REV_0254)", UsbId{0x1a86, 0x7523}},
      {R"(USB\VID_10c4&PID_ea60)", UsbId{0x10c4, 0xea60}},
      {R"(FTDIBUS\VID_0403+PID_6001+A50285BIA\0000)", UsbId{0x0403, 0x6001}},
      {R"(ACPI\PNP0501)", std::nullopt},
      {R"(USB\VID_1A8&PID_7523)", std::nullopt},
      {"VID_1A86&PID_7523", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [hardwareId, ids] : rows) {
    EXPECT_EQ(UsbIdOfHardwareId(hardwareId), ids) << hardwareId.toStdString();
  }
}

// Only ports on a USB-serial adapter and ports the user pinned are asked, each device once.
TEST(PortFinder, AsksUsbAndPinnedPortsEachDeviceOnce) {
  const QList<MappedPort> mapping = {
      {1, "/dev/ttyUSB0", false, "CH340", UsbId{0x1a86, 0x7523}},
      {2, "/dev/ttyACM0", false, "CDC-ACM"},
      {3, "/dev/ttyS0"},
      {4, "/dev/rfcomm0", false, {}, {}, "Bluetooth"},
      {5, "/dev/ttyUSB0", true, "CH340", UsbId{0x1a86, 0x7523}},  // the user's name for COM1's
      {6, "/dev/ttyS1", true},                                    // named by the user
  };
  QList<int> asked;
  for (const MappedPort& port : PortsToAsk(mapping)) asked << port.number;
  EXPECT_EQ(asked, QList<int>({2, 5, 6}));
}

TEST(PortFinder, OnlyTheAboutAnswerCountsWhateverComesBeforeIt) {
  using O = ProbeResult::Outcome;
  const QByteArray about(100, 'A');
  const struct {
    QByteArray received;
    O outcome;
    QByteArray text;
  } rows[] = {
      {"", O::Silent, ""},
      {"$6" + about + "xyz", O::Answered, about},
      {"!4903.50N/07201.75W-\r\n$6" + about, O::Answered, about},  // a position report first
      {"$6VORLAN", O::Short, "VORLAN"},                            // cut short: not counted
      {"$3#", O::Other, ""},                                       // a loop-back plug
      {"OK\r\n", O::Other, ""},
  };
  for (const auto& row : rows) {
    QByteArray text;
    EXPECT_EQ(ClassifyAnswer(row.received, &text), row.outcome) << row.received.toStdString();
    EXPECT_EQ(text, row.text);
  }
}

// Plugging in: the device that was not there before, once, under the user's name for it.
TEST(PortFinder, TheDeviceThatAppearedOnceUnderItsPin) {
  const MappedPort usb0{1, "/dev/ttyUSB0"}, usb1{2, "/dev/ttyUSB1"},
      pinned{5, "/dev/ttyUSB1", true};
  const MappedPort shifted{2, "/dev/ttyUSB0"};  // a new ttyUSB moved it to COM2
  const struct {
    QList<MappedPort> before, now, appeared;
  } rows[] = {
      {{usb0}, {usb0}, {}},
      {{usb0}, {usb0, usb1}, {usb1}},
      {{usb0}, {usb1, shifted}, {usb1}},
      {{usb0}, {usb0, usb1, pinned}, {pinned}},
      {{usb0, usb1}, {usb0}, {}},
  };
  for (const auto& row : rows) EXPECT_EQ(Appeared(row.before, row.now), row.appeared);
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
    test::FakeView view(EnglishLanguage());
    ui::WindowPresenter presenter(view, link, EnglishLanguage());
    presenter.selectPort(row.picked);
    EXPECT_EQ(link.log, row.operations) << row.picked << " " << row.failAt;
    EXPECT_EQ(view.messages,
              *row.failAt ? QStringList{FailureText(failure, EnglishLanguage())} : QStringList{});
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
       "\"dialout\" group (\"uucp\" on Arch Linux): run \"sudo usermod -aG dialout $USER\", then "
       "log out and in again."},
      {EnglishLanguage(),
       {K::NoPermission, "COM4", "/dev/ttyUSB0", {}, 0, {}, {}, "uucp"},
       "Cannot open COM4 (/dev/ttyUSB0): permission denied. The port belongs to the group "
       "\"uucp\": run \"sudo usermod -aG uucp $USER\", then log out and in again (a new terminal "
       "is not enough)."},
      {EnglishLanguage(),
       {K::NoPermission, "COM4", "/dev/ttyUSB0", {}, 0, {}, {}, "dialout", true},
       "Cannot open COM4 (/dev/ttyUSB0): permission denied. You have joined the group "
       "\"dialout\", but this login began before that: log out and in again."},
      {EnglishLanguage(),
       {K::Busy, "COM1", "/dev/ttyUSB0", {}, 0, {{"minicom", 4711}, {"ModemManager", 812}}},
       "Cannot open COM1 (/dev/ttyUSB0): it is open in minicom (process 4711), ModemManager "
       "(process 812). Close it there and try again. ModemManager takes new serial ports "
       "for a few seconds to look for a modem: wait a moment, or stop it (sudo systemctl stop "
       "ModemManager)."},
      {EnglishLanguage(),
       {K::Busy, "COM1", "/dev/ttyUSB0", {}, 0, {}, {{"brltty", 530}}},
       "Cannot open COM1 (/dev/ttyUSB0): another program is using the port. Close it and try "
       "again. brltty, the Braille display service, takes USB-serial adapters with a CH340 "
       "or CH341 chip: if you use no Braille display, remove it (sudo apt remove brltty) and plug "
       "the adapter in again."},
      {EnglishLanguage(),
       {K::Busy, "COM1", "/dev/ttyUSB0", {}, 0, {{"minicom", 4711}}, {{"brltty", 530}}},
       "Cannot open COM1 (/dev/ttyUSB0): it is open in minicom (process 4711). Close it there and "
       "try again."},
      {EnglishLanguage(),
       {K::Busy, "COM4", "/dev/ttyACM1"},
       "Cannot open COM4 (/dev/ttyACM1): another program is using the port. Close it and try "
       "again. ModemManager takes new serial ports for a few seconds to look for a "
       "modem: wait a moment, or stop it (sudo systemctl stop ModemManager)."},
      {EnglishLanguage(),
       {K::Busy, "COM4", "/dev/ttyUSB0"},
       "Cannot open COM4 (/dev/ttyUSB0): another program is using the port. Close it and try "
       "again."},
      // On Windows the port is its own device: named once.
      {EnglishLanguage(),
       {K::Busy, "COM5", "COM5"},
       "Cannot open COM5: another program is using the port. Close it and try again."},
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
       {K::Unmapped, "COM1", "", {}, 0, {}, {{"brltty", 530}}},
       "COM1 has no device: no serial port is present for it. Plug the device in, or set the "
       "environment variable VORLAN_COM1 to the device's path. brltty, the Braille display "
       "service, takes USB-serial adapters with a CH340 or CH341 chip: if you use no Braille "
       "display, remove it (sudo apt remove brltty) and plug the adapter in again."},
      {EnglishLanguage(),
       {K::NotOpen, "COM2", ""},
       "No COM port is open: the port box shows \"COM2\", but a port opens only when you pick it "
       "from the box's list. Pick the tracker's port (\"COM2\" again if that is it), or let Port "
       "> Find the tracker find it."},
      {EnglishLanguage(),
       {K::HungUp, "COM1", "/dev/pts/3"},
       "COM1 (/dev/pts/3) was closed: the device was unplugged or hung up. Plug it in and try "
       "again."},
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
       "无法打开 COM4 (/dev/ttyUSB0): 没有权限。在 Linux 上用户必须属于 \"dialout\" 组 (Arch Linux "
       "上是 \"uucp\"): 运行 \"sudo usermod -aG dialout $USER\", 然后重新登录。"},
      {ChineseLanguage(),
       {K::Busy, "COM4", "/dev/ttyACM0"},
       "无法打开 COM4 (/dev/ttyACM0): 串口正被其他程序使用。请关闭该程序后重新选择串口。 "
       "ModemManager 会占用新接入的串口几秒钟以寻找调制解调器: 请稍等片刻, 或停止它 (sudo "
       "systemctl stop ModemManager)。"},
      {ChineseLanguage(),
       {K::Busy, "COM1", "/dev/ttyUSB0", {}, 0, {{"minicom", 4711}}},
       "无法打开 COM1 (/dev/ttyUSB0): minicom (进程 4711) "
       "正在使用该串口。请关闭它后重新选择串口。"},
      {ChineseLanguage(),
       {K::NoPermission, "COM4", "/dev/ttyUSB0", {}, 0, {}, {}, "uucp"},
       "无法打开 COM4 (/dev/ttyUSB0): 没有权限。该串口属于 \"uucp\" 组: 运行 \"sudo usermod -aG "
       "uucp $USER\", 然后注销并重新登录 (只开新终端不够)。"},
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
