// Every serial failure gives one message naming the port and leaves the window as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSerialPort>

#include "link/requests.h"
#include "link/serial_port/port_names.h"
#include "link/write_frame.h"
#include "session.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan::test {
namespace {

void ExpectUntouched(const FakeView& view, const LanguageData& lang) {
  const FakeView start(lang);
  EXPECT_TRUE(view.changes.isEmpty()) << view.changes.join(' ').toStdString();
  EXPECT_EQ(view.texts, start.texts);
  EXPECT_EQ(view.flags, start.flags);
}

TEST(Failure, EveryRequestWithNoPortOpenIsRefused) {
  const std::pair<const LanguageData*, const char*> rows[] = {
      {&EnglishLanguage(), "No COM port is open: pick the device's port in the port box first."},
      {&ChineseLanguage(), "没有打开的串口: 请先在串口框中选择设备的串口。"},
  };
  for (const auto& [lang, message] : rows) {
    QtSerialLink link(*lang);
    FakeView view(*lang);
    ReadConfiguration(link, view);
    RequestAbout(link, view);
    WriteConfiguration(link, view, *lang);
    SendInstruction(link, view, *lang);
    SendMessage(link, view, *lang);
    EXPECT_EQ(view.messages, QStringList(5, QString::fromUtf8(message)));
    EXPECT_FALSE(link.portOpen());
    ExpectUntouched(view, *lang);
  }
}

TEST(Failure, OpeningAMissingBusyOrUnmappedPort) {
  Simulator sim;
  QSerialPort holder(sim.path());  // another program holding the port
  ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
  PinPort(5, "/dev/vorlan-no-such-port");
  PinPort(6, sim.path());
  qunsetenv("VORLAN_COM29");
  const bool com29Free = PresentPorts().size() < 29;

  const struct {
    const LanguageData& lang;
    const char* port;
    QString message;
  } rows[] = {
      {EnglishLanguage(), "COM5",
       "Cannot open COM5 (/dev/vorlan-no-such-port): the device is not there. Check that it is "
       "plugged in."},
      {EnglishLanguage(), "COM6",
       "Cannot open COM6 (" + sim.path() +
           "): another program is using the port. Close it and pick the port again."},
      {ChineseLanguage(), "COM6",
       "无法打开 COM6 (" + sim.path() +
           QString::fromUtf8("): 串口正被其他程序使用。请关闭该程序后重新选择串口。")},
      {EnglishLanguage(), "COM29",
       "COM29 has no device: no serial port is present for it. Plug the device in, or set the "
       "environment variable VORLAN_COM29 to the device's path."},
  };
  for (const auto& row : rows) {
    if (QString(row.port) == "COM29" && !com29Free) continue;  // a machine with 29 ports
    QtSerialLink link(row.lang);
    FakeView view(row.lang);
    SelectPort(link, view, row.port);
    EXPECT_EQ(view.messages, QStringList{row.message});
    EXPECT_FALSE(link.portOpen());
    ExpectUntouched(view, row.lang);
  }
}

TEST(Failure, AHangUpMidReplyClosesThePortWithOneMessage) {
  Session s(EnglishLanguage(), {"--fast", "--hangup-after", "100"});
  ASSERT_TRUE(s.open());
  ReadConfiguration(s.link, s.view);
  ASSERT_TRUE(s.waitForMessages(1));
  Pump(300);  // a hung-up pty keeps reporting read errors
  EXPECT_EQ(s.view.messages, QStringList{"COM1 (" + s.sim.path() +
                                         ") was closed: the device was unplugged or hung up. Plug "
                                         "it in and pick the port again."});
  EXPECT_FALSE(s.link.portOpen());
  EXPECT_EQ(s.events, 0);
  ExpectUntouched(s.view, EnglishLanguage());
  ReadConfiguration(s.link, s.view);
  EXPECT_EQ(s.view.messages.last(),
            "No COM port is open: pick the device's port in the port box first.");
}

TEST(Failure, APortWithoutPermissionNamesTheDialoutGroup) {
  if (geteuid() == 0) GTEST_SKIP() << "root opens any port; the message is checked in LinkFailures";
  Simulator sim;
  ASSERT_EQ(chmod(sim.path().toLocal8Bit().constData(), 0), 0);
  PinPort(8, sim.path());
  QtSerialLink link(EnglishLanguage());
  FakeView view(EnglishLanguage());
  SelectPort(link, view, "COM8");
  EXPECT_EQ(view.messages,
            QStringList{"Cannot open COM8 (" + sim.path() +
                        "): permission denied. On Linux the user must be in the \"dialout\" group: "
                        "run \"sudo usermod -aG dialout $USER\", then log out and in again."});
  EXPECT_FALSE(link.portOpen());
}

}  // namespace
}  // namespace vorlan::test
