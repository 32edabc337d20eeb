#include "config/config_reader.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>
#include <optional>

#include "config/config_format.h"
#include "config/json_keys.h"
#include "config/native_files.h"
#include "config/read_back_digest.h"
#include "config/text_value.h"
#include "link/device_text.h"
#include "link/protocol.h"
#include "link/value_forms.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "params/presets.h"

namespace vorlan {
namespace {

const QString kFormat = QStringLiteral("format");
const QString kVersion = QStringLiteral("version");
const QString kSavedBy = QStringLiteral("savedBy");
const QString kReadFrom = QStringLiteral("readFrom");
const QString kParameters = QStringLiteral("parameters");

using Problem = std::optional<ConfigProblem>;

struct OriginMember {
  const char* name;
  QString FileOrigin::*member;
};
constexpr OriginMember kSavedByMembers[] = {{"program", &FileOrigin::program},
                                            {"version", &FileOrigin::version},
                                            {"time", &FileOrigin::time}};
constexpr OriginMember kReadFromMembers[] = {{"port", &FileOrigin::readPort},
                                             {"device", &FileOrigin::readDevice},
                                             {"time", &FileOrigin::readTime},
                                             {"digest", &FileOrigin::readDigest}};

bool Among(std::span<const Field> fields, Field f) {
  return std::find(fields.begin(), fields.end(), f) != fields.end();
}

ConfigProblem WriteRefusalProblem(const QString& file, const Refusal& refusal) {
  ConfigProblem p{ConfigProblem::Kind::WriteRefusal, file,
                  kParameters + '.' + Utf8(Def(refusal.field).name), refusal.field};
  p.refusal = refusal;
  return p;
}

class Reader {
 public:
  Reader(const QString& file, const ParameterSet& base, FormJudging judging)
      : file_(file), judging_(judging), opened_{base, {}, {}, {}, {}} {}

  std::variant<OpenedConfiguration, ConfigProblem> read(const QByteArray& text) {
    if (Problem problem = readDocument(text)) return *problem;
    return opened_;
  }

 private:
  ConfigProblem problem(ConfigProblem::Kind kind, const QString& key = {},
                        std::optional<Field> field = {}) const {
    return ConfigProblem{kind, file_, key, field};
  }
  ConfigProblem wrongType(const QString& key, ValueType expected,
                          std::optional<Field> field = {}) const {
    ConfigProblem p = problem(ConfigProblem::Kind::WrongType, key, field);
    p.expected = expected;
    return p;
  }

  Problem readDocument(const QByteArray& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
      ConfigProblem p = problem(ConfigProblem::Kind::NotJson);
      p.detail = error.errorString();
      p.found = error.offset;
      return p;
    }
    // Qt's reader takes them; JSON does not, and another program's reader would refuse the file.
    if (const auto at = FirstRawControlInString(text)) {
      ConfigProblem p = problem(ConfigProblem::Kind::NotJson);
      p.detail = QJsonParseError{0, QJsonParseError::IllegalValue}.errorString();
      p.found = *at + 1;
      return p;
    }
    if (!document.isObject()) return problem(ConfigProblem::Kind::NotConfiguration);
    if (const auto key = FirstDuplicateKey(text)) {
      return problem(ConfigProblem::Kind::DuplicateKey, *key);
    }
    const QJsonObject top = document.object();
    if (Problem p = readFormat(top)) return p;
    for (auto it = top.begin(); it != top.end(); ++it) {
      if (!QStringList{kFormat, kVersion, kSavedBy, kReadFrom, kParameters}.contains(it.key())) {
        opened_.unknownKeys << it.key();
      }
    }
    if (Problem p = readOrigin(top, kSavedBy, kSavedByMembers)) return p;
    if (Problem p = readOrigin(top, kReadFrom, kReadFromMembers)) return p;
    return readParameters(top);
  }

  Problem readFormat(const QJsonObject& top) const {
    const QJsonValue format = top.value(kFormat);
    if (format.toString() != Utf8(kConfigFormatName)) {
      ConfigProblem p = problem(ConfigProblem::Kind::NotConfiguration, kFormat);
      p.detail = format.isString() ? format.toString() : QString();
      return p;
    }
    const QJsonValue version = top.value(kVersion);
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 1 || number != std::floor(number)) {
      return wrongType(kVersion, ValueType::Version);
    }
    if (number > kConfigFormatVersion) {
      ConfigProblem p = problem(ConfigProblem::Kind::NewerVersion, kVersion);
      p.found = number < 1e18 ? static_cast<qint64>(number) : std::numeric_limits<qint64>::max();
      p.limit = kConfigFormatVersion;
      return p;
    }
    return std::nullopt;
  }

  template <std::size_t N>
  Problem readOrigin(const QJsonObject& top, const QString& key, const OriginMember (&members)[N]) {
    const QJsonValue value = top.value(key);
    if (value.isUndefined()) return std::nullopt;
    if (!value.isObject()) return wrongType(key, ValueType::Object);
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
      const bool known = std::any_of(std::begin(members), std::end(members),
                                     [&](const OriginMember& m) { return it.key() == m.name; });
      if (!known) opened_.unknownKeys << key + '.' + it.key();
    }
    for (const auto& m : members) {
      const QJsonValue member = object.value(QLatin1String(m.name));
      if (member.isUndefined()) continue;
      if (!member.isString()) return wrongType(key + '.' + m.name, ValueType::String);
      opened_.origin.*m.member = member.toString();
    }
    return std::nullopt;
  }

  Problem readParameters(const QJsonObject& top) {
    const QJsonValue value = top.value(kParameters);
    if (value.isUndefined()) return std::nullopt;
    if (!value.isObject()) return wrongType(kParameters, ValueType::Object);
    const QJsonObject parameters = value.toObject();
    for (auto it = parameters.begin(); it != parameters.end(); ++it) {
      const auto field = FieldNamed(it.key().toStdString());
      if (!field || !IsParameter(*field)) opened_.unknownKeys << kParameters + '.' + it.key();
    }
    std::vector<FieldValue> values;
    for (const auto& f : ParameterTable()) {
      const QJsonValue member = parameters.value(Utf8(f.name));
      if (!member.isUndefined()) values.push_back({f.key, member});
    }
    return readValues(values, opened_.origin.readDigest);
  }

 public:
  // `digest`: the read-back tags that prove values the device's own; none for the user's values.
  Problem readValues(std::span<const FieldValue> values, const QString& digest = {}) {
    ParameterSet probe = InitialParameters(kRotateServers);
    for (const auto& [field, value] : values) {
      if (Problem p = readParameter(Def(field), value, probe)) return p;
      opened_.fieldsSet.push_back(field);
    }
    opened_.deviceFields = FieldsMatchingDigest(digest, opened_.params, opened_.fieldsSet);
    // The device's own values go back as they came; the user's are judged.
    std::optional<Refusal> refusal;
    if (judging_ == FormJudging::OnOpen) refusal = CheckForms(probe, opened_.userFields());
    if (!refusal) refusal = CheckFrameWidths(probe);
    if (refusal) return WriteRefusalProblem(file_, *refusal);
    return std::nullopt;
  }

  OpenedConfiguration& opened() { return opened_; }

 private:
  // Puts one value into the result and into the probe the write check runs on.
  Problem readParameter(const FieldDef& f, const QJsonValue& value, ParameterSet& probe) {
    const QString key = kParameters + '.' + Utf8(f.name);
    auto set = [&](auto&& apply) {
      apply(opened_.params);
      apply(probe);
      return Problem();
    };
    switch (f.kind) {
      case FieldKind::Text: {
        auto text = ReadTextValue(value, key, file_, opened_.unknownKeys);
        if (auto* p = std::get_if<ConfigProblem>(&text)) {
          p->field = f.key;
          return *p;
        }
        const QString& read = std::get<QString>(text);
        // Counted as the device counts: bytes on the line.
        const qint64 bytes = EncodeDeviceText(read).size();
        if (bytes > f.maxLength) {
          ConfigProblem p = problem(ConfigProblem::Kind::TooLong, key, f.key);
          p.found = bytes;
          p.limit = f.maxLength;
          return p;
        }
        return set([&](ParameterSet& s) { s.setText(f.key, read); });
      }
      case FieldKind::Flag: {
        if (value.isBool()) return set([&](ParameterSet& s) { s.setFlag(f.key, value.toBool()); });
        if (DecodingOf(f.key) != ReadBackDecoding::EnableCode) {
          return wrongType(key, ValueType::Flag, f.key);
        }
        const auto code = deviceCode(value, key);
        if (!code) return wrongType(key, ValueType::EnableCode, f.key);
        if (*code == '0' || *code == '1' || *code == '2') {
          return set([&](ParameterSet& s) { s.setFlag(f.key, *code != '0'); });
        }
        return set([&](ParameterSet& s) { s.keepCode(f.key, *code); });
      }
      case FieldKind::WorkMode: {
        if (!value.isDouble()) {
          const auto code = deviceCode(value, key);
          if (!code) return wrongType(key, ValueType::WorkModeCode, f.key);
          return set([&](ParameterSet& s) { s.setWorkMode(*code); });
        }
        const double number = value.toDouble();
        if (number != std::floor(number) || number < 0 || number >= kWorkModeCount) {
          ConfigProblem p = problem(ConfigProblem::Kind::NoWorkModeCode, key, f.key);
          p.detail = QString::number(number);
          return p;
        }
        const char code = static_cast<char>(kFirstWorkMode + static_cast<int>(number));
        return set([&](ParameterSet& s) { s.setWorkMode(code); });
      }
    }
    return std::nullopt;
  }

  // The device's own code as a file keeps it: a text (or text and hex) of exactly one byte.
  std::optional<char> deviceCode(const QJsonValue& value, const QString& key) {
    if (!value.isString() && !value.isObject()) return std::nullopt;
    QStringList ignored;
    const auto text = ReadTextValue(value, key, file_, ignored);
    if (!std::holds_alternative<QString>(text)) return std::nullopt;
    const QByteArray bytes = EncodeDeviceText(std::get<QString>(text));
    if (bytes.size() != 1) return std::nullopt;
    return bytes[0];
  }

  QString file_;
  FormJudging judging_;
  OpenedConfiguration opened_;
};

}  // namespace

std::vector<Field> OpenedConfiguration::userFields() const {
  std::vector<Field> fields;
  for (Field f : fieldsSet) {
    if (!Among(deviceFields, f)) fields.push_back(f);
  }
  return fields;
}

std::optional<ConfigProblem> JudgeUserValues(const OpenedConfiguration& opened, const QString& file,
                                             const ParameterSet& deviceHolds) {
  std::vector<Field> judged;
  for (Field f : opened.userFields()) {
    if (FieldBytes(opened.params, f) != FieldBytes(deviceHolds, f)) judged.push_back(f);
  }
  if (const auto refusal = CheckForms(opened.params, judged)) {
    return WriteRefusalProblem(file, *refusal);
  }
  return std::nullopt;
}

std::variant<OpenedConfiguration, ConfigProblem> ReadConfiguration(const QByteArray& text,
                                                                   const QString& file,
                                                                   const ParameterSet& base,
                                                                   FormJudging judging) {
  return Reader(file, base, judging).read(text);
}

std::variant<OpenedConfiguration, ConfigProblem> ReadValues(std::span<const FieldValue> values,
                                                            const QString& source,
                                                            const ParameterSet& base) {
  Reader reader(source, base, FormJudging::OnOpen);
  if (auto problem = reader.readValues(values)) return *problem;
  return reader.opened();
}

std::variant<OpenedConfiguration, ConfigProblem> OpenConfiguration(const QString& path,
                                                                   const ParameterSet& base,
                                                                   FormJudging judging) {
  // Looked at before opening: opening a FIFO waits for a writer, and a device never ends.
  const PathStatus status = LookAt(path);
  if (status.kind == PathKind::Other) {
    return ConfigProblem{ConfigProblem::Kind::NotRegularFile, path};
  }
  auto tooBig = [&](qint64 size) {
    ConfigProblem p{ConfigProblem::Kind::TooBig, path};
    p.found = size;
    p.limit = kConfigFileLimit;
    return p;
  };
  if (status.size > kConfigFileLimit) return tooBig(status.size);
  auto read = ReadFileBytes(path, kConfigFileLimit + 1);  // the file may grow meanwhile
  if (auto* reason = std::get_if<QString>(&read)) {
    return ConfigProblem{ConfigProblem::Kind::CannotRead, path, {}, {}, *reason};
  }
  const QByteArray& text = std::get<QByteArray>(read);
  if (text.size() > kConfigFileLimit) return tooBig(text.size());
  return ReadConfiguration(text, path, base, judging);
}

}  // namespace vorlan
