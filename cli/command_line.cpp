#include "cli/command_line.h"

#include <QCommandLineParser>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "cli/device_session.h"
#include "cli/stream_write.h"
#include "config/backups.h"
#include "config/file_names.h"

namespace vorlan::cli {
namespace {

constexpr char kDescription[] = R"(
Reads, writes and checks the configuration of a QX series APRS terminal over a serial port (9600
baud, 8N1), with the same core as the window programs.

Commands:
  ports [--probe | --wait]     list COM1..COM30 as this machine maps them, with each USB-serial
                               adapter's chip; --probe asks each USB-serial port that no program
                               holds (and each VORLAN_COM<n> port) for the device's about text;
                               --wait prints the next port to appear (unplug the device, start
                               this, plug it in)
  read --port PORT [-o FILE]   read the configuration into FILE, or print it (also for -o -)
  write --port PORT FILE [--set FIELD=VALUE]... [--strict] [--no-verify] [--no-backup]
                               read the device and back it up (the path is printed; nothing is
                               written when that fails), print what the APRS check finds in what
                               is to be written (--strict: write nothing when it warns), write
                               FILE's fields with the overrides,
                               wait for "$4", read back and compare every field
  verify --port PORT FILE      read the device and compare the fields FILE sets
  diff A B                     compare two files; "device" for a fresh read (needs --port)
  check FILE [--json]          print what the APRS check finds: callsign, path, login password
                               against the APRS-IS passcode, servers, filter, position,
                               frequencies, WiFi, phone numbers, symbol; "device" for a fresh
                               read (needs --port)
  passcode CALLSIGN            print the APRS-IS passcode of CALLSIGN, as "Login password" takes
                               it (five digits)
  about --port PORT            print the device's about text
  instruction --port PORT [--his-callsign CALL] [--his-password PW] [--callsign CALL] [TEXT]
                               send a remote instruction; without --callsign the device's own
                               callsign, read first
  message --port PORT [--his-callsign CALL] TEXT
                               send a text message
  provision TEMPLATE --devices TABLE.csv (--ports PORT,PORT,... | --wait) [--report FILE]
            [--rows N,N,...] [--strict] [--no-backup]
                               set up many trackers at once, each as write sets one up: TEMPLATE's
                               fields, then its row of TABLE.csv (a header of field names, one
                               row per tracker; an empty cell keeps the template's value, a
                               "port" column pins a row to a port, LoginPassword "auto" is the
                               passcode of the row's callsign); the whole table is checked before
                               anything is sent. --ports: the i-th row to the i-th port, all at
                               once; --wait: each tracker plugged in gets the next row, until
                               every row is done or Ctrl+C. A tracker that holds its target
                               already gets no write. Prints a table of what each row got
                               (--report: also as CSV), and the command that retries the rows
                               not set up

PORT is COM1 to COM30, mapped as in the window (VORLAN_COM<n>=PATH, else the n-th serial port
present), a device path, or "auto": the one port that answers as the device does when asked as
"ports --probe" asks. FIELD is a parameter's name as a file spells it (Callsign, Path,
Digipeater, WorkMode, ...); a flag takes true or false, WorkMode a code 0 to 4, a text its text.
Every complete read-back is backed up, readable by you alone, to
  %1
The newest %2 backups are kept, and apart from them the newest %2 taken before a write.

Exit codes:
  0  done
  1  usage error; a file that cannot be read, opened or saved; a value refused before sending;
     the backup before a write that cannot be saved; standard output, standard error or the
     log that cannot be written
  2  port error: the port cannot be opened, or fails; "--port auto" and "ports --probe" found
     no device or several
  3  no answer from the device within the time-out; "ports --wait": no port appeared
  4  device refusal: "$5", or a reply of a kind the request does not expect
  5  mismatch: write or verify found a field that differs; diff found a difference
  6  garbled answer: bytes that do not start with "$" (noise on the line, or not this device)
  7  warnings: check found some; write --strict wrote nothing because of them
  provision: 0 when every row is done or already set up; else the code of the first row that
  failed (1 to 6), or 7 when the rows not set up were all skipped for a warning
  129, 130, 143  stopped by SIGHUP, SIGINT (Ctrl+C) or SIGTERM while the port was open)";

constexpr int kTimeoutCapSeconds = 3600;

struct CommandRule {
  const char* name;
  int minArguments, maxArguments;
  QStringList options;  // the options it takes besides --timeout and --log
};

const std::array<CommandRule, 11>& Rules() {
  static const std::array<CommandRule, 11> rules = {{
      {"ports", 0, 0, {"probe", "wait"}},
      {"read", 0, 0, {"port", "output", "no-backup"}},
      {"write", 1, 1, {"port", "set", "strict", "no-verify", "no-backup"}},
      {"verify", 1, 1, {"port", "no-backup"}},
      {"diff", 2, 2, {"port", "no-backup"}},
      {"check", 1, 1, {"port", "json", "no-backup"}},
      {"passcode", 1, 1, {}},
      {"about", 0, 0, {"port"}},
      {"instruction", 0, 1, {"port", "his-callsign", "his-password", "callsign", "no-backup"}},
      {"message", 1, 1, {"port", "his-callsign"}},
      {"provision", 1, 1, {"devices", "ports", "wait", "report", "rows", "strict", "no-backup"}},
  }};
  return rules;
}

Failure Usage(const QString& text) {
  return {ExitCode::UsageOrFile, text + QStringLiteral(" See \"vorlan_cli --help\".")};
}

std::optional<QString> Optional(const QCommandLineParser& parser, const QString& name) {
  return parser.isSet(name) ? std::optional(parser.value(name)) : std::nullopt;
}

bool NeedsPort(const QString& command, const QStringList& arguments) {
  if (command == QLatin1String("ports") || command == QLatin1String("passcode") ||
      command == QLatin1String("provision")) {
    return false;
  }
  if (command == QLatin1String("diff") || command == QLatin1String("check")) {
    return arguments.contains(QStringLiteral("device"));
  }
  return true;
}

// Answers --help, --version and a wrong option and ends the program, as QCommandLineParser::process
// does, but always on the terminal: on Windows process() answers in a message box when the program
// has no console window of its own, as when another program starts it.
void ProcessOnTerminal(QCommandLineParser& parser, const QCoreApplication& app,
                       const QStringList& arguments) {
  auto answer = [](const QString& text, FILE* stream, int exitCode) {
    if (const QString failure = WriteWhole(stream, text.toUtf8());
        !failure.isEmpty() && stream == stdout) {
      WriteWhole(stderr, (StandardOutputFailureText(failure) + u'\n').toUtf8());
      std::exit(static_cast<int>(ExitCode::UsageOrFile));
    }
    std::exit(exitCode);
  };
  if (!parser.parse(arguments)) {
    answer(app.applicationName() + QStringLiteral(": ") + parser.errorText() + u'\n', stderr,
           EXIT_FAILURE);
  }
  if (parser.isSet(QStringLiteral("version"))) {
    answer(app.applicationName() + u' ' + app.applicationVersion() + u'\n', stdout, EXIT_SUCCESS);
  }
  if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
    answer(parser.helpText(), stdout, EXIT_SUCCESS);
  }
}

// The values of a list option, each given whole or as a comma-separated list.
QStringList ListValues(const QCommandLineParser& parser, const QString& name) {
  QStringList items;
  for (const QString& value : parser.values(name)) items << value.split(u',');
  return items;
}

std::optional<Failure> ParseProvision(const QCommandLineParser& parser, Options& options) {
  if (!parser.isSet("devices")) {
    return Usage(QStringLiteral("\"provision\" needs --devices TABLE.csv."));
  }
  options.devices = parser.value("devices");
  if (parser.isSet("ports") == options.wait) {
    return Usage(
        QStringLiteral("\"provision\" takes --ports PORT,PORT,... or --wait, one of them."));
  }
  for (const QString& item : ListValues(parser, "ports")) {
    const QString port = item.trimmed();
    if (port.isEmpty() || port == QLatin1String("auto") || CheckPortName(port)) {
      return Usage(QStringLiteral("--ports takes COM1 to COM30 or device paths, separated by "
                                  "commas, not \"%1\".")
                       .arg(port));
    }
    options.ports << port;
  }
  for (const QString& item : ListValues(parser, "rows")) {
    bool number = false;
    const int row = item.trimmed().toInt(&number);
    if (!number || row < 1) {
      return Usage(QStringLiteral("--rows takes row numbers of the table, counting from 1 below "
                                  "its header and separated by commas (2,5), not \"%1\".")
                       .arg(item));
    }
    if (!options.rows.contains(row)) options.rows << row;
  }
  options.report = parser.value("report");
  return std::nullopt;
}

}  // namespace

QStringList ArgumentsAsGiven(int argc, char* argv[]) {
#ifdef Q_OS_WIN
  Q_UNUSED(argc);
  Q_UNUSED(argv);
  return QCoreApplication::arguments();
#else
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << FileNameFromBytes(QByteArray(argv[i]));
  return arguments;
#endif
}

std::variant<Options, Failure> ParseCommandLine(const QCoreApplication& app,
                                                const QStringList& arguments) {
  const QString folder = DefaultBackupFolder();
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QString::fromUtf8(kDescription)
          .arg(folder.isEmpty() ? QStringLiteral("(none here: HOME is not an absolute path)")
                                : FileNameText(folder))
          .arg(kBackupsKept));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOptions({
      {"port", "The device's port: COM1 to COM30, a device path, or auto.", "PORT"},
      {"probe", "ports: ask each USB-serial port for the device's about text."},
      {"wait",
       "ports: print the next port to appear; provision: set up each tracker as it is plugged "
       "in."},
      {"devices", "provision: the table of trackers, one row each.", "TABLE.csv"},
      {"ports", "provision: the ports, COM1 to COM30 or device paths, separated by commas.",
       "PORT,PORT,..."},
      {"report", "provision: save the report as CSV to FILE.", "FILE"},
      {"rows", "provision: set up only these rows of the table, counting from 1.", "N,N,..."},
      {{"o", "output"}, "read: the file to write (default, or -: print it).", "FILE"},
      {"set", "write: put VALUE into FIELD over the file's value (repeatable).", "FIELD=VALUE"},
      {"strict", "write, provision: write nothing when the APRS check warns."},
      {"json", "check: print the findings as JSON."},
      {"no-verify", "write: do not read back and compare."},
      {"no-backup", "Do not save a backup of what is read."},
      {"timeout",
       "Seconds to wait for each reply (default 3, at most 3600; for each port asked by --probe "
       "and --port auto 1.5; ports --wait: no limit).",
       "SECONDS", "3"},
      {"log",
       "Append the serial exchange to FILE (time, direction, hex, text), readable by you alone "
       "when new; -: standard error.",
       "FILE"},
      {"his-callsign", "instruction, message: the other station (default NOCALL).", "CALL"},
      {"his-password", "instruction: the other station's password (default 407KQZ).", "PW"},
      {"callsign", "instruction: this device's callsign (default: read from it).", "CALL"},
  });
  parser.addPositionalArgument(
      "command",
      "ports, read, write, verify, diff, check, passcode, about, instruction, message or "
      "provision.");
  parser.addPositionalArgument("arguments", "The command's files or text.", "[arguments...]");
  ProcessOnTerminal(parser, app, arguments);

  QStringList positional = parser.positionalArguments();
  if (positional.isEmpty()) return Usage(QStringLiteral("Give a command."));
  Options options;
  options.command = positional.takeFirst();
  options.arguments = positional;

  const auto rule = std::find_if(Rules().begin(), Rules().end(), [&](const CommandRule& r) {
    return options.command == QLatin1String(r.name);
  });
  if (rule == Rules().end())
    return Usage(QStringLiteral("Unknown command \"%1\".").arg(options.command));
  for (const QString& name : parser.optionNames()) {
    const QString longName = name == QLatin1String("o") ? QStringLiteral("output") : name;
    // Many trackers' exchanges in one log could not be told apart: provision keeps none.
    const bool everyCommandTakes =
        longName == QLatin1String("timeout") ||
        (longName == QLatin1String("log") && options.command != QLatin1String("provision"));
    if (!everyCommandTakes && !rule->options.contains(longName)) {
      return Usage(QStringLiteral("\"%1\" takes no --%2.").arg(options.command, longName));
    }
  }
  if (options.arguments.size() < rule->minArguments ||
      options.arguments.size() > rule->maxArguments) {
    return Usage(QStringLiteral("Wrong number of arguments for \"%1\".").arg(options.command));
  }

  options.port = parser.value("port");
  if (NeedsPort(options.command, options.arguments)) {
    if (!parser.isSet("port"))
      return Usage(QStringLiteral("\"%1\" needs --port PORT.").arg(options.command));
    if (auto failure = CheckPortName(options.port)) return *failure;
  }
  bool number = false;
  const double seconds = parser.value("timeout").toDouble(&number);
  if (!number || !(seconds > 0))
    return Usage(QStringLiteral("--timeout takes seconds, more than 0."));
  if (seconds > kTimeoutCapSeconds) {
    return Usage(QStringLiteral("--timeout takes at most %1 seconds.").arg(kTimeoutCapSeconds));
  }
  options.timeoutMs = std::max(1, static_cast<int>(std::lround(seconds * 1000)));
  options.timeoutGiven = parser.isSet("timeout");
  options.probe = parser.isSet("probe");
  options.wait = parser.isSet("wait");
  if (options.probe && options.wait) {
    return Usage(QStringLiteral("\"ports\" takes --probe or --wait, not both."));
  }
  options.output = parser.value("output");
  options.sets = parser.values("set");
  options.verify = !parser.isSet("no-verify");
  options.backup = !parser.isSet("no-backup");
  options.strict = parser.isSet("strict");
  options.json = parser.isSet("json");
  options.log = parser.value("log");
  options.hisCallsign = Optional(parser, "his-callsign");
  options.hisPassword = Optional(parser, "his-password");
  options.callsign = Optional(parser, "callsign");
  options.given = arguments;
  if (options.command == QLatin1String("provision")) {
    if (auto failure = ParseProvision(parser, options)) return *failure;
  }
  return options;
}

}  // namespace vorlan::cli
