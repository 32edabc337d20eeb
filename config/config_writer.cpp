#include "config/config_writer.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include "config/text_value.h"
#include "link/device_text.h"
#include "params/field_table.h"

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

QString ParameterValueJson(const ParameterSet& params, Field field, const BuildValues& build) {
  if (const auto code = params.keptCode(field)) {
    return TextValueJson(DecodeDeviceText(QByteArray(1, *code)));
  }
  switch (Def(field).kind) {
    case FieldKind::Text:
      return TextValueJson(params.text(field));
    case FieldKind::Flag:
      return params.flag(field) ? QStringLiteral("true") : QStringLiteral("false");
    case FieldKind::WorkMode:
      if (const auto code = WorkModeCodeOf(params.text(field), build))
        return QString::number(*code);
      return JsonString(params.text(field));
  }
  return {};
}

std::variant<QByteArray, ConfigProblem> ConfigurationText(const ParameterSet& params,
                                                          const BuildValues& build,
                                                          const SaveInfo& info,
                                                          const QString& file) {
  if (!params.keptCode(Field::WorkMode) && !WorkModeCodeOf(params.text(Field::WorkMode), build)) {
    return ConfigProblem{ConfigProblem::Kind::NoWorkModeCode, file,
                         QStringLiteral("parameters.WorkMode"), Field::WorkMode,
                         params.text(Field::WorkMode)};
  }
  QList<std::pair<QString, QString>> parameters;
  for (const auto& f : ParameterTable()) {
    parameters.append({Utf8(f.name), ParameterValueJson(params, f.key, build)});
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
    top.append({QStringLiteral("readFrom"), Object(read, 2)});
  }
  top.append({QStringLiteral("parameters"), Object(parameters, 2)});
  return (Object(top, 0) + '\n').toUtf8();
}

std::optional<ConfigProblem> SaveConfiguration(const QString& path, const ParameterSet& params,
                                               const BuildValues& build, const SaveInfo& info,
                                               FileAccess access) {
  auto text = ConfigurationText(params, build, info, path);
  if (auto* problem = std::get_if<ConfigProblem>(&text)) return *problem;
  // A device node, a FIFO or a folder is never replaced by a file (a link to a file is followed).
  const QFileInfo target(path);
  if (target.exists() && !target.isFile()) {
    return ConfigProblem{ConfigProblem::Kind::NotRegularFile, path};
  }
  QSaveFile file(path);
  const bool written = file.open(QIODevice::WriteOnly) &&
                       (access == FileAccess::Umask ||
                        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) &&
                       file.write(std::get<QByteArray>(text)) >= 0;
  if (written && file.commit()) return std::nullopt;
  return ConfigProblem{ConfigProblem::Kind::CannotSave, path, {}, {}, file.errorString()};
}

}  // namespace vorlan
