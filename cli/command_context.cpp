#include "cli/command_context.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>
#include <memory>

#include "cli/cli_texts.h"
#include "config/backups.h"
#include "link/requests.h"
#include "ui/lang/en/en_language.h"

namespace vorlan::cli {
namespace {

void Write(std::FILE* stream, const QString& text) {
  std::fputs((text + '\n').toUtf8().constData(), stream);
  std::fflush(stream);
}

}  // namespace

Context::Context(const Options& opts) : options(opts), build(EnglishLanguage().values) {}

void Context::print(const QString& text) const {
  Write(stdout, text);
}

void Context::note(const QString& text) const {
  Write(notesToStderr ? stderr : stdout, text);
}

void Context::warn(const QString& text) const {
  Write(stderr, text);
}

SaveInfo Context::saveInfo(const std::optional<ReadOrigin>& read) const {
  return {QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
          QDateTime::currentDateTimeUtc(), read};
}

int Context::probeWaitMs() const {
  return options.timeoutGiven ? options.timeoutMs : PortProbe::kWaitMs;
}

QList<ProbeResult> Context::probePorts() const {
  return ProbePorts(PortsToAsk(PortMapping()), probeWaitMs(), [this](const MappedPort& port) {
    warn(QStringLiteral("Asking %1 ...").arg(PortLineText(port)));
  });
}

std::variant<std::unique_ptr<DeviceSession>, Failure> Context::openDevice() {
  if (options.port == QLatin1String("auto")) {
    const QList<ProbeResult> results = probePorts();
    const QList<ProbeResult> answering = Answering(results);
    if (answering.size() != 1) {
      return Failure{ExitCode::Port, NoSingleDeviceText(results, probeWaitMs())};
    }
    const MappedPort& found = answering.first().port;
    note(QStringLiteral("The device answered on %1.").arg(PortLineText(found)));
    auto session =
        std::make_unique<DeviceSession>(PortText(found.number), options.timeoutMs, log, found.path);
    if (auto failure = session->open()) return *failure;
    return session;
  }
  auto session = std::make_unique<DeviceSession>(options.port, options.timeoutMs, log);
  if (auto failure = session->open()) return *failure;
  return session;
}

std::variant<DeviceConfiguration, Failure> Context::readDevice(DeviceSession& session) const {
  auto reply = session.exchange(ReadRequest(), QStringLiteral("Reading"));
  if (auto* failure = std::get_if<Failure>(&reply)) return *failure;
  const Reply& read = std::get<Reply>(reply);
  if (read.outcome != Reply::Outcome::ReadBack)
    return Unexpected(session, read, "the read request");

  DeviceConfiguration device{
      InitialParameters(build),
      read.readBack,
      {session.port(), session.devicePath(), QDateTime::currentDateTimeUtc()}};
  ApplyReadBack(read.readBack, device.params, build);
  if (!options.backup) return device;
  const BackupOutcome backup = SaveBackup(device.params, build, saveInfo(device.origin));
  if (!backup.path.isEmpty()) note(QStringLiteral("Backup: %1").arg(backup.path));
  if (backup.problem) warn(QStringLiteral("Backup: %1").arg(ProblemText(*backup.problem)));
  return device;
}

std::variant<OpenedConfiguration, Failure> Context::openFile(const QString& path) const {
  auto opened = OpenConfiguration(path, InitialParameters(build), build);
  if (auto* problem = std::get_if<ConfigProblem>(&opened)) {
    return Failure{ExitCode::UsageOrFile, ProblemText(*problem)};
  }
  auto& configuration = std::get<OpenedConfiguration>(opened);
  for (const QString& key : configuration.unknownKeys) {
    warn(QStringLiteral("%1: %2: unknown, ignored").arg(path, key));
  }
  return configuration;
}

Failure Unexpected(const DeviceSession& session, const Reply& reply, const QString& request) {
  return {ExitCode::DeviceRefusal, QStringLiteral("%1 answered %2 with %3 (it sent: %4).")
                                       .arg(session.where(), request, OutcomeText(reply.outcome),
                                            ExchangeLog::Line(session.received().left(24)))};
}

}  // namespace vorlan::cli
