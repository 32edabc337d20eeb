// Where the controls stand in the client area, in which group, in which face, and the order Tab
// walks them in.
// Offscreen the screen has 96 logical dots per inch: 15 twips are one pixel.

#include <QAbstractButton>
#include <algorithm>
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

// Tab reaches every box, check box and button once, starting at Callsign, and comes back to it.
TEST_P(LayoutTest, TabReachesEveryControlOnceAndComesRound) {
  QStringList focusable;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    const bool box = qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget());
    if (!w->isVisibleTo(window.get())) continue;  // the menu bar's hidden extension button
    if (box || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w)) {
      focusable << w->objectName();
    }
  }
  QStringList walked;
  for (qsizetype i = 0; i <= focusable.size(); ++i) {
    // An editable drop-down's inner line edit counts as the box.
    QWidget* focus = QApplication::focusWidget();
    if (qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();
    walked << focus->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(walked.first(), "Text1");
  EXPECT_EQ(walked.last(), "Text1");  // round again
  walked.removeLast();
  std::sort(walked.begin(), walked.end());
  std::sort(focusable.begin(), focusable.end());
  EXPECT_EQ(walked, focusable);
}

INSTANTIATE_TEST_SUITE_P(Builds, LayoutTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
