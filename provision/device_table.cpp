#include "provision/device_table.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <optional>

#include "check/passcode.h"
#include "config/native_files.h"
#include "config/set_value.h"
#include "link/discovery/port_names.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "params/presets.h"

namespace vorlan {
namespace {

using Kind = TableProblem::Kind;

// A table of trackers is small; a file beyond a configuration file's limit is none.
constexpr qint64 kTableLimit = kConfigFileLimit;

// What each column of the header holds: a parameter, the port, or nothing usable.
struct Columns {
  std::vector<std::optional<Field>> fields;  // one per column; empty for the port and bad ones
  int port = -1;                             // the port column's index, -1 without one
};

Columns ReadHeader(const QStringList& header, TableProblems& problems) {
  Columns columns;
  QHash<QString, int> seen;  // a column's name (the port's in lower case) and where it stands
  for (int i = 0; i < header.size(); ++i) {
    const QString& name = header[i];
    columns.fields.push_back(std::nullopt);
    const bool isPort = name.compare(QLatin1String(kPortColumn), Qt::CaseInsensitive) == 0;
    const QString key = isPort ? name.toLower() : name;
    const auto field = FieldNamed(name.toStdString());
    if (!isPort && (!field || !IsParameter(*field))) {
      problems.push_back({Kind::UnknownColumn, 0, 0, 0, name});
      continue;
    }
    if (seen.contains(key)) {
      problems.push_back({Kind::ColumnTwice, 0, 0, 0, name});
      continue;
    }
    seen.insert(key, i);
    if (isPort) {
      columns.port = i;
    } else {
      columns.fields.back() = field;
    }
  }
  return columns;
}

TableProblem CellProblem(const TableRow& row, Field field, const ConfigProblem& problem) {
  TableProblem p{Kind::ValueRefused, row.number, row.line};
  p.field = field;
  p.problem = problem;
  return p;
}

// The problem when the text is none of its field's types.
ConfigProblem NotOfType(Field field, const QString& source) {
  ConfigProblem p{ConfigProblem::Kind::WrongType, source,
                  QStringLiteral("parameters.") + Utf8(Def(field).name), field};
  const bool enable = DecodingOf(field) == ReadBackDecoding::EnableCode;
  p.expected = Def(field).kind == FieldKind::WorkMode ? ValueType::WorkModeCode
               : enable                               ? ValueType::EnableCode
                                                      : ValueType::Flag;
  return p;
}

bool IsAuto(const QString& cell) {
  return cell.trimmed().compare(QLatin1String(kAutoPasscode), Qt::CaseInsensitive) == 0;
}

// Reads one row's cells, each on its own so that every bad one is named, then all together.
TableRow ReadRow(const QStringList& cells, const Columns& columns, int number, int line,
                 const QString& source, TableProblems& problems) {
  const ParameterSet initial = InitialParameters(kRotateServers);
  TableRow row;
  row.number = number;
  row.line = line;
  if (columns.port >= 0) row.port = cells[columns.port].trimmed();
  std::vector<FieldValue> values;
  for (int i = 0; i < cells.size(); ++i) {
    const auto field = columns.fields[i];
    const QString& cell = cells[i];
    if (!field || cell.isEmpty()) continue;
    if (*field == Field::LoginPassword && IsAuto(cell)) {
      row.autoPasscode = true;
      continue;
    }
    const auto value = SetValue(*field, cell);
    if (!value) {
      problems.push_back(CellProblem(row, *field, NotOfType(*field, source)));
      continue;
    }
    const FieldValue one{*field, *value};
    auto read = ReadValues({&one, 1}, source, initial);
    if (auto* problem = std::get_if<ConfigProblem>(&read)) {
      problems.push_back(CellProblem(row, *field, *problem));
      continue;
    }
    values.push_back(one);
  }
  std::sort(values.begin(), values.end(), [](const FieldValue& a, const FieldValue& b) {
    return Index(a.field) < Index(b.field);
  });
  // Sound one by one, so sound together: fields are read apart.
  auto read = ReadValues(values, source, initial);
  if (auto* opened = std::get_if<OpenedConfiguration>(&read)) row.values = *opened;
  return row;
}

// The callsign the row's tracker ends up with, when the table or the template says it.
std::optional<QString> CallsignOf(const TableRow& row, const ProvisionTemplate& base) {
  for (const auto* values : {&row.values, &base.values}) {
    const auto& set = values->fieldsSet;
    if (std::find(set.begin(), set.end(), Field::Callsign) != set.end()) {
      return values->params.text(Field::Callsign);
    }
  }
  return std::nullopt;
}

// One key per device a port cell leads to: "COM3" by its number, a path by the device.
std::optional<QString> PortKey(const QString& port) {
  static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]*)$"),
                                      QRegularExpression::CaseInsensitiveOption);
  if (const auto match = com.match(port); match.hasMatch()) {
    return QStringLiteral("COM") + match.captured(1);
  }
  if (QDir::isAbsolutePath(port)) return DeviceKey(port);
  return std::nullopt;
}

// The problems of each row among the rows before it: a callsign or a port another row has.
void JudgeAgainstOthers(const QList<TableRow>& rows, const ProvisionTemplate& base,
                        std::vector<std::pair<int, TableProblem>>& found) {
  QHash<QString, int> callsigns, ports;  // upper-case callsign, port key -> the first row's
  for (const TableRow& row : rows) {
    if (const auto callsign = CallsignOf(row, base)) {
      const QString key = callsign->toUpper();
      if (callsigns.contains(key)) {
        TableProblem p{Kind::CallsignTwice, row.number, row.line, callsigns[key]};
        p.value = *callsign;
        found.push_back({row.number, p});
      } else {
        callsigns.insert(key, row.number);
      }
    }
    if (row.port.isEmpty()) continue;
    const auto key = PortKey(row.port);
    TableProblem p{key ? Kind::PortTwice : Kind::UnknownPort, row.number, row.line};
    p.value = row.port;
    if (!key) {
      found.push_back({row.number, p});
    } else if (ports.contains(*key)) {
      p.otherRow = ports[*key];
      found.push_back({row.number, p});
    } else {
      ports.insert(*key, row.number);
    }
  }
}

// The first value the write frame would refuse once the row is put over the template.
std::optional<Refusal> RefusalOverTemplate(const TableRow& row, const ProvisionTemplate& base) {
  return CheckWriteFrame(TargetOf(base.values.params, base, row));
}

std::variant<DeviceTable, TableProblems> ReadTable(const QByteArray& text, const QString& source,
                                                   const ProvisionTemplate& base) {
  const auto csv = ReadCsv(text);
  if (auto* problem = std::get_if<CsvProblem>(&csv)) {
    TableProblem p{Kind::Csv, 0, problem->line};
    p.csv = *problem;
    return TableProblems{p};
  }
  const CsvTable& cells = std::get<CsvTable>(csv);
  TableProblems headerProblems;
  const Columns columns = ReadHeader(cells.header, headerProblems);
  if (cells.rows.isEmpty()) headerProblems.push_back({Kind::NoRows});

  // Each row's own problems, then those it has among the others, all in row order.
  std::vector<std::pair<int, TableProblem>> found;
  DeviceTable table;
  table.header = cells.header;
  for (int i = 0; i < cells.rows.size(); ++i) {
    TableProblems own;
    TableRow row = ReadRow(cells.rows[i], columns, i + 1, cells.lines[i], source, own);
    if (own.empty()) {
      if (const auto refusal = RefusalOverTemplate(row, base)) {
        TableProblem p{Kind::ValueRefused, row.number, row.line};
        p.field = refusal->field;
        p.refusal = *refusal;
        own.push_back(p);
      }
    }
    for (const TableProblem& p : own) found.push_back({row.number, p});
    table.rows << row;
  }
  JudgeAgainstOthers(table.rows, base, found);
  std::stable_sort(found.begin(), found.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  TableProblems problems = headerProblems;
  for (const auto& [number, p] : found) problems.push_back(p);
  if (!problems.empty()) return problems;
  return table;
}

}  // namespace

std::variant<DeviceTable, TableProblems> ReadDeviceTable(const QString& path,
                                                         const ProvisionTemplate& base) {
  auto cannot = [&](ConfigProblem::Kind kind, const QString& detail = {}, qint64 found = 0) {
    TableProblem p{Kind::CannotRead};
    p.problem = ConfigProblem{kind, path, {}, {}, detail, found, kTableLimit};
    if (kind != ConfigProblem::Kind::TooBig) p.problem->limit = 0;
    return TableProblems{p};
  };
  const PathStatus status = LookAt(path);
  if (status.kind == PathKind::Other) return cannot(ConfigProblem::Kind::NotRegularFile);
  if (status.size > kTableLimit) return cannot(ConfigProblem::Kind::TooBig, {}, status.size);
  auto read = ReadFileBytes(path, kTableLimit + 1);
  if (auto* reason = std::get_if<QString>(&read)) {
    return cannot(ConfigProblem::Kind::CannotRead, *reason);
  }
  const QByteArray& text = std::get<QByteArray>(read);
  if (text.size() > kTableLimit) return cannot(ConfigProblem::Kind::TooBig, {}, text.size());
  return ReadTable(text, path, base);
}

std::variant<DeviceTable, TableProblems> ReadDeviceTable(const QByteArray& text,
                                                         const ProvisionTemplate& base) {
  return ReadTable(text, {}, base);
}

std::variant<QList<TableRow>, TableProblems> SelectRows(const DeviceTable& table,
                                                        const QList<int>& numbers) {
  if (numbers.isEmpty()) return table.rows;
  TableProblems problems;
  for (int n : numbers) {
    if (n < 1 || n > table.rows.size()) {
      TableProblem p{Kind::UnknownRow};
      p.value = QString::number(n);
      problems.push_back(p);
    }
  }
  if (!problems.empty()) return problems;
  QList<TableRow> kept;
  for (const TableRow& row : table.rows) {
    if (numbers.contains(row.number)) kept << row;
  }
  return kept;
}

ParameterSet TargetOf(const ParameterSet& device, const ProvisionTemplate& base,
                      const TableRow& row) {
  ParameterSet target = device;
  for (Field f : base.values.fieldsSet) target.copyValue(f, base.values.params);
  for (Field f : row.values.fieldsSet) target.copyValue(f, row.values.params);
  if (row.autoPasscode) {
    target.setText(Field::LoginPassword,
                   PasscodeText(AprsIsPasscode(target.text(Field::Callsign).section('-', 0, 0))));
  }
  return target;
}

}  // namespace vorlan
