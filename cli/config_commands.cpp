// read, write, verify and diff: configurations between the device and files.

#include <array>
#include <memory>
#include <optional>

#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/try.h"
#include "config/config_reader.h"
#include "config/config_writer.h"
#include "config/field_compare.h"
#include "config/file_names.h"
#include "config/native_files.h"
#include "config/set_value.h"
#include "link/protocol.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "params/presets.h"

namespace vorlan::cli {
namespace {

void CopyFields(const OpenedConfiguration& from, ParameterSet& to) {
  for (Field f : from.fieldsSet) to.copyValue(f, from.params);
}

Failure Usage(const QString& text) {
  return {ExitCode::UsageOrFile, text};
}

QString SetTakes(Field field) {
  switch (Def(field).kind) {
    case FieldKind::Text:
      break;
    case FieldKind::Flag:
      if (DecodingOf(field) == ReadBackDecoding::EnableCode) {
        return QStringLiteral(
                   "%1 takes true or false, or the device's own code of one byte (\"2\")")
            .arg(Utf8(Def(field).name));
      }
      return QStringLiteral("a flag takes true or false");
    case FieldKind::WorkMode:
      return QStringLiteral(
          "WorkMode takes a code 0 to 4, one digit, or the device's own code of one byte");
  }
  return {};
}

// The --set overrides, each value read as a file's value is and the whole checked as a file's
// values are; a field set twice takes the last value.
std::variant<OpenedConfiguration, Failure> ParseSets(const QStringList& sets) {
  std::array<std::optional<QJsonValue>, kParameterCount> given;
  for (const QString& set : sets) {
    const qsizetype equals = set.indexOf('=');
    const QString name = set.left(equals);
    const QString value = set.mid(equals + 1);
    const auto field = FieldNamed(name.toStdString());
    if (equals < 0 || !field || !IsParameter(*field)) {
      return Usage(QStringLiteral("--set %1: give FIELD=VALUE with FIELD a parameter's name as a "
                                  "file spells it (Callsign, Path, WorkMode, ...).")
                       .arg(set));
    }
    const auto read = SetValue(*field, value);
    if (!read) return Usage(QStringLiteral("--set %1: %2.").arg(set, SetTakes(*field)));
    given[static_cast<std::size_t>(Index(*field))] = *read;
  }
  std::vector<FieldValue> values;
  for (const auto& f : ParameterTable()) {
    if (const auto& value = given[static_cast<std::size_t>(Index(f.key))]) {
      values.push_back({f.key, *value});
    }
  }
  auto opened = ReadValues(values, QStringLiteral("--set"), InitialParameters(kRotateServers));
  if (auto* problem = std::get_if<ConfigProblem>(&opened)) return Usage(ProblemText(*problem));
  return std::get<OpenedConfiguration>(opened);
}

// Lists each field that did not come back as written; a mismatch failure when there is any.
std::optional<Failure> ReportMismatches(const Context& context, const DeviceConfiguration& device,
                                        const ParameterSet& expected,
                                        const std::vector<Field>& fields) {
  int mismatches = 0;
  for (Field f : MismatchedFields(device.readBack, expected)) {
    if (std::find(fields.begin(), fields.end(), f) == fields.end()) continue;
    ++mismatches;
    context.warn(QStringLiteral("%1: expected %2, the device holds %3")
                     .arg(Utf8(Def(f).name), ParameterValueJson(expected, f),
                          ParameterValueJson(device.params, f)));
  }
  if (mismatches > 0) {
    return Failure{ExitCode::Mismatch, QStringLiteral("Verify failed: %1 of %2 fields differ.")
                                           .arg(mismatches)
                                           .arg(fields.size())};
  }
  context.note(QStringLiteral("Verified: all %1 fields match.").arg(fields.size()));
  return std::nullopt;
}

struct Side {
  QString label;
  ParameterSet params;
  std::vector<Field> fields;
};

}  // namespace

std::optional<Failure> RunRead(Context& context) {
  const QString& output = context.options.output;
  const bool toStandardOutput = output.isEmpty() || output == QLatin1String("-");
  context.notesToStderr = toStandardOutput;
  // Said before the device is asked; saving says it again should the file change meanwhile.
  if (!toStandardOutput && LookAt(output).kind == PathKind::Other) {
    return Usage(ProblemText({ConfigProblem::Kind::NotRegularFile, output}));
  }
  VORLAN_TRY(session, context.openDevice());
  VORLAN_TRY(device, context.readDevice(*session));
  const SaveInfo info = context.saveInfo(device.origin);
  if (toStandardOutput) {
    context.output(ConfigurationText(device.params, info));
    return std::nullopt;
  }
  if (auto problem = SaveConfiguration(output, device.params, info)) {
    return Usage(ProblemText(*problem));
  }
  context.note(QStringLiteral("Read %1: saved to %2").arg(session->where(), FileNameText(output)));
  return std::nullopt;
}

std::optional<Failure> RunWrite(Context& context) {
  const QString& path = context.options.arguments[0];
  VORLAN_TRY(file, context.openFile(path, FormJudging::BySender));
  VORLAN_TRY(sets, ParseSets(context.options.sets));
  VORLAN_TRY(session, context.openDevice());
  VORLAN_TRY(before, context.readDevice(*session, ReadPurpose::BeforeWrite));
  // A value the device holds now is its own; every other value of the user's is judged.
  if (auto problem = JudgeUserValues(file, path, before.params)) {
    return Usage(ProblemText(*problem));
  }

  // The device's own values wherever the file and the overrides say nothing, codes and all.
  ParameterSet target = before.params;
  CopyFields(file, target);
  CopyFields(sets, target);
  if (auto failure = ReportWriteFindings(context, target)) return failure;
  const auto request = WriteRequest(target);
  if (auto* refusal = std::get_if<Refusal>(&request)) {
    return Usage(QStringLiteral("Not written: ") + RefusalText(*refusal) + '.');
  }
  VORLAN_TRY(reply, session->exchange(std::get<Request>(request), QStringLiteral("Writing")));
  if (reply.outcome != Reply::Outcome::WriteDone) return Unexpected(*session, reply, "the write");
  context.note(QStringLiteral("Wrote %1 to %2: the device answered \"$4\".")
                   .arg(FileNameText(path), session->where()));

  if (!context.options.verify) return std::nullopt;
  VORLAN_TRY(after, context.readDevice(*session, ReadPurpose::AfterWrite));
  return ReportMismatches(context, after, target, AllParameters());
}

std::optional<Failure> RunVerify(Context& context) {
  const QString& path = context.options.arguments[0];
  // Comparing sends nothing: the forms of the file's values are no reason to refuse it.
  VORLAN_TRY(file, context.openFile(path, FormJudging::BySender));
  VORLAN_TRY(session, context.openDevice());
  VORLAN_TRY(device, context.readDevice(*session));
  return ReportMismatches(context, device, file.params, file.fieldsSet);
}

std::optional<Failure> RunDiff(Context& context) {
  context.notesToStderr = true;
  std::unique_ptr<DeviceSession> session;
  std::vector<Side> sides;
  for (const QString& name : context.options.arguments) {
    if (name != QLatin1String("device")) {
      VORLAN_TRY(file, context.openFile(name, FormJudging::BySender));
      sides.push_back({FileNameText(name), file.params, file.fieldsSet});
      continue;
    }
    if (!session) {
      VORLAN_TRY(opened, context.openDevice());
      session = std::move(opened);
    }
    VORLAN_TRY(device, context.readDevice(*session));
    sides.push_back(
        {QStringLiteral("device %1").arg(session->where()), device.params, AllParameters()});
  }
  const Side& a = sides[0];
  const Side& b = sides[1];
  auto in = [](const Side& side, Field f) {
    return std::find(side.fields.begin(), side.fields.end(), f) != side.fields.end();
  };
  // Only the fields both set are compared: a template against a device compares its own fields.
  std::vector<Field> both;
  int onlyOne = 0;
  for (Field f : AllParameters()) {
    if (in(a, f) && in(b, f)) both.push_back(f);
    if (in(a, f) != in(b, f)) ++onlyOne;
  }
  if (onlyOne > 0) {
    context.warn(
        QStringLiteral("%1 fields are set in only one of the two and not compared.").arg(onlyOne));
  }
  const std::vector<Field> differing = DifferingFields(a.params, b.params, both);
  if (differing.empty()) {
    context.print(QStringLiteral("%1 and %2 hold the same settings (%3 fields compared).")
                      .arg(a.label, b.label)
                      .arg(both.size()));
    return std::nullopt;
  }
  QStringList lines = {QStringLiteral("--- ") + a.label, QStringLiteral("+++ ") + b.label};
  for (Field f : differing) {
    const QString name = Utf8(Def(f).name);
    lines << QStringLiteral("-%1: %2").arg(name, ParameterValueJson(a.params, f))
          << QStringLiteral("+%1: %2").arg(name, ParameterValueJson(b.params, f));
  }
  context.print(lines.join('\n'));
  return Failure{
      ExitCode::Mismatch,
      QStringLiteral("%1 of %2 fields compared differ.").arg(differing.size()).arg(both.size())};
}

}  // namespace vorlan::cli
