#pragma once
// Event-loop waits that always end.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <functional>

namespace vorlan::test {

// Runs the event loop until done() holds or the time is up; returns done().
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QDeadlineTimer deadline(timeoutMs);
  QTimer tick;  // wakes the loop even when nothing else happens
  tick.start(5);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// Runs the event loop for this long.
inline void Pump(int ms) {
  WaitUntil([] { return false; }, ms);
}

}  // namespace vorlan::test
