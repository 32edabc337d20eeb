#include "ui/check_actions.h"

#include <QStringList>
#include <algorithm>

#include "check/callsign.h"
#include "check/configuration_check.h"
#include "check/passcode.h"
#include "ui/messages.h"

namespace vorlan::ui {

void CheckActions::recheck() {
  findings_ = CheckConfiguration(presenter_.values());
  const Findings send = CheckSendFields(view_.sendFields());
  findings_.insert(findings_.end(), send.begin(), send.end());
  view_.showCheck(report());
}

void CheckActions::showList() {
  recheck();
  view_.openCheckList();
}

CheckReport CheckActions::report() const {
  const CheckTexts& t = lang_.check;
  CheckReport report;
  for (const Finding& f : findings_) {
    const QString text = FindingText(f, lang_);
    report.rows.push_back(
        {f.field, FieldLabelText(lang_, f.field), SeverityText(f.severity, lang_), text});
    auto mark = std::find_if(report.marks.begin(), report.marks.end(),
                             [&](const CheckReport::Mark& m) { return m.field == f.field; });
    if (mark == report.marks.end()) {
      report.marks.push_back({f.field, f.severity, text});
      continue;
    }
    mark->text += '\n' + text;
    if (f.severity == Severity::Warning) mark->severity = Severity::Warning;
  }

  QStringList warned;
  for (Field f : WarnedFields(findings_)) warned << FieldLabelText(lang_, f);
  const int warnings = WarningCount(findings_);
  if (warnings == 1) {
    report.summary = FillIn(Text(t.summaryOne), {warned.join(Text(t.fieldSeparator))});
  } else if (warnings > 1) {
    report.summary = FillIn(Text(t.summaryMany),
                            {QString::number(warnings), warned.join(Text(t.fieldSeparator))});
  }
  report.headline = !report.summary.isEmpty() ? report.summary
                    : findings_.empty()       ? Text(t.noFindings)
                                              : Text(t.noWarnings);
  return report;
}

void CheckActions::offerPasscode() {
  const CheckTexts& t = lang_.check;
  const ParameterSet& params = presenter_.values();
  const QString callsign = WithoutPadding(params.text(Field::Callsign));
  const auto base = CallsignBase(callsign);
  if (!base) {
    view_.showMessage(FillIn(Text(t.passcodeNoCallsign), {callsign}));
    return;
  }
  const QString passcode = PasscodeText(AprsIsPasscode(*base));
  if (IsPasscodeOf(WithoutPadding(params.text(Field::LoginPassword)), *base)) {
    view_.showMessage(FillIn(Text(t.passcodeHeld), {*base, passcode}));
    return;
  }
  if (!view_.ask(FillIn(Text(t.passcodeOffer), {*base, passcode}), Text(t.passcodePutIn),
                 Text(t.passcodeCancel))) {
    return;
  }
  // Put in at the user's word: his value, as if typed.
  presenter_.typeText(Field::LoginPassword, passcode);
  view_.showField(Field::LoginPassword, presenter_.values());
}

}  // namespace vorlan::ui
