#pragma once
// What the benchmarks share: a monotonic clock, medians, and programs started as child processes.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace vorlan::bench {

inline double Now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Starts the program (looked up in PATH when the name has no "/") with its standard input from
// /dev/null and its standard output and error on the given descriptors (-1: nowhere); -1 when it
// cannot start.
inline pid_t Spawn(const std::vector<std::string>& args, int outFd = -1, int errFd = -1) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const int devNull = open("/dev/null", O_RDWR);
  posix_spawn_file_actions_adddup2(&actions, devNull, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, outFd >= 0 ? outFd : devNull, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, errFd >= 0 ? errFd : devNull, STDERR_FILENO);
  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(devNull);
  return rc == 0 ? pid : -1;
}

// The program's exit code; -1 when a signal ended it.
inline int Wait(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace vorlan::bench
