#include "cli/cli_texts.h"

#include <algorithm>

#include "cli/exchange_log.h"
#include "cli/terminal_text.h"
#include "config/config_format.h"
#include "config/file_names.h"
#include "link/device_text.h"
#include "link/protocol.h"
#include "params/field_table.h"
#include "params/presets.h"

namespace vorlan::cli {
namespace {

QString TypeText(ValueType type) {
  switch (type) {
    case ValueType::Object:
      return QStringLiteral("an object {...}");
    case ValueType::String:
      return QStringLiteral("a string");
    case ValueType::Version:
      return QStringLiteral("a whole number, 1 or more");
    case ValueType::Flag:
      return QStringLiteral("true or false");
    case ValueType::WorkModeCode:
      return QStringLiteral(
          "the work-mode code, a whole number 0 to 4, or the device's own code as a text of one "
          "byte");
    case ValueType::Text:
      return QStringLiteral("a text: a string or {\"text\": ..., \"hex\": ...}");
    case ValueType::EnableCode:
      return QStringLiteral("true or false, or the device's own code as a text of one byte");
  }
  return {};
}

// What a value of the form looks like, as a refusal says it.
QString FormText(TextForm form) {
  switch (form) {
    case TextForm::Free:
      break;
    case TextForm::Number:
      return QStringLiteral("digits 0-9 only");
    case TextForm::Latitude:
      return QStringLiteral(
          "DDMM.mm followed by N or S, degrees 0-90 and minutes below 60, as in 2300.00N");
    case TextForm::Longitude:
      return QStringLiteral(
          "DDDMM.mm followed by E or W, degrees 0-180 and minutes below 60, as in 11300.00E");
    case TextForm::Frequency:
      return QStringLiteral("a frequency in MHz of the form ddd.ddd, as in 144.640");
  }
  return {};
}

bool Named(const QList<PortHolder>& programs, const char* name) {
  return std::any_of(programs.begin(), programs.end(),
                     [&](const PortHolder& p) { return p.program == QLatin1String(name); });
}

QString Holders(const QList<PortHolder>& holders) {
  QStringList names;
  for (const PortHolder& h : holders)
    names << QStringLiteral("%1 (process %2)").arg(h.program).arg(h.pid);
  return names.join(QStringLiteral(", "));
}

// The known remedy when a service that takes serial ports holds this one, or may.
QString TakerRemedies(const LinkFailure& failure) {
  const bool unseen = failure.holders.isEmpty();
  QString remedies;
  if (failure.kind == LinkFailure::Kind::Busy &&
      (Named(failure.holders, "ModemManager") ||
       (unseen && failure.path.contains(QLatin1String("ttyACM"))))) {
    remedies += QStringLiteral(
        " ModemManager takes new serial ports for a few seconds to look for a modem: wait a "
        "moment, or stop it (sudo systemctl stop ModemManager).");
  }
  if (Named(failure.holders, "brltty") || (unseen && Named(failure.takers, "brltty"))) {
    remedies += QStringLiteral(
        " brltty, the Braille display service, takes USB-serial adapters with a CH340 or CH341 "
        "chip: if you use no Braille display, remove it (sudo apt remove brltty) and plug the "
        "adapter in again.");
  }
  return remedies;
}

QString NoPermission(const LinkFailure& failure, const QString& where) {
  if (failure.group.isEmpty()) {
    return QStringLiteral(
               "Cannot open %1: permission denied. On Linux the user must be in the \"dialout\" "
               "group (\"uucp\" on Arch Linux): run \"sudo usermod -aG dialout $USER\", then log "
               "in again.")
        .arg(where);
  }
  if (failure.newLoginNeeded) {
    return QStringLiteral(
               "Cannot open %1: permission denied. You have joined the group \"%2\", but this "
               "login began before that: log out and in again.")
        .arg(where, failure.group);
  }
  return QStringLiteral(
             "Cannot open %1: permission denied. The port belongs to the group \"%2\": run "
             "\"sudo usermod -aG %2 $USER\", then log out and in again (a new terminal is not "
             "enough).")
      .arg(where, failure.group);
}

QString Where(const ConfigProblem& problem) {
  const QString file = FileNameText(problem.file);
  return problem.key.isEmpty() ? file : file + QStringLiteral(": ") + problem.key;
}

}  // namespace

QString ProblemText(const ConfigProblem& problem) {
  using Kind = ConfigProblem::Kind;
  const QString where = Where(problem);
  const QString file = FileNameText(problem.file);
  switch (problem.kind) {
    case Kind::CannotRead:
      return QStringLiteral("Cannot read %1: %2").arg(file, problem.detail);
    case Kind::NotRegularFile:
      return QStringLiteral("%1 is not a regular file (a device, a pipe or a folder)").arg(file);
    case Kind::TooBig:
      return QStringLiteral("%1 has %2 bytes; a configuration file has at most %3")
          .arg(file)
          .arg(problem.found)
          .arg(problem.limit);
    case Kind::DuplicateKey:
      return QStringLiteral("%1: the key stands twice; give each value once").arg(where);
    case Kind::NotJson:
      return QStringLiteral("%1 is not JSON: %2 at byte %3")
          .arg(file, problem.detail)
          .arg(problem.found);
    case Kind::NotConfiguration:
      return QStringLiteral("%1 is not a vorlan_setup configuration (\"format\" must be \"%2\")")
          .arg(file, Utf8(kConfigFormatName));
    case Kind::NewerVersion:
      return QStringLiteral("%1 has format version %2; this program reads up to version %3")
          .arg(file)
          .arg(problem.found)
          .arg(problem.limit);
    case Kind::WrongType:
      return QStringLiteral("%1: must be %2").arg(where, TypeText(problem.expected));
    case Kind::BadHex:
      return QStringLiteral("%1: \"%2\" is not hex (two digits 0-9, a-f for each byte)")
          .arg(where, problem.detail);
    case Kind::NotText:
      return QStringLiteral(
                 "%1: character %2 is half of a UTF-16 surrogate pair, no character; bytes that "
                 "are not text belong in \"hex\"")
          .arg(where)
          .arg(problem.found + 1);
    case Kind::TooLong:
      return QStringLiteral("%1: the text takes %2 bytes on the line, its field at most %3")
          .arg(where)
          .arg(problem.found)
          .arg(problem.limit);
    case Kind::NoWorkModeCode:
      return QStringLiteral("%1: \"%2\" is no work-mode code (0 to 4)").arg(where, problem.detail);
    case Kind::WriteRefusal:
      return where + QStringLiteral(": the write would refuse it: ") +
             (problem.refusal ? RefusalText(*problem.refusal) : QString());
    case Kind::CannotSave:
      return QStringLiteral("Cannot save %1: %2").arg(file, problem.detail);
    case Kind::CannotMakeFolder:
      return QStringLiteral("Cannot make the folder %1 for you alone: %2")
          .arg(file, problem.detail);
    case Kind::CannotRemove:
      return QStringLiteral("Cannot remove the old backup %1: %2").arg(file, problem.detail);
    case Kind::NoBackupFolder:
      return QStringLiteral(
          "No backup can be made: there is no home folder (HOME is unset or not an absolute "
          "path, and so is XDG_DATA_HOME)");
    case Kind::ForeignFolder:
      return (problem.found != 0
                  ? QStringLiteral("No backup is kept in %1: it is a link to a folder of another "
                                   "user (or to no folder), left as it is")
                  : QStringLiteral("No backup is kept in %1: it is a folder of another user, "
                                   "left as it is"))
          .arg(file);
  }
  return {};
}

QString PortWhere(const QString& port, const QString& path) {
  if (path.isEmpty() || path == port) return port;
  return QStringLiteral("%1 (%2)").arg(port, path);
}

QString FailureText(const LinkFailure& failure, const QString& where) {
  using Kind = LinkFailure::Kind;
  switch (failure.kind) {
    case Kind::Unmapped:
      return QStringLiteral(
                 "%1 has no device: no serial port is present for it. Plug the device in, set "
                 "VORLAN_%1 to the device's path, or give the path itself (--port /dev/ttyUSB0); "
                 "\"vorlan_cli ports\" shows the mapping.")
                 .arg(failure.port) +
             TakerRemedies(failure);
    case Kind::Missing:
      return QStringLiteral("Cannot open %1: the device is not there. Check that it is plugged in.")
                 .arg(where) +
             TakerRemedies(failure);
    case Kind::Busy:
      return (failure.holders.isEmpty()
                  ? QStringLiteral("Cannot open %1: another program is using the port.").arg(where)
                  : QStringLiteral("Cannot open %1: it is open in %2.")
                        .arg(where, Holders(failure.holders))) +
             TakerRemedies(failure);
    case Kind::StaleLock:
      return QStringLiteral(
                 "Cannot open %1: the lock file %2 was left by process %3, which has ended, and "
                 "you may not remove it. Remove it (sudo rm %2) and try again.")
          .arg(where, failure.lockFile)
          .arg(failure.holders.value(0).pid);
    case Kind::NoPermission:
      return NoPermission(failure, where);
    case Kind::OpenFailed:
      return QStringLiteral("Cannot open %1: %2").arg(where, failure.reason);
    case Kind::NotOpen:
      return QStringLiteral("%1 is not open.").arg(where);
    case Kind::ClearFailed:
      return QStringLiteral("Nothing was sent to %1: emptying the port's buffer failed: %2")
          .arg(where, failure.reason);
    case Kind::WriteFailed:
      return QStringLiteral("Nothing was sent to %1: %2").arg(where, failure.reason);
    case Kind::OutputFull:
      return QStringLiteral(
                 "Nothing was sent to %1: %2 bytes do not fit in the 512-byte output buffer.")
          .arg(where)
          .arg(failure.bytes);
    case Kind::HungUp:
      return QStringLiteral("%1 was closed: the device was unplugged or hung up.").arg(where);
    case Kind::NotDrained:
      return QStringLiteral(
                 "%1: %2 bytes were still waiting to be sent when the time-out ran out; the device "
                 "may not have received all of them.")
          .arg(where)
          .arg(failure.bytes);
  }
  return {};
}

QString PortLineText(const MappedPort& port) {
  return PortLine(port, QStringLiteral("USB-serial"));
}

namespace {

// What a port that was asked did.
QString AskedText(const ProbeResult& result, int waitMs) {
  using Outcome = ProbeResult::Outcome;
  const QString port = PortLineText(result.port);
  switch (result.outcome) {
    case Outcome::Answered:
      return QStringLiteral("%1: answered \"%2\"")
          .arg(port, TerminalText(DecodeDeviceText(result.aboutText).trimmed()));
    case Outcome::Short:
      return QStringLiteral("%1: answered only %2 of %3 bytes within %4 s: \"%5\"")
          .arg(port)
          .arg(result.aboutText.size() + 2)
          .arg(kAboutReplyLength)
          .arg(waitMs / 1000.0)
          .arg(TerminalText(DecodeDeviceText(result.aboutText).trimmed()));
    case Outcome::Silent:
      return QStringLiteral("%1: no answer within %2 s").arg(port).arg(waitMs / 1000.0);
    case Outcome::Other:
      return QStringLiteral("%1: answered, but not as the device does: %2")
          .arg(port, ExchangeLog::Line(result.received.left(24)));
    default:
      return {};
  }
}

}  // namespace

QString ProbeResultText(const ProbeResult& result, int waitMs) {
  using Outcome = ProbeResult::Outcome;
  const QString port = PortLineText(result.port);
  switch (result.outcome) {
    case Outcome::Answered:
    case Outcome::Short:
    case Outcome::Silent:
    case Outcome::Other:
      return AskedText(result, waitMs) +
             (result.othersUnseen
                  ? QStringLiteral(" (the programs of other users cannot be seen: one of "
                                   "them may have the port open)")
                  : QString());
    case Outcome::Held:
      return QStringLiteral("%1: open in %2, not asked").arg(port, Holders(result.holders));
    case Outcome::NotOpened:
      return QStringLiteral("%1: %2").arg(
          port, result.failure ? FailureText(*result.failure,
                                             PortWhere(result.failure->port, result.port.path))
                               : QString());
  }
  return {};
}

QString NoSingleDeviceText(const QList<ProbeResult>& results, int waitMs) {
  if (results.isEmpty()) {
    return QStringLiteral(
        "There is no USB-serial port to ask. Plug the device in and switch it on (a cable that "
        "only charges makes no port), or set VORLAN_COM<n> to its device path.");
  }
  QStringList lines = {Answering(results).isEmpty()
                           ? QStringLiteral("No port answered as the device does. Asked:")
                           : QStringLiteral("Several ports answered as the device does; give one "
                                            "with --port. Asked:")};
  for (const ProbeResult& result : results)
    lines << QStringLiteral("  ") + ProbeResultText(result, waitMs);
  return lines.join('\n');
}

QString RefusalText(const Refusal& refusal) {
  const QString name = Utf8(Def(refusal.field).name);
  switch (refusal.rule) {
    case Refusal::Rule::HeadWidth:
      return QStringLiteral("%1 must take exactly %2 bytes on the line, it takes %3")
          .arg(name)
          .arg(refusal.needed)
          .arg(refusal.found);
    case Refusal::Rule::TailTooLong:
      return QStringLiteral("%1 takes at most %2 bytes on the line, it takes %3")
          .arg(name)
          .arg(refusal.needed)
          .arg(refusal.found);
    case Refusal::Rule::Delimiter:
      return QStringLiteral("%1 must not contain the character \"%2\"")
          .arg(name, TerminalText(refusal.offending));
    case Refusal::Rule::NoTextCodec:
      return QStringLiteral(
          "this system cannot encode text for the device (no GB18030 codec in Qt); install the "
          "ICU libraries that Qt was built with");
    case Refusal::Rule::WrongForm:
      return QStringLiteral("%1 must be %2, not \"%3\"")
          .arg(name, FormText(Def(refusal.field).form), TerminalText(refusal.offending));
    case Refusal::Rule::TooManyBytes:
      return QStringLiteral("%1 takes at most %2 bytes on the line, it takes %3")
          .arg(name)
          .arg(refusal.needed)
          .arg(refusal.found);
  }
  return {};
}

QString OutcomeText(Reply::Outcome outcome) {
  using Outcome = Reply::Outcome;
  switch (outcome) {
    case Outcome::NoLead:
      return QStringLiteral("bytes that do not start with \"$\"");
    case Outcome::ReadBack:
      return QStringLiteral("a read-back (\"$1\")");
    case Outcome::ShortReadBack:
      return QStringLiteral("a read-back (\"$1\") cut short");
    case Outcome::RadioReadDone:
      return QStringLiteral("\"$2\" (radio read done)");
    case Outcome::RadioWriteDone:
      return QStringLiteral("\"$3\" (radio write done)");
    case Outcome::WriteDone:
      return QStringLiteral("\"$4\" (write done)");
    case Outcome::WriteIncomplete:
      return QStringLiteral("\"$5\" (a written parameter is short of characters; nothing stored)");
    case Outcome::DeviceText:
      return QStringLiteral("a device text (\"$6\")");
    case Outcome::UnknownKind:
      return QStringLiteral("a reply of an unknown kind");
  }
  return {};
}

}  // namespace vorlan::cli
