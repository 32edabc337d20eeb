#include "cli/command_context.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <cerrno>
#include <cstdio>
#include <memory>

#include "cli/cli_texts.h"
#include "cli/stop_signals.h"
#include "cli/stream_write.h"
#include "config/backups.h"
#include "config/file_names.h"
#include "link/com_ports.h"
#include "link/requests.h"
#include "params/presets.h"

namespace vorlan::cli {
namespace {

QString BackupLabel(ReadPurpose purpose) {
  switch (purpose) {
    case ReadPurpose::Read:
      return QStringLiteral("Backup");
    case ReadPurpose::BeforeWrite:
      return QStringLiteral("Backup before the write");
    case ReadPurpose::AfterWrite:
      return QStringLiteral("Backup after the write");
  }
  return {};
}

}  // namespace

Context::Context(const Options& opts) : options(opts) {}

void Context::print(const QString& text) const {
  output((text + '\n').toUtf8());
}

void Context::output(const QByteArray& bytes) const {
  write(stdout, bytes);
}

void Context::note(const QString& text) const {
  write(notesToStderr ? stderr : stdout, (text + '\n').toUtf8());
}

void Context::warn(const QString& text) const {
  write(stderr, (text + '\n').toUtf8());
}

void Context::write(std::FILE* stream, const QByteArray& bytes) const {
  const QString failure = WriteWhole(stream, bytes);
  QString& first = stream == stdout ? outputFailure_ : errorFailure_;
  if (first.isEmpty()) first = failure;
}

SaveInfo Context::saveInfo(const std::optional<ReadOrigin>& read) const {
  return {QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
          QDateTime::currentDateTimeUtc(), read};
}

int Context::probeWaitMs() const {
  return options.timeoutGiven ? options.timeoutMs : PortProbe::kWaitMs;
}

QList<ProbeResult> Context::probePorts() const {
  // First: a stop signal ends the program (see StopSignals) only once the port asked is closed.
  StopSignals stops;
  QList<ProbeResult> results;
  PortProbe probe(probeWaitMs());
  QEventLoop loop;
  probe.onAsking = [this](const MappedPort& port) {
    warn(QStringLiteral("Asking %1 ...").arg(PortLineText(port)));
  };
  probe.onFinished = [&](const QList<ProbeResult>& done) {
    results = done;
    loop.quit();
  };
  stops.onStop([&] { loop.quit(); });
  probe.start(PortsToAsk(PortMapping()));
  if (probe.running() && !stops.stopped()) loop.exec();
  probe.cancel();
  return results;
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

std::variant<DeviceConfiguration, Failure> Context::readDevice(DeviceSession& session,
                                                               ReadPurpose purpose) const {
  auto reply = session.exchange(ReadRequest(), QStringLiteral("Reading"));
  if (auto* failure = std::get_if<Failure>(&reply)) return *failure;
  const Reply& read = std::get<Reply>(reply);
  if (read.outcome != Reply::Outcome::ReadBack)
    return Unexpected(session, read, "the read request");

  DeviceConfiguration device{
      ReadBackParameters(read.readBack),
      read.readBack,
      {session.port(), session.devicePath(), QDateTime::currentDateTimeUtc()}};
  if (!options.backup) return device;
  const BackupKind kind =
      purpose == ReadPurpose::BeforeWrite ? BackupKind::BeforeWrite : BackupKind::Read;
  const BackupOutcome backup = SaveBackup(device.params, saveInfo(device.origin), kind);
  const QString label = BackupLabel(purpose);
  if (!backup.path.isEmpty()) note(QStringLiteral("%1: %2").arg(label, FileNameText(backup.path)));
  if (backup.problem && backup.path.isEmpty() && purpose == ReadPurpose::BeforeWrite) {
    return Failure{ExitCode::UsageOrFile,
                   QStringLiteral("Nothing was written: the backup before the write failed: %1. "
                                  "Give --no-backup to write without one.")
                       .arg(ProblemText(*backup.problem))};
  }
  if (backup.problem) warn(QStringLiteral("%1: %2").arg(label, ProblemText(*backup.problem)));
  return device;
}

std::variant<OpenedConfiguration, Failure> Context::openFile(const QString& path,
                                                             FormJudging judging) const {
  auto opened = OpenConfiguration(path, InitialParameters(kRotateServers), judging);
  if (auto* problem = std::get_if<ConfigProblem>(&opened)) {
    return Failure{ExitCode::UsageOrFile, ProblemText(*problem)};
  }
  auto& configuration = std::get<OpenedConfiguration>(opened);
  for (const QString& key : configuration.unknownKeys) {
    warn(QStringLiteral("%1: %2: unknown, ignored").arg(FileNameText(path), key));
  }
  return configuration;
}

Failure Unexpected(const DeviceSession& session, const Reply& reply, const QString& request) {
  const ExitCode code =
      reply.outcome == Reply::Outcome::NoLead ? ExitCode::Garbled : ExitCode::DeviceRefusal;
  return {code, QStringLiteral("%1 answered %2 with %3 (it sent: %4).")
                    .arg(session.where(), request, OutcomeText(reply.outcome),
                         ExchangeLog::Line(session.received().left(24)))};
}

}  // namespace vorlan::cli
