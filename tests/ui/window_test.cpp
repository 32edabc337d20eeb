// The window's controls before the user acts, and what they let the user type.

#include <QGroupBox>
#include <QLabel>

#include "window_fixture.h"

namespace vorlan::test {
namespace {

// The boxes at start that are the same in both builds, and which of Check1..Check18 are ticked.
const QString kEntries =
    "Text1=NOCALL-9 Text2=480271 Text3=NOGROU Text4=000 Text5=11300.00E Text6=m/50 Text7=NOCALL "
    "Text8=407KQZ Text9=[ Text10=50713 Text11=VORLAN Text13=2300.00N Text16=30 Text18=00 "
    "Text17=WIDE1-1,WIDE2-1 Text19=144.640 Text20=144.390 Text21=00 Text22=00 Combo1=COM2 "
    "Text23=NOSSID Text24=58203746 Text25=40 Text26= Text27=hello Text29= Text30= Text34=20";
const char kTicked[] = "011000111100000010";

TEST_P(WindowTest, StartsWithTheInitialValuesAndNoPortOpen) {
  for (const QString& entry : kEntries.split(' ')) {
    const QString name = entry.section('=', 0, 0);
    EXPECT_EQ(text(name), entry.section('=', 1)) << entry.toStdString();
  }
  for (int n = 1; n <= 18; ++n) {
    auto* box = control<QCheckBox>(QStringLiteral("Check%1").arg(n));
    EXPECT_EQ(box->isChecked(), kTicked[n - 1] == '1') << n;
  }
  const LanguageData& lang = GetParam().language();
  EXPECT_EQ(text("Text12"), Text(lang.servers.server1));
  EXPECT_EQ(text("Text15"), english() ? QString() : Text(lang.servers.server2));
  EXPECT_EQ(text("Combo9"), english() ? "CH1 TX/RX" : "频道1收发");
  EXPECT_TRUE(link.log.isEmpty()) << link.log.join(' ').toStdString();
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), control("Text1"));
}

TEST_P(WindowTest, EveryControlIsNamedEnabledVisibleAndAccessible) {
  for (const auto& spec : GetParam().layout().controls) {
    QWidget* widget = control(Text(spec.name));
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->isEnabled() && widget->isVisible()) << spec.name;
    EXPECT_FALSE(widget->accessibleName().isEmpty()) << spec.name;
    if (auto* entry = qobject_cast<QLineEdit*>(widget)) {  // passwords are shown too
      EXPECT_EQ(entry->echoMode(), QLineEdit::Normal) << spec.name;
    }
  }
  const QString rows[][4] = {{"Label1", "Text1", "Callsign", "呼号"},
                             {"Label25", "Text18", "Timed TX ", "定时发送"},
                             {"Label32", "Combo9", "Work Mode", "工作模式"}};
  for (const auto& [label, box, en, zh] : rows) {
    const QString caption = english() ? en : zh;
    EXPECT_EQ(control<QLabel>(label)->text(), caption);
    EXPECT_EQ(control<QLabel>(label)->buddy(), control(box)) << label.toStdString();
    EXPECT_EQ(control(box)->accessibleName(), caption) << box.toStdString();
  }
  // The ampersand is shown as a character, not taken as an access key.
  if (english()) {
    EXPECT_EQ(control<QGroupBox>("Frame3")->title(), "Send instruction && message");
    EXPECT_EQ(control("Frame3")->accessibleName(), "Send instruction & message");
  }
}

TEST_P(WindowTest, TypedTextIsKeptUpToTheEntryLimit) {
  const QString rows[][3] = {
      {"Text9", "/>x", "/"},                       // SymbolCode: one character
      {"Text1", "BH4ABC-12XYZW", "BH4ABC-12XYZ"},  // Callsign: twelve
      {"Text1", "呼号呼号呼号呼号呼号呼号呼号", "呼号呼号呼号呼号呼号呼号"},
      {"Text8", "abcdefgh", "abcdef"},  // HisPassword, a send field: six
      // A drop-down keeps the text as typed, in its letter case, and adds it to no list.
      {"Combo9", "ch2 tx/rx\r", "ch2 tx/rx"},
  };
  for (const auto& [name, typed, kept] : rows) {
    retype(name, typed);
    EXPECT_EQ(text(name), kept) << name.toStdString();
  }
  EXPECT_EQ(control<QComboBox>("Combo9")->count(), 5);
}

INSTANTIATE_TEST_SUITE_P(Builds, WindowTest, kBuilds, BuildName);

// A layout that lacks a field's box is a fault of the build: a debug build stops at start.
TEST(WindowLayoutFault, AMissingBoxStopsADebugBuild) {
#ifdef QT_NO_DEBUG
  GTEST_SKIP() << "checked in debug builds";
#else
  std::vector<ui::ControlSpec> controls;
  for (const auto& c : ui::EnglishLayout().controls) {
    if (c.name != "Text13") controls.push_back(c);
  }
  ui::WindowLayout layout = ui::EnglishLayout();
  layout.controls = controls;
  RecordingLink link;
  EXPECT_DEATH(ui::MainWindow(link, EnglishLanguage(), layout), "Text13");
#endif
}

}  // namespace
}  // namespace vorlan::test
