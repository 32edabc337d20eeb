// The real link on a real pty: the receive event, the buffers, the port numbers, and the failures,
// each with one message naming the port, leaving the window as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPort>

#include "link/discovery/port_names.h"
#include "link/requests.h"
#include "session.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan::test {
namespace {

TEST(Link, TheEventNeedsAThresholdComesFromTheLoopAndIsNeverReentered) {
  Session s(EnglishLanguage());
  ASSERT_TRUE(s.open());
  int events = 0, depth = 0, maxDepth = 0;
  s.link.onComm = [&] {
    maxDepth = std::max(maxDepth, ++depth);
    if (++events == 1) {
      s.link.setRThreshold(1);  // already reached: served once this handler returns
      Pump(200);                // like a modal message box
    }
    --depth;
  };
  ASSERT_TRUE(s.link.output("$3#"));  // no threshold armed: the 102-byte answer raises nothing
  ASSERT_TRUE(WaitUntil([&] { return s.link.inBufferCount() == 102; }));
  Pump(50);
  EXPECT_EQ(events, 0);

  ASSERT_TRUE(s.link.setRThreshold(100));  // counts the bytes already waiting
  EXPECT_EQ(events, 0);                    // but not from inside the call
  ASSERT_TRUE(WaitUntil([&] { return events == 2; }));
  Pump(50);
  EXPECT_EQ(events, 2);
  EXPECT_EQ(maxDepth, 1);
}

TEST(Link, BytesBeyondTheInputBufferAreDroppedAndTheEventComesOnce) {
  Session s(EnglishLanguage(), {"--fast", "--noise", "1500"});
  ASSERT_TRUE(s.open());
  int events = 0;
  s.link.onComm = [&] { ++events; };  // reads nothing
  ASSERT_EQ(SendRequest(s.link, ReadRequest()), std::nullopt);
  ASSERT_TRUE(s.sim.waitFor("tx", 1));
  ASSERT_TRUE(WaitUntil([&] { return s.link.inBufferCount() == 1024; }));
  Pump(100);
  EXPECT_EQ(s.link.inBufferCount(), 1024);
  EXPECT_EQ(events, 1);
  s.link.setInputLen(1024);
  EXPECT_EQ(s.link.input(), s.sim.sent()[0].left(1024));  // the oldest bytes are kept
}

TEST(Link, TextsThatDoNotFitTheOutputBufferAreNotSent) {
  Session s(EnglishLanguage());
  ASSERT_TRUE(s.open());
  EXPECT_FALSE(s.link.output(QByteArray(513, 'y')));
  EXPECT_EQ(s.link.lastFailure(),
            (LinkFailure{LinkFailure::Kind::OutputFull, "COM1", s.sim.path(), {}, 513}));
  EXPECT_TRUE(s.link.output(QByteArray(512, 'z')));
  ASSERT_TRUE(s.sim.waitFor("noise", 1));
  EXPECT_EQ(s.sim.received("noise"), QList<QByteArray>{QByteArray(512, 'z')});
}

TEST(Link, Com30AndCom7OpenTheirOwnDevicesOneAtATime) {
  Session s(EnglishLanguage());
  Simulator slow({"--fast", "--delay", "300"});
  PinPort(30, s.sim.path());
  PinPort(7, slow.path());
  const QString readCorrect = "SIM1-7       Read correct!";

  s.actions.selectPort("COM30");
  EXPECT_EQ(s.link.devicePath(), s.sim.path());
  s.actions.read();
  ASSERT_TRUE(s.waitForMessages(1));

  s.actions.selectPort("COM7");  // closes COM30 first
  EXPECT_EQ(s.link.devicePath(), slow.path());
  QSerialPort formerPort(s.sim.path());
  EXPECT_TRUE(formerPort.open(QIODevice::ReadWrite)) << "COM30 was left open";
  formerPort.close();

  s.actions.read();
  s.actions.selectPort("COM7");  // the open port stays open: the pending Read completes
  ASSERT_TRUE(s.waitForMessages(2));
  EXPECT_EQ(s.view.messages, QStringList({readCorrect, readCorrect}));
  EXPECT_EQ(s.sim.received("read").size(), 1);  // the second Read went to COM7
}

TEST(Failure, OpeningAMissingBusyUnmappedOrForbiddenPort) {
  Simulator sim, locked;
  QSerialPort holder(sim.path());  // another program holding the port
  ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
  ASSERT_EQ(chmod(locked.path().toLocal8Bit().constData(), 0), 0);
  PinPort(5, "/dev/vorlan-no-such-port");
  PinPort(6, sim.path());
  PinPort(8, locked.path());
  qunsetenv("VORLAN_COM29");
  const struct {
    const char* port;
    bool runs;  // root opens any port; a machine may have 29 ports
    QString message;
  } rows[] = {
      {"COM5", true,
       "Cannot open COM5 (/dev/vorlan-no-such-port): the device is not there. Check that it is "
       "plugged in."},
      // The test holds it: the message names this program (the simulator, the line's other end,
      // holds it too but is no user of the port).
      {"COM6", true,
       "Cannot open COM6 (" + sim.path() + "): it is open in " +
           QStringLiteral("%1 (process %2)")
               .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName())
               .arg(QCoreApplication::applicationPid()) +
           ". Close it there and try again."},
      {"COM8", geteuid() != 0,
       "Cannot open COM8 (" + locked.path() +
           "): permission denied. On Linux the user must be in the \"dialout\" group (\"uucp\" on "
           "Arch Linux): run \"sudo usermod -aG dialout $USER\", then log out and in again."},
      {"COM29", PresentPorts().size() < 29,
       "COM29 has no device: no serial port is present for it. Plug the device in, or set the "
       "environment variable VORLAN_COM29 to the device's path."},
  };
  for (const auto& row : rows) {
    if (!row.runs) continue;
    QtSerialLink link;
    link.setDeviceResolver(DiscoveredDevice);
    FakeView view(EnglishLanguage());
    ui::WindowPresenter actions(view, link, EnglishLanguage());
    actions.selectPort(row.port);
    EXPECT_EQ(view.messages, QStringList{row.message});
    EXPECT_FALSE(link.portOpen());
    EXPECT_EQ(view.shown, 0);  // the window is untouched
  }
}

TEST(Failure, AHangUpMidReplyClosesThePortWithOneMessageAndNoRequestGoesOut) {
  const struct {
    const LanguageData& lang;
    const char* hungUp;  // after "COM1 (<path>"
    const char* notOpen;
  } rows[] = {
      {EnglishLanguage(),
       ") was closed: the device was unplugged or hung up. Plug it in and try again.",
       "No COM port is open: the port box shows \"COM1\", but a port opens only when you pick it "
       "from the box's list. Pick the tracker's port (\"COM1\" again if that is it), or let Port > "
       "Find the tracker find it."},
      {ChineseLanguage(), ") 已关闭: 设备被拔出或已挂断。请重新连接设备并重新选择串口。",
       "没有打开的串口: 串口框显示“COM1”, 但只有从列表中选择它才会打开。请选择设备的串口 "
       "(若是“COM1”, 就再选一次), 或用“串口” > “查找设备”找到它。"},
  };
  for (const auto& row : rows) {
    Session s(row.lang, {"--fast", "--hangup-after", "100"});
    ASSERT_TRUE(s.open());
    s.actions.read();
    ASSERT_TRUE(s.waitForMessages(1));
    Pump(300);  // a hung-up pty keeps reporting read errors
    EXPECT_FALSE(s.link.portOpen());
    EXPECT_EQ(s.events, 0);
    s.actions.read();
    s.actions.about();
    s.actions.write();
    s.actions.sendInstruction();
    s.actions.sendMessage();
    ASSERT_TRUE(s.waitForMessages(6));
    EXPECT_EQ(s.view.messages, QStringList{"COM1 (" + s.sim.path() + Text(row.hungUp)} +
                                   QStringList(5, Text(row.notOpen)));
    EXPECT_EQ(s.view.shown, 0);
  }
}

}  // namespace
}  // namespace vorlan::test
