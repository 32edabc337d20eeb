#pragma once
// The table of trackers to set up: a header of field names as configuration files spell them
// ("Callsign", "BeaconText", "LoginPassword", ...) and one row per tracker, each cell a value as
// vorlan_cli's --set takes it. An empty cell keeps the template's value. An optional "port" column
// pins a row to a port ("COM3", or a device path). A LoginPassword of "auto" is the APRS-IS
// passcode of the callsign the row's tracker ends up with.
//
// The whole table is judged before anything is sent: every bad row and field comes back at once.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>
#include <vector>

#include "config/config_problem.h"
#include "config/config_reader.h"
#include "link/refusal.h"
#include "params/field.h"
#include "params/parameter_set.h"
#include "provision/csv_table.h"

namespace vorlan {

// The header's name of the column that pins a row to a port, in any case.
inline constexpr char kPortColumn[] = "port";
// The LoginPassword cell that stands for the passcode of the row's callsign, in any case.
inline constexpr char kAutoPasscode[] = "auto";

struct TableRow {
  int number = 0;  // the tracker's row, counting from 1 below the header: what --rows names
  int line = 0;    // where it starts in the file, counting from 1
  QString port;    // the "port" cell as written, trimmed; empty when the row names none
  // The fields the row sets (fieldsSet) with their values over the initial values; every one the
  // user's. LoginPassword "auto" is not among them: see autoPasscode.
  OpenedConfiguration values;
  bool autoPasscode = false;
};

// The configuration every tracker gets, before its row: a file (whole or partial), or what the
// window shows.
struct ProvisionTemplate {
  OpenedConfiguration values;  // opened with FormJudging::BySender: judged against each device
  QString source;              // names it in a problem: the file's path, or the window's word
};

struct DeviceTable {
  QStringList header;    // as written
  QList<TableRow> rows;  // in the file's order
};

struct TableProblem {
  enum class Kind {
    CannotRead,         // the file: `problem` says why (CannotRead, NotRegularFile, TooBig)
    Csv,                // the file is no table: `csv` says what and where
    NoRows,             // a header and nothing below it
    UnknownColumn,      // `column` is no parameter's name, nor "port"
    ColumnTwice,        // `column` heads two columns
    ValueRefused,       // row `row`, field `field`: `problem` or `refusal` says why
    CallsignTwice,      // row `row` has the callsign of row `otherRow`: `value`
    PortTwice,          // row `row` names the port of row `otherRow`: `value`
    UnknownPort,        // row `row` names `value`, which is no "COMn" and no device path
    MoreRowsThanPorts,  // `count` rows go to `ports` ports
    UnknownRow,         // --rows names `value`, which is no row of the table
  };
  Kind kind;
  int row = 0;
  int line = 0;
  int otherRow = 0;
  QString column = {};
  std::optional<Field> field = {};
  QString value = {};
  std::optional<ConfigProblem> problem = {};
  std::optional<Refusal> refusal = {};
  std::optional<CsvProblem> csv = {};
  int count = 0;
  int ports = 0;

  bool operator==(const TableProblem&) const = default;
};
using TableProblems = std::vector<TableProblem>;

// Reads and judges the table at `path` against the template: every cell read by --set's rules
// (SetValue) and the file's (ReadValues); a value the write frame would refuse once it is put over
// the template; a callsign twice (the row's, else the template's when it sets one; compared in
// upper case); a port twice (by the device it leads to). All problems, in row order.
std::variant<DeviceTable, TableProblems> ReadDeviceTable(const QString& path,
                                                         const ProvisionTemplate& base);
std::variant<DeviceTable, TableProblems> ReadDeviceTable(const QByteArray& text,
                                                         const ProvisionTemplate& base);

// The rows --rows keeps ("2,5"), in the table's order; all rows for an empty selection.
// UnknownRow for a number that is no row.
std::variant<QList<TableRow>, TableProblems> SelectRows(const DeviceTable& table,
                                                        const QList<int>& numbers);

// What a tracker is to hold: the device's values, then the template's, then the row's; an "auto"
// LoginPassword then becomes the passcode of the Callsign's base.
ParameterSet TargetOf(const ParameterSet& device, const ProvisionTemplate& base,
                      const TableRow& row);

}  // namespace vorlan
