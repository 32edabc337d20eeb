// The progress bar's line fits the terminal: it never reaches the last column, whatever the width
// and however long the port's path.
#include <gtest/gtest.h>

#include "cli/progress_bar.h"

namespace vorlan::cli {
namespace {

TEST(ProgressLine, FitsTheTerminalAndDrawsNothingWhenItsWidthIsUnknown) {
  const QString byId = "Reading COM1 (/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0)";
  const struct {
    QString label;
    int done, columns;
    QString line;
  } rows[] = {
      {"Reading COM1", 206, 80, "Reading COM1  [###############...............]  206/412 bytes"},
      {byId, 206, 200, byId + "  [###############...............]  206/412 bytes"},
      {byId, 206, 80,  // the bar narrows, then the label loses its middle
       "Reading COM1 (/dev/seria..._USB_Serial-if00-port0)  [#####.....]  206/412 bytes"},
      {byId, 412, 60, "Reading COM1 (...l-if00-port0)  [##########]  412/412 bytes"},
      {"Reading COM1", 0, 40, "Reading COM1  [..........]  0/412 bytes"},
      {byId, 206, 30, "206/412 bytes"},  // no room for a readable label: the count alone
      {byId, 206, 14, "206/412 bytes"},
      {byId, 206, 13, ""},
      {byId, 206, 0, ""},  // not a terminal, or its width unknown
  };
  for (const auto& row : rows) {
    const QString line = FitProgressLine(row.label, row.done, 412, row.columns);
    EXPECT_EQ(line, row.line) << row.columns;
    EXPECT_LT(line.size(), std::max(row.columns, 1)) << row.columns;
    if (row.label == byId && row.columns >= 40 && row.columns < 100) {
      EXPECT_EQ(line.size(), row.columns - 1);  // a long label takes the room there is
    }
  }
}

}  // namespace
}  // namespace vorlan::cli
