#include "config/config_writer.h"

#include <QStringList>

#include "config/native_files.h"
#include "config/read_back_digest.h"
#include "config/text_value.h"
#include "link/device_text.h"
#include "params/field_table.h"
#include "params/utf8.h"

namespace vorlan {
namespace {

QString Time(const QDateTime& time) {
  return time.toUTC().toString(Qt::ISODate);
}

// `"key": value` lines of one object at the given indent, in the given order.
QString Members(const QList<std::pair<QString, QString>>& members, int indent) {
  QStringList lines;
  for (const auto& [key, value] : members) {
    lines << QString(indent, ' ') + JsonString(key) + QStringLiteral(": ") + value;
  }
  return lines.join(QStringLiteral(",\n"));
}

QString Object(const QList<std::pair<QString, QString>>& members, int indent) {
  return QStringLiteral("{\n") + Members(members, indent + 2) + '\n' + QString(indent, ' ') + '}';
}

}  // namespace

QString ParameterValueJson(const ParameterSet& params, Field field) {
  std::optional<char> code;  // the device's code, when it is none of its table's
  switch (Def(field).kind) {
    case FieldKind::Text:
      return TextValueJson(params.text(field));
    case FieldKind::Flag:
      code = params.keptCode(field);
      if (!code) return params.flag(field) ? QStringLiteral("true") : QStringLiteral("false");
      break;
    case FieldKind::WorkMode:
      code = params.workMode();
      if (IsListedWorkMode(*code)) return QString::number(*code - kFirstWorkMode);
      break;
  }
  return TextValueJson(DecodeDeviceText(QByteArray(1, *code)));
}

QByteArray ConfigurationText(const ParameterSet& params, const SaveInfo& info) {
  QList<std::pair<QString, QString>> parameters;
  for (const auto& f : ParameterTable()) {
    parameters.append({Utf8(f.name), ParameterValueJson(params, f.key)});
  }
  QList<std::pair<QString, QString>> top = {
      {QStringLiteral("format"), JsonString(Utf8(kConfigFormatName))},
      {QStringLiteral("version"), QString::number(kConfigFormatVersion)},
      {QStringLiteral("savedBy"), Object({{QStringLiteral("program"), JsonString(info.program)},
                                          {QStringLiteral("version"), JsonString(info.version)},
                                          {QStringLiteral("time"), JsonString(Time(info.time))}},
                                         2)},
  };
  if (info.read) {
    QList<std::pair<QString, QString>> read = {
        {QStringLiteral("port"), JsonString(info.read->port)}};
    if (!info.read->device.isEmpty()) {
      read.append({QStringLiteral("device"), JsonString(info.read->device)});
    }
    read.append({QStringLiteral("time"), JsonString(Time(info.read->time))});
    // What proves the values the device's own for as long as they are left as they came.
    read.append({QStringLiteral("digest"), JsonString(ReadBackDigest(params))});
    top.append({QStringLiteral("readFrom"), Object(read, 2)});
  }
  top.append({QStringLiteral("parameters"), Object(parameters, 2)});
  return (Object(top, 0) + '\n').toUtf8();
}

std::optional<ConfigProblem> SaveConfiguration(const QString& path, const ParameterSet& params,
                                               const SaveInfo& info, FileAccess access) {
  const QByteArray text = ConfigurationText(params, info);
  // A device node, a FIFO or a folder is never replaced by a file (a link to a file is followed).
  if (LookAt(path).kind == PathKind::Other) {
    return ConfigProblem{ConfigProblem::Kind::NotRegularFile, path};
  }
  if (auto reason = SaveWholeFile(path, text, access)) {
    return ConfigProblem{ConfigProblem::Kind::CannotSave, path, {}, {}, *reason};
  }
  return std::nullopt;
}

}  // namespace vorlan
