#include "cli/cli_texts.h"

#include "cli/exchange_log.h"
#include "cli/terminal_text.h"
#include "config/config_format.h"
#include "config/file_names.h"
#include "link/device_text.h"
#include "link/en/english_port_failures.h"
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

QString FailureText(const LinkFailure& failure, const QString& where) {
  switch (failure.kind) {
    case LinkFailure::Kind::NotOpen:
      return QStringLiteral("%1 is not open.").arg(where);
    case LinkFailure::Kind::Unmapped:
      return PortFailureText(failure, where, EnglishPortFailureTexts()) +
             QStringLiteral(
                 " Or give the device's path itself (--port /dev/ttyUSB0); \"vorlan_cli ports\" "
                 "shows the mapping.");
    default:
      return PortFailureText(failure, where, EnglishPortFailureTexts());
  }
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
      return QStringLiteral("%1: open in %2, not asked")
          .arg(port, HolderList(result.holders, EnglishPortFailureTexts()));
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
