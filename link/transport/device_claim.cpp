#include "link/transport/device_claim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace vorlan {

DeviceClaim::Result DeviceClaim::claim(const QString& devicePath) {
  release();
  // Non-blocking: a modem line without carrier must not hold the open.
  descriptor_ =
      ::open(devicePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor_ < 0) return errno == EBUSY ? Result::Held : Result::Unopenable;
  if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) return Result::Claimed;
  const bool held = errno == EWOULDBLOCK;
  release();
  // A device that cannot be locked at all is opened without the claim, as before there was one.
  return held ? Result::Held : Result::Claimed;
}

void DeviceClaim::release() {
  if (descriptor_ >= 0) ::close(descriptor_);  // closing it drops the lock
  descriptor_ = -1;
}

}  // namespace vorlan
