#pragma once
// The claim on a serial device that every name of it shares: an advisory lock (flock) on the
// device itself, held through a descriptor of its own while the port is open. Two programs that
// open one device by different names (a link in /tmp, a /dev/serial/by-id/... name, its own path)
// get different lock files but only one of them gets this lock, and it holds root off too, for
// whom the exclusive mode of a tty does not. Taking it opens the device without touching its line
// settings and sends nothing, so a held device is left as its holder set it.

#include <QString>

namespace vorlan {

class DeviceClaim {
 public:
  enum class Result {
    Claimed,     // this program holds the device now
    Held,        // another program holds the lock on it, or has made it exclusive
    Unopenable,  // it cannot be opened at all (missing, forbidden): opening the port says why
  };

  DeviceClaim() = default;
  ~DeviceClaim() { release(); }
  DeviceClaim(const DeviceClaim&) = delete;
  DeviceClaim& operator=(const DeviceClaim&) = delete;

  Result claim(const QString& devicePath);
  void release();

 private:
  int descriptor_ = -1;
};

}  // namespace vorlan
