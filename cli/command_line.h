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
                    // "instruction", "message", "provision"
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
  bool wait = false;          // ports --wait, provision --wait
  QString devices;            // provision --devices TABLE
  QStringList ports;          // provision --ports, in order
  QList<int> rows;            // provision --rows, in order; empty: every row
  QString report;             // provision --report FILE
  QStringList given;          // the whole command line as typed, the program first
  QString log;
  std::optional<QString> hisCallsign, hisPassword, callsign;
};

// The process's arguments as the system gave them: on Unix each byte that is no part of UTF-8 kept
// as its stand-in (config/file_names.h), so a file name reaches the file calls as it was typed;
// on Windows as Qt has them. Call it with the arguments left once the application is made.
QStringList ArgumentsAsGiven(int argc, char* argv[]);

// Parses the arguments. --help and --version print and end the program (exit 0, or 1 when
// standard output cannot be written); an unknown option ends it with exit 1. Anything else wrong
// comes back as a usage failure.
std::variant<Options, Failure> ParseCommandLine(const QCoreApplication& app,
                                                const QStringList& arguments);

}  // namespace vorlan::cli
