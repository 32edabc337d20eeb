// vorlan_cli words a port that cannot be opened as the English window does, with the remedies of
// the command line where they differ (naming the device's path with --port).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli_fixture.h"
#include "simulator.h"

namespace vorlan::test {
namespace {

class PortFailureWords : public CliTest {
 protected:
  // An ordinary user's run: root may open any device.
  CliRun asNobody(const QStringList& arguments) {
    QProcess process;
    process.start(
        QStringLiteral("setpriv"),
        QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", VORLAN_CLI} + arguments);
    EXPECT_TRUE(WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 20000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }
};

TEST_F(PortFailureWords, ANumberWithNoDeviceAndADeviceNotForThisUser) {
  const CliRun unmapped = cli({"about", "--port", "COM29", "--timeout", "1"});
  EXPECT_EQ(unmapped.exitCode, 2);
  EXPECT_EQ(unmapped.err,
            "COM29 has no device: no serial port is present for it. Plug the device in, or set the "
            "environment variable VORLAN_COM29 to the device's path. Or give the device's path "
            "itself (--port /dev/ttyUSB0); \"vorlan_cli ports\" shows the mapping.\n");

  if (::geteuid() != 0) GTEST_SKIP() << "needs root to run vorlan_cli as another user";
  Simulator tracker;
  ASSERT_EQ(::chmod(tracker.path().toLocal8Bit().constData(), 0600), 0);  // no group to join
  const CliRun denied = asNobody({"about", "--port", tracker.path(), "--timeout", "1"});
  EXPECT_EQ(denied.exitCode, 2);
  EXPECT_EQ(denied.err, "Cannot open " + tracker.path() +
                            ": permission denied. On Linux the user must be in the \"dialout\" "
                            "group (\"uucp\" on Arch Linux): run \"sudo usermod -aG dialout "
                            "$USER\", then log out and in again.\n");
  EXPECT_TRUE(tracker.received("about").isEmpty());
}

}  // namespace
}  // namespace vorlan::test
