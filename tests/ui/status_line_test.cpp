// The status line as the user reads it: the open port and its device, the bytes awaited and
// received, the notice when the answer is late (which disarms nothing), and the outcome.

#include "event_loop.h"
#include "read_back.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

using StatusLineTest = WindowTest;

TEST_P(StatusLineTest, PortWaitingLateNoticeThenTheLateAnswerAndItsOutcome) {
  auto* line = control<QLabel>(english() ? "Label6" : "Label36");
  EXPECT_EQ(line->text(),
            english() ? "Pick a COM port, then press Read." : "先选择串口, 再按“读出配置”。");
  window->actions().status().setNoAnswerDelay(300);

  pick(2);
  EXPECT_EQ(line->text(), english() ? "COM3 is open (/dev/ttyMEM3): press Read."
                                    : "COM3 已打开 (/dev/ttyMEM3)。");

  click("Command7");
  EXPECT_EQ(line->text(), english() ? "COM3: waiting for the device's answer, 0 of 412 bytes"
                                    : "COM3: 等待设备应答, 已收到 0/412 字节");
  link.feed(ReadBack().bytes().left(120));
  ASSERT_TRUE(WaitUntil([&] { return line->text().contains("120"); }, 1000));
  EXPECT_EQ(line->text(), english() ? "COM3: waiting for the device's answer, 120 of 412 bytes"
                                    : "COM3: 等待设备应答, 已收到 120/412 字节");

  ASSERT_TRUE(WaitUntil([&] { return line->text().contains(english() ? "No answer" : "无应答"); }));
  EXPECT_EQ(line->text(), english() ? "No answer on COM3 yet: wrong port, device off, or cable?"
                                    : "COM3 无应答: 串口选错、设备未开或连线?");
  EXPECT_EQ(
      line->toolTip(),
      english()
          ? "The device on COM3 (/dev/ttyMEM3) has not answered for 0.3 s. Likely "
            "causes: the wrong port (the port box's tooltip shows which device each "
            "COM number opens), the device is switched off, or the cable is loose. The "
            "answer is still awaited."
          : "COM3 (/dev/ttyMEM3) 上的设备已 0.3 秒没有应答。可能的原因: 串口选错 "
            "(串口框的提示列出每个 COM 号对应的设备), 设备未开机, 或连线松动。仍在等待应答。");
  EXPECT_EQ(link.threshold, 412);  // nothing is disarmed
  EXPECT_TRUE(messages.isEmpty());

  // The rest of the read-back comes late and is handled as ever.
  link.inBuffer.clear();
  link.feed(ReadBack().set("Callsign", Pad("LATE-1", 12)).bytes());
  link.deliver();
  const QString read = english() ? " Read correct!" : "读入参数成功!";
  EXPECT_EQ(text("Text1"), "LATE-1      ");
  EXPECT_EQ(messages, QStringList{"LATE-1      " + read});
  // The status line's whole text; the read-back's "?" bytes put the check's summary beside it.
  EXPECT_TRUE(line->text().startsWith("COM")) << line->text().toStdString();
  EXPECT_EQ(line->toolTip().section('\n', 0, 0), "LATE-1      " + read);
}

TEST_P(StatusLineTest, AMessageSentAndAFailedPick) {
  auto* line = control<QLabel>(english() ? "Label6" : "Label36");
  pick(0);
  click("Command2");
  EXPECT_EQ(line->text(), english() ? "COM1: message sent; the device does not answer it."
                                    : "COM1: 消息已发送, 设备不应答消息。");
  link.failAt = "PortOpen";
  link.failWith = LinkFailure{LinkFailure::Kind::Missing, "COM5", "/dev/ttyUSB4"};
  link.open = false;
  pick(4);
  EXPECT_EQ(messages.size(), 1);
  EXPECT_EQ(line->text(),
            english() ? "Pick a COM port, then press Read." : "先选择串口, 再按“读出配置”。");
}

INSTANTIATE_TEST_SUITE_P(Builds, StatusLineTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
