// Every result that cannot be written to standard output fails the command with exit 1 and says
// so, whatever the command would have ended with: a count of warnings or differences nobody saw
// is no result.

#include <gtest/gtest.h>

#include <QProcess>

#include "cli_fixture.h"

namespace vorlan::test {
namespace {

TEST_F(CliTest, AResultThatCannotBeWrittenFailsTheCommand) {
  writeFile("warns.json", R"({"format": "vorlan_setup configuration", "version": 1,
                              "parameters": {"Callsign": "NOCALL-9"}})");
  writeFile("clean.json", R"({"format": "vorlan_setup configuration", "version": 1,
                              "parameters": {"Callsign": "BG7ABC-9"}})");
  const QList<QStringList> commands = {
      {"check", file("warns.json")},
      {"check", file("warns.json"), "--json"},
      {"check", file("clean.json"), "--json"},
      {"diff", file("warns.json"), file("clean.json")},
      {"passcode", "BG7ABC-9"},
      {"--help"},
      {"--version"},
  };
  for (const QStringList& command : commands) {
    const CliRun run = cli(command, {}, "/dev/full");
    EXPECT_EQ(run.exitCode, 1) << command.join(' ').toStdString();
    EXPECT_TRUE(
        run.err.trimmed().endsWith("Cannot write to standard output: No space left on device"))
        << command.join(' ').toStdString() << ": " << run.err.toStdString();
  }
}

// What goes to standard error (the count of findings, a note) is output too; a command that has
// nothing to say there is not failed by it.
TEST_F(CliTest, AMessageThatCannotBeWrittenFailsTheCommand) {
  writeFile("clean.json", R"({"format": "vorlan_setup configuration", "version": 1,
                              "parameters": {"Callsign": "BG7ABC-9"}})");
  const struct {
    QStringList command;
    int exitCode;
  } rows[] = {{{"check", file("clean.json")}, 1}, {{"passcode", "BG7ABC-9"}, 0}};
  for (const auto& row : rows) {
    QProcess process;
    process.setStandardErrorFile("/dev/full");
    process.start(QStringLiteral(VORLAN_CLI), row.command);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), row.exitCode) << row.command.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace vorlan::test
