// A full disk: a configuration file and a backup are saved whole or not at all. The old file stays
// as it was, nothing half-written is left beside it, the system's reason is given, and a backup
// that failed pushes out none of the good ones.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "config/backups.h"
#include "config/config_writer.h"
#include "full_disk.h"
#include "params/presets.h"

namespace vorlan {
namespace {

const QDateTime kTime(QDate(2026, 12, 7), QTime(3, 15, 0), Qt::UTC);
const SaveInfo kInfo{"vorlan_test", "9.9", kTime};

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(FullDisk, AConfigurationFileIsKeptAsItWasAndTheReasonSaid) {
  QTemporaryDir dir;
  test::FullDisk disk(dir.path(), 16);
  if (!disk.mounted()) GTEST_SKIP() << test::kCannotMount;
  const QString path = dir.filePath("club.json");
  ParameterSet params = InitialParameters(kRotateServers);
  ASSERT_FALSE(SaveConfiguration(path, params, kInfo));
  const QByteArray good = Contents(path);
  ASSERT_GT(good.size(), 1000);
  ASSERT_TRUE(disk.fill());

  params.setText(Field::Callsign, "BG7ABC-9");
  for (FileAccess access : {FileAccess::Umask, FileAccess::UserOnly}) {
    const auto problem = SaveConfiguration(path, params, kInfo, access);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->kind, ConfigProblem::Kind::CannotSave);
    EXPECT_EQ(problem->file, path);
    EXPECT_EQ(problem->detail, qt_error_string(ENOSPC));
    EXPECT_EQ(Contents(path), good);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"club.json", "filler"}));
  }
}

TEST(FullDisk, ABackupThatCannotBeSavedRemovesNoGoodOne) {
  QTemporaryDir dir;
  test::FullDisk disk(dir.path(), 512);
  if (!disk.mounted()) GTEST_SKIP() << test::kCannotMount;
  const QString folder = dir.filePath("backups");
  const ParameterSet params = InitialParameters(kRotateServers);
  for (int i = 0; i < kBackupsKept; ++i) {
    const SaveInfo read{"vorlan_test", "9.9", kTime, ReadOrigin{"COM1", "", kTime.addSecs(i)}};
    ASSERT_FALSE(SaveBackup(params, read, BackupKind::Read, folder).problem);
  }
  const QStringList good = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  ASSERT_EQ(good.size(), kBackupsKept);
  ASSERT_TRUE(disk.fill());

  const SaveInfo next{"vorlan_test", "9.9", kTime, ReadOrigin{"COM1", "", kTime.addDays(1)}};
  const BackupOutcome outcome = SaveBackup(params, next, BackupKind::Read, folder);
  EXPECT_TRUE(outcome.path.isEmpty());
  ASSERT_TRUE(outcome.problem);
  EXPECT_EQ(outcome.problem->kind, ConfigProblem::Kind::CannotSave);
  EXPECT_EQ(outcome.problem->detail, qt_error_string(ENOSPC));
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), good);
  for (const QString& name : good) EXPECT_GT(Contents(QDir(folder).filePath(name)).size(), 1000);
}

}  // namespace
}  // namespace vorlan
