#pragma once
// vorlan_cli's exit codes, as --help and the README list them.

#include <QString>

namespace vorlan::cli {

enum class ExitCode {
  Ok = 0,
  UsageOrFile = 1,    // a wrong command line, a file that cannot be read, opened or saved, a
                      // value refused, a backup before a write not saved, standard output lost
  Port = 2,           // the port cannot be opened or fails
  NoAnswer = 3,       // the device did not answer within the time-out
  DeviceRefusal = 4,  // the device answered "$5", or a kind the request does not expect
  Mismatch = 5,       // verify or write: a field differs from the file; diff: the two differ
  Garbled = 6,        // the answer was no reply: it did not start with "$" (noise, a wrong lead)
  Warnings = 7,       // check found warnings; write --strict did not write because of them
  HungUp = 129,       // stopped by SIGHUP (the terminal went away; closing the Windows console)
  Interrupted = 130,  // stopped by SIGINT (Ctrl+C; Ctrl+Break on Windows)
  Terminated = 143,   // stopped by SIGTERM
};

// What ended a command: its exit code and the message for standard error.
struct Failure {
  ExitCode code;
  QString text;
};

}  // namespace vorlan::cli
