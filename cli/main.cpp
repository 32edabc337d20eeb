// vorlan_cli: the configuration of a QX series APRS terminal from the command line, with the same
// core as the window programs and English messages.

#include <QCoreApplication>
#include <cstdio>
#include <map>
#include <memory>

#include "cli/commands.h"
#include "cli/stream_write.h"
#include "cli_version.h"
#include "config/file_names.h"
#include "link/discovery/port_names.h"
#include "link/transport/system_serial_link.h"

#ifdef Q_OS_UNIX
#include <csignal>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

using vorlan::cli::Context;
using vorlan::cli::ExitCode;
using vorlan::cli::Failure;
using Command = std::optional<Failure> (*)(Context&);

// Each tracker's port on the system's own link, its COM number opened as the window opens it.
std::optional<Failure> Provision(Context& context) {
  return vorlan::cli::RunProvision(context, []() -> std::unique_ptr<vorlan::DeviceLink> {
    auto link = std::make_unique<vorlan::SystemSerialLink>();
    link->setDeviceResolver(vorlan::DiscoveredDevice);
    return link;
  });
}

const std::map<QString, Command> kCommands = {
    {"ports", vorlan::cli::RunPorts},
    {"read", vorlan::cli::RunRead},
    {"write", vorlan::cli::RunWrite},
    {"verify", vorlan::cli::RunVerify},
    {"diff", vorlan::cli::RunDiff},
    {"check", vorlan::cli::RunCheck},
    {"passcode", vorlan::cli::RunPasscode},
    {"about", vorlan::cli::RunAbout},
    {"instruction", vorlan::cli::RunInstruction},
    {"message", vorlan::cli::RunMessage},
    {"provision", Provision},
};

int Fail(const Failure& failure) {
  std::fputs((failure.text + '\n').toUtf8().constData(), stderr);
  return static_cast<int>(failure.code);
}

// The command's own failure, then whatever did not reach its output. A result the user did not get
// is no success, nor a count of warnings or differences that went unseen: exit 1 then.
int Finish(const Context& context, const std::optional<Failure>& failure) {
  QStringList lost;
  if (!context.outputFailure().isEmpty())
    lost << vorlan::cli::StandardOutputFailureText(context.outputFailure());
  if (!context.log.failure().isEmpty()) {
    lost << QStringLiteral("Cannot write the log %1: %2")
                .arg(vorlan::FileNameText(context.options.log), context.log.failure());
  }
  if (!context.errorFailure().isEmpty())
    lost << vorlan::cli::StandardErrorFailureText(context.errorFailure());
  int code = failure ? Fail(*failure) : static_cast<int>(ExitCode::Ok);
  if (lost.isEmpty()) return code;
  const bool aboutTheResult =
      !failure || failure->code == ExitCode::Warnings || failure->code == ExitCode::Mismatch;
  if (aboutTheResult) code = static_cast<int>(ExitCode::UsageOrFile);
  for (const QString& text : lost) Fail({ExitCode::UsageOrFile, text});
  return code;
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
  // Everything is written as UTF-8: the console shows it so, whatever its code page was. The
  // progress line redraws itself with the terminal's escape sequences, which the console obeys
  // only when asked to.
  const HANDLE errors = GetStdHandle(STD_ERROR_HANDLE);
  DWORD previousMode = 0;
  const bool console = GetConsoleMode(errors, &previousMode) != 0;
  if (console) SetConsoleMode(errors, previousMode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
  const unsigned previousCodePage = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_UTF8);
  struct RestoreConsole {
    HANDLE errors;
    bool console;
    DWORD mode;
    unsigned codePage;
    ~RestoreConsole() {
      SetConsoleOutputCP(codePage);
      if (console) SetConsoleMode(errors, mode);
    }
  } restore{errors, console, previousMode, previousCodePage};
#endif
#ifdef Q_OS_UNIX
  // A reader that went away (a pipe, the log's FIFO) is a write that failed, said as any other.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("vorlan_cli"));
  QCoreApplication::setApplicationVersion(QString::fromUtf8(vorlan::cli::kVersion));

  auto parsed = vorlan::cli::ParseCommandLine(app, vorlan::cli::ArgumentsAsGiven(argc, argv));
  if (auto* failure = std::get_if<Failure>(&parsed)) return Fail(*failure);
  const auto& options = std::get<vorlan::cli::Options>(parsed);

  Context context(options);
  if (!options.log.isEmpty() && !context.log.open(options.log, options.timeoutMs)) {
    return Fail({ExitCode::UsageOrFile,
                 QStringLiteral("Cannot open the log %1: %2")
                     .arg(vorlan::FileNameText(options.log), context.log.failure())});
  }
  return Finish(context, kCommands.at(options.command)(context));
}
