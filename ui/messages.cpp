#include "ui/messages.h"

#include <algorithm>

#include "link/device_text.h"
#include "params/field_table.h"
#include "ui/window_controls.h"

namespace vorlan {

using namespace Qt::StringLiterals;

QString FieldLabelText(const LanguageData& lang, Field field) {
  const std::string_view label = ui::ControlOf(field).label;
  for (const auto& control : lang.layout->controls) {
    if (!label.empty() && control.name == label) return Text(control.caption).trimmed();
  }
  return Text(Def(field).name);
}

QString HolderList(const QList<PortHolder>& holders, const LanguageData& lang) {
  QStringList names;
  for (const PortHolder& holder : holders) {
    names << Text(lang.holderName).arg(holder.program).arg(holder.pid);
  }
  return names.join(QStringLiteral(", "));
}

namespace {

bool Named(const QList<PortHolder>& programs, QLatin1StringView name) {
  return std::any_of(programs.begin(), programs.end(),
                     [&](const PortHolder& p) { return p.program == name; });
}

// The known remedy when a service that takes serial ports holds this one (or may, where the
// holders cannot be seen).
QString TakerRemedies(const LinkFailure& failure, const LanguageData& lang) {
  const bool unseen = failure.holders.isEmpty();
  QString remedies;
  if (failure.kind == LinkFailure::Kind::Busy && (Named(failure.holders, "ModemManager"_L1) ||
                                                  (unseen && failure.path.contains("ttyACM"_L1)))) {
    remedies += Text(lang.portBusyModemManager);
  }
  if (Named(failure.holders, "brltty"_L1) || (unseen && Named(failure.takers, "brltty"_L1))) {
    remedies += Text(lang.portTakenByBrltty);
  }
  return remedies;
}

QString NoPermissionText(const LinkFailure& failure, const LanguageData& lang) {
  if (failure.group.isEmpty()) return Text(lang.portNoPermission).arg(failure.port, failure.path);
  return Text(failure.newLoginNeeded ? lang.portNoPermissionLogin : lang.portNoPermissionGroup)
      .arg(failure.port, failure.path, failure.group);
}

}  // namespace

QString RefusalText(const Refusal& refusal, const LanguageData& lang) {
  const QString label = FieldLabelText(lang, refusal.field);
  switch (refusal.rule) {
    case Refusal::Rule::HeadWidth:
      return Text(lang.refuseHeadWidth).arg(label).arg(refusal.needed).arg(refusal.found);
    case Refusal::Rule::TailTooLong:
      return Text(lang.refuseTailTooLong).arg(label).arg(refusal.needed).arg(refusal.found);
    case Refusal::Rule::Delimiter:
      return Text(lang.refuseCharacter).arg(label, refusal.offending);
    case Refusal::Rule::NoTextCodec:
      return Text(lang.noTextCodec);
    case Refusal::Rule::WrongForm:
      return Text(lang.refuseForm)
          .arg(label, Text(lang.forms[static_cast<std::size_t>(Def(refusal.field).form)]),
               refusal.offending);
    case Refusal::Rule::TooManyBytes:
      return Text(lang.refuseTooManyBytes).arg(label).arg(refusal.needed).arg(refusal.found);
  }
  return {};
}

namespace {

QString PortFailureText(const LinkFailure& failure, const LanguageData& lang) {
  using Kind = LinkFailure::Kind;
  const QString& port = failure.port;
  const QString& path = failure.path;
  switch (failure.kind) {
    case Kind::Unmapped:
      return Text(lang.portUnmapped).arg(port) + TakerRemedies(failure, lang);
    case Kind::Missing:
      return Text(lang.portMissing).arg(port, path) + TakerRemedies(failure, lang);
    case Kind::Busy:
      return (failure.holders.isEmpty()
                  ? Text(lang.portBusy).arg(port, path)
                  : Text(lang.portBusyBy).arg(port, path, HolderList(failure.holders, lang))) +
             TakerRemedies(failure, lang);
    case Kind::StaleLock:
      return Text(lang.portStaleLock)
          .arg(port, path, failure.lockFile, QString::number(failure.holders.value(0).pid));
    case Kind::NoPermission:
      return NoPermissionText(failure, lang);
    case Kind::OpenFailed:
      return Text(lang.portOpenFailed).arg(port, path, failure.reason);
    case Kind::NotOpen:
      return Text(lang.portNotOpen).arg(port);
    case Kind::ClearFailed:
      return Text(lang.portClearFailed).arg(port, path, failure.reason);
    case Kind::WriteFailed:
      return Text(lang.portWriteFailed).arg(port, path, failure.reason);
    case Kind::OutputFull:
      return Text(lang.portOutputFull).arg(port, path, QString::number(failure.bytes));
    case Kind::HungUp:
      return Text(lang.portHungUp).arg(port, path);
    case Kind::NotDrained:
      return Text(lang.portNotDrained).arg(port, path, QString::number(failure.bytes));
  }
  return {};
}

}  // namespace

QString NamePortOnce(const QString& text, const QString& port, const QString& path) {
  if (port.isEmpty() || path != port) return text;
  QString once = text;
  return once.replace(QStringLiteral("%1 (%1)").arg(port), port);
}

QString FailureText(const LinkFailure& failure, const LanguageData& lang) {
  return NamePortOnce(PortFailureText(failure, lang), failure.port, failure.path);
}

QString UnlistedWorkModeText(const QString& text, const LanguageData& lang) {
  return Text(lang.refuseNoWorkMode).arg(FieldLabelText(lang, Field::WorkMode), text);
}

QString FrequencyWarningText(Field field, const QString& frequency, const LanguageData& lang) {
  return Text(lang.frequencyWarning).arg(FieldLabelText(lang, field), frequency);
}

QString ReplyText(const Reply& reply, const QString& callsign, const QString& hisCallsign,
                  const LanguageData& lang) {
  using Outcome = Reply::Outcome;
  switch (reply.outcome) {
    case Outcome::NoLead:
      return Text(lang.receptionError);
    case Outcome::ReadBack:
      return callsign + Text(lang.readCorrect);
    case Outcome::RadioReadDone:
      return Text(lang.callsignPrefix) + callsign + Text(lang.radioReadCorrect);
    case Outcome::RadioWriteDone:
      return hisCallsign + Text(lang.radioWriteCorrect);
    case Outcome::WriteDone:
      return callsign + Text(lang.writeCorrect);
    case Outcome::WriteIncomplete:
      return Text(lang.writeIncomplete);
    case Outcome::DeviceText:
      return DecodeDeviceText(reply.deviceText);
    case Outcome::ShortReadBack:
    case Outcome::UnknownKind:
      return Text(lang.readFails);
  }
  return {};
}

}  // namespace vorlan
