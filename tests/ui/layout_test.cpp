// Where the controls stand in the client area, in which group, in which face, and the order Tab
// walks them in.
// Offscreen the screen has 96 logical dots per inch: 15 twips are one pixel.

#include <span>

#include "window_fixture.h"

namespace vorlan::test {
namespace {

using LayoutTest = WindowTest;

struct Place {
  const char* control;
  const char* group;  // objectName of the parent; "" for the window
  QRect pixels;
  const char* font;
};

// Text1 sits in Frame1: a group's face does not pass to the controls inside it.
const Place kEnglishPlaces[] = {
    {"Frame1", "", {8, 8, 353, 289}, "宋体 10.5"},
    {"Command4", "", {584, 416, 89, 41}, "宋体 18"},
    {"Label6", "", {8, 440, 376, 17}, "宋体 9"},
    {"Text1", "Frame1", {64, 24, 73, 17}, "宋体 9"},
    {"Check4", "Frame1", {280, 72, 65, 17}, "宋体 9"},
    {"Text16", "Frame8", {80, 104, 25, 17}, "宋体 9"},
};
const Place kChinesePlaces[] = {
    {"Frame1", "", {8, 8, 313, 257}, "Arial 9"},
    {"Command1", "", {544, 344, 89, 33}, "Palatino Linotype 14.25 bold"},
    {"Label37", "", {8, 416, 321, 17}, "宋体 10.5"},
    {"Text1", "Frame1", {48, 24, 89, 17}, "宋体 9"},
    {"Check4", "Frame8", {80, 48, 73, 17}, "宋体 9"},
    {"Label22", "Frame2", {144, 16, 153, 41}, "宋体 9"},
};

TEST_P(LayoutTest, ControlsStandInTheirGroupsAtTheirPlacesInTheirFaces) {
  // The client area below the menu bar holds the window's own controls at its fixed size.
  QWidget* client = control("clientArea");
  EXPECT_EQ(client->size(), english() ? QSize(678, 461) : QSize(636, 430));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  for (const auto& place : english() ? std::span<const Place>(kEnglishPlaces)
                                     : std::span<const Place>(kChinesePlaces)) {
    QWidget* widget = control(place.control);
    EXPECT_EQ(widget->geometry(), place.pixels) << place.control;
    const QWidget* parent = widget->parentWidget();
    EXPECT_EQ(parent == client ? QString() : parent->objectName(), place.group) << place.control;
    const QFont font = widget->font();
    const QString face = font.family() + ' ' + QString::number(font.pointSizeF());
    EXPECT_EQ(face + (font.bold() ? " bold" : ""), QString::fromUtf8(place.font)) << place.control;
  }
  // "Send massage" lies on the group's top row and is drawn above it.
  QWidget* send = control("Command2");
  EXPECT_EQ(client->childAt(send->geometry().center()), send);
}

TEST_P(LayoutTest, TabWalksTheControlsInOrder) {
  QString order =
      "Text1 Text2 Text17 Text11 Text9 Text3 Text16 Text25 Text18 Text4 Text13 Text5 Combo1 Text19 "
      "Text20 Text21 Text22 Command4 Command6 Command7 Command8 Text6 Check6 Text12 Text15 Text23 "
      "Text24 Text29 Text30 Combo9 Command1 Check14 Check16 Check13 Check15 Check9 Check11 Check8 "
      "Check3 Text10 Check12 Check10 Check2 Check1 Text26 Command3 Text8 Text7 Check7 Check17 "
      "Check18 Text34 Text27 Command2 Check5 Check4 Text1";  // and round again
  if (!english()) order.replace(" Check4", "").replace("Check10", "Check10 Check4");
  const QStringList expected = order.split(' ');

  QStringList walked;
  while (walked.size() < expected.size()) {
    // An editable drop-down's inner line edit counts as the box.
    QWidget* focus = QApplication::focusWidget();
    if (qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();
    walked << focus->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(walked, expected);
}

INSTANTIATE_TEST_SUITE_P(Builds, LayoutTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
