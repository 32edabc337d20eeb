// The receive event, the buffers and the port numbers of the real link on a real pty.
#include <gtest/gtest.h>

#include <QSerialPort>
#include <algorithm>

#include "link/requests.h"
#include "session.h"
#include "ui/lang/en/en_language.h"

namespace vorlan::test {
namespace {

const QString kReadCorrect =
    "SIM1-7      "
    " Read correct!";

TEST(Link, AReplyInOneBytePiecesRaisesOneEvent) {
  Session s(EnglishLanguage(), {"--fast", "--chunk", "1", "--gap", "1"});
  ASSERT_TRUE(s.open()) << s.view.messages.join('\n').toStdString();
  ReadConfiguration(s.link, s.view);
  ASSERT_TRUE(s.sim.waitFor("tx", 1));
  Pump(100);
  EXPECT_EQ(s.events, 1);
  EXPECT_EQ(s.view.messages, QStringList{kReadCorrect});
}

TEST(Link, TheEventNeedsAThresholdComesFromTheLoopAndIsNeverReentered) {
  Session s(EnglishLanguage());
  ASSERT_TRUE(s.open());
  int events = 0, depth = 0, maxDepth = 0;
  s.link.onComm = [&] {
    ++events;
    maxDepth = std::max(maxDepth, ++depth);
    if (events == 1) {
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
  ASSERT_TRUE(SendRequest(s.link, "$2#", 412));
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
  EXPECT_EQ(s.link.lastError(), "Nothing was sent to COM1 (" + s.sim.path() +
                                    "): 513 bytes do not fit in the 512-byte output buffer.");
  EXPECT_TRUE(s.link.output(QByteArray(512, 'z')));
  ASSERT_TRUE(s.sim.waitFor("noise", 1));
  EXPECT_EQ(s.sim.received("noise"), QList<QByteArray>{QByteArray(512, 'z')});
}

TEST(Link, Com30AndCom7OpenTheirOwnDevices) {
  Session s(EnglishLanguage());
  Simulator slow({"--fast", "--delay", "300"});
  PinPort(30, s.sim.path());
  PinPort(7, slow.path());

  SelectPort(s.link, s.view, "COM30");
  EXPECT_EQ(s.link.commPort(), 30);
  EXPECT_EQ(s.link.devicePath(), s.sim.path());
  ReadConfiguration(s.link, s.view);
  ASSERT_TRUE(s.waitForMessages(1));

  SelectPort(s.link, s.view, "COM7");  // closes COM30 first
  EXPECT_EQ(s.link.commPort(), 7);
  EXPECT_EQ(s.link.devicePath(), slow.path());
  QSerialPort formerPort(s.sim.path());
  EXPECT_TRUE(formerPort.open(QIODevice::ReadWrite)) << "COM30 was left open";
  formerPort.close();

  ReadConfiguration(s.link, s.view);
  SelectPort(s.link, s.view, "COM7");  // the open port stays open: the pending Read completes
  ASSERT_TRUE(s.waitForMessages(2));
  EXPECT_EQ(s.view.messages, QStringList({kReadCorrect, kReadCorrect}));
  ASSERT_TRUE(slow.waitFor("read", 1));
  EXPECT_EQ(s.sim.received("read").size(), 1);
  EXPECT_EQ(slow.received("read").size(), 1);
}

}  // namespace
}  // namespace vorlan::test
