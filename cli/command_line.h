#pragma once
// vorlan_cli's command line: one command, its arguments and the options it takes.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "cli/exit_codes.h"

namespace vorlan::cli {

struct Options {
  QString command;  // "ports", "read", "write", "verify", "diff", "check", "passcode", "about",
                    // "instruction", "message"
  QStringList arguments;  // what follows the command
  QString port;           // "auto": the one port whose device answers the About request
  QString output;         // read -o FILE
  QStringList sets;       // write --set FIELD=VALUE, in order
  bool verify = true;
  bool backup = true;
  bool strict = false;  // write: refuse to send when the check warns
  bool json = false;    // check: the findings as JSON
  int timeoutMs = 3000;
  bool timeoutGiven = false;  // --timeout was on the command line
  bool probe = false;         // ports --probe
  bool wait = false;          // ports --wait
  QString log;
  std::optional<QString> hisCallsign, hisPassword, callsign;
};

// Parses the process's arguments. --help and --version print and end the program (exit 0, or 1
// when standard output cannot be written); an unknown option ends it with exit 1. Anything else
// wrong comes back as a usage failure.
std::variant<Options, Failure> ParseCommandLine(const QCoreApplication& app);

}  // namespace vorlan::cli
