// vorlan_device_sim: a simulated device on a new pseudo-terminal (or on a given serial device).
// The first line on stdout is the path the tool opens; what it receives and sends is logged on
// stderr, one line each ("rx <kind> <hex> <text>", "tx <hex>").

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "tools/device_sim/device.h"
#include "tools/device_sim/frame_assembler.h"

namespace {

using namespace vorlan::sim;

constexpr long kNanosPerByte = 1'000'000'000L * 10 / 9600;  // start, 8 data and stop bit

struct Options {
  QString device;
  char filler = ' ';
  bool fast = false;
  Faults faults;
  int delayMs = 0;
  long hangUpAfter = -1;
  int chunk = 0;
  int gapMs = 0;
  int quietMs = 50;
  unsigned seed = 1;
};

void Log(const std::string& line) {
  const std::string out = line + "\n";
  fwrite(out.data(), 1, out.size(), stderr);
}

std::string Hex(const QByteArray& bytes) {
  return bytes.toHex().toStdString();
}

std::string Printable(const QByteArray& bytes) {
  std::string out;
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7f && b != '\\') {
      out += c;
    } else {
      char escaped[5];
      snprintf(escaped, sizeof escaped, "\\x%02x", b);
      out += escaped;
    }
  }
  return out;
}

[[noreturn]] void Fail(const std::string& what) {
  Log("vorlan_device_sim: " + what);
  std::exit(2);
}

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

Options ParseOptions(const QCoreApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "A simulated device for the setup tool. Prints the path to open as its first line.");
  parser.addHelpOption();
  const QCommandLineOption device("device", "Serve this serial device instead of a new pty.",
                                  "path");
  const QCommandLineOption filler("filler", "Pad texts with blank (default), nul or ff.", "byte",
                                  "blank");
  const QCommandLineOption fast("fast", "Send replies at once instead of at 9600 baud.");
  const QCommandLineOption noise("noise", "Send N random bytes before every reply.", "N", "0");
  const QCommandLineOption cut("cut", "Cut every reply to N bytes.", "N", "-1");
  const QCommandLineOption wrongLead("wrong-lead", "Send \"#\" in place of the \"$\" lead.");
  const QCommandLineOption wrongKind("wrong-kind", "Send this character as the reply kind.", "D");
  const QCommandLineOption delay("delay", "Wait MS milliseconds before every reply.", "MS", "0");
  const QCommandLineOption hangUp("hangup-after", "Hang up after N reply bytes.", "N", "-1");
  const QCommandLineOption chunk("chunk", "Send replies in pieces of N bytes.", "N", "0");
  const QCommandLineOption gap("gap", "Pause MS milliseconds between pieces.", "MS", "0");
  const QCommandLineOption quiet("quiet", "A frame without end mark ends after MS quiet.", "MS",
                                 "50");
  const QCommandLineOption seed("seed", "Seed of the noise bytes.", "N", "1");
  parser.addOptions({device, filler, fast, noise, cut, wrongLead, wrongKind, delay, hangUp, chunk,
                     gap, quiet, seed});
  parser.process(app);

  Options o;
  o.device = parser.value(device);
  const QString f = parser.value(filler);
  if (f == "blank") {
    o.filler = ' ';
  } else if (f == "nul") {
    o.filler = '\0';
  } else if (f == "ff") {
    o.filler = '\xff';
  } else {
    Fail("--filler takes blank, nul or ff");
  }
  o.fast = parser.isSet(fast);
  o.faults.noise = parser.value(noise).toInt();
  o.faults.cut = parser.value(cut).toInt();
  o.faults.wrongLead = parser.isSet(wrongLead);
  if (parser.isSet(wrongKind)) {
    const QByteArray kind = parser.value(wrongKind).toLatin1();
    if (kind.size() != 1) Fail("--wrong-kind takes one character");
    o.faults.wrongKind = kind[0];
  }
  o.delayMs = parser.value(delay).toInt();
  o.hangUpAfter = parser.value(hangUp).toLong();
  o.chunk = parser.value(chunk).toInt();
  o.gapMs = parser.value(gap).toInt();
  o.quietMs = std::max(1, parser.value(quiet).toInt());
  o.seed = parser.value(seed).toUInt();
  return o;
}

// The line to the tool: the master side of a new pty, or the given device.
class Line {
 public:
  explicit Line(const QString& device) {
    if (device.isEmpty()) {
      openPty();
    } else {
      path_ = device.toStdString();
      fd_ = open(path_.c_str(), O_RDWR | O_NOCTTY);
      if (fd_ < 0 || !MakeRaw(fd_)) Fail("cannot open " + path_ + ": " + strerror(errno));
    }
  }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  bool isPty() const { return slave_ >= 0; }

  void write(const char* data, size_t size) {
    while (size > 0) {
      const ssize_t n = ::write(fd_, data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) Fail(std::string("write: ") + strerror(errno));
      data += n;
      size -= size_t(n);
    }
  }

  [[noreturn]] void hangUp(long sent) {
    Log("hangup after " + std::to_string(sent) + " reply bytes");
    if (slave_ >= 0) close(slave_);
    close(fd_);
    std::exit(0);
  }

 private:
  void openPty() {
    fd_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) Fail("no pseudo-terminal");
    path_ = ptsname(fd_);
    // Holding the slave open keeps the master readable while the tool has the port closed, and
    // raw mode keeps the line discipline from echoing or translating before the tool opens it.
    slave_ = open(path_.c_str(), O_RDWR | O_NOCTTY);
    if (slave_ < 0 || !MakeRaw(slave_)) Fail("cannot set up " + path_);
  }

  int fd_ = -1;
  int slave_ = -1;
  std::string path_;
};

void SleepUntil(const timespec& when) {
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &when, nullptr) == EINTR) {
  }
}

void SleepMs(int ms) {
  timespec when{};
  clock_gettime(CLOCK_MONOTONIC, &when);
  when.tv_sec += ms / 1000;
  when.tv_nsec += long(ms % 1000) * 1'000'000L;
  if (when.tv_nsec >= 1'000'000'000L) {
    when.tv_sec += 1;
    when.tv_nsec -= 1'000'000'000L;
  }
  SleepUntil(when);
}

// Sends a reply as the options say: after the delay, in pieces with gaps, each byte at 9600 baud
// unless fast, hanging up once the given number of reply bytes has gone out.
class Sender {
 public:
  Sender(Line& line, const Options& options) : line_(line), o_(options) {}

  void send(const QByteArray& reply) {
    if (o_.delayMs > 0) SleepMs(o_.delayMs);
    const qsizetype piece = o_.chunk > 0 ? o_.chunk : reply.size();
    for (qsizetype at = 0; at < reply.size(); at += piece) {
      if (at > 0 && o_.gapMs > 0) SleepMs(o_.gapMs);
      sendPiece(reply.mid(at, piece));
    }
    Log("tx " + Hex(reply));
  }

 private:
  void sendPiece(const QByteArray& bytes) {
    timespec next{};
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (qsizetype i = 0; i < bytes.size();) {
      if (o_.hangUpAfter >= 0 && sent_ >= o_.hangUpAfter) line_.hangUp(sent_);
      // Fast: everything up to the hang-up point at once. Paced: one byte per byte time.
      qsizetype count = bytes.size() - i;
      if (o_.hangUpAfter >= 0) count = std::min<qsizetype>(count, o_.hangUpAfter - sent_);
      if (!o_.fast) count = 1;
      line_.write(bytes.constData() + i, size_t(count));
      i += count;
      sent_ += count;
      if (!o_.fast) {
        next.tv_nsec += kNanosPerByte;
        if (next.tv_nsec >= 1'000'000'000L) {
          next.tv_sec += 1;
          next.tv_nsec -= 1'000'000'000L;
        }
        SleepUntil(next);
      }
    }
    if (o_.hangUpAfter >= 0 && sent_ >= o_.hangUpAfter) line_.hangUp(sent_);
  }

  Line& line_;
  const Options& o_;
  long sent_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("vorlan_device_sim");
  const Options options = ParseOptions(app);
  signal(SIGPIPE, SIG_IGN);

  Line line(options.device);
  printf("%s\n", line.path().c_str());
  fflush(stdout);

  Device device(options.filler);
  FrameAssembler assembler;
  Sender sender(line, options);
  std::mt19937 random(options.seed);

  auto handle = [&](const std::vector<Frame>& frames) {
    for (const auto& frame : frames) {
      Log(std::string("rx ") + FrameKindName(frame.kind) + " " + Hex(frame.bytes) + " " +
          Printable(frame.bytes));
      const Answer answer = device.answer(frame);
      if (!answer.note.isEmpty()) Log("unsound write frame: " + answer.note.toStdString());
      const QByteArray reply = ApplyFaults(answer.reply, options.faults, random);
      if (!reply.isEmpty()) sender.send(reply);
    }
  };

  pollfd watch{line.fd(), POLLIN, 0};
  char buffer[4096];
  for (;;) {
    const int ready = poll(&watch, 1, options.quietMs);
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) Fail(std::string("poll: ") + strerror(errno));
    if (ready == 0) {
      if (assembler.waiting()) handle(assembler.pause());
      continue;
    }
    const ssize_t n = read(line.fd(), buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) {
      Log("the line closed");
      return 0;
    }
    handle(assembler.feed(QByteArray(buffer, n)));
  }
}
