// vorlan_cli provision refuses a wrong command line or a table with a bad row before anything is
// sent: one message names every bad row and field, and no tracker sees a byte.
#include "provision_fixture.h"

namespace vorlan::test {
namespace {

class ProvisionRefusalTest : public ProvisionTest {};

TEST_F(ProvisionRefusalTest, AWrongCommandLineIsAUsageError) {
  const QString club = writeTemplate();
  const QString table = writeTable("Callsign\nBG7ABC-9\n");
  const QString see = " See \"vorlan_cli --help\".\n";
  const struct {
    QStringList arguments;
    QString message;
  } rows[] = {
      {{"--ports", "COM1"}, "\"provision\" needs --devices TABLE.csv."},
      {{"--devices", table}, "\"provision\" takes --ports PORT,PORT,... or --wait, one of them."},
      {{"--devices", table, "--ports", "COM1", "--wait"},
       "\"provision\" takes --ports PORT,PORT,... or --wait, one of them."},
      {{"--devices", table, "--ports", "COM1,,COM2"},
       "--ports takes COM1 to COM30 or device paths, separated by commas, not \"\"."},
      {{"--devices", table, "--ports", "COM1,COM31"},
       "--ports takes COM1 to COM30 or device paths, separated by commas, not \"COM31\"."},
      {{"--devices", table, "--ports", "auto"},
       "--ports takes COM1 to COM30 or device paths, separated by commas, not \"auto\"."},
      {{"--devices", table, "--ports", "COM1", "--rows", "1,x"},
       "--rows takes row numbers of the table, counting from 1 below its header and separated by "
       "commas (2,5), not \"x\"."},
      {{"--devices", table, "--ports", "COM1", "--rows", "0"},
       "--rows takes row numbers of the table, counting from 1 below its header and separated by "
       "commas (2,5), not \"0\"."},
      {{"--devices", table, "--ports", "COM1", "--log", "-"}, "\"provision\" takes no --log."},
      {{"--devices", table, "--port", "COM1"}, "\"provision\" takes no --port."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments.join(' ').toStdString());
    const CliRun run = cli(QStringList{"provision", club} + row.arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, row.message + see);
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(ProvisionRefusalTest, ATableWithABadRowSendsNothingAndNamesEachBadRowAndField) {
  startSimulators(2);
  const QString club = writeTemplate();
  const QString csv = file("trackers.csv");
  const struct {
    QByteArray table;
    QStringList extra;  // after --ports COM1,COM2
    QString message;
  } rows[] = {
      {"Callsign,Colour\nBG7ABC-9,red\n",
       {},
       "  " + csv +
           ": column \"Colour\" is no field's name as files spell it (Callsign, BeaconText, "
           "LoginPassword, ...) nor \"port\"\n"},
      {"Callsign,Digipeater,Latitude\n"
       "BG7ABC-9,true,2300.00N\n"
       "BG7ABD-9,yes,2300.00N\n"
       "\"BG7ABE-9\",false,9100.00N\n",
       {},
       "  row 2 (line 3), Digipeater: must be true or false\n"
       "  row 3 (line 4), Latitude: the write would refuse it: Latitude must be DDMM.mm followed "
       "by N or S, degrees 0-90 and minutes below 60, as in 2300.00N, not \"9100.00N\"\n"},
      {"Callsign,BeaconText\nBG7ABC-9,\"one\nline, two\"\nBG7ABCDEFGHIJ,\nbg7abc-9,x\n",
       {},
       "  row 2 (line 4), Callsign: the text takes 13 bytes on the line, its field at most 12\n"
       "  row 3 (line 5), Callsign: \"bg7abc-9\" is the callsign of row 1 too\n"},
      {"Callsign\nBG7ABC-9\nBG7ABD-9\nBG7ABE-9\n",
       {},
       "  3 rows for 2 ports: give a port for each row (--ports), or --wait\n"},
      {"Callsign\nBG7ABC-9\nBG7ABD-9\nBG7ABE-9\n",
       {"--rows", "3"},  // row 3 keeps its place: the third port
       "  3 rows for 2 ports: give a port for each row (--ports), or --wait\n"
       "  (with --rows too, the i-th row of the table goes to the i-th port given)\n"},
      {"Callsign,port\nBG7ABC-9,COM2\nBG7ABD-9,com2\n",
       {},
       "  row 2 (line 3), port: com2 is the port of row 1 too\n"},
      {"Callsign\nBG7ABC-9\nBG7ABD-9\n",
       {"--rows", "2,5"},
       "  --rows: 5 is no row of " + csv + "\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.table.toStdString());
    writeTable(row.table);
    const CliRun run = cli(
        QStringList{"provision", club, "--devices", csv, "--ports", "COM1,COM2"} + row.extra, pins);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Nothing was sent to any tracker:\n" + row.message);
    EXPECT_EQ(run.out, "");
  }
  // Nothing was opened: the port's quiet and the read request would have reached the device.
  for (const auto& sim : sims) {
    EXPECT_TRUE(sim->received("read").isEmpty());
    EXPECT_TRUE(sim->received("noise").isEmpty());
  }
}

}  // namespace
}  // namespace vorlan::test
