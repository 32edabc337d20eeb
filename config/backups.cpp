#include "config/backups.h"

#include <QRegularExpression>
#include <QStandardPaths>

#include "config/config_writer.h"
#include "config/file_names.h"
#include "config/native_files.h"
#include "config/private_folder.h"

namespace vorlan {
namespace {

const QString kTimeFormat = QStringLiteral("yyyyMMdd'T'HHmmss.zzz'Z'");
const QString kBeforeWrite = QStringLiteral(".before-write");

const QRegularExpression& BackupNamePattern() {
  static const QRegularExpression pattern(QStringLiteral("^\\d{8}T\\d{6}\\.\\d{3}Z_.*\\.json$"));
  return pattern;
}

// A callsign in a name never holds a ".", so the mark cannot be part of one.
BackupKind KindOfName(const QString& name) {
  return name.endsWith(kBeforeWrite + QStringLiteral(".json")) ? BackupKind::BeforeWrite
                                                               : BackupKind::Read;
}

// The callsign as the device padded it, without that filler: blanks, control characters and the
// stand-ins for bytes that are not text.
QString SafeCallsign(const QString& callsign) {
  QString safe;
  for (QChar c : callsign) {
    const bool plain =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    safe += plain ? c : QChar('_');
  }
  // Filler became "_": take it off both ends.
  while (safe.startsWith('_')) safe.remove(0, 1);
  while (safe.endsWith('_')) safe.chop(1);
  return safe.isEmpty() ? QStringLiteral("NOCALL") : safe;
}

// The name joined to the folder as a text: the folder's name is kept as it came, bytes and all.
QString InFolder(const QString& folder, const QString& name) {
  return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

std::optional<ConfigProblem> RemoveOldest(const QString& folder, BackupKind kind,
                                          const QString& saved, int keep) {
  QStringList backups = FileNamesIn(folder);
  backups.removeIf([&](const QString& name) {
    return !BackupNamePattern().match(name).hasMatch() || KindOfName(name) != kind;
  });
  // The one just saved stays, even when the clock went back and its name sorts first.
  backups.removeOne(saved);
  --keep;
  for (qsizetype i = 0; i + keep < backups.size(); ++i) {
    const QString old = InFolder(folder, backups[i]);
    if (auto reason = RemoveFile(old)) {
      return ConfigProblem{ConfigProblem::Kind::CannotRemove, old, backups[i], {}, *reason};
    }
  }
  return std::nullopt;
}

#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
QString DataHome() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}
#else
// As the XDG base directories have it: XDG_DATA_HOME when it is an absolute path (a relative one
// is ignored), else $HOME/.local/share for a home that is an absolute path other than "/". Both
// are taken as the system's bytes. Empty: no home, so no data folder. Qt's test mode (the window
// tests) keeps Qt's own test folder.
QString DataHome() {
  if (QStandardPaths::isTestModeEnabled()) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  }
  const QByteArray xdg = qgetenv("XDG_DATA_HOME");
  if (xdg.startsWith('/')) return FileNameFromBytes(xdg);
  QByteArray home = qgetenv("HOME");
  while (home.endsWith('/')) home.chop(1);
  if (!home.startsWith('/')) return {};
  return FileNameFromBytes(home) + QStringLiteral("/.local/share");
}
#endif

}  // namespace

QString DefaultBackupFolder() {
  const QString data = DataHome();
  return data.isEmpty() ? QString() : data + QStringLiteral("/vorlan_setup/backups");
}

std::optional<ConfigProblem> MakeBackupFolder(const QString& folder) {
  if (folder.isEmpty()) return ConfigProblem{ConfigProblem::Kind::NoBackupFolder, folder};
  return MakePrivateFolder(folder);
}

QString BackupFileName(const QString& callsign, const QDateTime& time, BackupKind kind) {
  return time.toUTC().toString(kTimeFormat) + '_' + SafeCallsign(callsign) +
         (kind == BackupKind::BeforeWrite ? kBeforeWrite : QString()) + QStringLiteral(".json");
}

BackupOutcome SaveBackup(const ParameterSet& params, const SaveInfo& info, BackupKind kind,
                         const QString& folder, int keep) {
  if (auto problem = MakeBackupFolder(folder)) return {{}, problem};
  QDateTime time = info.read ? info.read->time : info.time;
  auto pathAt = [&](const QDateTime& t) {
    return InFolder(folder, BackupFileName(params.text(Field::Callsign), t, kind));
  };
  QString path = pathAt(time);
  while (NameTaken(path)) {
    time = time.addMSecs(1);
    path = pathAt(time);
  }
  if (auto problem = SaveConfiguration(path, params, info, FileAccess::UserOnly)) {
    return {{}, problem};
  }
  // Only a backup saved whole makes room: a failed one above has removed nothing.
  return {path, RemoveOldest(folder, kind, path.mid(path.lastIndexOf('/') + 1), keep)};
}

}  // namespace vorlan
