#pragma once
// The window's status line: whether a port is open and which device it stands for, that an answer
// is awaited with the bytes received so far, a notice when it is late, and the outcome of the last
// exchange. A late answer is still handled as ever: the notice only tells, it disarms nothing.

#include <QObject>
#include <QString>
#include <QTimer>

#include "link/serial_link.h"
#include "ui/language_data.h"
#include "ui/window_view.h"

namespace vorlan::ui {

class StatusLine : public QObject {
 public:
  static constexpr int kNoAnswerDelayMs = 5000;

  StatusLine(WindowView& view, const SerialLink& link, const LanguageData& lang);

  void setNoAnswerDelay(int ms) { noAnswerDelayMs_ = ms; }

  // The port was picked, closed or lost: says which one is open, or that none is.
  void showPort();
  // A request was sent that awaits this many bytes.
  void awaiting(int replyLength);
  // The reply came (or a request failed): its message is the outcome.
  void outcome(const QString& message);
  // A message went out; nothing is awaited for it.
  void messageSent();
  // The window took the factory values; nothing was sent.
  void factoryReset();

 private:
  void stopWaiting();
  void showProgress();
  void showNoAnswer();
  QString portName() const;

  WindowView& view_;
  const SerialLink& link_;
  const LanguageData& lang_;
  QTimer poll_;
  QTimer noAnswer_;
  int noAnswerDelayMs_ = kNoAnswerDelayMs;
  int expected_ = 0;  // bytes awaited; 0 when nothing is
  bool late_ = false;
};

}  // namespace vorlan::ui
