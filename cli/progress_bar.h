#pragma once
// A progress bar on standard error while a reply arrives, drawn only when standard error is a
// terminal whose width is known, and fitted to that width so that no redraw wraps:
// "Reading COM1  [##########..........]  206/412 bytes".

#include <QString>

namespace vorlan::cli {

// The line for `columns` terminal columns, never longer than columns - 1 (a character in the last
// column makes some terminals wrap): the bar narrows, then the label loses its middle, then the
// bar and the label go; empty when not even the count fits or the width is unknown (0).
QString FitProgressLine(const QString& label, int done, int total, int columns);

// The width in columns of the terminal standard error shows on, asked anew each time (the window
// may have been resized); 0 when it cannot be told.
int TerminalColumns();

class ProgressBar {
 public:
  ProgressBar();  // finds out whether standard error is a terminal

  void start(const QString& label, int total);
  void show(int done);
  void clear();  // takes the bar off the line

 private:
  bool terminal_ = false;
  bool drawn_ = false;
  QString label_;
  int total_ = 0;
};

}  // namespace vorlan::cli
