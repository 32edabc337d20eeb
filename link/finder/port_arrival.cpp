#include "link/finder/port_arrival.h"

#include <QSet>
#include <algorithm>
#include <utility>

namespace vorlan {

QList<MappedPort> Appeared(const QList<MappedPort>& before, const QList<MappedPort>& now) {
  QSet<QString> known;
  for (const MappedPort& port : before) known.insert(DeviceKey(port.path));
  QList<MappedPort> appeared;
  for (const MappedPort& port : now) {
    const QString key = DeviceKey(port.path);
    if (known.contains(key)) continue;
    const auto same = std::find_if(appeared.begin(), appeared.end(),
                                   [&](const MappedPort& p) { return DeviceKey(p.path) == key; });
    if (same == appeared.end()) {
      appeared << port;
    } else if (port.pinned && !same->pinned) {
      *same = port;
    }
  }
  return appeared;
}

PortArrivalWatch::PortArrivalWatch(PortSource ports, int pollMs) : ports_(std::move(ports)) {
  poll_.setInterval(pollMs);
  connect(&poll_, &QTimer::timeout, this, &PortArrivalWatch::look);
}

void PortArrivalWatch::start() {
  last_ = ports_();
  poll_.start();
}

void PortArrivalWatch::stop() {
  poll_.stop();
}

void PortArrivalWatch::look() {
  const QList<MappedPort> now = ports_();
  const QList<MappedPort> appeared = Appeared(last_, now);
  last_ = now;
  if (appeared.isEmpty()) return;
  stop();
  if (onArrived) onArrived(appeared.first());
}

}  // namespace vorlan
