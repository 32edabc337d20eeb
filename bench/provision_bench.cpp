// `vorlan_cli provision` against 1, 2, 4 and 8 device simulators paced at 9600 baud, each on its
// own pseudo-terminal pinned as COM1..COMn: one template, one table row per tracker (its own
// Callsign and BeaconText, LoginPassword "auto"). Prints the median time for each count and its
// ratio to one tracker's, beside the same work as n separate `vorlan_cli write` processes started
// at once. Every run has fresh simulators, so every run writes (each simulator must receive one
// write frame). Where the time goes: when the first frame reached each tracker, when its write
// frame came and when its last reply left, from the simulators' own logs.
//
// With --wine the Windows build runs under Wine (WINEPREFIX from the environment): COMn of the
// prefix leads to com-links/comN in it (scripts/windows-com-links), linked to the n-th
// pseudo-terminal.
// Usage: vorlan_provision_bench [--wine WINE] VORLAN_CLI DEVICE_SIM [runs]

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "check/passcode.h"
#include "child_process.h"

namespace {

using vorlan::bench::Now;
using vorlan::bench::Spawn;
using vorlan::bench::Wait;

constexpr double kSecondsPerByte = 10.0 / 9600;  // start, 8 data and stop bit
constexpr int kTrackerCounts[] = {1, 2, 4, 8};
constexpr char kCallsignBase[] = "BG7PV";
constexpr int kCommandTimeoutMs = 60000;
constexpr int kSettleMs = 300;

// How the programs under test are started and what their ports and files are called.
struct Runner {
  std::string wine;  // empty: the Linux build
  std::string cli, sim;
  std::string prefix;  // Wine's prefix

  std::vector<std::string> command(std::vector<std::string> args) const {
    args.insert(args.begin(), cli);
    if (!wine.empty()) args.insert(args.begin(), wine);
    return args;
  }
  // A file as the program under test names it: under Wine, on drive Z:, which is "/".
  std::string file(const std::string& path) const {
    if (wine.empty()) return path;
    std::string dos = "Z:" + path;
    std::replace(dos.begin(), dos.end(), '/', '\\');
    return dos;
  }
  // COMn leads to the pseudo-terminal.
  bool link(int n, const std::string& pty) const {
    if (wine.empty())
      return setenv(("VORLAN_COM" + std::to_string(n)).c_str(), pty.c_str(), 1) == 0;
    const std::filesystem::path com = prefix + "/com-links/com" + std::to_string(n);
    std::error_code error;
    std::filesystem::remove(com, error);
    std::filesystem::create_symlink(pty, com, error);
    return !error;
  }
};

// One simulator on its pseudo-terminal, and what its log said when, in seconds from `started`.
struct Simulator {
  pid_t pid = -1;
  int log = -1;  // its standard error
  std::string pty;
  std::string pending;  // a log line not yet whole
  int writeFrames = 0;
  long replyBytes = 0;
  double firstFrame = -1, writeFrame = -1, lastReply = -1;

  void logged(const std::string& line, double at) {
    if (line.rfind("rx ", 0) == 0 && firstFrame < 0) firstFrame = at;
    if (line.rfind("rx write ", 0) == 0) {
      ++writeFrames;
      writeFrame = at;
    }
    if (line.rfind("tx ", 0) == 0) {
      lastReply = at;
      replyBytes += static_cast<long>(line.size() - 3) / 2;
    }
  }
  // Takes in what the log holds now.
  void drain(double at) {
    char buffer[4096];
    const ssize_t got = read(log, buffer, sizeof buffer);
    if (got <= 0) return;
    pending.append(buffer, static_cast<size_t>(got));
    for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
      logged(pending.substr(0, end), at);
      pending.erase(0, end + 1);
    }
  }
};

// Starts a simulator paced at 9600 baud and waits for the path of its pseudo-terminal.
bool Start(const std::string& sim, Simulator& device) {
  int out[2], err[2];
  if (pipe(out) != 0 || pipe2(err, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  device.pid = Spawn({sim}, out[1], err[1]);
  close(out[1]);
  close(err[1]);
  device.log = err[0];
  for (char c; read(out[0], &c, 1) == 1 && c != '\n';) device.pty += c;
  close(out[0]);
  return device.pid > 0 && !device.pty.empty();
}

// Ends the simulators; what they logged stays.
void Stop(std::vector<Simulator>& devices) {
  for (auto& device : devices) {
    if (device.pid > 0) kill(device.pid, SIGTERM);
  }
  for (auto& device : devices) {
    if (device.pid > 0) Wait(device.pid);
    if (device.log >= 0) close(device.log);
    device.pid = device.log = -1;
  }
}

// Waits for the programs to end, taking in the simulators' logs as they come; true when every
// one ended with exit code 0 in time.
bool WaitAll(const std::vector<pid_t>& programs, std::vector<Simulator>& devices, double started) {
  std::vector<pollfd> fds;
  for (const pid_t pid : programs) {
    fds.push_back({static_cast<int>(syscall(SYS_pidfd_open, pid, 0)), POLLIN, 0});
  }
  for (const auto& device : devices) fds.push_back({device.log, POLLIN, 0});
  size_t running = programs.size();
  bool allPassed = true;
  while (running > 0 && (Now() - started) * 1000 < kCommandTimeoutMs) {
    if (poll(fds.data(), fds.size(), 1000) <= 0) continue;
    const double at = Now() - started;
    for (size_t i = 0; i < fds.size(); ++i) {
      if (!(fds[i].revents & (POLLIN | POLLHUP))) continue;
      if (i >= programs.size()) {
        devices[i - programs.size()].drain(at);
        continue;
      }
      allPassed = Wait(programs[i]) == 0 && allPassed;
      close(fds[i].fd);
      fds[i].fd = -1;
      --running;
    }
  }
  for (size_t i = 0; i < programs.size(); ++i) {
    if (fds[i].fd < 0) continue;
    kill(programs[i], SIGKILL);
    Wait(programs[i]);
    close(fds[i].fd);
    allPassed = false;
  }
  // What the simulators logged as the programs ended.
  for (auto& device : devices) device.drain(Now() - started);
  return allPassed;
}

std::string Callsign(int n) {
  return std::string(kCallsignBase) + "-" + std::to_string(n);
}

// One row per tracker: its own callsign and beacon text, its passcode from its callsign.
bool WriteTable(const std::string& path, int trackers) {
  std::ofstream table(path);
  table << "Callsign,BeaconText,LoginPassword\r\n";
  for (int i = 1; i <= trackers; ++i) {
    table << Callsign(i) << ",\"Bench tracker " << i << ", set up at once\",auto\r\n";
  }
  return static_cast<bool>(table);
}

struct Run {
  double seconds = 0;
  std::vector<Simulator> devices;  // what each logged (their processes ended)
};

struct Bench {
  Runner runner;
  std::string folder;
  std::string templateFile() const { return folder + "/template.json"; }

  // Fresh simulators on COM1..COMn.
  bool startTrackers(int trackers, std::vector<Simulator>& devices) const {
    devices.resize(static_cast<size_t>(trackers));
    for (int i = 0; i < trackers; ++i) {
      if (!Start(runner.sim, devices[i]) || !runner.link(i + 1, devices[i].pty)) return false;
    }
    return true;
  }

  // The template: a tracker's whole configuration, read from a simulator.
  bool readTemplate() const {
    std::vector<Simulator> devices;
    const bool read = startTrackers(1, devices) &&
                      Wait(Spawn(runner.command({"read", "--port", "COM1", "--no-backup", "-o",
                                                 runner.file(templateFile())}))) == 0;
    Stop(devices);
    return read;
  }

  std::vector<std::vector<std::string>> provisionCommand(int trackers) const {
    const std::string table = folder + "/table.csv";
    std::string ports;
    for (int i = 1; i <= trackers; ++i) ports += (i > 1 ? ",COM" : "COM") + std::to_string(i);
    if (!WriteTable(table, trackers)) return {};
    return {runner.command({"provision", runner.file(templateFile()), "--devices",
                            runner.file(table), "--ports", ports, "--no-backup", "--report",
                            runner.file(folder + "/report.csv")})};
  }

  // The same work as one `write` process per tracker, all started at once.
  std::vector<std::vector<std::string>> writeCommands(int trackers) const {
    const QString passcode =
        vorlan::PasscodeText(vorlan::AprsIsPasscode(QString::fromLatin1(kCallsignBase)));
    std::vector<std::vector<std::string>> commands;
    for (int i = 1; i <= trackers; ++i) {
      commands.push_back(
          runner.command({"write", runner.file(templateFile()), "--port", "COM" + std::to_string(i),
                          "--no-backup", "--set", "Callsign=" + Callsign(i), "--set",
                          "BeaconText=Bench tracker " + std::to_string(i) + ", set up at once",
                          "--set", "LoginPassword=" + passcode.toStdString()}));
    }
    return commands;
  }

  using Commands = std::vector<std::vector<std::string>> (Bench::*)(int trackers) const;

  // Runs the commands against fresh simulators; false (and says why) when one fails or a tracker
  // did not get exactly one write frame.
  bool run(int trackers, const std::vector<std::vector<std::string>>& commands, Run& out) const {
    if (commands.empty() || !startTrackers(trackers, out.devices)) {
      Stop(out.devices);
      return false;
    }
    usleep(kSettleMs * 1000);  // the simulators' own start-up is no part of the figure
    const std::string output = folder + "/output.txt";
    const int outFd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const double started = Now();
    std::vector<pid_t> programs;
    for (const auto& command : commands) programs.push_back(Spawn(command, outFd, outFd));
    bool passed = WaitAll(programs, out.devices, started);
    out.seconds = Now() - started;
    close(outFd);
    Stop(out.devices);
    for (const auto& device : out.devices) passed = passed && device.writeFrames == 1;
    if (!passed) {
      std::fprintf(stderr, "%s failed with %d trackers; the output:\n",
                   commands[0][runner.wine.empty() ? 1 : 2].c_str(), trackers);
      std::ifstream said(output);
      std::fprintf(stderr, "%s", std::string(std::istreambuf_iterator<char>(said), {}).c_str());
    }
    return passed;
  }

  // The median of `runs` runs, and the run it came from.
  bool median(int trackers, Commands commands, int runs, Run& out) const {
    std::vector<Run> done(static_cast<size_t>(runs));
    for (auto& run : done) {
      if (!this->run(trackers, (this->*commands)(trackers), run)) return false;
    }
    std::sort(done.begin(), done.end(),
              [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
    out = done[done.size() / 2];
    return true;
  }
};

// When the earliest tracker and the latest got to a step, in seconds.
struct Range {
  double first = 1e9, last = 0;
  std::string text() const {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f-%.0f", first * 1e3, last * 1e3);
    return text;
  }
};

Range RangeOf(const std::vector<Simulator>& devices, double Simulator::*when) {
  Range range;
  for (const auto& device : devices) {
    range.first = std::min(range.first, device.*when);
    range.last = std::max(range.last, device.*when);
  }
  return range;
}

}  // namespace

int main(int argc, char** argv) {
  Bench bench;
  int arg = 1;
  if (argc > 2 && std::string(argv[1]) == "--wine") {
    bench.runner.wine = argv[2];
    const char* prefix = std::getenv("WINEPREFIX");
    bench.runner.prefix = prefix ? prefix : "";
    arg = 3;
  }
  if (argc - arg < 2 || (!bench.runner.wine.empty() && bench.runner.prefix.empty())) {
    std::fprintf(stderr,
                 "usage: %s [--wine WINE] VORLAN_CLI DEVICE_SIM [runs]   (--wine needs "
                 "WINEPREFIX)\n",
                 argv[0]);
    return 1;
  }
  bench.runner.cli = argv[arg];
  bench.runner.sim = argv[arg + 1];
  const int runs = argc > arg + 2 ? std::max(1, std::atoi(argv[arg + 2])) : 3;
  char folder[] = "/tmp/vorlan_provision_bench_XXXXXX";
  if (!mkdtemp(folder)) return 1;
  bench.folder = folder;
  setenv("XDG_DATA_HOME", folder, 1);  // where backups would go: none are made

  if (!bench.readTemplate()) {
    std::fprintf(stderr, "cannot read the template from a simulator\n");
    return 1;
  }
  double load[1] = {0};
  getloadavg(load, 1);
  std::printf("%s, simulators paced at 9600 baud, median of %d (times in ms), load average %.1f\n",
              bench.runner.wine.empty() ? "vorlan_cli" : "vorlan_cli.exe under Wine", runs,
              load[0]);
  struct Way {
    const char* name;
    Bench::Commands commands;
    double one = 0;  // one tracker's time
  };
  Way ways[] = {{"provision", &Bench::provisionCommand},
                {"write processes", &Bench::writeCommands}};
  int failed = 0;
  for (const int trackers : kTrackerCounts) {
    for (auto& way : ways) {
      Run run;
      if (!bench.median(trackers, way.commands, runs, run)) {
        std::printf("%d tracker(s), %s: failed\n", trackers, way.name);
        ++failed;
        continue;
      }
      if (trackers == 1) way.one = run.seconds;
      const Range firstFrame = RangeOf(run.devices, &Simulator::firstFrame);
      const Range lastReply = RangeOf(run.devices, &Simulator::lastReply);
      // From the first frame on the line to the last reply: the run without the start-up.
      std::printf(
          "%d tracker(s), %s: %.0f (ratio %.3f); first frame at %s, write frame at %s, last "
          "reply at %s, on the line %.0f; one tracker's replies take %.0f on the wire\n",
          trackers, way.name, run.seconds * 1e3, way.one > 0 ? run.seconds / way.one : 0.0,
          firstFrame.text().c_str(), RangeOf(run.devices, &Simulator::writeFrame).text().c_str(),
          lastReply.text().c_str(), (lastReply.last - firstFrame.first) * 1e3,
          static_cast<double>(run.devices[0].replyBytes) * kSecondsPerByte * 1e3);
      std::fflush(stdout);
    }
  }
  std::filesystem::remove_all(folder);
  return failed == 0 ? 0 : 1;
}
