// Finding the tracker against simulators on pseudo-terminals mapped as COM numbers: by asking (one
// answering, one silent, two answering, one held by another program), and by plugging in; who
// holds a port and which group opens it.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QTemporaryFile>

#include "event_loop.h"
#include "link/finder/port_arrival.h"
#include "link/discovery/port_holders.h"
#include "link/finder/port_probe.h"
#include "simulator.h"

namespace vorlan::test {
namespace {

constexpr int kWaitMs = 400;

MappedPort Pinned(int number, const Simulator& sim) {
  return {number, sim.path(), true};
}

QList<ProbeResult::Outcome> Outcomes(const QList<ProbeResult>& results) {
  QList<ProbeResult::Outcome> outcomes;
  for (const ProbeResult& r : results) outcomes << r.outcome;
  return outcomes;
}

PortHolder ThisProgram() {
  return {QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
          QCoreApplication::applicationPid()};
}

TEST(Finder, AsksEachPortInTurnAndTellsWhatEachDid) {
  using O = ProbeResult::Outcome;
  Simulator silent({"--fast", "--cut", "0"}), tracker, second, held;
  QSerialPort holder(held.path());  // another program has this one open
  ASSERT_TRUE(holder.open(QIODevice::ReadWrite));

  QList<int> asked;
  const QList<ProbeResult> results =
      ProbePorts({Pinned(1, silent), Pinned(2, tracker), Pinned(4, held)}, kWaitMs,
                 [&](const MappedPort& port) { asked << port.number; });
  EXPECT_EQ(asked, QList<int>({1, 2, 4}));
  ASSERT_EQ(Outcomes(results), QList<O>({O::Silent, O::Answered, O::Held}));
  EXPECT_TRUE(QString::fromLatin1(results[1].aboutText).startsWith("VORLAN device simulator 1.0"));
  EXPECT_EQ(results[2].holders, QList<PortHolder>{ThisProgram()});
  ASSERT_EQ(Answering(results).size(), 1);
  EXPECT_EQ(Answering(results)[0].port.number, 2);

  // The About request, and only that, went to each port asked; nothing to the held one.
  EXPECT_EQ(silent.received("about"), QList<QByteArray>{"$3#"});
  EXPECT_EQ(tracker.received("about"), QList<QByteArray>{"$3#"});
  Pump(100);
  EXPECT_TRUE(held.received("about").isEmpty());
  EXPECT_TRUE(held.received("noise").isEmpty());

  // Two trackers: both answer, and the finder does not choose.
  const QList<ProbeResult> two = ProbePorts({Pinned(2, tracker), Pinned(3, second)}, kWaitMs);
  EXPECT_EQ(Outcomes(two), QList<O>({O::Answered, O::Answered}));
}

TEST(Finder, AWholeAnswerEndsTheWaitAndAPortThatCannotOpenSaysWhy) {
  using O = ProbeResult::Outcome;
  Simulator tracker;
  QElapsedTimer clock;
  clock.start();
  const QList<ProbeResult> results =
      ProbePorts({{7, "/dev/vorlan-no-such-port", true}, Pinned(8, tracker)}, 5000);
  EXPECT_LT(clock.elapsed(), 2500);  // not the 5 s wait
  ASSERT_EQ(Outcomes(results), QList<O>({O::NotOpened, O::Answered}));
  ASSERT_TRUE(results[0].failure);
  EXPECT_EQ(results[0].failure->kind, LinkFailure::Kind::Missing);
  EXPECT_EQ(results[0].failure->port, "COM7");
}

// A port another program holds names that program; the simulator, which holds the line's other
// end (and its own side of it open), is no holder.
TEST(Finder, TheProgramsHoldingAPortAreNamed) {
  Simulator sim;
  EXPECT_TRUE(ProgramsHolding(sim.path()).isEmpty());
  QSerialPort holder(sim.path());
  ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
  EXPECT_EQ(ProgramsHolding(sim.path()), QList<PortHolder>{ThisProgram()});
  holder.close();
  EXPECT_TRUE(ProgramsHolding(sim.path()).isEmpty());
  EXPECT_TRUE(ProgramsHolding("/dev/vorlan-no-such-port").isEmpty());
}

// The group to join is the one that may read and write the device, never root's.
TEST(Finder, TheGroupThatOpensThePort) {
  const struct group* dialout = getgrnam("dialout");
  if (!dialout || geteuid() != 0) GTEST_SKIP() << "needs root and a group dialout";
  QTemporaryFile device;
  ASSERT_TRUE(device.open());
  const QByteArray path = device.fileName().toLocal8Bit();
  ASSERT_EQ(chown(path.constData(), 0, dialout->gr_gid), 0);
  const struct {
    mode_t mode;
    const char* group;
  } rows[] = {{0660, "dialout"}, {0600, ""}, {0640, ""}};
  for (const auto& row : rows) {
    ASSERT_EQ(chmod(path.constData(), row.mode), 0);
    const DeviceGroup group = DeviceGroupOf(device.fileName());
    EXPECT_EQ(group.name, row.group) << std::oct << row.mode;
    EXPECT_FALSE(group.newLoginNeeded);  // root is in every group that matters
  }
  ASSERT_EQ(chown(path.constData(), 0, 0), 0);
  ASSERT_EQ(chmod(path.constData(), 0660), 0);
  EXPECT_EQ(DeviceGroupOf(device.fileName()).name, "");
}

// Plugging in, with the port lists injected: the one that appears, also after the cable was pulled
// once the watch started; nothing sent anywhere.
TEST(Finder, ThePortThatAppearsIsReportedOnce) {
  const MappedPort gps{1, "/dev/ttyUSB0"}, tracker{2, "/dev/ttyUSB1"};
  QList<QList<MappedPort>> lists = {{gps, tracker}, {gps}, {gps}, {gps, tracker}, {gps, tracker}};
  int polls = 0;
  PortArrivalWatch watch(
      [&] {
        ++polls;
        return lists.size() > 1 ? lists.takeFirst() : lists.first();
      },
      20);
  QList<MappedPort> arrived;
  watch.onArrived = [&](const MappedPort& port) { arrived << port; };
  watch.start();
  ASSERT_TRUE(WaitUntil([&] { return !arrived.isEmpty(); }));
  Pump(100);
  EXPECT_EQ(arrived, QList<MappedPort>{tracker});
  EXPECT_FALSE(watch.watching());
  EXPECT_EQ(polls, 4);
}

}  // namespace
}  // namespace vorlan::test
