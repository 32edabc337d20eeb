#pragma once
// SIGINT, SIGTERM and SIGHUP (on Windows: Ctrl+C, Ctrl+Break, closing the console) while the
// device's port is open: instead of ending the program where it stands, leaving the port's lock
// file and its exclusive mode behind and maybe half a frame on the line, the signal is noted and
// the session stops at its next step: the frame being sent is let out whole, the port is closed
// and the program ends through its normal path with 130, 143 or 129.
//
// One StopSignals lives at a time. A signal the dispositions ignore (nohup) stays ignored.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "cli/exit_codes.h"

namespace vorlan::cli {

class StopSignals {
 public:
  StopSignals();
  // Puts back what was there before. A signal that came and was never reported ends the program
  // now, as it would have at once.
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // A stop signal has come.
  bool stopped() const;
  // What the program says and exits with for it; the signal counts as reported.
  Failure failure(const QString& where);
  // The signal that came, as a person names it ("SIGINT", "Ctrl+C").
  QString signalName() const;
  // Called from the event loop when a signal comes: ends a wait at once.
  void onStop(std::function<void()> callback);

 private:
  struct Watch;
  std::unique_ptr<Watch> watch_;
  bool reported_ = false;
};

}  // namespace vorlan::cli
