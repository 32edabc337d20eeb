// The table of trackers: every cell read as --set reads a value, every problem of the whole table
// named at once in row order, "auto" passcodes, the target's order (device, template, row), the
// rows --rows keeps, the ports rows get, and the report file as spreadsheets read it.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "check/passcode.h"
#include "params/presets.h"
#include "provision/provisioner.h"

namespace vorlan::test {
namespace {

using Kind = TableProblem::Kind;

ProvisionTemplate Template(std::vector<FieldValue> values = {}) {
  auto read = ReadValues(values, "club.json", InitialParameters(kRotateServers));
  return {std::get<OpenedConfiguration>(read), "club.json"};
}

std::variant<DeviceTable, TableProblems> Read(const QByteArray& text,
                                              const ProvisionTemplate& base = Template()) {
  return ReadDeviceTable(text, base);
}

TableProblems Problems(const QByteArray& text, const ProvisionTemplate& base = Template()) {
  auto read = Read(text, base);
  if (auto* problems = std::get_if<TableProblems>(&read)) return *problems;
  return {};
}

TableProblem Cell(int row, int line, Field field, ConfigProblem problem) {
  TableProblem p{Kind::ValueRefused, row, line};
  p.field = field;
  p.problem = problem;
  return p;
}

ConfigProblem ValueProblem(ConfigProblem::Kind kind, Field field) {
  return {kind, {}, QStringLiteral("parameters.") + Utf8(Def(field).name), field};
}

TEST(DeviceTable, NamesEveryProblemOfTheWholeTableInRowOrder) {
  ConfigProblem notFlag = ValueProblem(ConfigProblem::Kind::WrongType, Field::SmartBeacon);
  notFlag.expected = ValueType::Flag;
  ConfigProblem notEnable = ValueProblem(ConfigProblem::Kind::WrongType, Field::Server1Enable);
  notEnable.expected = ValueType::EnableCode;
  ConfigProblem tooLong = ValueProblem(ConfigProblem::Kind::TooLong, Field::Callsign);
  tooLong.found = 13;
  tooLong.limit = 12;
  ConfigProblem wrongForm = ValueProblem(ConfigProblem::Kind::WriteRefusal, Field::DigiNumber);
  wrongForm.refusal = Refusal{Field::DigiNumber, Refusal::Rule::WrongForm, 0, 0, "1a"};
  TableProblem delimiter{Kind::ValueRefused, 4, 6};
  delimiter.field = Field::BeaconText;
  delimiter.refusal = Refusal{Field::BeaconText, Refusal::Rule::Delimiter, 0, 0, "#"};
  auto twice = [](Kind kind, int row, int line, int other, const QString& value) {
    TableProblem p{kind, row, line, other};
    p.value = value;
    return p;
  };

  const TableProblems problems = Problems(
      "Callsign,Colour,SmartBeacon,port,DigiNumber,BeaconText,Server1Enable,PORT\n"
      "BG7ABC-9,red,yes,COM3,1a,,true,\n"
      "BG7ABCDEFGH-9,,true,/dev/ttyUSB0,,\"two\n"
      "lines\",2,\n"
      "bg7abc-9,,,com3,,,maybe,\n"
      "BG7ABD-9,,,ttyUSB1,,net #1,,\n"
      "BG7ABE-9,,,/dev/ttyUSB0,,,,\n");
  const TableProblems expected = {
      {Kind::UnknownColumn, 0, 0, 0, "Colour"},
      {Kind::ColumnTwice, 0, 0, 0, "PORT"},
      Cell(1, 2, Field::SmartBeacon, notFlag),
      Cell(1, 2, Field::DigiNumber, wrongForm),
      Cell(2, 3, Field::Callsign, tooLong),
      Cell(3, 5, Field::Server1Enable, notEnable),
      twice(Kind::CallsignTwice, 3, 5, 1, "bg7abc-9"),
      twice(Kind::PortTwice, 3, 5, 1, "com3"),
      delimiter,
      twice(Kind::UnknownPort, 4, 6, 0, "ttyUSB1"),
      twice(Kind::PortTwice, 5, 7, 2, "/dev/ttyUSB0"),
  };
  ASSERT_EQ(problems.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(problems[i], expected[i]) << i;
}

TEST(DeviceTable, RefusesAFileThatIsNoTableOfTrackers) {
  QTemporaryDir dir;
  const QString missing = dir.filePath("missing.csv");
  TableProblem csv{Kind::Csv, 0, 2};
  csv.csv = CsvProblem{CsvProblem::Kind::UnclosedQuote, 2};
  TableProblem sameCallsign{Kind::CallsignTwice, 2, 3, 1};
  sameCallsign.value = "BG7ABC-9";
  const struct {
    const char* what;
    TableProblems problems;
    TableProblems expected;
  } rows[] = {
      {"a header alone", Problems("Callsign,port\n"), {{Kind::NoRows}}},
      {"an unclosed quote", Problems("Callsign\n\"BG7ABC-9\n"), {csv}},
      // Two rows that set no callsign both get the template's.
      {"the template's callsign twice",
       Problems("BeaconText\na\nb\n", Template({{Field::Callsign, QJsonValue("BG7ABC-9")}})),
       {sameCallsign}},
  };
  for (const auto& row : rows) EXPECT_EQ(row.problems, row.expected) << row.what;

  const auto read = ReadDeviceTable(missing, Template());
  ASSERT_TRUE(std::holds_alternative<TableProblems>(read));
  const TableProblems& problems = std::get<TableProblems>(read);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].kind, Kind::CannotRead);
  EXPECT_EQ(problems[0].problem->kind, ConfigProblem::Kind::CannotRead);
  EXPECT_EQ(problems[0].problem->file, missing);
  const auto folder = ReadDeviceTable(dir.path(), Template());
  EXPECT_EQ(std::get<TableProblems>(folder)[0].problem->kind, ConfigProblem::Kind::NotRegularFile);
}

TEST(DeviceTable, EachTrackerGetsTheDevicesThenTheTemplatesThenItsRowsValues) {
  const ProvisionTemplate base = Template({{Field::BeaconText, QJsonValue("Club net")},
                                           {Field::Path, QJsonValue("WIDE1-1")},
                                           {Field::MyPhone, QJsonValue("13800000000")}});
  // A byte-order mark and quoted cells as spreadsheets write them; an empty cell keeps the
  // template's value; "auto" in any case.
  const auto read = Read(
      "\xEF\xBB\xBF"
      "Callsign,LoginPassword,Path,SmartBeacon,BeaconText\r\n"
      "BG7ABC-9,auto,\"WIDE2-1,WIDE1-1\",true,\r\n"
      "BG7ABD-7,Auto,,,\"say \"\"hi\"\"\"\r\n"
      "BG7ABE-9,02468,,false,\r\n",
      base);
  ASSERT_TRUE(std::holds_alternative<DeviceTable>(read));
  const QList<TableRow>& rows = std::get<DeviceTable>(read).rows;
  ASSERT_EQ(rows.size(), 3);

  ParameterSet device = InitialParameters(kRotateServers);
  device.setText(Field::Callsign, "NOCALL");
  device.setText(Field::MyPhone, "13900000000");
  device.setText(Field::AlarmPhone, "110");
  device.setFlag(Field::SmartBeacon, true);
  const struct {
    QString callsign, passcode, path, beacon;
    bool smartBeacon;
  } expected[] = {
      {"BG7ABC-9", PasscodeText(AprsIsPasscode("BG7ABC")), "WIDE2-1,WIDE1-1", "Club net", true},
      {"BG7ABD-7", PasscodeText(AprsIsPasscode("BG7ABD")), "WIDE1-1", "say \"hi\"", true},
      {"BG7ABE-9", "02468", "WIDE1-1", "Club net", false},
  };
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i].number, i + 1);
    EXPECT_EQ(rows[i].line, i + 2);
    EXPECT_EQ(rows[i].autoPasscode, i < 2);
    const ParameterSet target = TargetOf(device, base, rows[i]);
    EXPECT_EQ(target.text(Field::Callsign), expected[i].callsign);
    EXPECT_EQ(target.text(Field::LoginPassword), expected[i].passcode);
    EXPECT_EQ(target.text(Field::Path), expected[i].path);
    EXPECT_EQ(target.text(Field::BeaconText), expected[i].beacon);
    EXPECT_EQ(target.flag(Field::SmartBeacon), expected[i].smartBeacon);
    EXPECT_EQ(target.text(Field::MyPhone), "13800000000");  // the template's over the device's
    EXPECT_EQ(target.text(Field::AlarmPhone), "110");       // the device's: no one sets it
  }

  // "auto" without a callsign in the row is the passcode of the one the device keeps.
  const auto keep = Read("LoginPassword\nauto\n", Template());
  const ParameterSet target = TargetOf(device, Template(), std::get<DeviceTable>(keep).rows[0]);
  EXPECT_EQ(target.text(Field::LoginPassword), PasscodeText(AprsIsPasscode("NOCALL")));
}

TEST(DeviceTable, SelectsTheRowsTheRetryNames) {
  const auto read = Read("Callsign\nBG7ABC-9\nBG7ABD-9\nBG7ABE-9\n", Template());
  const DeviceTable& table = std::get<DeviceTable>(read);
  auto numbers = [&](const QList<int>& selection) {
    QList<int> kept;
    const auto selected = SelectRows(table, selection);
    for (const TableRow& row : std::get<QList<TableRow>>(selected)) {
      kept << row.number;
    }
    return kept;
  };
  EXPECT_EQ(numbers({}), (QList<int>{1, 2, 3}));
  EXPECT_EQ(numbers({3, 1}), (QList<int>{1, 3}));
  TableProblem four{Kind::UnknownRow}, zero{Kind::UnknownRow};
  four.value = "4";
  zero.value = "0";
  EXPECT_EQ(std::get<TableProblems>(SelectRows(table, {2, 4, 0})), (TableProblems{four, zero}));
}

TEST(DeviceTable, GivesEachRowItsOwnPortOrTheNextFreeOne) {
  const QList<MappedPort> mapping = {
      {1, "/dev/ttyUSB0", false, "CH340", UsbId{0x1a86, 0x7523}, "USB Serial", "A1B2"},
      {2, "/dev/ttyACM0", false, "CDC-ACM"},
  };
  const struct {
    const char* what;
    QString text;
    std::optional<ProvisionPort> port;
  } named[] = {
      {"a number, in any case", "com1", ProvisionPort{"com1", 1, "/dev/ttyUSB0", "CH340", "A1B2"}},
      {"a number not mapped", "COM9", ProvisionPort{"COM9", 9, {}}},
      {"a mapped path", "/dev/ttyACM0",
       ProvisionPort{"/dev/ttyACM0", 2, "/dev/ttyACM0", "CDC-ACM"}},
      {"a path not mapped", "/dev/pts/7", ProvisionPort{"/dev/pts/7", 0, "/dev/pts/7"}},
      {"neither", "ttyUSB0", std::nullopt},
      {"COM and no number", "COM", std::nullopt},
  };
  for (const auto& row : named) EXPECT_EQ(PortNamed(row.text, mapping), row.port) << row.what;
  // The adapter's serial number comes from the system's port list through the mapping.
  const QList<PresentPort> present = {
      {"ttyUSB0", "/dev/ttyUSB0", "USB Serial", UsbId{0x1a86, 0x7523}, "A1B2"}};
  const auto none = [](const QString&) { return QString(); };
  EXPECT_EQ(PortNamed("COM1", PortMapping(present, none))->serial, "A1B2");

  const auto read = Read("Callsign,port\nA1-1,\nA1-2,COM2\nA1-3,\n", Template());
  const QList<TableRow>& rows = std::get<DeviceTable>(read).rows;
  auto names = [&](const QStringList& ports) -> QStringList {
    const auto assigned = AssignPorts(rows, ports, mapping);
    if (!std::holds_alternative<QList<ProvisionPort>>(assigned)) return {};
    QStringList result;
    for (const ProvisionPort& port : std::get<QList<ProvisionPort>>(assigned)) result << port.name;
    return result;
  };
  // The port a row names is no other row's, even when --ports lists it.
  EXPECT_EQ(names({"COM1", "COM3"}), (QStringList{"COM1", "COM2", "COM3"}));
  EXPECT_EQ(names({"COM2", "COM1", "COM3"}), (QStringList{"COM1", "COM2", "COM3"}));

  TableProblem tooFew{Kind::MoreRowsThanPorts};
  tooFew.count = 2;
  tooFew.ports = 1;
  TableProblem unknown{Kind::UnknownPort};
  unknown.value = "USB0";
  TableProblem samePort{Kind::PortTwice, 3, 4, 1};
  samePort.value = "/dev/ttyUSB0";  // COM1's device, by its path
  const struct {
    const char* what;
    QStringList ports;
    TableProblems expected;
  } refused[] = {
      {"too few", {"COM2", "COM1"}, {tooFew}},
      {"no port", {"COM1", "USB0"}, {unknown, tooFew}},
      {"one device twice", {"COM1", "/dev/ttyUSB0"}, {samePort}},
  };
  for (const auto& row : refused) {
    const auto assigned = AssignPorts(rows, row.ports, mapping);
    ASSERT_TRUE(std::holds_alternative<TableProblems>(assigned)) << row.what;
    EXPECT_EQ(std::get<TableProblems>(assigned), row.expected) << row.what;
  }
}

TEST(DeviceTable, WritesTheReportAsSpreadsheetsReadIt) {
  const QByteArray written =
      WriteCsv({"row", "reason"}, {{"1", "done"}, {"2", "said \"$5\", twice\nor more"}});
  EXPECT_EQ(written,
            "\xEF\xBB\xBF"
            "row,reason\r\n1,done\r\n2,\"said \"\"$5\"\", twice\nor more\"\r\n");
  const auto read = ReadCsv(written);
  ASSERT_TRUE(std::holds_alternative<CsvTable>(read));
  EXPECT_EQ(std::get<CsvTable>(read).rows[1], (QStringList{"2", "said \"$5\", twice\nor more"}));
}

}  // namespace
}  // namespace vorlan::test
