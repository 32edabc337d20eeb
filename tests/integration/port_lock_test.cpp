// The locks on a serial device: lock files under every name of it, whose process may have ended;
// the claim that keeps a second opener off whatever name it uses; and what the window says of a
// stale lock and of a finder's port that answered short or whose users could not all be seen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "link/discovery/lock_files.h"
#include "link/transport/device_claim.h"
#include "link/transport/qt_serial_link.h"
#include "simulator.h"
#include "ui/finder_report.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"
#include "ui/messages.h"

namespace vorlan::test {
namespace {

qint64 EndedProcess() {
  QProcess shell;
  shell.start("sh", {"-c", "echo $$"});
  shell.waitForFinished();
  return shell.readAllStandardOutput().trimmed().toLongLong();
}

// Each kind of lock file under each name of the device, with whether its process runs; this
// process's own lock is none of another program's.
TEST(PortLocks, LockFilesUnderEveryNameAndWhetherTheirProcessRuns) {
  Simulator sim;
  QTemporaryDir folder;
  const QString link = folder.filePath("tracker");
  ASSERT_TRUE(QFile::link(sim.path(), link));
  QProcess sleeper;
  sleeper.start("sleep", {"30"});
  ASSERT_TRUE(sleeper.waitForStarted());
  const qint64 ended = EndedProcess();
  const QString pts = "LCK.." + sim.path().mid(5).replace('/', '_');
  const QString linkLock = "LCK.." + QString(link).replace('/', '_');
  const struct {
    QString name;
    QByteArray text;
  } files[] = {
      {pts, QByteArray::number(sleeper.processId()) + "\nminicom\nelsewhere.example\n"},
      {linkLock, QByteArray::number(ended).rightJustified(10) + '\n'},
      {"LCK..tracker", QByteArray::number(QCoreApplication::applicationPid()) + "\nme\n\n"},
      {"LCK..ttyS9", "1\ninit\n\n"},  // another device
  };
  for (const auto& [name, text] : files) {
    QFile lock(folder.filePath(name));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(text);
  }
  const QList<PortLockFile> expected = {
      {folder.filePath(linkLock), ended, "", false},
      {folder.filePath(pts), sleeper.processId(), "sleep", true},  // another host's: cannot tell
  };
  EXPECT_EQ(LockFilesOf(link, {folder.path()}), expected);
  EXPECT_EQ(LockFilesOf(sim.path(), {folder.path()}), QList<PortLockFile>{expected[1]});
  sleeper.kill();
  sleeper.waitForFinished();
}

// The claim is on the device: a second one by another name is refused until the first lets go.
TEST(PortLocks, OneClaimOnADeviceWhateverItsName) {
  Simulator sim;
  QTemporaryDir folder;
  const QString link = folder.filePath("tracker");
  ASSERT_TRUE(QFile::link(sim.path(), link));
  DeviceClaim first, second;
  ASSERT_EQ(first.claim(sim.path()), DeviceClaim::Result::Claimed);
  EXPECT_EQ(second.claim(link), DeviceClaim::Result::Held);
  EXPECT_EQ(second.claim(sim.path()), DeviceClaim::Result::Held);
  EXPECT_EQ(second.claim("/dev/vorlan-no-such-port"), DeviceClaim::Result::Unopenable);
  first.release();
  EXPECT_EQ(second.claim(link), DeviceClaim::Result::Claimed);

  // A link holds its claim while open; a second link on the same device is Busy and names it.
  second.release();
  QtSerialLink holder, other;
  ASSERT_TRUE(holder.openDevice(sim.path()));
  ASSERT_FALSE(other.openDevice(link));
  EXPECT_EQ(other.lastFailure().kind, LinkFailure::Kind::Busy);
  EXPECT_EQ(other.lastFailure().holders.size(), 1);
  holder.setPortOpen(false);
  EXPECT_TRUE(other.openDevice(link));
}

TEST(PortLocks, StaleLocksAndShortAnswersInBothBuilds) {
  LinkFailure stale{LinkFailure::Kind::StaleLock, "COM1", "/dev/ttyUSB0", {}, 0,
                    {{"minicom", 4711}}};
  stale.lockFile = "/var/lock/LCK..ttyUSB0";
  EXPECT_EQ(FailureText(stale, EnglishLanguage()),
            "Cannot open COM1 (/dev/ttyUSB0): the lock file /var/lock/LCK..ttyUSB0 was left by "
            "process 4711, which has ended, and you may not remove it. Remove it (sudo rm "
            "/var/lock/LCK..ttyUSB0) and try again.");
  EXPECT_EQ(FailureText(stale, ChineseLanguage()),
            QString::fromUtf8("无法打开 COM1 (/dev/ttyUSB0): 锁文件 /var/lock/LCK..ttyUSB0 "
                              "是已结束的进程 4711 留下的, 您无权删除它。请删除它 (sudo rm "
                              "/var/lock/LCK..ttyUSB0) 后重新选择串口。"));

  ProbeResult cut{{1, "/dev/ttyUSB0"}, ProbeResult::Outcome::Short, "$6VORLAN", "VORLAN"};
  ProbeResult silent{{2, "/dev/ttyUSB1"}, ProbeResult::Outcome::Silent};
  silent.othersUnseen = true;
  EXPECT_EQ(ui::AskedOutcome({cut, silent}, 1500, EnglishLanguage()).message,
            "No port answered as the tracker does. Asked:\n"
            "COM1 -> /dev/ttyUSB0: answered only 8 of 102 bytes within 1.5 s (\"VORLAN\")\n"
            "COM2 -> /dev/ttyUSB1: no answer within 1.5 s (the programs of other users cannot be "
            "seen: one of them may have the port open)");
  EXPECT_EQ(ui::AskedOutcome({cut, silent}, 1500, ChineseLanguage()).message,
            QString::fromUtf8("没有串口像设备那样应答。询问了:\n"
                              "COM1 -> /dev/ttyUSB0: 1.5 秒内只收到应答的 8/102 字节 (“VORLAN”)\n"
                              "COM2 -> /dev/ttyUSB1: 1.5 秒内没有应答 (看不到其他用户的程序: "
                              "其中可能有程序正在使用该串口)"));
}

}  // namespace
}  // namespace vorlan::test
