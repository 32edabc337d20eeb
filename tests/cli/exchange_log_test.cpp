// --log: a new log is readable by its owner alone (the exchange carries the passwords), a log that
// cannot be opened or written is said and fails the command, a FIFO nobody reads does not hold the
// command past its time-out, and "-" is standard error.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/types.h>

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

TEST_F(CliTest, TheLogGoesToStandardErrorForADash) {
  Simulator sim;
  const CliRun run = cli({"about", "--port", sim.path(), "--log", "-"});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(" -> 24 33 23 | $3#\n")) << run.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists("-"));
}

}  // namespace
}  // namespace vorlan::test
