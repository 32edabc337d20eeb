// vorlan_cli's files where names and homes are not what they usually are, against the device
// simulator on a pseudo-terminal: without a usable home a read warns that no backup can be made
// and a write needs --no-backup; a file name or a data folder that is not UTF-8 is used as its
// bytes, and named with the odd byte escaped.

#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QProcess>

#include "cli_fixture.h"
#include "raw_names.h"
#include "simulator.h"

namespace vorlan::test {
namespace {

const char kTemplate[] = R"({"format": "vorlan_setup configuration", "version": 1,
                             "parameters": {"Callsign": "BG7ABC-9"}})";

class BackupPlacesTest : public CliTest {
 protected:
  // Runs a shell script with vorlan_cli as $0, the simulator's port as $1 and the test's folder
  // as $2 and current folder: only a shell passes bytes that are not UTF-8 as arguments.
  CliRun shell(const QString& script, const QString& port) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home.path());
    process.setProcessEnvironment(environment);
    process.start("/bin/sh", {"-c", "cd \"$2\" && " + script, VORLAN_CLI, port, dir.path()});
    WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }
  bool existsAsBytes(const QByteArray& path) const { return ::access(path.constData(), F_OK) == 0; }
  QByteArray bytesOf(const QString& path) const { return QFile::encodeName(path); }
};

TEST_F(BackupPlacesTest, WithoutAHomeAReadWarnsAndAWriteNeedsNoBackup) {
  writeFile("t.json", kTemplate);
  Simulator sim;
  // HOME empty and XDG_DATA_HOME relative: neither is a home.
  const QMap<QString, QString> noHome = {{"HOME", ""}, {"XDG_DATA_HOME", "relative-data"}};
  const QString noBackup =
      "No backup can be made: there is no home folder (HOME is unset or not an absolute path, "
      "and so is XDG_DATA_HOME)";

  const CliRun read = cli({"read", "--port", sim.path()}, noHome);
  EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
  EXPECT_TRUE(read.err.contains("Backup: " + noBackup + "\n")) << read.err.toStdString();
  EXPECT_TRUE(read.out.contains("\"parameters\""));

  const CliRun write = cli({"write", "--port", sim.path(), file("t.json")}, noHome);
  EXPECT_EQ(write.exitCode, 1);
  EXPECT_EQ(write.err, "Nothing was written: the backup before the write failed: " + noBackup +
                           ". Give --no-backup to write without one.\n");
  ASSERT_TRUE(sim.waitFor("read", 2));
  EXPECT_TRUE(sim.received("write").isEmpty());
  EXPECT_EQ(cli({"write", "--port", sim.path(), file("t.json"), "--no-backup"}, noHome).exitCode,
            0);
  EXPECT_EQ(sim.received("write").size(), 1);
  EXPECT_FALSE(QDir("relative-data").exists());
  EXPECT_FALSE(QDir(dir.filePath("relative-data")).exists());
}

TEST_F(BackupPlacesTest, ANameThatIsNotUtf8IsSavedOpenedAndNamedAsItsBytes) {
  Simulator sim;
  const CliRun read =
      shell("exec \"$0\" read --port \"$1\" -o \"$(printf 'bad\\377.json')\"", sim.path());
  ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
  EXPECT_TRUE(read.out.endsWith(": saved to bad\\xff.json\n")) << read.out.toStdString();
  const QByteArray folder = bytesOf(dir.path());
  EXPECT_TRUE(existsAsBytes(folder + "/bad\xff.json"));
  // Another odd byte is another name: neither file overwrites the other.
  ASSERT_EQ(
      shell("exec \"$0\" read --port \"$1\" -o \"$(printf 'bad\\376.json')\"", sim.path()).exitCode,
      0);
  EXPECT_TRUE(existsAsBytes(folder + "/bad\xfe.json"));
  EXPECT_EQ(RawNamesIn(folder), (QList<QByteArray>{"bad\xfe.json", "bad\xff.json"}));

  const CliRun check = shell("exec \"$0\" check \"$(printf 'bad\\377.json')\"", sim.path());
  EXPECT_NE(check.exitCode, 1) << check.err.toStdString();
  const CliRun diff = shell(
      "exec \"$0\" diff \"$(printf 'bad\\377.json')\" \"$(printf 'bad\\376.json')\"", sim.path());
  EXPECT_EQ(diff.exitCode, 0) << diff.err.toStdString();
  EXPECT_EQ(diff.out,
            "bad\\xff.json and bad\\xfe.json hold the same settings (44 fields "
            "compared).\n");
  // The exchange log too is kept under its own name.
  ASSERT_EQ(shell("exec \"$0\" about --port \"$1\" --log \"$(printf 'bad\\377.log')\"", sim.path())
                .exitCode,
            0);
  EXPECT_TRUE(existsAsBytes(folder + "/bad\xff.log"));
  EmptyFolder(folder);
}

TEST_F(BackupPlacesTest, ADataFolderThatIsNotUtf8IsUsedAsGiven) {
  Simulator sim;
  const CliRun read =
      shell("XDG_DATA_HOME=\"$2/$(printf 'd\\377')\" exec \"$0\" read --port \"$1\"", sim.path());
  ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
  const QString backup = dir.path() + "/d\\xff/vorlan_setup/backups/";
  EXPECT_TRUE(read.err.contains("Backup: " + backup)) << read.err.toStdString();
  const QString name = read.err.mid(read.err.indexOf(backup) + backup.size()).section('\n', 0, 0);
  EXPECT_TRUE(existsAsBytes(bytesOf(dir.path()) + "/d\xff/vorlan_setup/backups/" + name.toUtf8()))
      << name.toStdString();
  EXPECT_EQ(RawNamesIn(bytesOf(dir.path())), QList<QByteArray>{"d\xff"});
  EmptyFolder(bytesOf(dir.path()));
}

}  // namespace
}  // namespace vorlan::test
