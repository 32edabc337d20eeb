#pragma once
// Finding the tracker by plugging it in: the port that appears is the tracker's. Nothing is sent.

#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

#include "link/discovery/port_names.h"

namespace vorlan {

// The entries of `now` whose device was not there in `before`; a device that a pin and the
// system's list both name comes once, under the pin.
QList<MappedPort> Appeared(const QList<MappedPort>& before, const QList<MappedPort>& now);

// Looks at the ports present every poll and tells the first one to appear. A port that goes away
// and comes back counts as appearing, so the cable may also be pulled after the watch started.
class PortArrivalWatch : public QObject {
 public:
  using PortSource = std::function<QList<MappedPort>()>;
  static constexpr int kPollMs = 250;

  explicit PortArrivalWatch(PortSource ports = PortsPresentNow, int pollMs = kPollMs);

  void start();  // from the ports present now
  void stop();
  bool watching() const { return poll_.isActive(); }

  // The port that appeared; the watch has stopped by then.
  std::function<void(const MappedPort& port)> onArrived;

 private:
  void look();

  PortSource ports_;
  QTimer poll_;
  QList<MappedPort> last_;
};

}  // namespace vorlan
