// Where the controls stand, in which group, in which face, and the order Tab walks them in.
// Offscreen the screen has 96 logical dots per inch: 15 twips are one pixel.

#include <span>

#include "ui/window_builder.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

using LayoutTest = WindowTest;

struct Place {
  const char* control;
  const char* group;  // objectName of the parent; "" for the window
  QRect pixels;
};

const Place kEnglishPlaces[] = {
    {"Frame1", "", {8, 8, 353, 289}},           {"Frame10", "", {368, 120, 305, 249}},
    {"Command2", "", {288, 320, 65, 41}},       {"Label6", "", {8, 440, 241, 17}},
    {"Text1", "Frame1", {64, 24, 73, 17}},      {"Check4", "Frame1", {280, 72, 65, 17}},
    {"Frame8", "Frame1", {8, 120, 185, 161}},   {"Text16", "Frame8", {80, 104, 25, 17}},
    {"Check13", "Frame4", {8, 32, 121, 25}},    {"Combo9", "Frame2", {64, 72, 97, 20}},
    {"Text30", "Frame10", {120, 224, 121, 18}}, {"Command3", "Frame3", {184, 16, 89, 41}},
    {"Combo1", "Frame5", {8, 16, 73, 20}},      {"Command7", "Frame5", {96, 48, 81, 25}},
};

const Place kChinesePlaces[] = {
    {"Frame1", "", {8, 8, 313, 257}},          {"Frame10", "", {328, 120, 305, 209}},
    {"Command2", "", {248, 288, 65, 41}},      {"Label37", "", {8, 416, 321, 17}},
    {"Text1", "Frame1", {48, 24, 89, 17}},     {"Check4", "Frame8", {80, 48, 73, 17}},
    {"Frame8", "Frame1", {8, 120, 169, 129}},  {"Text16", "Frame8", {64, 72, 25, 17}},
    {"Check13", "Frame4", {8, 32, 97, 17}},    {"Label22", "Frame2", {144, 16, 137, 41}},
    {"Text30", "Frame10", {216, 160, 81, 18}}, {"Command3", "Frame3", {160, 16, 65, 41}},
    {"Combo1", "Frame5", {8, 16, 81, 20}},     {"Command7", "Frame5", {96, 48, 81, 25}},
};

TEST_P(LayoutTest, ControlsStandInTheirGroupsAtTheirPlaces) {
  ASSERT_DOUBLE_EQ(ui::ScreenScale(*window), 1.0);
  EXPECT_EQ(window->size(), english() ? QSize(678, 461) : QSize(636, 430));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());

  for (const auto& place : english() ? std::span<const Place>(kEnglishPlaces)
                                     : std::span<const Place>(kChinesePlaces)) {
    QWidget* widget = control(place.control);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), place.pixels) << place.control;
    const QWidget* parent = widget->parentWidget();
    EXPECT_EQ(parent == window.get() ? QString() : parent->objectName(),
              QString::fromLatin1(place.group))
        << place.control;
  }
  // "Send massage" lies on the group's top row and is drawn above it.
  QWidget* send = control("Command2");
  EXPECT_EQ(window->childAt(send->geometry().center()), send);
}

TEST_P(LayoutTest, FontsFollowTheBuild) {
  struct Row {
    const char* control;
    const char* family;
    double points;
    bool bold;
  };
  const Row en[] = {{"Text1", "宋体", 9, false},
                    {"Frame1", "宋体", 10.5, false},
                    {"Command1", "宋体", 14.25, false},
                    {"Command4", "宋体", 18, false},
                    {"Label36", "宋体", 10.5, false}};
  const Row zh[] = {
      {"Text1", "宋体", 9, false},       {"Frame1", "Arial", 9, false},
      {"Frame5", "Arial", 9, false},     {"Command1", "Palatino Linotype", 14.25, true},
      {"Command3", "宋体", 14.25, true}, {"Command4", "宋体", 21.75, true}};
  for (const auto& row : english() ? std::span<const Row>(en) : std::span<const Row>(zh)) {
    const QFont font = control(row.control)->font();
    EXPECT_EQ(font.family(), QString::fromUtf8(row.family)) << row.control;
    EXPECT_DOUBLE_EQ(font.pointSizeF(), row.points) << row.control;
    EXPECT_EQ(font.bold(), row.bold) << row.control;
  }
  // A group's face does not pass to the controls inside it.
  EXPECT_EQ(control("Text1")->font().pointSizeF(), 9.0);
}

// The control that has the focus; an editable drop-down's inner line edit counts as the box.
QString FocusedControl() {
  QWidget* focus = QApplication::focusWidget();
  if (focus && qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();
  return focus ? focus->objectName() : QString();
}

TEST_P(LayoutTest, TabWalksTheControlsInOrder) {
  const QStringList common = {
      "Text1",   "Text2",    "Text17",   "Text11",   "Text9",    "Text3",    "Text16",   "Text25",
      "Text18",  "Text4",    "Text13",   "Text5",    "Combo1",   "Text19",   "Text20",   "Text21",
      "Text22",  "Command4", "Command6", "Command7", "Command8", "Text6",    "Check6",   "Text12",
      "Text15",  "Text23",   "Text24",   "Text29",   "Text30",   "Combo9",   "Command1", "Check14",
      "Check16", "Check13",  "Check15",  "Check9",   "Check11",  "Check8",   "Check3",   "Text10",
      "Check12", "Check10",  "Check2",   "Check1",   "Text26",   "Command3", "Text8",    "Text7",
      "Check7",  "Check17",  "Check18",  "Text34",   "Text27",   "Command2", "Check5"};
  QStringList expected = common;
  if (english()) {
    expected << "Check4";
  } else {
    expected.insert(expected.indexOf("Check2"), "Check4");
  }
  expected << "Text1";  // and round again

  QStringList walked{FocusedControl()};
  for (int i = 1; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    walked << FocusedControl();
  }
  EXPECT_EQ(walked, expected);
}

INSTANTIATE_TEST_SUITE_P(Builds, LayoutTest, testing::Values(kEnglish, kChinese), BuildName);

}  // namespace
}  // namespace vorlan::test
