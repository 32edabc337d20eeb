#pragma once
// The window's status line: whether a port is open and which device it stands for, that an answer
// is awaited with the bytes received so far, a notice when it is late, and the outcome of the last
// exchange. A late answer is still handled as ever: the notice only tells. The device session
// says when bytes come and when an answer is late; the line keeps no clock of its own.

#include <QString>

#include "link/session/device_session.h"
#include "ui/language_data.h"
#include "ui/window_view.h"

namespace vorlan::ui {

class StatusLine {
 public:
  StatusLine(WindowView& view, const DeviceSession& session, const LanguageData& lang);

  // The port was picked, closed or lost: says which one is open, or that none is.
  void showPort();
  // A request was sent that awaits this many bytes.
  void awaiting(int replyLength);
  // Bytes of the awaited answer came: this many are waiting.
  void progress(int received);
  // The answer is late: the session's time-out passed, and it is still awaited.
  void late();
  // The reply came (or a request failed): its message is the outcome.
  void outcome(const QString& message);
  // A message went out; nothing is awaited for it.
  void messageSent();
  // The window took the factory values; nothing was sent.
  void factoryReset();

 private:
  void stopWaiting();
  QString portName() const;

  WindowView& view_;
  const DeviceSession& session_;
  const LanguageData& lang_;
  int expected_ = 0;  // bytes awaited; 0 when nothing is
  bool late_ = false;
};

}  // namespace vorlan::ui
