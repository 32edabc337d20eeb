#include "link/serial_port/port_control.h"

#include <gtest/gtest.h>

#include "fake_view.h"
#include "recording_link.h"

namespace vorlan {
namespace {

TEST(PortControl, PickingAnEntryClosesAnotherOpenPortFirst) {
  const struct {
    bool open;
    int openPort;
    const char* picked;
    QStringList operations;
  } rows[] = {
      {false, 0, "COM7", {"CommPort=7", "PortOpen=1"}},
      {false, 0, "COM30", {"CommPort=30", "PortOpen=1"}},
      {false, 0, "COM2", {"CommPort=2", "PortOpen=1"}},
      {true, 3, "COM7", {"PortOpen=0", "CommPort=7", "PortOpen=1"}},
      {true, 7, "COM7", {}},  // the open port stays open
      {false, 0, "com7", {}},
      {false, 0, "COM31", {}},
      {false, 0, "COM07", {}},
  };
  for (const auto& row : rows) {
    test::RecordingLink link;
    test::FakeView view;
    link.open = row.open;
    if (row.open) link.setCommPort(row.openPort);
    link.clearLog();
    SelectPort(link, view, row.picked);
    EXPECT_EQ(link.log, row.operations) << row.picked;
    EXPECT_TRUE(view.messages.isEmpty());
  }
}

TEST(PortControl, AFailedStepIsShownAndEndsThePick) {
  const struct {
    bool open;
    const char* failAt;
    QStringList operations;
  } rows[] = {
      {true, "PortOpen", {}},  // closing the old port fails: the new number is not even set
      {true, "CommPort", {"PortOpen=0"}},
      {false, "PortOpen", {"CommPort=9"}},
  };
  for (const auto& row : rows) {
    test::RecordingLink link;
    test::FakeView view;
    link.open = row.open;
    link.setCommPort(3);
    link.clearLog();
    link.failAt = row.failAt;
    link.failWith = "the port failed";
    SelectPort(link, view, "COM9");
    EXPECT_EQ(link.log, row.operations) << row.failAt;
    EXPECT_EQ(view.messages, QStringList{"the port failed"});
  }
}

TEST(PortControl, ExitClosesThePort) {
  test::RecordingLink link;
  ExitProgram(link);
  EXPECT_EQ(link.log, QStringList{"PortOpen=0"});
  EXPECT_FALSE(link.portOpen());
}

}  // namespace
}  // namespace vorlan
