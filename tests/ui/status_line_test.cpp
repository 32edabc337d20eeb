// The status line as the user reads it: the port box's entry not open yet, the open port and its
// device, the bytes awaited and received, the notice when the answer is late (a warning that stands
// out, and disarms nothing), the outcome, and the factory values taken; its tooltip wraps.

#include <QTextDocumentFragment>
#include <QToolTip>

#include "event_loop.h"
#include "read_back.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

class StatusLineTest : public WindowTest {
 protected:
  QLabel* line() const { return control<QLabel>(english() ? "Label6" : "Label36"); }
  QString tip() const { return QTextDocumentFragment::fromHtml(line()->toolTip()).toPlainText(); }
  bool warning() const { return control<QLabel>("statusIcon")->isVisible(); }
  // The tooltip as Qt shows it: its width in pixels.
  int shownTipWidth() const {
    QToolTip::showText(line()->mapToGlobal(QPoint(2, 2)), line()->toolTip(), line());
    int width = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->inherits("QTipLabel") && widget->isVisible()) width = widget->width();
    }
    QToolTip::hideText();
    return width;
  }
};

TEST_P(StatusLineTest, PortWaitingLateNoticeThenTheLateAnswerAndItsOutcome) {
  EXPECT_EQ(line()->text(), english() ? "COM2 is not open yet: pick it (again) from the list."
                                      : "COM2 尚未打开: 请从列表中(再)选择它。");
  EXPECT_EQ(tip(), english()
                       ? "No port is open. The port box shows COM2, but a port opens only "
                         "when you pick its entry from the box's list, COM2 too. Port > Find "
                         "the tracker finds the tracker's port."
                       : "没有打开的串口。串口框显示 COM2, 但只有从列表中选择一项 (包括 COM2) "
                         "才会打开它。“串口” > “查找设备”可以找到设备所在的串口。");
  window->presenter().session().setTimeoutMs(300);

  pick(2);
  EXPECT_EQ(line()->text(), english() ? "COM3 is open (/dev/ttyMEM3): press Read."
                                      : "COM3 已打开 (/dev/ttyMEM3)。");

  click("Command7");
  EXPECT_EQ(line()->text(), english() ? "COM3: waiting for the device's answer, 0 of 412 bytes"
                                      : "COM3: 等待设备应答, 已收到 0/412 字节");
  link.feed(ReadBack().bytes().left(120));
  ASSERT_TRUE(WaitUntil([&] { return line()->text().contains("120"); }, 1000));
  EXPECT_EQ(line()->text(), english() ? "COM3: waiting for the device's answer, 120 of 412 bytes"
                                      : "COM3: 等待设备应答, 已收到 120/412 字节");
  EXPECT_FALSE(warning());

  ASSERT_TRUE(WaitUntil([&] { return warning(); }));
  EXPECT_EQ(line()->text(), english() ? "No answer on COM3 yet: wrong port, device off, or cable?"
                                      : "COM3 无应答: 串口选错、设备未开或连线?");
  EXPECT_EQ(tip(), english()
                       ? "The device on COM3 (/dev/ttyMEM3) has not answered for 0.3 s. Likely "
                         "causes: the wrong port (Port > Find the tracker finds the right one; the "
                         "port box's tooltip shows which device each COM number opens), the device "
                         "is switched off, or the cable is loose. The answer is still awaited."
                       : "COM3 (/dev/ttyMEM3) 上的设备已 0.3 秒没有应答。可能的原因: 串口选错 "
                         "(“串口” > “查找设备”可以找到正确的串口, 串口框的提示列出每个 COM "
                         "号对应的设备), 设备未开机, 或连线松动。仍在等待应答。");
  // It stands out: its own colours, the text after the icon; the tooltip wraps to a readable
  // width instead of one line across the screen.
  EXPECT_TRUE(line()->autoFillBackground());
  EXPECT_NE(line()->palette().color(QPalette::WindowText),
            window->palette().color(QPalette::WindowText));
  EXPECT_GE(line()->contentsRect().left(), control<QLabel>("statusIcon")->width());
  // The text is drawn after the icon: reddish pixels on the pale yellow there.
  const QImage drawn = line()->grab().toImage();
  int textPixels = 0;
  for (int x = control<QLabel>("statusIcon")->width(); x < drawn.width(); ++x) {
    for (int y = 0; y < drawn.height(); ++y) textPixels += drawn.pixelColor(x, y).green() < 200;
  }
  EXPECT_GT(textPixels, 100);
  const int tipWidth = shownTipWidth();
  EXPECT_GT(tipWidth, 150);
  EXPECT_LT(tipWidth, 700);
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
  EXPECT_TRUE(line()->text().startsWith("COM")) << line()->text().toStdString();
  EXPECT_EQ(tip().section('\n', 0, 0), ("LATE-1      " + read).simplified());  // HTML: blanks fold
  EXPECT_FALSE(warning());
  EXPECT_FALSE(line()->autoFillBackground());
}

TEST_P(StatusLineTest, AMessageSentAFailedPickAndAReadWithNoPortOpen) {
  pick(0);
  click("Command2");
  EXPECT_EQ(line()->text(), english() ? "COM1: message sent; the device does not answer it."
                                      : "COM1: 消息已发送, 设备不应答消息。");
  link.failAt = "PortOpen";
  link.failWith = LinkFailure{LinkFailure::Kind::Missing, "COM5", "/dev/ttyUSB4"};
  link.open = false;
  pick(4);
  EXPECT_EQ(messages.size(), 1);
  EXPECT_EQ(line()->text(), english() ? "COM5 is not open yet: pick it (again) from the list."
                                      : "COM5 尚未打开: 请从列表中(再)选择它。");

  // Read with the box showing COM5 and nothing open: the message names the entry shown.
  link.failWith = LinkFailure{LinkFailure::Kind::NotOpen, "COM1", ""};
  link.failAt = "OutBufferCount";
  click("Command7");
  ASSERT_EQ(messages.size(), 2);
  EXPECT_EQ(
      messages[1],
      english()
          ? "No COM port is open: the port box shows \"COM5\", but a port opens only when "
            "you pick it from the box's list. Pick the tracker's port (\"COM5\" again if "
            "that is it), or let Port > Find the tracker find it."
          : "没有打开的串口: 串口框显示“COM5”, 但只有从列表中选择它才会打开。请选择设备的串口 "
            "(若是“COM5”, 就再选一次), 或用“串口” > “查找设备”找到它。");
}

// Factory reset sends nothing and says so; while an answer is awaited the wait stays shown.
TEST_P(StatusLineTest, FactoryResetSaysTheWindowHoldsTheFactoryValuesAndNothingWasSent) {
  pick(0);
  click("Command8");
  // The factory values are checked like any the window takes whole: their callsign is NOCALL-9.
  const QString warned = english() ? "1 warning: Callsign" : "1 个警告: 呼号";
  EXPECT_TRUE(line()->text().startsWith(english() ? "The window holds" : "窗口中"));
  EXPECT_TRUE(line()->text().endsWith("  |  " + warned));
  EXPECT_EQ(tip(),
            QString(english() ? "The window holds the factory values now. Nothing was sent to the "
                                "device: press Write to write them to it."
                              : "窗口中现在是出厂配置。尚未向设备发送任何内容: "
                                "按“写入配置”才会写入设备。") +
                "\n" + warned);
  EXPECT_TRUE(link.sent.isEmpty());
  EXPECT_TRUE(messages.isEmpty());

  click("Command7");
  click("Command8");
  EXPECT_TRUE(line()->text().startsWith("COM1: ")) << line()->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Builds, StatusLineTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
