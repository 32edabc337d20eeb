// vorlan_cli's two figures, as ratios:
// - "write" with backup and verify against the device simulator paced at 9600 baud, against the
//   wire time of every byte exchanged (counted in its --log): two read-backs and a write;
// - start-up to the first byte on the line, against a bare QCoreApplication program.
// Usage: vorlan_cli_bench VORLAN_CLI BARE_CORE DEVICE_SIM [startup runs] [write runs]

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"

namespace {

using vorlan::bench::Median;
using vorlan::bench::Now;
using vorlan::bench::Spawn;
using vorlan::bench::Wait;

constexpr double kSecondsPerByte = 10.0 / 9600;  // start, 8 data and stop bit

// Seconds from the program's start to the first byte on a fresh pseudo-terminal; -1 on failure.
double TimeToFirstByte(std::vector<std::string> args) {
  int master = -1, slave = -1;
  char name[128];
  if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return -1;
  termios raw{};
  tcgetattr(slave, &raw);
  cfmakeraw(&raw);
  tcsetattr(slave, TCSANOW, &raw);
  for (auto& a : args) {
    if (a == "PTY") a = name;
  }
  const double started = Now();
  const pid_t pid = Spawn(args);
  pollfd fd{master, POLLIN, 0};
  const bool came = pid > 0 && poll(&fd, 1, 10000) == 1;
  const double elapsed = Now() - started;
  if (pid > 0) {
    kill(pid, SIGTERM);
    Wait(pid);
  }
  close(slave);
  close(master);
  return came ? elapsed : -1;
}

double MedianTimeToFirstByte(const std::vector<std::string>& args, int runs) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double t = TimeToFirstByte(args);
    if (t >= 0) times.push_back(t);
  }
  return Median(times);
}

struct Logged {
  long sent = 0, received = 0;
};

// The bytes a --log file counts: each "->" (sent) or "<-" (received) line holds hex pairs.
Logged LoggedBytes(const std::string& path) {
  std::ifstream log(path);
  Logged bytes;
  for (std::string line; std::getline(log, line);) {
    std::istringstream words(line);
    std::string time, direction, word;
    words >> time >> direction;
    long& count = direction == "->" ? bytes.sent : bytes.received;
    if (direction != "->" && direction != "<-") continue;
    while (words >> word && word != "|") ++count;
  }
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s VORLAN_CLI BARE_CORE DEVICE_SIM [startup runs] [write runs]\n",
                 argv[0]);
    return 1;
  }
  const std::string cli = argv[1], bare = argv[2], sim = argv[3];
  const int startupRuns = argc > 4 ? std::atoi(argv[4]) : 20;
  const int writeRuns = argc > 5 ? std::atoi(argv[5]) : 5;
  char folder[] = "/tmp/vorlan_cli_bench_XXXXXX";
  if (!mkdtemp(folder)) return 1;
  setenv("XDG_DATA_HOME", folder, 1);  // the backups go here

  const double cliStart =
      MedianTimeToFirstByte({cli, "about", "--port", "PTY", "--timeout", "0.2"}, startupRuns);
  const double bareStart = MedianTimeToFirstByte({bare, "PTY"}, startupRuns);
  std::printf(
      "vorlan_cli start-up to first byte: %.1f ms, bare QCoreApplication %.1f ms (ratio %.2f), "
      "median of %d\n",
      cliStart * 1e3, bareStart * 1e3, bareStart > 0 ? cliStart / bareStart : 0.0, startupRuns);

  int out[2];
  if (pipe(out) != 0) return 1;
  const pid_t device = Spawn({sim}, out[1]);
  close(out[1]);
  std::string path;
  for (char c; read(out[0], &c, 1) == 1 && c != '\n';) path += c;
  const std::string file = std::string(folder) + "/device.json";
  const std::string log = std::string(folder) + "/exchange.log";
  if (Wait(Spawn({cli, "read", "--port", path, "--no-backup", "-o", file})) != 0) {
    std::fprintf(stderr, "cannot read the simulator at %s\n", path.c_str());
    return 1;
  }
  std::vector<double> seconds;
  Logged bytes;
  for (int i = 0; i < writeRuns; ++i) {
    std::remove(log.c_str());
    const double started = Now();
    const int rc = Wait(Spawn({cli, "write", "--port", path, file, "--log", log}));
    seconds.push_back(Now() - started);
    bytes = LoggedBytes(log);
    if (rc != 0 || bytes.received == 0) {
      std::fprintf(stderr, "write failed (exit %d)\n", rc);
      return 1;
    }
  }
  // A pseudo-terminal passes the tool's own bytes at once; only the device's replies are paced.
  const double all = static_cast<double>(bytes.sent + bytes.received) * kSecondsPerByte;
  const double replies = static_cast<double>(bytes.received) * kSecondsPerByte;
  std::printf(
      "vorlan_cli write with backup and verify, simulator at 9600 baud: %.0f ms, median of %d; "
      "%ld bytes exchanged, wire time %.0f ms (ratio %.2f); the %ld reply bytes alone %.0f ms "
      "(ratio %.2f)\n",
      Median(seconds) * 1e3, writeRuns, bytes.sent + bytes.received, all * 1e3,
      Median(seconds) / all, bytes.received, replies * 1e3, Median(seconds) / replies);
  kill(device, SIGTERM);
  Wait(device);
  const std::string cleanup = std::string("rm -rf ") + folder;
  return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
