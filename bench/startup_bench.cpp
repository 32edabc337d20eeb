// Start-up time (process start to window first shown) and peak resident memory of a program,
// against a bare Qt window as the floor. Each program runs on the offscreen platform with
// VORLAN_EXIT_WHEN_SHOWN=1 and prints "shown <CLOCK_MONOTONIC ns>" when its window is first shown.
// Usage: vorlan_startup_bench PROGRAM BARE_WINDOW [runs]

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double startupMs = 0;
  long peakRssKb = 0;
};

// The clock the program reports its first showing by.
long long MonotonicNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool RunOnce(const char* program, Run& run) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);

  char* argv[] = {const_cast<char*>(program), nullptr};
  pid_t pid = 0;
  const long long started = MonotonicNs();
  const int rc = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (rc != 0) {
    close(pipeFds[0]);
    return false;
  }

  std::string output;
  char buffer[256];
  ssize_t n = 0;
  while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
    output.append(buffer, static_cast<size_t>(n));
  close(pipeFds[0]);

  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const auto at = output.find("shown ");
  if (at == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  run.startupMs = static_cast<double>(std::atoll(output.c_str() + at + 6) - started) / 1e6;
  run.peakRssKb = usage.ru_maxrss;
  return true;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

bool Measure(const char* program, int runs, double& startupMs, long& peakRssKb) {
  std::vector<double> times;
  std::vector<long> rss;
  for (int i = 0; i < runs; ++i) {
    Run run;
    if (!RunOnce(program, run)) {
      std::fprintf(stderr, "%s did not report its window\n", program);
      return false;
    }
    times.push_back(run.startupMs);
    rss.push_back(run.peakRssKb);
  }
  startupMs = Median(times);
  peakRssKb = Median(rss);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s PROGRAM BARE_WINDOW [runs]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("VORLAN_EXIT_WHEN_SHOWN", "1", 1);

  double programMs = 0, bareMs = 0;
  long programKb = 0, bareKb = 0;
  if (!Measure(argv[1], runs, programMs, programKb) || !Measure(argv[2], runs, bareMs, bareKb)) {
    return 1;
  }
  std::printf(
      "start-up (median of %d, offscreen): %s %.1f ms, bare Qt window %.1f ms, ratio %.2f\n", runs,
      argv[1], programMs, bareMs, programMs / bareMs);
  std::printf("peak resident memory: %s %ld KiB, bare Qt window %ld KiB, ratio %.2f\n", argv[1],
              programKb, bareKb, static_cast<double>(programKb) / static_cast<double>(bareKb));
  return 0;
}
