// vorlan_cli provision sets up trackers on simulators at once: each gets the template and its own
// row, "auto" passcodes included; one that fails stops no other, and the command it prints for
// the rows left writes only those; --wait gives each tracker plugged in the next row.
#include <QFileInfo>
#include <QRegularExpression>

#include "provision_fixture.h"

namespace vorlan::test {
namespace {

class ProvisionCliTest : public ProvisionTest {
 protected:
  QByteArray report() {
    QFile in(file("my report.csv"));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
  }
  // The report's lines, each without the backup file it ends with, which is checked to be there.
  QStringList reportLines() {
    const QByteArray text = report();
    EXPECT_TRUE(text.startsWith("\xEF\xBB\xBF"));
    QStringList lines = QString::fromUtf8(text.mid(3)).split("\r\n");
    EXPECT_EQ(lines.takeLast(), "");
    for (const QString& line : lines.mid(1)) {
      const QString backup = line.section(',', -1);
      if (!backup.isEmpty()) {
        EXPECT_TRUE(QFileInfo(backup).isFile()) << backup.toStdString();
      }
    }
    for (QString& line : lines) line = line.section(',', 0, -2);
    return lines;
  }
  QStringList options(const QString& table, const QString& ports) {
    return {"provision", writeTemplate(), "--devices", table,      "--ports",
            ports,       "--timeout",     "0.5",       "--report", file("my report.csv")};
  }
};

const QString kHeader = "row,port,device,usb_serial,callsign_before,callsign_after,outcome,reason";

TEST_F(ProvisionCliTest, FourTrackersAtOnceGetTheTemplateAndTheirOwnRow) {
  startSimulators(4);
  const QString table = writeTable(
      "\xEF\xBB\xBF"
      "Callsign,LoginPassword,MyPhone,BeaconText\r\n"
      "BG7ABC-9,auto,13800000001,\r\n"
      "BG7ABD-7,AUTO,,Own beacon\r\n"
      "BA1AA-5,12345,13800000003,\r\n"
      "BG7XYZ-7,auto,13800000004,\"Text, with comma\"\r\n");
  const CliRun run = cli(options(table, "COM1,COM2,COM3,COM4"), pins);
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

  const struct {
    QString callsign, passcode, phone, beacon;
  } expected[] = {
      {"BG7ABC-9", "17575", "13800000001", "Club tracker"},
      {"BG7ABD-7", "17568", "13900000000", "Own beacon"},  // the template's phone
      {"BA1AA-5", "12345", "13800000003", "Club tracker"},
      {"BG7XYZ-7", "24487", "13800000004", "Text, with comma"},
  };
  QStringList lines = {kHeader};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(sims[i]->received("write").size(), 1);
    const QJsonObject values = deviceValues(sims[i]->path());
    EXPECT_EQ(values["Callsign"].toString().trimmed(), expected[i].callsign);
    EXPECT_EQ(values["LoginPassword"].toString().trimmed(), expected[i].passcode);
    EXPECT_EQ(values["MyPhone"].toString().trimmed(), expected[i].phone);
    EXPECT_EQ(values["BeaconText"].toString().trimmed(), expected[i].beacon);
    EXPECT_EQ(values["Path"].toString().trimmed(), "WIDE1-1");
    EXPECT_TRUE(values["LoginServer"].toBool());
    lines << QString("%1,COM%1,%2,,SIM1-7,%3,done,")
                 .arg(i + 1)
                 .arg(sims[i]->path(), expected[i].callsign);
  }
  EXPECT_EQ(reportLines(), lines);
  EXPECT_EQ(QDir(backups()).entryList({"*.json"}, QDir::Files).size(), 4);
  // Not on a terminal: a line for each step of each row, once.
  const QString first = "Row 1 COM1 (" + sims[0]->path() + "): ";
  EXPECT_EQ(run.err.split('\n').filter(first), QStringList({first + "reading", first + "writing",
                                                            first + "checking", first + "done"}));
  // The check's findings are each tracker's: row 3's passcode is not its callsign's.
  EXPECT_TRUE(run.err.contains("\nRow 3: LoginPassword: warning: ")) << run.err.toStdString();
  EXPECT_FALSE(run.err.contains("Row 1: LoginPassword:")) << run.err.toStdString();

  // The table on standard output: one line per row, its cells apart by two blanks or more.
  QStringList table_ = run.out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(table_.size(), 5) << run.out.toStdString();
  EXPECT_EQ(table_[0].split(QRegularExpression(" {2,}")),
            QStringList({"Row", "Port", "Device", "USB serial", "Callsign", "Outcome", "Reason",
                         "Backup"}));
  const QStringList cells = table_[1].split(QRegularExpression(" {2,}"));
  ASSERT_EQ(cells.size(), 8) << table_[1].toStdString();
  EXPECT_EQ(cells.mid(0, 7),
            QStringList({"1", "COM1", sims[0]->path(), "-", "SIM1-7 -> BG7ABC-9", "done", "-"}));
}

TEST_F(ProvisionCliTest, ASilentTrackerFailsAloneAndTheRetryWritesOnlyIt) {
  addSimulator();
  addSimulator({"--fast", "--delay", "60000"});  // answers nothing within the time-out
  addSimulator();
  const QString table = writeTable(
      "Callsign,LoginPassword\nBG7ABC-9,auto\nBG7ABD-7,auto\n"
      "BG7XYZ-7,auto\n");
  const QStringList command = options(table, "COM1,COM2,COM3");
  const CliRun run = cli(command, pins);
  EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
  const QString retry = QString(VORLAN_CLI) + " provision " + file("club.json") + " --devices " +
                        table + " --ports COM1,COM2,COM3 --timeout 0.5 --report '" +
                        file("my report.csv") + "' --rows 2";
  EXPECT_TRUE(
      run.err.endsWith("\n1 of 3 rows not set up: 2. Retry only them with:\n  " + retry + "\n"))
      << run.err.toStdString();
  EXPECT_EQ(
      reportLines(),
      QStringList({kHeader, "1,COM1," + sims[0]->path() + ",,SIM1-7,BG7ABC-9,done,",
                   "2,COM2," + sims[1]->path() + ",,,,failed,no answer within 0.5 s while reading",
                   "3,COM3," + sims[2]->path() + ",,SIM1-7,BG7XYZ-7,done,"}));
  EXPECT_EQ(sims[0]->received("write").size(), 1);
  EXPECT_EQ(sims[2]->received("write").size(), 1);

  // Mended (another tracker on COM2), the retry sets up row 2 alone.
  sims[1] = std::make_unique<Simulator>();
  pins["VORLAN_COM2"] = sims[1]->path();
  const CliRun retried = shell(retry);
  EXPECT_EQ(retried.exitCode, 0) << retried.err.toStdString();
  EXPECT_EQ(reportLines(),
            QStringList({kHeader, "2,COM2," + sims[1]->path() + ",,SIM1-7,BG7ABD-7,done,"}));
  EXPECT_EQ(deviceValues(sims[1]->path())["LoginPassword"].toString().trimmed(), "17568");

  // The whole command again: every tracker holds its row already, none gets a write frame.
  const CliRun again = cli(command, pins);
  EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(sims[i]->received("write").size(), 1) << i;
    EXPECT_EQ(reportLines()[i + 1].section(',', 6), "already set up,") << i;
  }
}

TEST_F(ProvisionCliTest, AReportThatCannotBeSavedIsSaidAndFailsTheRun) {
  startSimulators(1);
  const QString report = file("no such folder/report.csv");
  const CliRun run =
      cli({"provision", writeTemplate(), "--devices", writeTable("Callsign\nBG7ABC-9\n"), "--ports",
           "COM1", "--report", report},
          pins);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.endsWith("Row 1 COM1 (" + sims[0]->path() +
                               "): done\nCannot save the report " + report +
                               ": No such file or directory\n"))
      << run.err.toStdString();
  EXPECT_EQ(run.out.count('\n'), 2);  // the table was shown all the same
  EXPECT_EQ(sims[0]->received("write").size(), 1);
}

TEST_F(ProvisionCliTest, WaitGivesEachTrackerPluggedInTheNextRowUntilStopped) {
  startSimulators(2);
  // The trackers' ports appear as they are plugged in: pinned paths that lead nowhere yet.
  for (int n : {1, 2, 3}) pins[QString("VORLAN_COM%1").arg(n)] = file(QString("tracker%1").arg(n));
  const QString table = writeTable("Callsign\nBG7ABC-9\nBG7ABD-7\nBG7XYZ-7\n");
  QProcess process;
  process.setProcessEnvironment(environmentWith(pins));
  process.start(VORLAN_CLI, {"provision", writeTemplate(), "--devices", table, "--wait", "--report",
                             file("my report.csv")});
  QString err;
  auto said = [&](const QString& text) {
    return WaitUntil(
        [&] {
          err += QString::fromUtf8(process.readAllStandardError());
          return err.contains(text);
        },
        10000);
  };
  ASSERT_TRUE(said("3 rows left: plug in the next tracker.\n")) << err.toStdString();
  ASSERT_TRUE(QFile::link(sims[1]->path(), file("tracker2")));
  ASSERT_TRUE(said("Row 1 -> COM2 (")) << err.toStdString();
  ASSERT_TRUE(said("2 rows left: plug in the next tracker.\n")) << err.toStdString();
  ASSERT_TRUE(said("Row 1 COM2 (" + file("tracker2") + "): done")) << err.toStdString();
  ASSERT_TRUE(QFile::link(sims[0]->path(), file("tracker1")));
  ASSERT_TRUE(said("Row 2 -> COM1 (")) << err.toStdString();
  ASSERT_TRUE(said("1 row left: plug in the next tracker.\n")) << err.toStdString();
  ASSERT_TRUE(said("Row 2 COM1 (" + file("tracker1") + "): done")) << err.toStdString();
  process.terminate();  // SIGTERM, as Ctrl+C: the run ends with its report
  ASSERT_TRUE(WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 10000));
  err += QString::fromUtf8(process.readAllStandardError());

  EXPECT_EQ(process.exitCode(), 143) << err.toStdString();
  EXPECT_TRUE(
      err.contains("Interrupted by SIGTERM: nothing more was sent, and every port is "
                   "closed.\n1 of 3 rows not set up: 3. Retry only them with:\n"))
      << err.toStdString();
  EXPECT_EQ(deviceValues(sims[1]->path())["Callsign"].toString().trimmed(), "BG7ABC-9");
  EXPECT_EQ(deviceValues(sims[0]->path())["Callsign"].toString().trimmed(), "BG7ABD-7");
  const QStringList lines = reportLines();
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[1].startsWith("1,COM2,")) << lines[1].toStdString();
  EXPECT_TRUE(lines[1].endsWith(",SIM1-7,BG7ABC-9,done,")) << lines[1].toStdString();
  EXPECT_TRUE(lines[2].startsWith("2,COM1,")) << lines[2].toStdString();
  EXPECT_EQ(lines[3], "3,,,,,,failed,no tracker was plugged in for it");
}

}  // namespace
}  // namespace vorlan::test
