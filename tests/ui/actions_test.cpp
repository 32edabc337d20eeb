// What each button and the receive event do to the line and to the window.

#include <QCheckBox>
#include <QPushButton>

#include "read_back.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

using ActionTest = WindowTest;

const QString kTitle = QStringLiteral("设置程序(简体)");

void Press(QWidget* button) {
  qobject_cast<QPushButton*>(button)->click();
}

TEST_P(ActionTest, EveryButtonSendsItsRequest) {
  struct Row {
    const char* button;
    QStringList log;
  };
  const Row rows[] = {
      {"Command7", {"OutBufferCount=0", "InBufferCount=0", "Output=$2#", "RThreshold=412"}},
      {"Command1", {"OutBufferCount=0", "InBufferCount=0", "Output=$3#", "RThreshold=102"}},
      {"Command3",
       {"OutBufferCount=0", "InBufferCount=0", "Output=**3@NOCALL@407KQZ@NOCALL-9",
        "RThreshold=5"}},
      {"Command2", {"Output=*@NOCALL*hello"}},
  };
  link.open = true;
  for (const auto& row : rows) {
    link.clearLog();
    Press(control(row.button));
    EXPECT_EQ(link.log, row.log) << row.button;
  }
  EXPECT_TRUE(messages.seen.isEmpty());
}

TEST_P(ActionTest, FactoryResetPutsTheFactoryValuesBackAndSendsNothing) {
  retype("Text1", "BH4XYZ");
  retype("Text8", "AAAAAA");
  retype("Text15", "typed.example:10008");
  retype("Text29", "13800000000");
  control<QCheckBox>("Check1")->click();
  control<QCheckBox>("Check17")->click();
  auto* workMode = control<QComboBox>("Combo9");
  workMode->lineEdit()->selectAll();
  QTest::keyClicks(workMode, "by hand");
  auto* port = control<QComboBox>("Combo1");
  port->lineEdit()->selectAll();
  QTest::keyClicks(port, "COM9");

  Press(control("Command8"));

  const LanguageData& lang = GetParam().language();
  EXPECT_EQ(control<QLineEdit>("Text1")->text(), "NOCALL-9");
  EXPECT_EQ(control<QLineEdit>("Text8")->text(), "407kqz");
  EXPECT_EQ(control<QLineEdit>("Text15")->text(), english() ? QString() : Text(lang.server2));
  if (!english()) {
    EXPECT_TRUE(control<QLineEdit>("Text15")->text().endsWith(":10008"));
  }
  EXPECT_EQ(control<QLineEdit>("Text29")->text(), "");
  EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked());
  EXPECT_TRUE(control<QCheckBox>("Check17")->isChecked());
  EXPECT_EQ(workMode->currentText(), english() ? "CH1 TX/RX" : "频道1收发");
  EXPECT_EQ(workMode->count(), 5);
  EXPECT_EQ(port->currentText(), "COM9");  // the port box is left alone
  EXPECT_TRUE(link.log.isEmpty()) << link.log.join(' ').toStdString();
  EXPECT_TRUE(messages.seen.isEmpty());
}

TEST_P(ActionTest, WriteSendsTheEditedWindowAndReportsTheAnswer) {
  link.open = true;
  retype("Text1", "BH4XYZ-7");
  retype("Text11", QStringLiteral("你好 QX"));
  retype("Text12", "euro.aprs2.net:14580");
  retype("Text15", "china.aprs2.net:10008");
  control<QCheckBox>("Check1")->click();
  control<QCheckBox>("Check18")->click();
  // "CH1or2 TX/RX" in English, "频道2收发" in Chinese.
  control<QComboBox>("Combo9")->setCurrentIndex(english() ? 3 : 2);

  Press(control("Command6"));

  const QByteArray frame = QByteArray("$0") + "NOGROU" + "480271" + "000" + "00" + "40" + "30" +
                           "2300.00N" + "11300.00E" + "144.640" + "144.390" + "00" + "00" +
                           (english() ? "3" : "2") + "[" + "xxx" + "1" + "2" + "20" + "50713" +
                           "xxxxxx" + "1110001111000000" + "&" + "BH4XYZ-7|" + "WIDE1-1,WIDE2-1|" +
                           "\xC4\xE3\xBA\xC3 QX|" + "NOSSID|" + "58203746|" + "|" + "|" +
                           "1234567890123456|" + "euro.aprs2.net:14580|" +
                           "china.aprs2.net:10008|" + "x|" + "m/50|" + "#";
  EXPECT_EQ(link.sent, frame);
  EXPECT_EQ(link.log.size(), 4);
  EXPECT_EQ(link.log.value(0), "OutBufferCount=0");
  EXPECT_EQ(link.log.value(1), "InBufferCount=0");
  EXPECT_EQ(link.log.value(3), "RThreshold=5");

  link.feed("$4ok!");
  link.deliver();
  ASSERT_EQ(messages.seen.size(), 1);
  EXPECT_EQ(messages.seen[0].text,
            english() ? "BH4XYZ-7 write correct!!!" : "BH4XYZ-7设置参数成功!!!");
  EXPECT_EQ(link.threshold, 0);
}

TEST_P(ActionTest, ReadReplyFillsTheWindowAndShowsTheBuildsMessage) {
  link.open = true;
  Press(control("Command7"));

  ReadBack reply;
  for (int i = 0; i < kFlagSpans; ++i) reply.set(kReadBackSpans[i].field, "0");
  reply.set("Digipeater", "1")
      .set("IsToRf", "1")
      .set("Callsign", Pad("BA1AA-15", 12))
      .set("Password", "123456")
      .set("SymbolCode", ">")
      .set("WorkMode", "3")
      .set("Server1Enable", "0")
      .set("Server2Enable", "2")
      .set("Server2", Pad("second.example:10008", 32))
      .set("Filter", Pad("r/39/116/100", 48))
      .set("BeaconText", Pad("\xC4\xE3\xBA\xC3", 64));
  link.feed(reply.bytes());
  link.deliver();

  const QString callsign = QStringLiteral("BA1AA-15    ");
  EXPECT_EQ(control<QLineEdit>("Text1")->text(), callsign);
  EXPECT_EQ(control<QLineEdit>("Text2")->text(), "123456");
  EXPECT_EQ(control<QLineEdit>("Text9")->text(), ">");
  EXPECT_EQ(control<QLineEdit>("Text15")->text(), "second.example:10008" + QString(12, ' '));
  EXPECT_EQ(control<QLineEdit>("Text6")->text(), "r/39/116/100" + QString(36, ' '));
  EXPECT_EQ(control<QLineEdit>("Text11")->text(), QStringLiteral("你好") + QString(60, ' '));
  EXPECT_EQ(control<QLineEdit>("Text11")->cursorPosition(), 0);  // the start is in view
  EXPECT_EQ(control<QComboBox>("Combo9")->currentText(),
            english() ? "CH1or2 TX/RX" : "频道12轮流收发");
  EXPECT_TRUE(control<QCheckBox>("Check1")->isChecked());
  EXPECT_TRUE(control<QCheckBox>("Check16")->isChecked());
  EXPECT_FALSE(control<QCheckBox>("Check3")->isChecked());
  EXPECT_FALSE(control<QCheckBox>("Check17")->isChecked());
  EXPECT_TRUE(control<QCheckBox>("Check18")->isChecked());
  EXPECT_EQ(control<QLineEdit>("Text8")->text(), "407KQZ");  // send fields are not read back

  ASSERT_EQ(messages.seen.size(), 1);
  const SeenMessage& box = messages.seen[0];
  EXPECT_EQ(box.text, callsign + (english() ? " Read correct!" : "读入参数成功!"));
  EXPECT_EQ(box.title, kTitle);
  EXPECT_EQ(box.icon, QMessageBox::NoIcon);
  EXPECT_EQ(box.buttonCount, 1);
  EXPECT_TRUE(box.okButton);
  EXPECT_TRUE(box.modal);
  EXPECT_EQ(link.threshold, 0);
}

TEST_P(ActionTest, DeviceTextIsShownAsPlainText) {
  link.open = true;
  Press(control("Command1"));
  const QByteArray text = QByteArray("<b>QX-2 firmware 3.0</b>").leftJustified(100, ' ');
  link.feed("$6" + text);
  link.deliver();
  ASSERT_EQ(messages.seen.size(), 1);
  EXPECT_EQ(messages.seen[0].text, QString::fromLatin1(text));
  EXPECT_EQ(messages.seen[0].format, Qt::PlainText);
  EXPECT_EQ(window->findChild<QMessageBox*>(), nullptr);  // closed and gone
}

TEST_P(ActionTest, SerialFailureIsShownAndTheWindowGoesOn) {
  link.failAt = "Output";
  link.failWith = "COM2: the port is not open";
  Press(control("Command7"));
  ASSERT_EQ(messages.seen.size(), 1);
  EXPECT_EQ(messages.seen[0].text, "COM2: the port is not open");
  EXPECT_EQ(messages.seen[0].title, kTitle);
  EXPECT_EQ(link.log, (QStringList{"OutBufferCount=0", "InBufferCount=0"}));

  // The next request goes through once the port works.
  link.failWith.clear();
  link.clearLog();
  Press(control("Command7"));
  EXPECT_EQ(link.log.value(3), "RThreshold=412");
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(messages.seen.size(), 1);
}

TEST_P(ActionTest, OnlyPickingAPortEntryOpensIt) {
  auto* port = control<QComboBox>("Combo1");
  port->lineEdit()->selectAll();
  QTest::keyClicks(port, "COM7");
  EXPECT_TRUE(link.log.isEmpty()) << link.log.join(' ').toStdString();

  port->setEditText("COM2");
  Pick(port, 1);  // the preset entry itself
  EXPECT_EQ(link.log, (QStringList{"CommPort=2", "PortOpen=1"}));

  link.clearLog();
  Pick(port, 29);
  EXPECT_EQ(port->currentText(), "COM30");
  EXPECT_EQ(link.log, (QStringList{"PortOpen=0", "CommPort=30", "PortOpen=1"}));
  EXPECT_TRUE(messages.seen.isEmpty());
}

TEST_P(ActionTest, ExitClosesThePortAndTheWindow) {
  link.open = true;
  Press(control("Command4"));
  EXPECT_EQ(link.log, QStringList{"PortOpen=0"});
  EXPECT_FALSE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Builds, ActionTest, testing::Values(kEnglish, kChinese), BuildName);

}  // namespace
}  // namespace vorlan::test
