// Trackers set up side by side against simulators on pseudo-terminals, through the system's own
// link: each ends with its row's and the template's values, one that holds them already gets no
// write frame, one that fails stops no other, and at a setup station each tracker plugged in gets
// the next row.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "check/passcode.h"
#include "event_loop.h"
#include "link/requests.h"
#include "link/transport/system_serial_link.h"
#include "params/presets.h"
#include "provision/provisioner.h"
#include "simulator.h"

namespace vorlan::test {
namespace {

constexpr char kFreshCallsign[] = "SIM1-7";  // what a fresh simulator holds

ProvisionTemplate ClubTemplate() {
  const std::vector<FieldValue> values = {{Field::BeaconText, QJsonValue("Club net 144.640")},
                                          {Field::Path, QJsonValue("WIDE1-1")}};
  auto read = ReadValues(values, "club.json", InitialParameters(kRotateServers));
  return {std::get<OpenedConfiguration>(read), "club.json"};
}

QList<TableRow> Rows(const QByteArray& table, const ProvisionTemplate& base) {
  auto read = ReadDeviceTable(table, base);
  EXPECT_TRUE(std::holds_alternative<DeviceTable>(read));
  return std::get<DeviceTable>(read).rows;
}

// Runs the provisioner's way of building one link per port.
Provisioner::LinkFactory SystemLinks() {
  return [] { return std::make_unique<SystemSerialLink>(); };
}

struct ProvisionRun {
  ProvisionRun(const ProvisionTemplate& base, const QList<TableRow>& rows, int timeoutMs = 2000,
               const QString& backupFolder = {})
      : provisioner(base, rows, SystemLinks(), OptionsFor(timeoutMs, backupFolder)) {
    provisioner.onFinished = [this] { finished = true; };
  }
  Provisioner::Options OptionsFor(int timeoutMs, const QString& backupFolder) {
    Provisioner::Options options;
    options.timeoutMs = timeoutMs;
    options.job.backupFolder = backupFolder.isEmpty() ? backups.path() : backupFolder;
    options.job.program = "vorlan_test";
    options.job.version = "1";
    return options;
  }
  bool onPorts(const QList<Simulator*>& sims, int waitMs = 15000) {
    QList<ProvisionPort> ports;
    for (Simulator* sim : sims) ports << *PortNamed(sim->path(), {});
    provisioner.startOnPorts(ports);
    return WaitUntil([&] { return finished; }, waitMs);
  }
  QTemporaryDir backups;
  Provisioner provisioner;
  bool finished = false;
};

// What the simulator holds now, read back through a session of its own.
ParameterSet Holds(Simulator& sim) {
  SystemSerialLink link;
  DeviceSession session(link, {2000});
  if (session.open(1, sim.path())) return {};
  const SessionOutcome read = WaitForOutcome(session, ReadRequest());
  session.close();
  return ReadBackParameters(read.reply.readBack);
}

TEST(Provision, FourTrackersAtOnceEachWithItsRowAndTheTemplate) {
  Simulator a, b, c, d, untouched;
  const ProvisionTemplate base = ClubTemplate();
  const QList<TableRow> rows = Rows(
      "Callsign,LoginPassword,MyPhone\n"
      "BG7ABC-9,auto,13800000001\n"
      "BG7ABD-9,12345,\n"
      "BG7ABE-7,AUTO,13800000003\n"
      "BG7ABF-9,,13800000004\n",
      base);
  ProvisionRun first(base, rows);
  ASSERT_TRUE(first.onPorts({&a, &b, &c, &d}));

  const struct {
    Simulator* sim;
    QString callsign, passcode, phone;
  } expected[] = {
      {&a, "BG7ABC-9", PasscodeText(AprsIsPasscode("BG7ABC")), "13800000001"},
      {&b, "BG7ABD-9", "12345", QString()},
      {&c, "BG7ABE-7", PasscodeText(AprsIsPasscode("BG7ABE")), "13800000003"},
      {&d, "BG7ABF-9", QString(), "13800000004"},
  };
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(expected[i].callsign.toStdString());
    const JobReport& report = first.provisioner.reports()[i];
    EXPECT_EQ(report.state, JobState::Done);
    EXPECT_EQ(report.row, i + 1);
    EXPECT_EQ(report.callsignBefore, kFreshCallsign);
    EXPECT_EQ(report.callsignAfter, expected[i].callsign);
    EXPECT_TRUE(QFile::exists(report.backupFile)) << report.backupFile.toStdString();
    EXPECT_TRUE(report.backupFile.endsWith("_SIM1-7.before-write.json"))
        << report.backupFile.toStdString();
    const ParameterSet holds = Holds(*expected[i].sim);
    EXPECT_EQ(holds.text(Field::Callsign).trimmed(), expected[i].callsign);
    EXPECT_EQ(holds.text(Field::BeaconText).trimmed(), "Club net 144.640");
    EXPECT_EQ(holds.text(Field::Path).trimmed(), "WIDE1-1");
    if (!expected[i].passcode.isEmpty()) {
      EXPECT_EQ(holds.text(Field::LoginPassword), expected[i].passcode);
    }
    if (!expected[i].phone.isEmpty()) {
      EXPECT_EQ(holds.text(Field::MyPhone).trimmed(), expected[i].phone);
    }
    EXPECT_EQ(expected[i].sim->received("write").size(), 1);
  }
  // A field neither the template nor the row sets keeps the device's own value.
  EXPECT_EQ(Holds(b).text(Field::MyPhone), Holds(untouched).text(Field::MyPhone));

  // The same run again finds every tracker set up and sends no write frame.
  ProvisionRun again(base, rows);
  ASSERT_TRUE(again.onPorts({&a, &b, &c, &d}));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(again.provisioner.reports()[i].state, JobState::AlreadySetUp) << i;
    EXPECT_EQ(again.provisioner.reports()[i].callsignAfter, expected[i].callsign) << i;
  }
  for (Simulator* sim : {&a, &b, &c, &d}) EXPECT_EQ(sim->received("write").size(), 1);
}

TEST(Provision, ASilentTrackerAndOneUnpluggedMidJobFailAlone) {
  Simulator good;
  Simulator silent({"--fast", "--delay", "60000"});
  Simulator pulled({"--delay", "600"});
  const ProvisionTemplate base = ClubTemplate();
  ProvisionRun run(base, Rows("Callsign\nBG7ABC-9\nBG7ABD-9\nBG7ABE-9\n", base), 1500);
  QList<ProvisionPort> ports;
  for (Simulator* sim : {&good, &silent, &pulled}) ports << *PortNamed(sim->path(), {});
  run.provisioner.startOnPorts(ports);
  ASSERT_TRUE(pulled.waitFor("write", 1, 10000));
  pulled.stop();
  ASSERT_TRUE(WaitUntil([&] { return run.finished; }, 15000));

  const QList<JobReport>& reports = run.provisioner.reports();
  EXPECT_EQ(reports[0].state, JobState::Done);
  ASSERT_EQ(reports[1].state, JobState::Failed);
  EXPECT_EQ(reports[1].failure->kind, JobFailure::Kind::NoAnswer);
  EXPECT_EQ(reports[1].failure->step, JobState::Reading);
  EXPECT_TRUE(silent.received("write").isEmpty());
  ASSERT_EQ(reports[2].state, JobState::Failed);
  EXPECT_EQ(reports[2].failure->kind, JobFailure::Kind::PortFailed);
  EXPECT_EQ(reports[2].failure->step, JobState::Writing);
  EXPECT_EQ(Holds(good).text(Field::Callsign).trimmed(), "BG7ABC-9");
}

TEST(Provision, EachFailureNamesItsStepAndWhatCame) {
  Simulator corrupting({"--fast", "--corrupt-field", "BeaconText"});
  ScriptedSimulator refusing("expect read\nanswer\nexpect write\nsend \"$5\" 3*\" \"\n");
  const ProvisionTemplate base = ClubTemplate();
  ProvisionRun run(base, Rows("Callsign\nBG7ABC-9\nBG7ABD-9\n", base));
  ASSERT_TRUE(run.onPorts({&corrupting, &refusing.sim()}));
  const QList<JobReport>& reports = run.provisioner.reports();
  ASSERT_EQ(reports[0].state, JobState::Failed);
  EXPECT_EQ(reports[0].failure->kind, JobFailure::Kind::Mismatch);
  EXPECT_EQ(reports[0].failure->step, JobState::Checking);
  EXPECT_EQ(reports[0].failure->mismatched, std::vector<Field>{Field::BeaconText});
  ASSERT_EQ(reports[1].state, JobState::Failed);
  EXPECT_EQ(reports[1].failure->kind, JobFailure::Kind::Refused);
  EXPECT_EQ(reports[1].failure->step, JobState::Writing);
  EXPECT_EQ(reports[1].failure->reply->outcome, Reply::Outcome::WriteIncomplete);

  // A backup that cannot be saved writes nothing.
  Simulator fresh;
  QTemporaryDir home;
  QFile blocker(home.filePath("file"));  // where the backups' folder would be made
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  ProvisionRun blocked(base, Rows("Callsign\nBG7ABC-9\n", base), 2000,
                       blocker.fileName() + "/backups");
  ASSERT_TRUE(blocked.onPorts({&fresh}));
  const JobReport& report = blocked.provisioner.reports()[0];
  ASSERT_EQ(report.state, JobState::Failed);
  EXPECT_EQ(report.failure->kind, JobFailure::Kind::BackupFailed);
  EXPECT_EQ(report.failure->problem->kind, ConfigProblem::Kind::CannotMakeFolder);
  EXPECT_TRUE(fresh.received("write").isEmpty());
}

TEST(Provision, StoppedWhileATrackerIsSilentAndAnotherIsNotYetPluggedIn) {
  Simulator silent({"--fast", "--delay", "60000"});
  const ProvisionTemplate base = ClubTemplate();
  ProvisionRun run(base, Rows("Callsign\nBG7ABC-9\nBG7ABD-9\n", base), 5000);
  run.provisioner.startOnPorts({*PortNamed(silent.path(), {})});
  ASSERT_TRUE(silent.waitFor("read", 1));
  EXPECT_TRUE(run.provisioner.running());
  run.provisioner.stop();
  ASSERT_TRUE(WaitUntil([&] { return run.finished; }, 1000));
  const JobReport& stopped = run.provisioner.reports()[0];
  ASSERT_EQ(stopped.state, JobState::Failed);
  EXPECT_EQ(stopped.failure->kind, JobFailure::Kind::Stopped);
  EXPECT_EQ(stopped.failure->step, JobState::Reading);
  // A row that never had its tracker ends stopped too: the report has no row left "waiting".
  const JobReport& unplugged = run.provisioner.reports()[1];
  ASSERT_EQ(unplugged.state, JobState::Failed);
  EXPECT_EQ(unplugged.failure->kind, JobFailure::Kind::Stopped);
  EXPECT_EQ(unplugged.failure->step, JobState::Waiting);
  EXPECT_FALSE(run.provisioner.running());
}

TEST(Provision, EachTrackerPluggedInGetsTheNextRowOrTheOneThatNamesItsPort) {
  Simulator seventh, eighth;
  QTemporaryDir cables;
  const QString com7 = cables.filePath("tracker7"), com8 = cables.filePath("tracker8");
  qputenv("VORLAN_COM7", com7.toUtf8());
  qputenv("VORLAN_COM8", com8.toUtf8());
  const ProvisionTemplate base = ClubTemplate();
  ProvisionRun run(base, Rows("Callsign,Port\nBG7ABC-9,com8\nBG7ABD-9,\n", base));
  QList<std::pair<int, QString>> assigned;
  int waiting = 0;
  run.provisioner.onAssigned = [&](int index, const ProvisionPort& port) {
    assigned.append({index, port.name});
  };
  run.provisioner.onWaitingForTracker = [&] { ++waiting; };
  run.provisioner.startAsPlugged();
  EXPECT_EQ(waiting, 1);
  Pump(300);
  EXPECT_TRUE(assigned.isEmpty());

  // The first tracker on COM7 gets row 2: row 1 waits for COM8.
  ASSERT_TRUE(QFile::link(seventh.path(), com7));
  ASSERT_TRUE(WaitUntil([&] { return run.provisioner.reports()[1].finished(); }, 10000));
  ASSERT_TRUE(QFile::link(eighth.path(), com8));
  ASSERT_TRUE(WaitUntil([&] { return run.finished; }, 10000));
  qunsetenv("VORLAN_COM7");
  qunsetenv("VORLAN_COM8");

  EXPECT_EQ(assigned, (QList<std::pair<int, QString>>{{1, "COM7"}, {0, "COM8"}}));
  EXPECT_EQ(waiting, 2);
  EXPECT_EQ(run.provisioner.reports()[1].port.path, com7);
  EXPECT_EQ(run.provisioner.reports()[0].state, JobState::Done);
  EXPECT_EQ(run.provisioner.reports()[1].state, JobState::Done);
  EXPECT_EQ(Holds(seventh).text(Field::Callsign).trimmed(), "BG7ABD-9");
  EXPECT_EQ(Holds(eighth).text(Field::Callsign).trimmed(), "BG7ABC-9");
  EXPECT_FALSE(run.provisioner.running());
}

}  // namespace
}  // namespace vorlan::test
