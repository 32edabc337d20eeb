// What the window shows before the user does anything.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include "window_fixture.h"

namespace vorlan::test {
namespace {

struct Shown {
  const char* control;
  const char* value;
};

// Entry boxes at start, the same in both builds.
constexpr Shown kEntries[] = {
    {"Text1", "NOCALL-9"},  {"Text2", "480271"},
    {"Text3", "NOGROU"},    {"Text4", "000"},
    {"Text5", "11300.00E"}, {"Text6", "m/50"},
    {"Text7", "NOCALL"},    {"Text8", "407KQZ"},
    {"Text9", "["},         {"Text10", "50713"},
    {"Text11", "VORLAN"},   {"Text13", "2300.00N"},
    {"Text16", "30"},       {"Text17", "WIDE1-1,WIDE2-1"},
    {"Text18", "00"},       {"Text19", "144.640"},
    {"Text20", "144.390"},  {"Text21", "00"},
    {"Text22", "00"},       {"Text23", "NOSSID"},
    {"Text24", "58203746"}, {"Text25", "40"},
    {"Text26", ""},         {"Text27", "hello"},
    {"Text29", ""},         {"Text30", ""},
    {"Text34", "20"},
};

// Check boxes ticked at start; the other twelve are clear.
const QStringList kTicked = {"Check2", "Check3",  "Check7", "Check8",
                             "Check9", "Check10", "Check17"};

TEST_P(WindowTest, StartsWithTheInitialValuesAndNoPortOpen) {
  for (const auto& [name, value] : kEntries) {
    EXPECT_EQ(control<QLineEdit>(name)->text(), QString::fromUtf8(value)) << name;
  }
  for (int n = 1; n <= 18; ++n) {
    const QString name = QStringLiteral("Check%1").arg(n);
    auto* box = window->findChild<QCheckBox*>(name);
    ASSERT_NE(box, nullptr) << name.toStdString();
    EXPECT_EQ(box->isChecked(), kTicked.contains(name)) << name.toStdString();
  }
  const LanguageData& lang = GetParam().language();
  EXPECT_EQ(control<QLineEdit>("Text12")->text(), Text(lang.server1));
  EXPECT_TRUE(control<QLineEdit>("Text12")->text().endsWith(":14580"));
  EXPECT_EQ(control<QLineEdit>("Text15")->text(), english() ? QString() : Text(lang.server2));
  EXPECT_EQ(control<QComboBox>("Combo9")->currentText(),
            english() ? QStringLiteral("CH1 TX/RX") : QStringLiteral("频道1收发"));

  EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), "COM2");
  EXPECT_TRUE(link.log.isEmpty()) << link.log.join(' ').toStdString();
  EXPECT_TRUE(messages.seen.isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), control("Text1"));
}

TEST_P(WindowTest, PortBoxTooltipShowsTheDevicesAsTheyAreNow) {
  auto* port = control<QComboBox>("Combo1");
  qputenv("VORLAN_COM7", "/dev/ttyPINNED7");
  QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), port->mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(port, &hover);
  qunsetenv("VORLAN_COM7");
  EXPECT_TRUE(port->toolTip().split('\n').contains("COM7: /dev/ttyPINNED7 (VORLAN_COM7)"))
      << port->toolTip().toStdString();
}

TEST_P(WindowTest, DropDownsAreEditableWithTheirLists) {
  auto* workMode = control<QComboBox>("Combo9");
  auto* port = control<QComboBox>("Combo1");
  EXPECT_TRUE(workMode->isEditable());
  EXPECT_TRUE(port->isEditable());

  QStringList modes;
  for (int i = 0; i < workMode->count(); ++i) modes << workMode->itemText(i);
  const QStringList en = {"Disable", "CH1 TX/RX", "CH2 TX/RX", "CH1or2 TX/RX", "CH1TX CH2RX"};
  const QStringList zh = {"关闭", "频道1收发", "频道2收发", "频道12轮流收发", "频道1发2收"};
  EXPECT_EQ(modes, english() ? en : zh);
  ASSERT_EQ(port->count(), 30);
  EXPECT_EQ(port->itemText(0), "COM1");
  EXPECT_EQ(port->itemText(29), "COM30");

  // A typed text stays as typed, also in another letter case, and joins no list.
  workMode->lineEdit()->selectAll();
  QTest::keyClicks(workMode, "ch2 tx/rx");
  QTest::keyClick(workMode, Qt::Key_Return);
  EXPECT_EQ(workMode->currentText(), "ch2 tx/rx");
  EXPECT_EQ(workMode->count(), 5);
}

TEST_P(WindowTest, EveryControlIsNamedEnabledVisibleAndAccessible) {
  const ui::WindowLayout& layout = GetParam().layout();
  EXPECT_EQ(window->windowTitle(), Text(layout.caption));
  for (const auto& spec : layout.controls) {
    QWidget* widget = window->findChild<QWidget*>(Text(spec.name));
    ASSERT_NE(widget, nullptr) << spec.name;
    EXPECT_TRUE(widget->isEnabled()) << spec.name;
    EXPECT_TRUE(widget->isVisible()) << spec.name;
    EXPECT_FALSE(widget->accessibleName().isEmpty()) << spec.name;
  }
  EXPECT_TRUE(window->findChildren<QMenuBar*>().isEmpty());
  EXPECT_TRUE(window->findChildren<QToolBar*>().isEmpty());
  EXPECT_TRUE(window->findChildren<QStatusBar*>().isEmpty());
}

TEST_P(WindowTest, BoxesAreNamedAfterTheirLabels) {
  struct Row {
    const char* label;
    const char* box;
    const char* en;
    const char* zh;
  };
  const Row rows[] = {
      {"Label1", "Text1", "Callsign", "呼号"},
      {"Label25", "Text18", "Timed TX ", "定时发送"},
      {"Label28", "Text15", "APRS Server 2", "APRS服务器2"},
      {"Label31", "Text27", "Massage", "消息"},
      {"Label32", "Combo9", "Work Mode", "工作模式"},
  };
  for (const auto& row : rows) {
    const QString caption = QString::fromUtf8(english() ? row.en : row.zh);
    auto* label = control<QLabel>(row.label);
    EXPECT_EQ(label->text(), caption);
    EXPECT_EQ(label->buddy(), control(row.box)) << row.label;
    EXPECT_EQ(control(row.box)->accessibleName(), caption) << row.box;
  }
  EXPECT_EQ(control("Command6")->accessibleName(), english() ? "Write" : "写入配置");
  EXPECT_EQ(control("Combo1")->accessibleName(), english() ? "COM port" : "设置串口");
  // The ampersand is shown as a character, not taken as an access key.
  if (english()) {
    EXPECT_EQ(control<QGroupBox>("Frame3")->title(), "Send instruction && message");
    EXPECT_EQ(control("Frame3")->accessibleName(), "Send instruction & message");
  }
}

TEST_P(WindowTest, EachBuildHasItsOwnNotes) {
  const bool en = english();
  EXPECT_EQ(window->findChild<QLabel*>("Label6") != nullptr, en);
  EXPECT_EQ(window->findChild<QLabel*>("Label22") != nullptr, !en);
  EXPECT_EQ(window->findChild<QLabel*>("Label37") != nullptr, !en);
  ASSERT_NE(window->findChild<QLabel*>("Label36"), nullptr);
  if (!en) {
    EXPECT_EQ(control<QLabel>("Label22")->text(),
              "频率范围: 136.000MHz-174.000MHz或400.000MHz-480.000MHz");
    EXPECT_TRUE(control<QLabel>("Label22")->wordWrap());
  }
  EXPECT_EQ(control<QPushButton>("Command1")->text(), "About");
  EXPECT_EQ(control<QPushButton>("Command2")->text(), en ? "Send massage" : "发送消息");
}

INSTANTIATE_TEST_SUITE_P(Builds, WindowTest, testing::Values(kEnglish, kChinese), BuildName);

}  // namespace
}  // namespace vorlan::test
