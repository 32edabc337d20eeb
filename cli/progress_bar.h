#pragma once
// A progress bar on standard error while a reply arrives, drawn only when standard error is a
// terminal: "Reading COM1  [##########..........]  206/412 bytes".

#include <QString>

namespace vorlan::cli {

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
