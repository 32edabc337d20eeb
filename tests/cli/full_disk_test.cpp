// vorlan_cli on a full disk, against the device simulator on a pseudo-terminal: "read -o" keeps
// the old file and fails without "saved to"; a write whose backup cannot be saved sends nothing.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "cli_fixture.h"
#include "full_disk.h"
#include "simulator.h"

namespace vorlan::test {
namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kNoSpace = QStringLiteral("No space left on device");

TEST_F(CliTest, ReadOntoAFullDiskKeepsTheOldFileAndFails) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("disk"));
  FullDisk disk(file("disk"), 16);
  if (!disk.mounted()) GTEST_SKIP() << kCannotMount;
  const QString saved = file("disk/club.json");
  Simulator sim({"--fast", "--filler", "ff"});
  ASSERT_EQ(cli({"read", "--port", sim.path(), "-o", saved}).exitCode, 0);
  const QByteArray good = Contents(saved);
  ASSERT_GT(good.size(), 1000);
  ASSERT_TRUE(disk.fill());

  const CliRun read = cli({"read", "--port", sim.path(), "-o", saved});
  EXPECT_EQ(read.exitCode, 1);
  EXPECT_EQ(read.err, "Cannot save " + saved + ": " + kNoSpace + "\n");
  EXPECT_FALSE(read.out.contains("saved to")) << read.out.toStdString();
  EXPECT_EQ(Contents(saved), good);
  EXPECT_EQ(QDir(file("disk")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            (QStringList{"club.json", "filler"}));
}

TEST_F(CliTest, AWriteWhoseBackupFindsTheDiskFullSendsNothing) {
  writeFile("t.json", R"({"format": "vorlan_setup configuration", "version": 1,
                          "parameters": {"Callsign": "BG7ABC-9"}})");
  FullDisk disk(home.path(), 16);  // the data folder, and so the backups
  if (!disk.mounted()) GTEST_SKIP() << kCannotMount;
  ASSERT_TRUE(disk.fill());
  Simulator sim;

  const CliRun write = cli({"write", "--port", sim.path(), file("t.json")});
  EXPECT_EQ(write.exitCode, 1);
  EXPECT_TRUE(
      write.err.startsWith("Nothing was written: the backup before the write failed: "
                           "Cannot save " +
                           backups() + "/"))
      << write.err.toStdString();
  EXPECT_TRUE(write.err.contains(": " + kNoSpace + ". Give --no-backup"))
      << write.err.toStdString();
  EXPECT_FALSE(write.out.contains("Backup before the write")) << write.out.toStdString();
  ASSERT_TRUE(sim.waitFor("read", 1));
  EXPECT_TRUE(sim.received("write").isEmpty());
  EXPECT_TRUE(backupNames().isEmpty());
}

}  // namespace
}  // namespace vorlan::test
