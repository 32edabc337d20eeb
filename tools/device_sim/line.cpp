#include "tools/device_sim/line.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "tools/device_sim/log.h"

namespace vorlan::sim {
namespace {

bool MakeRaw(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return false;
  cfmakeraw(&t);
  cfsetispeed(&t, B9600);
  cfsetospeed(&t, B9600);
  t.c_cflag |= CLOCAL | CREAD;
  t.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
  return tcsetattr(fd, TCSANOW, &t) == 0;
}

}  // namespace

Line::Line(const QString& device) {
  if (device.isEmpty()) {
    openPty();
    return;
  }
  path_ = device.toStdString();
  fd_ = open(path_.c_str(), O_RDWR | O_NOCTTY);
  if (fd_ < 0 || !MakeRaw(fd_)) Fail("cannot open " + path_ + ": " + strerror(errno));
}

void Line::openPty() {
  fd_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) Fail("no pseudo-terminal");
  path_ = ptsname(fd_);
  // Holding the slave open keeps the master readable while the tool has the port closed, and raw
  // mode keeps the line discipline from echoing or translating before the tool opens it.
  slave_ = open(path_.c_str(), O_RDWR | O_NOCTTY);
  if (slave_ < 0 || !MakeRaw(slave_)) Fail("cannot set up " + path_);
}

void Line::write(const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd_, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) Fail(std::string("write: ") + strerror(errno));
    data += n;
    size -= size_t(n);
  }
}

void Line::hangUp(long sent) {
  Log("hangup after " + std::to_string(sent) + " reply bytes");
  if (slave_ >= 0) close(slave_);
  close(fd_);
  std::exit(0);
}

}  // namespace vorlan::sim
