#include "ui/messages.h"

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

QString NamePortOnce(const QString& text, const QString& port, const QString& path) {
  if (port.isEmpty() || path != port) return text;
  QString once = text;
  return once.replace(QStringLiteral("%1 (%1)").arg(port), port);
}

QString FailureText(const LinkFailure& failure, const LanguageData& lang) {
  if (failure.kind == LinkFailure::Kind::NotOpen) return Text(lang.portNotOpen).arg(failure.port);
  return PortFailureText(failure, PortWhere(failure.port, failure.path), lang.portFailures);
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
