// One device, one program: a second vorlan_cli on the same device by another name is refused with
// the holder named, the finder sends nothing to a port another program holds (also where that
// program cannot be seen) and does not take a cut answer for the device's, a stop signal closes
// the port and leaves no lock behind, and a lock left by a process that ended is said.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <fcntl.h>
#include <QFileInfo>

#include "cli_fixture.h"
#include "simulator.h"

namespace vorlan::test {
namespace {

// Qt's lock file for a device path, as Qt names it.
QString QtLockFile(const QString& devicePath) {
  return "/var/lock/LCK.." + devicePath.mid(5).replace('/', '_');
}

// An ordinary user's run of vorlan_cli: root sees every process and the exclusive mode of a tty
// does not hold it back.
QStringList AsNobody(const QStringList& arguments) {
  return QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", VORLAN_CLI} + arguments;
}

class PortHolding : public CliTest {
 protected:
  // vorlan_cli left running (waiting on a device that does not answer).
  void start(QProcess& process, const QStringList& arguments) {
    process.start(QStringLiteral(VORLAN_CLI), arguments);
    ASSERT_TRUE(process.waitForStarted());
  }
  CliRun finish(QProcess& process) {
    EXPECT_TRUE(WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 20000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }
  CliRun nobody(const QStringList& arguments, const QMap<QString, QString>& pins = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (auto pin = pins.begin(); pin != pins.end(); ++pin)
      environment.insert(pin.key(), pin.value());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("setpriv"), AsNobody(arguments));
    return finish(process);
  }
  // Lets an ordinary user open the simulator's pty.
  static void OpenToAll(const Simulator& sim) {
    ASSERT_EQ(::chmod(sim.path().toLocal8Bit().constData(), 0666), 0);
  }
  static bool RunsAsRoot() { return ::geteuid() == 0; }
  // No lock file and no exclusive mode left on the device.
  static void ExpectLeftAsFound(const Simulator& sim) {
    EXPECT_FALSE(QFileInfo::exists(QtLockFile(sim.path())));
    const int device = ::open(sim.path().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(device, 0);
    int exclusive = -1;
    EXPECT_EQ(::ioctl(device, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    ::close(device);
  }
};

// Named by a link or by its own path, while one vorlan_cli waits on it the device refuses a
// second one, which sends nothing; the first holds Qt's lock under its name only.
TEST_F(PortHolding, ASecondProgramOnTheSameDeviceIsRefusedWithTheHolderNamed) {
  Simulator silent({"--fast", "--cut", "0"});
  const QString link = file("link");
  ASSERT_TRUE(QFile::link(silent.path(), link));
  QProcess first;
  start(first, {"about", "--port", silent.path(), "--timeout", "20"});
  ASSERT_TRUE(silent.waitFor("about", 1));
  const QString holder = QStringLiteral("vorlan_cli (process %1)").arg(first.processId());

  for (const QString& name : {link, silent.path()}) {
    SCOPED_TRACE(name.toStdString());
    const CliRun second = cli({"about", "--port", name, "--timeout", "1"});
    EXPECT_EQ(second.exitCode, 2);
    EXPECT_EQ(second.err, "Cannot open " + name + ": it is open in " + holder +
                              ". Close it there and try again.\n");
  }
  Pump(100);
  EXPECT_EQ(silent.received("about").size(), 1);
  ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
  finish(first);
}

// SIGINT, SIGTERM and SIGHUP while vorlan_cli waits for an answer: it says so, exits with the
// signal's code, and leaves the port as it found it: no lock file, no exclusive mode.
TEST_F(PortHolding, AStopSignalClosesThePortAndEndsWithItsCode) {
  const struct {
    int signal;
    int code;
    const char* name;
  } rows[] = {{SIGINT, 130, "SIGINT"}, {SIGTERM, 143, "SIGTERM"}, {SIGHUP, 129, "SIGHUP"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Simulator silent({"--fast", "--cut", "0"});
    QProcess waiting;
    start(waiting, {"about", "--port", silent.path(), "--timeout", "20"});
    ASSERT_TRUE(silent.waitFor("about", 1));
    ASSERT_TRUE(QFileInfo::exists(QtLockFile(silent.path())));
    ::kill(static_cast<pid_t>(waiting.processId()), row.signal);

    const CliRun stopped = finish(waiting);
    EXPECT_EQ(stopped.exitCode, row.code);
    EXPECT_EQ(stopped.err, QStringLiteral("Interrupted by %1: nothing more was sent to %2, and the "
                                          "port is closed.\n")
                               .arg(row.name, silent.path()));
    ExpectLeftAsFound(silent);
  }

  // The finder: the port being asked is closed, then the signal ends the program.
  Simulator silent({"--fast", "--cut", "0"});
  QProcess asking;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("VORLAN_COM1", silent.path());
  asking.setProcessEnvironment(environment);
  start(asking, {"ports", "--probe", "--timeout", "20"});
  ASSERT_TRUE(silent.waitFor("about", 1));
  ::kill(static_cast<pid_t>(asking.processId()), SIGINT);
  const CliRun stopped = finish(asking);
  EXPECT_EQ(asking.exitStatus(), QProcess::CrashExit);
  EXPECT_TRUE(stopped.err.endsWith("Interrupted by SIGINT; the port is closed.\n"))
      << stopped.err.toStdString();
  ExpectLeftAsFound(silent);
}

// A lock file whose process has ended: taken over where this user may remove it, said where not.
TEST_F(PortHolding, AStaleLockIsTakenOverOrSaid) {
  if (!RunsAsRoot()) GTEST_SKIP() << "needs root to run vorlan_cli as another user";
  Simulator tracker;
  QProcess ended;  // its number, once it has ended
  ended.start("sh", {"-c", "echo $$"});
  ASSERT_TRUE(ended.waitForFinished());
  const qint64 pid = ended.readAllStandardOutput().trimmed().toLongLong();
  ASSERT_GT(pid, 0);
  const QString lockFile = QtLockFile(tracker.path());
  QFile lock(lockFile);
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));  // as Qt writes it
  lock.write(QByteArray::number(pid) + "\nvorlan_cli\n\n");
  lock.close();

  OpenToAll(tracker);
  const CliRun refused = nobody({"about", "--port", tracker.path(), "--timeout", "1"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.err, QStringLiteral("Cannot open %1: the lock file %2 was left by process %3, "
                                        "which has ended, and you may not remove it. Remove it "
                                        "(sudo rm %2) and try again.\n")
                             .arg(tracker.path(), lockFile)
                             .arg(pid));
  EXPECT_TRUE(tracker.received("about").isEmpty());

  const CliRun taken = cli({"about", "--port", tracker.path(), "--timeout", "2"});
  EXPECT_EQ(taken.exitCode, 0) << taken.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(lockFile));
}

// ports --probe as an ordinary user: a port that a root program holds locked, or that carries a
// live lock file, is not asked though its holder's open files cannot be seen, and the holder is
// named from its lock; the port that is asked says that other users' programs could not be seen.
TEST_F(PortHolding, TheFinderSendsNothingToAHeldPortItsUserCannotSee) {
  if (!RunsAsRoot()) GTEST_SKIP() << "needs root to run vorlan_cli as another user";
  Simulator flocked, lockFiled, free({"--fast", "--cut", "0"});
  for (const Simulator* sim : {&flocked, &lockFiled, &free}) OpenToAll(*sim);
  QProcess locker, sleeper;
  // Without a fork: the lock is held by the process that is killed at the end.
  locker.start("flock", {"--nonblock", "--no-fork", flocked.path(), "sh", "-c",
                         "echo locked; exec sleep 30"});
  sleeper.start("sleep", {"30"});
  ASSERT_TRUE(sleeper.waitForStarted());
  ASSERT_TRUE(WaitUntil([&] { return locker.readAllStandardOutput().contains("locked"); }));
  QFile lock(QtLockFile(lockFiled.path()));
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));  // the UUCP kind: the number alone
  lock.write(QByteArray::number(sleeper.processId()).rightJustified(10) + '\n');
  lock.close();

  const CliRun probe =
      nobody({"ports", "--probe", "--timeout", "0.3"}, {{"VORLAN_COM1", flocked.path()},
                                                        {"VORLAN_COM2", lockFiled.path()},
                                                        {"VORLAN_COM3", free.path()}});
  lock.remove();
  EXPECT_EQ(probe.exitCode, 2);
  EXPECT_TRUE(probe.err.endsWith(
      QStringLiteral(
          "No port answered as the device does. Asked:\n"
          "  COM1 -> %1 (VORLAN_COM1): Cannot open COM1 (%1): it is open in sleep (process %5). "
          "Close it there and try again.\n"
          "  COM2 -> %2 (VORLAN_COM2): Cannot open COM2 (%2): it is open in sleep (process %3). "
          "Close it there and try again.\n"
          "  COM3 -> %4 (VORLAN_COM3): no answer within 0.3 s (the programs of other users cannot "
          "be seen: one of them may have the port open)\n")
          .arg(flocked.path(), lockFiled.path())
          .arg(sleeper.processId())
          .arg(free.path())
          .arg(locker.processId())))
      << probe.err.toStdString();
  Pump(100);
  EXPECT_TRUE(flocked.received("about").isEmpty());
  EXPECT_TRUE(lockFiled.received("about").isEmpty());
  EXPECT_EQ(free.received("about").size(), 1);
  locker.kill();
  sleeper.kill();
  locker.waitForFinished();
  sleeper.waitForFinished();
}

// An answer that the wait's end cut (a slow device), or that is short of its 102 bytes, is
// reported as short and not counted as the device's.
TEST_F(PortHolding, ACutAnswerIsShortNotTheDevices) {
  const QString about =
      "VORLAN device simulator 1.0 - it answers Read, Write, About and remote instructions; 9600 "
      "baud, 8N1.";
  const struct {
    QStringList options;
    int bytes;
  } rows[] = {{{"--fast", "--cut", "40"}, 40}, {{"--fast", "--about-100"}, 100}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.bytes);
    Simulator slow(row.options);
    const CliRun probe =
        cli({"ports", "--probe", "--timeout", "0.4"}, {{"VORLAN_COM5", slow.path()}});
    EXPECT_EQ(probe.exitCode, 2);
    EXPECT_TRUE(probe.err.endsWith(
        QStringLiteral("No port answered as the device does. Asked:\n  COM5 -> %1 (VORLAN_COM5): "
                       "answered only %2 of 102 bytes within 0.4 s: \"%3\"\n")
            .arg(slow.path())
            .arg(row.bytes)
            .arg(about.left(row.bytes - 2).trimmed())))
        << probe.err.toStdString();
  }
}

}  // namespace
}  // namespace vorlan::test
