// Backups: names that sort by time, the newest 100 kept, nothing but backups removed, the one just
// saved never, those before a write counted apart, all for the user alone; and the field-for-field
// comparison that verify and diff use.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "config/backups.h"
#include "config/config_reader.h"
#include "config/config_writer.h"
#include "config/field_compare.h"
#include "link/device_text.h"
#include "params/field_table.h"
#include "ui/lang/en/en_language.h"

namespace vorlan {
namespace {

const BuildValues& English() {
  return EnglishLanguage().values;
}

const QDateTime kTime(QDate(2026, 12, 7), QTime(3, 15, 0, 250), Qt::UTC);

SaveInfo ReadAt(const QDateTime& time) {
  return {"vorlan_test", "9.9", time.addSecs(1), ReadOrigin{"COM1", "/dev/pts/9", time}};
}

TEST(Backups, NamesSortByTimeAndCarryASafeCallsign) {
  const std::pair<QString, QString> callsigns[] = {
      {"NOCALL-9", "NOCALL-9"},
      {QStringLiteral("SIM1-7") + QString(6, QChar(0)), "SIM1-7"},
      {QStringLiteral("SIM1-7") + QString(6, QChar(0xDCFF)), "SIM1-7"},
      {"  BG/7 ABC  ", "BG_7_ABC"},
      {QString::fromUtf8("中文"), "NOCALL"},
      {"", "NOCALL"},
  };
  for (const auto& [callsign, safe] : callsigns) {
    EXPECT_EQ(BackupFileName(callsign, kTime), "20261207T031500.250Z_" + safe + ".json");
  }
  // Local time is written as UTC, so the names of one machine sort by time whatever its zone.
  EXPECT_EQ(BackupFileName("A", kTime.toOffsetFromUtc(8 * 3600)), "20261207T031500.250Z_A.json");
  QStringList names = {BackupFileName("ZZ", kTime), BackupFileName("AA", kTime.addMSecs(1)),
                       BackupFileName("MM", kTime.addDays(40))};
  QStringList sorted = names;
  sorted.sort();
  EXPECT_EQ(sorted, names);
}

TEST(Backups, TheNewestAreKeptAndOnlyBackupsGo) {
  QTemporaryDir dir;
  const QString folder = dir.filePath("deep/backups");
  ParameterSet params = InitialParameters(English());
  BackupOutcome first = SaveBackup(params, English(), ReadAt(kTime), BackupKind::Read, folder, 100);
  ASSERT_FALSE(first.problem);
  QFile notes(QDir(folder).filePath("notes.json"));
  ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
  notes.close();

  QStringList saved = {QFileInfo(first.path).fileName()};
  for (int i = 1; i <= 100; ++i) {
    params.setText(Field::Callsign, QStringLiteral("N%1").arg(i));
    const BackupOutcome outcome =
        SaveBackup(params, English(), ReadAt(kTime.addSecs(i)), BackupKind::Read, folder, 100);
    ASSERT_FALSE(outcome.problem);
    saved << QFileInfo(outcome.path).fileName();
  }
  QStringList present = QDir(folder).entryList({"*.json"}, QDir::Files, QDir::Name);
  EXPECT_EQ(present.size(), 101);  // 100 backups and the user's own file
  EXPECT_FALSE(present.contains(saved.first()));
  EXPECT_TRUE(present.contains(saved.last()));
  EXPECT_TRUE(present.contains("notes.json"));

  // A backup holds the configuration that was read, and where it came from.
  auto opened = OpenConfiguration(QDir(folder).filePath(saved.last()), {}, English());
  ASSERT_TRUE(std::holds_alternative<OpenedConfiguration>(opened));
  EXPECT_EQ(std::get<OpenedConfiguration>(opened).params, params);
  EXPECT_EQ(std::get<OpenedConfiguration>(opened).origin.readDevice, "/dev/pts/9");
}

TEST(Backups, TwoReadsInOneMillisecondKeepTwoFiles) {
  QTemporaryDir dir;
  const ParameterSet params = InitialParameters(English());
  const BackupOutcome a =
      SaveBackup(params, English(), ReadAt(kTime), BackupKind::Read, dir.path());
  const BackupOutcome b =
      SaveBackup(params, English(), ReadAt(kTime), BackupKind::Read, dir.path());
  EXPECT_NE(a.path, b.path);
  EXPECT_LT(a.path, b.path);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(Backups, AFailureIsAValue) {
  QTemporaryDir dir;
  QFile blocker(dir.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const BackupOutcome outcome = SaveBackup(InitialParameters(English()), English(), ReadAt(kTime),
                                           BackupKind::Read, dir.filePath("file/backups"));
  EXPECT_TRUE(outcome.path.isEmpty());
  ASSERT_TRUE(outcome.problem);
  EXPECT_EQ(outcome.problem->kind, ConfigProblem::Kind::CannotMakeFolder);
  EXPECT_EQ(outcome.problem->file, dir.filePath("file/backups"));
  EXPECT_FALSE(outcome.problem->detail.isEmpty());  // the system's reason
}

// Later stamps (the clock went back, files from another machine) push out older backups, never
// the one just saved; reads never push out the backups taken before a write.
TEST(Backups, TheOneJustSavedStaysAndThoseBeforeAWriteAreCountedApart) {
  QTemporaryDir dir;
  const ParameterSet params = InitialParameters(English());
  auto save = [&](BackupKind kind, const QDateTime& time) {
    const BackupOutcome outcome = SaveBackup(params, English(), ReadAt(time), kind, dir.path(), 5);
    EXPECT_FALSE(outcome.problem);
    return QFileInfo(outcome.path).fileName();
  };
  auto present = [&](const QString& pattern) {
    return QDir(dir.path()).entryList({pattern}, QDir::Files, QDir::Name);
  };
  const QString beforeWrite = save(BackupKind::BeforeWrite, kTime);
  EXPECT_EQ(beforeWrite, "20261207T031500.250Z_NOCALL-9.before-write.json");
  for (int i = 0; i < 5; ++i) save(BackupKind::Read, kTime.addYears(10).addSecs(i));

  const QString read = save(BackupKind::Read, kTime.addSecs(1));
  EXPECT_TRUE(present("*").contains(read));
  EXPECT_EQ(present("2036*").size(), 4);  // the oldest of the later ones went
  for (int i = 0; i < 20; ++i) save(BackupKind::Read, kTime.addSecs(2 + i));
  EXPECT_EQ(present("*.before-write.json"), QStringList{beforeWrite});
  EXPECT_EQ(present("*").size(), 6);
}

// Backups hold passwords: the folder and each file are the user's alone, however the folder was
// made before. A file the user saves is as open as the user's umask makes it.
TEST(Backups, AreForTheUserAlone) {
  QTemporaryDir dir;
  auto mode = [](const QString& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.toLocal8Bit().constData(), &st), 0) << path.toStdString();
    return st.st_mode & 0777;
  };
  const QString folder = dir.filePath("backups");
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_EQ(::chmod(folder.toLocal8Bit().constData(), 0755), 0);
  const BackupOutcome outcome =
      SaveBackup(InitialParameters(English()), English(), ReadAt(kTime), BackupKind::Read, folder);
  ASSERT_FALSE(outcome.problem);
  EXPECT_EQ(mode(folder), 0700u);
  EXPECT_EQ(mode(outcome.path), 0600u);

  const mode_t before = ::umask(027);
  const auto saved = SaveConfiguration(dir.filePath("mine.json"), InitialParameters(English()),
                                       English(), ReadAt(kTime));
  ::umask(before);
  ASSERT_FALSE(saved);
  EXPECT_EQ(mode(dir.filePath("mine.json")), 0640u);
}

TEST(FieldCompare, FillerAtTheEndIsNoDifference) {
  const std::tuple<QByteArray, QByteArray, bool> rows[] = {
      {"BG7ABC-9", "BG7ABC-9    ", true},
      {"BG7ABC-9", QByteArray("BG7ABC-9\0\0\0\0", 12), true},
      {"BG7ABC-9", "BG7ABC-9\xff\xff\xff\xff", true},
      {"BG7ABC-9", "BG7ABC-8    ", false},
      {"BG7ABC", " BG7ABC", false},
      {"", "    ", true},
  };
  for (const auto& [a, b, same] : rows) EXPECT_EQ(SameDeviceText(a, b), same) << b.toStdString();
}

TEST(FieldCompare, AReadBackMatchesWhatWasWrittenFieldForField) {
  const ParameterSet written = InitialParameters(English());
  ReadBack readBack;
  for (const auto& f : ParameterTable()) {
    readBack.bytes[Index(f.key)] =
        f.kind == FieldKind::Text
            ? EncodeDeviceText(written.text(f.key)).leftJustified(f.maxLength, ' ')
        : f.kind == FieldKind::Flag ? QByteArray(written.flag(f.key) ? "1" : "0")
                                    : QByteArray("1");
  }
  readBack.bytes[Index(Field::Server1Enable)] = "2";  // 1 and 2 both mean on
  EXPECT_TRUE(MismatchedFields(readBack, written, English()).empty());

  readBack.bytes[Index(Field::Callsign)] = "NOCALL-8    ";
  readBack.bytes[Index(Field::SmartBeacon)] = "0";
  readBack.bytes[Index(Field::Server2Enable)] = "7";
  readBack.bytes[Index(Field::WorkMode)] = "9";
  EXPECT_EQ(
      MismatchedFields(readBack, written, English()),
      (std::vector{Field::Callsign, Field::SmartBeacon, Field::Server2Enable, Field::WorkMode}));
  EXPECT_EQ(ReadBackValueJson(readBack, Field::Server2Enable, English()), R"("7")");
  EXPECT_EQ(ReadBackValueJson(readBack, Field::SmartBeacon, English()), "false");

  ParameterSet other = written;
  other.setText(Field::Path, "WIDE1-1,WIDE2-1  ");
  other.setText(Field::Filter, "m/60");
  other.setFlag(Field::CarMode, true);
  EXPECT_EQ(DifferingFields(written, other, English(), AllParameters()),
            (std::vector{Field::Filter, Field::CarMode}));
}

}  // namespace
}  // namespace vorlan
