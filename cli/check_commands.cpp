// check and passcode: the APRS check of a file or the device, and the APRS-IS passcode. write
// prints the same findings before it sends.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "check/callsign.h"
#include "check/configuration_check.h"
#include "check/en/english_findings.h"
#include "check/passcode.h"
#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "cli/try.h"
#include "config/text_value.h"
#include "params/field_table.h"

namespace vorlan::cli {
namespace {

QString Count(int n, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// The values as a configuration file holds texts (bytes that are no text in "hex"), the text as a
// terminal shows it: no lone surrogate reaches the document, so that every JSON parser takes it.
QByteArray FindingsJson(const QString& checked, const Findings& findings) {
  QJsonArray list;
  for (const Finding& f : findings) {
    QJsonArray values;
    for (const QString& value : f.values) values.append(TextValue(value));
    list.append(QJsonObject{{"field", Utf8(Def(f.field).name)},
                            {"severity", Utf8(SeverityName(f.severity))},
                            {"id", Utf8(FindingName(f.id))},
                            {"values", values},
                            {"text", TerminalText(FindingText(f, EnglishFindingTexts()))}});
  }
  const int warnings = WarningCount(findings);
  return QJsonDocument(QJsonObject{{"checked", TerminalText(checked)},
                                   {"warnings", warnings},
                                   {"notes", static_cast<int>(findings.size()) - warnings},
                                   {"findings", list}})
      .toJson(QJsonDocument::Indented);
}

struct Checked {
  QString label;  // the file, or "device COM1 (/dev/ttyUSB0)"
  Findings findings;
};

// A file's findings over the initial values, kept to the fields the file sets: a template is
// judged by what it holds.
std::variant<Checked, Failure> CheckFile(Context& context, const QString& path) {
  VORLAN_TRY(file, context.openFile(path));
  Findings findings = CheckConfiguration(file.params);
  std::erase_if(findings, [&](const Finding& f) {
    return std::find(file.fieldsSet.begin(), file.fieldsSet.end(), f.field) == file.fieldsSet.end();
  });
  if (file.fieldsSet.size() < static_cast<std::size_t>(kParameterCount)) {
    context.warn(QStringLiteral("%1 sets %2 of %3 fields; only those are checked, the others "
                                "counting at their initial values.")
                     .arg(path)
                     .arg(file.fieldsSet.size())
                     .arg(kParameterCount));
  }
  return Checked{path, findings};
}

std::variant<Checked, Failure> CheckDevice(Context& context) {
  VORLAN_TRY(session, context.openDevice());
  VORLAN_TRY(device, context.readDevice(*session));
  return Checked{QStringLiteral("device %1").arg(session->where()),
                 CheckConfiguration(device.params)};
}

}  // namespace

std::optional<Failure> RunCheck(Context& context) {
  context.notesToStderr = true;  // standard output carries the findings
  const QString& what = context.options.arguments[0];
  VORLAN_TRY(checked,
             what == QLatin1String("device") ? CheckDevice(context) : CheckFile(context, what));
  const int warnings = WarningCount(checked.findings);
  if (context.options.json) {
    context.output(FindingsJson(checked.label, checked.findings));
  } else {
    for (const Finding& f : checked.findings) context.print(FindingLine(f));
  }
  if (warnings > 0) {
    return Failure{
        ExitCode::Warnings,
        QStringLiteral("%1 in %2.").arg(Count(warnings, "warning", "warnings"), checked.label)};
  }
  context.warn(checked.findings.empty() ? QStringLiteral("No findings in %1.").arg(checked.label)
                                        : QStringLiteral("No warnings in %1.").arg(checked.label));
  return std::nullopt;
}

std::optional<Failure> RunPasscode(Context& context) {
  const QString& callsign = context.options.arguments[0];
  const auto base = CallsignBase(callsign);
  if (!base) {
    return Failure{ExitCode::UsageOrFile,
                   QStringLiteral("\"%1\" does not begin with 1 to 6 letters and digits before "
                                  "its SSID: there is no APRS-IS passcode for it.")
                       .arg(callsign)};
  }
  context.print(PasscodeText(AprsIsPasscode(*base)));
  return std::nullopt;
}

QString FindingLine(const Finding& finding) {
  return QStringLiteral("%1: %2: %3")
      .arg(Utf8(Def(finding.field).name), Utf8(SeverityName(finding.severity)),
           TerminalText(FindingText(finding, EnglishFindingTexts())));
}

std::optional<Failure> ReportWriteFindings(const Context& context, const ParameterSet& target) {
  const Findings findings = CheckConfiguration(target);
  for (const Finding& f : findings) context.warn(FindingLine(f));
  const int warnings = WarningCount(findings);
  if (warnings == 0 || !context.options.strict) return std::nullopt;
  return Failure{
      ExitCode::Warnings,
      QStringLiteral("Not written: %1 (--strict).").arg(Count(warnings, "warning", "warnings"))};
}

}  // namespace vorlan::cli
