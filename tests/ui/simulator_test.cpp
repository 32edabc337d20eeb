// The program as a user meets it with the device simulator on a pseudo-terminal: pick COM1, Read,
// edit, Write, Read again.

#include <QCheckBox>
#include <QPushButton>

#include "link/serial_port/qt_serial_link.h"
#include "simulator.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

class SimulatorWindowTest : public testing::TestWithParam<Build> {
 protected:
  void SetUp() override {
    ASSERT_FALSE(sim.path().isEmpty()) << "the simulator did not start";
    qputenv("VORLAN_COM1", sim.path().toLocal8Bit());
    link = std::make_unique<QtSerialLink>(GetParam().language());
    window = std::make_unique<ui::MainWindow>(*link, GetParam().language(), GetParam().layout());
    link->onFailure = [this](const QString& message) { window->showMessage(message); };
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override { qunsetenv("VORLAN_COM1"); }

  bool english() const { return GetParam().name == "en"; }
  template <typename T = QWidget>
  T* control(const char* name) const {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  void press(const char* button) { control<QPushButton>(button)->click(); }
  bool waitForMessages(qsizetype n) {
    return WaitUntil([&] { return messages.seen.size() >= n; });
  }

  Simulator sim;
  MessageCatcher messages;
  std::unique_ptr<QtSerialLink> link;
  std::unique_ptr<ui::MainWindow> window;
};

TEST_P(SimulatorWindowTest, ReadEditWriteAndReadAgain) {
  Pick(control<QComboBox>("Combo1"), 0);
  ASSERT_TRUE(link->portOpen()) << messages.texts().join('\n').toStdString();

  press("Command7");
  ASSERT_TRUE(waitForMessages(1));
  const QString callsign = QStringLiteral("SIM1-7      ");  // the device pads with blanks
  EXPECT_EQ(messages.seen[0].text, callsign + (english() ? " Read correct!" : "读入参数成功!"));
  EXPECT_EQ(control<QLineEdit>("Text1")->text(), callsign);
  EXPECT_EQ(control<QLineEdit>("Text3")->text(), "SIMGRP");
  EXPECT_EQ(control<QLineEdit>("Text13")->text(), "3150.12N");
  EXPECT_EQ(control<QLineEdit>("Text11")->text().trimmed(),
            QStringLiteral("模拟设备 device simulator"));
  EXPECT_EQ(control<QComboBox>("Combo9")->currentText(), english() ? "CH1TX CH2RX" : "频道1发2收");
  EXPECT_TRUE(control<QCheckBox>("Check1")->isChecked());
  EXPECT_FALSE(control<QCheckBox>("Check17")->isChecked());
  EXPECT_TRUE(control<QCheckBox>("Check18")->isChecked());

  control<QLineEdit>("Text1")->setText("BH4XYZ-7");
  control<QComboBox>("Combo9")->setCurrentIndex(2);
  press("Command6");
  ASSERT_TRUE(waitForMessages(2));
  EXPECT_EQ(messages.seen[1].text,
            english() ? "BH4XYZ-7 write correct!!!" : "BH4XYZ-7设置参数成功!!!");

  press("Command8");  // the window shows the factory values; the device keeps what was written
  press("Command7");
  ASSERT_TRUE(waitForMessages(3));
  EXPECT_EQ(control<QLineEdit>("Text1")->text(), "BH4XYZ-7    ");
  EXPECT_EQ(control<QComboBox>("Combo9")->currentText(), english() ? "CH2 TX/RX" : "频道2收发");
  EXPECT_EQ(control<QLineEdit>("Text3")->text(), "SIMGRP");
  EXPECT_EQ(messages.seen.size(), 3);
}

INSTANTIATE_TEST_SUITE_P(Builds, SimulatorWindowTest, testing::Values(kEnglish, kChinese),
                         BuildName);

}  // namespace
}  // namespace vorlan::test
