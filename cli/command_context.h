#pragma once
// What every command shares: the options, the exchange log, where results and notes go, and
// reading the device's configuration with its backup.

#include <QString>
#include <cstdio>
#include <optional>
#include <variant>

#include "cli/command_line.h"
#include "cli/device_session.h"
#include "cli/exchange_log.h"
#include "config/config_format.h"
#include "config/config_reader.h"
#include "link/reply.h"
#include "link/finder/port_probe.h"
#include "params/parameter_set.h"
#include "params/presets.h"

namespace vorlan::cli {

struct DeviceConfiguration {
  ParameterSet params;  // the read-back's values, codes outside their tables kept as they came
  ReadBack readBack;
  ReadOrigin origin;
};

// Why the device is read: it names the backup ("Backup before the write: ...").
enum class ReadPurpose {
  Read,
  BeforeWrite,  // its backup is the way back from the write: without one, nothing is written
  AfterWrite,
};

class Context {
 public:
  explicit Context(const Options& options);

  const Options& options;
  ExchangeLog log;
  bool notesToStderr = false;  // when standard output carries the command's data

  void print(const QString& text) const;       // a result and a line end, on standard output
  void output(const QByteArray& bytes) const;  // a result's bytes, whole, on standard output
  void note(const QString& text) const;        // a step done, on standard output or standard error
  void warn(const QString& text) const;        // on standard error
  // Why something could not be written to standard output, or to standard error (the system's
  // words, for the first failure); empty when all went out.
  const QString& outputFailure() const { return outputFailure_; }
  const QString& errorFailure() const { return errorFailure_; }

  SaveInfo saveInfo(const std::optional<ReadOrigin>& read = std::nullopt) const;

  // Opens the port with the options' time-out and log; for "--port auto" the one port that answers
  // as the device does, else the port failure with what each port did.
  std::variant<std::unique_ptr<DeviceSession>, Failure> openDevice();
  // Each port's time to answer when ports are asked: --timeout when given, else the finder's own.
  int probeWaitMs() const;
  // Asks the ports the finder may ask, saying on standard error which one it asks. A stop signal
  // meanwhile closes the port being asked, then ends the program by that signal.
  QList<ProbeResult> probePorts() const;
  // Reads the whole configuration; saves its backup unless --no-backup (says where, or why not).
  // Before a write, a backup that cannot be saved ends the command before anything is sent.
  std::variant<DeviceConfiguration, Failure> readDevice(
      DeviceSession& session, ReadPurpose purpose = ReadPurpose::Read) const;
  // Opens a file over the initial values (the worldwide servers).
  std::variant<OpenedConfiguration, Failure> openFile(
      const QString& path, FormJudging judging = FormJudging::OnOpen) const;

 private:
  void write(std::FILE* stream, const QByteArray& bytes) const;

  mutable QString outputFailure_, errorFailure_;
};

// A reply of another outcome than the request awaits: a device refusal, or garbled bytes (noise, a
// wrong lead) that are no reply at all.
Failure Unexpected(const DeviceSession& session, const Reply& reply, const QString& request);

}  // namespace vorlan::cli
