// Where backups go and how the folder is kept: the data folder by the XDG rules and never "/" or
// the current folder, a link never changed through, another user's folder refused; and file
// names kept as the system's bytes from the environment to the disk.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "config/backups.h"
#include "config/file_names.h"
#include "params/presets.h"
#include "raw_names.h"

namespace vorlan {
namespace {

const QDateTime kTime(QDate(2026, 12, 7), QTime(3, 15, 0), Qt::UTC);

// Sets (or with nullopt unsets) an environment variable for one scope.
class Pin {
 public:
  Pin(const char* name, std::optional<QByteArray> value)
      : name_(name),
        old_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
    set(value);
  }
  ~Pin() { set(old_); }

 private:
  void set(const std::optional<QByteArray>& value) const {
    if (value) {
      qputenv(name_, *value);
    } else {
      qunsetenv(name_);
    }
  }

  const char* name_;
  std::optional<QByteArray> old_;
};

mode_t ModeOf(const QByteArray& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.constData(), &info), 0) << path.constData();
  return info.st_mode & 07777;
}

TEST(BackupFolder, TheDataFolderFollowsTheXdgRulesAndIsNoneWithoutAHome) {
  struct Row {
    std::optional<QByteArray> xdg, home;
    QString folder;  // empty: no backup can be made
  };
  const Row rows[] = {
      {"/data", "/home/ann", "/data/vorlan_setup/backups"},
      {"relative/data", "/home/ann", "/home/ann/.local/share/vorlan_setup/backups"},
      {"", "/home/ann/", "/home/ann/.local/share/vorlan_setup/backups"},
      {std::nullopt, std::nullopt, ""},
      {std::nullopt, "", ""},
      {std::nullopt, "/", ""},
      {"relative/data", "relative/home", ""},
      {QByteArray("/d\xff\xfe"), "/home/ann",
       FileNameFromBytes("/d\xff\xfe") + "/vorlan_setup/backups"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.xdg.value_or("(unset)").toStdString() + " " +
                 row.home.value_or("(unset)").toStdString());
    Pin xdg("XDG_DATA_HOME", row.xdg);
    Pin home("HOME", row.home);
    EXPECT_EQ(DefaultBackupFolder(), row.folder);
    if (!row.folder.isEmpty()) continue;
    const BackupOutcome outcome =
        SaveBackup(InitialParameters(kRotateServers), {"vorlan_test", "9.9", kTime});
    EXPECT_TRUE(outcome.path.isEmpty());
    ASSERT_TRUE(outcome.problem);
    EXPECT_EQ(outcome.problem->kind, ConfigProblem::Kind::NoBackupFolder);
  }
}

TEST(BackupFolder, ANameThatIsNotUtf8IsKeptAsItsBytes) {
  const QByteArray names[] = {"plain.json", "bad\xff.json", "\xc3\xa9t\xc3", "\xed\xb2\x80",
                              "\xf0\x9f\x98\x80\xff"};
  for (const QByteArray& bytes : names) EXPECT_EQ(FileNameBytes(FileNameFromBytes(bytes)), bytes);
  EXPECT_NE(FileNameFromBytes("bad\xff.json"), FileNameFromBytes("bad\xfe.json"));
  EXPECT_EQ(FileNameText(FileNameFromBytes("bad\xff.json")), "bad\\xff.json");
  EXPECT_EQ(FileNameText(FileNameFromBytes("\xf0\x9f\x98\x80\xc3")), QString::fromUtf8("😀\\xc3"));

  // From the environment to the disk: the backups land in the folder of exactly those bytes.
  QTemporaryDir dir;
  const QByteArray data = QFile::encodeName(dir.path()) + "/d\xff";
  Pin xdg("XDG_DATA_HOME", data);
  const SaveInfo read{"vorlan_test", "9.9", kTime, ReadOrigin{"COM1", "", kTime}};
  const BackupOutcome outcome = SaveBackup(InitialParameters(kRotateServers), read);
  ASSERT_FALSE(outcome.problem) << outcome.problem->detail.toStdString();
  const QByteArray saved = FileNameBytes(outcome.path);
  EXPECT_EQ(saved, data + "/vorlan_setup/backups/20261207T031500.000Z_NOCALL-9.json");
  EXPECT_EQ(::access(saved.constData(), R_OK), 0);
  EXPECT_EQ(test::RawNamesIn(QFile::encodeName(dir.path())), QList<QByteArray>{"d\xff"});
  test::EmptyFolder(QFile::encodeName(dir.path()));
}

TEST(BackupFolder, ALinkIsNeverChangedThroughAndAnotherUsersFolderIsRefused) {
  if (::geteuid() != 0) GTEST_SKIP() << "run as root to make folders of another user";
  constexpr uid_t kOther = 65534;  // nobody
  QTemporaryDir dir;
  const QByteArray root = QFile::encodeName(dir.path());
  auto folderAt = [&](const char* name, mode_t mode, uid_t owner) {
    const QByteArray path = root + '/' + name;
    EXPECT_EQ(::mkdir(path.constData(), 0700), 0);
    EXPECT_EQ(::chmod(path.constData(), mode), 0);
    EXPECT_EQ(::chown(path.constData(), owner, owner), 0);
    return path;
  };
  const QByteArray shared = folderAt("shared", 01777, kOther);
  const QByteArray own = folderAt("own", 0755, ::geteuid());
  const QByteArray plain = folderAt("plain", 0755, ::geteuid());
  const QByteArray foreign = folderAt("foreign", 0755, kOther);
  ASSERT_EQ(::symlink(shared.constData(), (root + "/to-shared").constData()), 0);
  ASSERT_EQ(::symlink(own.constData(), (root + "/to-own").constData()), 0);
  ASSERT_EQ(::symlink("nowhere", (root + "/to-nowhere").constData()), 0);

  struct Row {
    const char* name;
    std::optional<ConfigProblem::Kind> problem;
    qint64 link;
    QByteArray target;
    mode_t mode;  // the target's mode afterwards
  };
  const Row rows[] = {
      {"to-shared", ConfigProblem::Kind::ForeignFolder, 1, shared, 01777},
      {"to-nowhere", ConfigProblem::Kind::ForeignFolder, 1, {}, 0},
      {"foreign", ConfigProblem::Kind::ForeignFolder, 0, foreign, 0755},
      {"to-own", std::nullopt, 0, own, 0755},
      {"plain", std::nullopt, 0, plain, 0700},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString folder = FileNameFromBytes(root + '/' + row.name);
    const auto problem = MakeBackupFolder(folder);
    EXPECT_EQ(problem ? std::optional(problem->kind) : std::nullopt, row.problem);
    if (problem) {
      EXPECT_EQ(problem->file, folder);
      EXPECT_EQ(problem->found, row.link);
    }
    if (!row.target.isEmpty()) {
      EXPECT_EQ(ModeOf(row.target), row.mode);
    }
  }
  const SaveInfo read{"vorlan_test", "9.9", kTime, ReadOrigin{"COM1", "", kTime}};
  EXPECT_TRUE(SaveBackup(InitialParameters(kRotateServers), read, BackupKind::Read,
                         FileNameFromBytes(root + "/to-shared"))
                  .path.isEmpty());
  EXPECT_EQ(QDir(FileNameFromBytes(shared)).entryList(QDir::Files).size(), 0);
}

}  // namespace
}  // namespace vorlan
