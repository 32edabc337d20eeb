// On a terminal, vorlan_cli provision shows each port's progress on a line of its own, rewritten
// in place, with the notes above those lines.
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QRegularExpression>
#include <cstdlib>

#include "provision_fixture.h"

namespace vorlan::test {
namespace {

class ProvisionProgressTest : public ProvisionTest {};

TEST_F(ProvisionProgressTest, OnATerminalEachPortHasALineRewrittenInPlace) {
  startSimulators(2);
  const QString table = writeTable("Callsign\nBG7ABC-9\nBG7ABD-7\n");
  const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(terminal, 0);
  ASSERT_EQ(::grantpt(terminal), 0);
  ASSERT_EQ(::unlockpt(terminal), 0);
  winsize size{};
  size.ws_row = 24;
  size.ws_col = 200;
  ASSERT_EQ(::ioctl(terminal, TIOCSWINSZ, &size), 0);
  ::fcntl(terminal, F_SETFL, O_NONBLOCK);

  QProcess process;
  process.setProcessEnvironment(environmentWith(pins));
  process.setStandardErrorFile(::ptsname(terminal));
  process.start(VORLAN_CLI,
                {"provision", writeTemplate(), "--devices", table, "--ports", "COM1,COM2"});
  QByteArray shown;
  auto readTerminal = [&] {
    char bytes[4096];
    for (ssize_t n; (n = ::read(terminal, bytes, sizeof bytes)) > 0;) shown.append(bytes, n);
  };
  // Read as it comes: a full terminal would hold the program up.
  WaitUntil(
      [&] {
        readTerminal();
        return process.state() == QProcess::NotRunning;
      },
      30000);
  readTerminal();
  ::close(terminal);
  EXPECT_EQ(process.exitCode(), 0) << shown.toStdString();

  const QByteArray first = "Row 1 COM1 (" + sims[0]->path().toUtf8() + "): ";
  const QByteArray second = "Row 2 COM2 (" + sims[1]->path().toUtf8() + "): ";
  EXPECT_TRUE(shown.contains(first + "reading  [")) << shown.toStdString();
  EXPECT_TRUE(shown.contains("/412 bytes")) << shown.toStdString();
  // A note goes above the two lines, which are drawn again below it.
  EXPECT_TRUE(QString::fromUtf8(shown).contains(
      QRegularExpression("\x1b\\[[12]A\r\x1b\\[JRow 1: Backup before the write: ")))
      << shown.toStdString();
  // Last, both lines drawn over the two before them.
  EXPECT_TRUE(shown.endsWith("\x1b[2A\r\x1b[J" + first + "done\r\n" + second + "done\r\n"))
      << shown.toStdString();
}

}  // namespace
}  // namespace vorlan::test
