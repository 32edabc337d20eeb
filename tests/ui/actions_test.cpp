// What the buttons and the port box do to the line and to the window; with the device simulator on
// a pseudo-terminal also as a user meets it: pick COM1, Read, edit, Write.

#include "window_fixture.h"
#ifdef VORLAN_DEVICE_SIM
#include <QScopeGuard>

#include "link/transport/qt_serial_link.h"
#include "simulator.h"
#endif

namespace vorlan::test {
namespace {

using ActionTest = WindowTest;

TEST_P(ActionTest, EachButtonSendsItsRequest) {
  const std::pair<const char*, QByteArray> rows[] = {{"Command7", "$2#"},
                                                     {"Command1", "$3#"},
                                                     {"Command3", "**3@NOCALL@407KQZ@NOCALL-9"},
                                                     {"Command2", "*@NOCALL*hello"}};
  link.open = true;
  for (const auto& [button, request] : rows) {
    link.sent.clear();
    click(button);
    EXPECT_EQ(link.sent, request) << button;
  }
  EXPECT_TRUE(messages.isEmpty());

  link.log.clear();
  click("Command4");  // EXIT
  EXPECT_EQ(link.log, QStringList{"PortOpen=0"});
  EXPECT_FALSE(window->isVisible());
}

TEST_P(ActionTest, FactoryResetPutsTheFactoryValuesBackAndSendsNothing) {
  retype("Text15", "typed.example:10008");
  retype("Combo9", "by hand");
  retype("Combo1", "COM9");
  click("Check1");
  click("Check17");

  click("Command8");

  EXPECT_EQ(text("Text8"), "407kqz");  // "407KQZ" at start
  EXPECT_EQ(text("Text15"), english() ? QString() : Text(GetParam().language().servers.server2));
  EXPECT_EQ(text("Combo9"), english() ? "CH1 TX/RX" : "频道1收发");
  EXPECT_EQ(text("Combo1"), "COM9");  // the port box is left alone
  EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked());
  EXPECT_TRUE(control<QCheckBox>("Check17")->isChecked());
  EXPECT_TRUE(link.log.isEmpty()) << link.log.join(' ').toStdString();
  EXPECT_TRUE(messages.isEmpty());
}

TEST_P(ActionTest, WriteSendsTheEditedWindow) {
  link.open = true;
  retype("Text1", "BH4XYZ-7");
  retype("Text11", QStringLiteral("你好 QX"));
  retype("Text12", "euro.aprs2.net:14580");
  retype("Text15", "china.aprs2.net:10008");
  click("Check1");
  click("Check18");
  // "CH1or2 TX/RX" in English, "频道2收发" in Chinese.
  pick(english() ? 3 : 2, "Combo9");

  click("Command6");

  const QByteArray frame = QByteArray("$0NOGROU480271000004030") + "2300.00N11300.00E" +
                           "144.640144.3900000" + (english() ? "3" : "2") + "[xxx12" + "20" +
                           "50713xxxxxx" + "1110001111000000&BH4XYZ-7|WIDE1-1,WIDE2-1|" +
                           "\xC4\xE3\xBA\xC3 QX|NOSSID|58203746|||1234567890123456|" +
                           "euro.aprs2.net:14580|china.aprs2.net:10008|x|m/50|#";
  EXPECT_EQ(link.sent, frame);
}

TEST_P(ActionTest, SerialFailureIsShownAndTheWindowGoesOn) {
  link.failAt = "Output";
  // The system's words are shown as they are, not as markup.
  link.failWith = LinkFailure{LinkFailure::Kind::WriteFailed, "COM2", "/dev/ttyS1", "<b>gone</b>"};
  click("Command7");
  EXPECT_EQ(messages, QStringList{english() ? "Nothing was sent to COM2 (/dev/ttyS1): <b>gone</b>"
                                            : "未能发送到 COM2 (/dev/ttyS1): <b>gone</b>"});
  EXPECT_EQ(window->findChild<QMessageBox*>(), nullptr);  // closed and gone

  link.failWith.reset();  // the next request goes through once the port works
  click("Command7");
  EXPECT_EQ(link.sent, "$2#");
  EXPECT_EQ(messages.size(), 1);
}

TEST_P(ActionTest, OnlyPickingAPortEntryOpensIt) {
  retype("Combo1", "COM7\r");  // an entry's text, Enter, and on to the next box
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(link.log, QStringList());

  control<QComboBox>("Combo1")->setEditText("COM2");
  pick(1);  // the preset entry itself
  EXPECT_EQ(link.log, (QStringList{"CommPort=2", "PortOpen=1"}));

  link.log.clear();
  pick(29);
  EXPECT_EQ(text("Combo1"), "COM30");
  EXPECT_EQ(link.log, (QStringList{"PortOpen=0", "CommPort=30", "PortOpen=1"}));
  EXPECT_TRUE(messages.isEmpty());
}

#ifdef VORLAN_DEVICE_SIM
TEST_P(ActionTest, ReadAndWriteThroughTheSimulator) {
  Simulator sim;
  ASSERT_FALSE(sim.path().isEmpty()) << "the simulator did not start";
  QtSerialLink serial;
  serial.setDeviceResolver(DiscoveredDevice);
  serial.onFailure = [this](const LinkFailure& f) { window->presenter().reportFailure(f); };
  show(serial);
  const auto closeFirst = qScopeGuard([this] { window.reset(); });
  const auto await = [&](const char* button) {  // until the box that ends the exchange
    const qsizetype before = messages.size();
    click(button);
    return WaitUntil([&] { return messages.size() > before; });
  };
  qputenv("VORLAN_COM1", sim.path().toLocal8Bit());
  pick(0);
  qunsetenv("VORLAN_COM1");
  ASSERT_TRUE(serial.portOpen());

  ASSERT_TRUE(await("Command7"));
  const QString callsign = QStringLiteral("SIM1-7      ");  // the device pads with blanks
  EXPECT_EQ(messages.value(0), callsign + (english() ? " Read correct!" : "读入参数成功!"));
  EXPECT_EQ(text("Text1"), callsign);
  EXPECT_EQ(text("Text11").trimmed(), QStringLiteral("模拟设备 device simulator"));
  EXPECT_EQ(control<QLineEdit>("Text11")->cursorPosition(), 0);  // the start is in view
  EXPECT_EQ(text("Combo9"), english() ? "CH1TX CH2RX" : "频道1发2收");
  EXPECT_TRUE(control<QCheckBox>("Check1")->isChecked());
  EXPECT_FALSE(control<QCheckBox>("Check17")->isChecked());
  EXPECT_TRUE(control<QCheckBox>("Check18")->isChecked());

  retype("Text1", "BH4XYZ-7");
  ASSERT_TRUE(await("Command6"));
  EXPECT_EQ(messages.value(1), english() ? "BH4XYZ-7 write correct!!!" : "BH4XYZ-7设置参数成功!!!");
}
#endif

INSTANTIATE_TEST_SUITE_P(Builds, ActionTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
