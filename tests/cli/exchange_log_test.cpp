// --log: a new log is readable by its owner alone and hides the passwords, a log that cannot be
// opened or written is said and fails the command, a FIFO nobody reads does not hold the command
// past its time-out, and "-" is standard error.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "cli_fixture.h"
#include "simulator.h"

namespace vorlan::test {
namespace {

mode_t ModeOf(const QString& path) {
  struct stat status {};
  return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

TEST_F(CliTest, ANewLogIsPrivateAnExistingOneKeepsItsMode) {
  Simulator sim;
  ASSERT_EQ(cli({"about", "--port", sim.path(), "--log", file("new.log")}).exitCode, 0);
  EXPECT_EQ(ModeOf(file("new.log")), 0600u);

  writeFile("shared.log", "kept\n");
  ASSERT_EQ(::chmod(QFile::encodeName(file("shared.log")).constData(), 0640), 0);
  ASSERT_EQ(cli({"about", "--port", sim.path(), "--log", file("shared.log")}).exitCode, 0);
  EXPECT_EQ(ModeOf(file("shared.log")), 0640u);
  QFile shared(file("shared.log"));
  ASSERT_TRUE(shared.open(QIODevice::ReadOnly));
  const QByteArray text = shared.readAll();
  EXPECT_TRUE(text.startsWith("kept\n") && text.contains(" -> 24 33 23 | $3#\n")) << text.data();
}

TEST_F(CliTest, ALogThatCannotBeWrittenIsSaidAndFailsTheCommand) {
  Simulator sim;
  ASSERT_EQ(::mkfifo(QFile::encodeName(file("unread")).constData(), 0600), 0);
  const struct {
    QString log;
    QString said;
  } rows[] = {
      {"/dev/full", "Cannot write the log /dev/full: No space left on device"},
      {file("unread"),
       "Cannot open the log " + file("unread") + ": no program read it within 0.5 s"},
      {file("."), "Cannot open the log " + file(".") + ": Is a directory"},
  };
  for (const auto& row : rows) {
    const CliRun run = cli({"about", "--port", sim.path(), "--timeout", "0.5", "--log", row.log});
    EXPECT_EQ(run.exitCode, 1) << row.log.toStdString();
    EXPECT_TRUE(run.err.trimmed().endsWith(row.said)) << run.err.toStdString();
  }
}

// A FIFO whose reader reads nothing fills up: the line that finds no room within the time-out is
// the last, said, and the command does not hang on it.
TEST_F(CliTest, AFullLogPipeDoesNotHoldTheCommand) {
  const QByteArray fifo = QFile::encodeName(file("full"));
  ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
  const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ASSERT_GE(::fcntl(reader, F_SETPIPE_SZ, 4096), 0);  // less than a write and its verify log
  writeFile("callsign.json", R"({"format": "vorlan_setup configuration", "version": 1,
                                 "parameters": {"Callsign": "BG7ABC-9"}})");
  Simulator sim;
  const CliRun write = cli({"write", "--port", sim.path(), file("callsign.json"), "--no-backup",
                            "--timeout", "1", "--log", file("full")});
  ::close(reader);
  EXPECT_EQ(write.exitCode, 1);
  EXPECT_TRUE(write.err.trimmed().endsWith("Cannot write the log " + file("full") +
                                           ": no room for a line within 1 s"))
      << write.err.toStdString();
}

// The log goes to support: the passwords keep their places and lengths but not their bytes, in
// the write, in each read-back and in an instruction.
TEST_F(CliTest, TheLogHidesThePasswords) {
  writeFile("secrets.json", R"({"format": "vorlan_setup configuration", "version": 1,
      "parameters": {"Password": "864202", "LoginPassword": "97531", "WifiPassword": "s3cretWiFi"}})");
  Simulator sim;
  const CliRun write = cli(
      {"write", "--port", sim.path(), file("secrets.json"), "--log", file("x.log"), "--no-backup"});
  ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
  const CliRun instruction = cli({"instruction", "--port", sim.path(), "--callsign", "BG7ABC-9",
                                  "--his-password", "Q8W7E6", "--log", file("x.log")});
  ASSERT_EQ(instruction.exitCode, 0) << instruction.err.toStdString();

  QFile log(file("x.log"));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(log.readAll());
  EXPECT_TRUE(text.section('\n', 0, 0)
                  .endsWith("the passwords (the device's, the APRS-IS login, the WiFi password, "
                            "the other station's) "
                            "show as ** in the hex and * in the text"));
  for (const QByteArray secret : {"864202", "97531", "s3cretWiFi", "Q8W7E6"}) {
    EXPECT_FALSE(text.contains(secret)) << secret.data();
    EXPECT_FALSE(text.contains(secret.toHex(' '))) << secret.data();
  }
  int sentHidden = 0, receivedHidden = 0;
  for (const QString& line : text.split('\n')) {
    const int hidden = line.section(" | ", 0, 0).count(QStringLiteral("**"));
    if (line.contains(" -> ")) sentHidden += hidden;
    if (line.contains(" <- ")) receivedHidden += hidden;
  }
  EXPECT_EQ(sentHidden, 6 + 5 + 10 + 6);        // the write, the instruction
  EXPECT_EQ(receivedHidden, 2 * (6 + 5 + 16));  // the read before the write, its verify
  EXPECT_TRUE(text.contains(" -> 2a 2a 33 40 4e 4f 43 41 4c 4c 40 ** ** ** ** ** ** 40 "))
      << text.toStdString();
}

TEST_F(CliTest, TheLogGoesToStandardErrorForADash) {
  Simulator sim;
  const CliRun run = cli({"about", "--port", sim.path(), "--log", "-"});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(" -> 24 33 23 | $3#\n")) << run.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists("-"));
}

}  // namespace
}  // namespace vorlan::test
