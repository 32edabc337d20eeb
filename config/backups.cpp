#include "config/backups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "config/config_writer.h"

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

std::optional<ConfigProblem> RemoveOldest(const QString& folder, BackupKind kind,
                                          const QString& saved, int keep) {
  QDir dir(folder);
  QStringList backups = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
  backups.removeIf([&](const QString& name) {
    return !BackupNamePattern().match(name).hasMatch() || KindOfName(name) != kind;
  });
  // The one just saved stays, even when the clock went back and its name sorts first.
  backups.removeOne(saved);
  --keep;
  for (qsizetype i = 0; i + keep < backups.size(); ++i) {
    QFile old(dir.filePath(backups[i]));
    if (!old.remove()) {
      return ConfigProblem{
          ConfigProblem::Kind::CannotRemove, old.fileName(), backups[i], {}, old.errorString()};
    }
  }
  return std::nullopt;
}

}  // namespace

QString DefaultBackupFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/vorlan_setup/backups");
}

std::optional<ConfigProblem> MakeBackupFolder(const QString& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path path(folder.toStdU16String());
  fs::create_directories(path, error);
  if (!error) fs::permissions(path, fs::perms::owner_all, fs::perm_options::replace, error);
  if (!error) return std::nullopt;
  return ConfigProblem{ConfigProblem::Kind::CannotMakeFolder,
                       folder,
                       {},
                       {},
                       QString::fromStdString(error.message())};
}

QString BackupFileName(const QString& callsign, const QDateTime& time, BackupKind kind) {
  return time.toUTC().toString(kTimeFormat) + '_' + SafeCallsign(callsign) +
         (kind == BackupKind::BeforeWrite ? kBeforeWrite : QString()) + QStringLiteral(".json");
}

BackupOutcome SaveBackup(const ParameterSet& params, const BuildValues& build, const SaveInfo& info,
                         BackupKind kind, const QString& folder, int keep) {
  if (auto problem = MakeBackupFolder(folder)) return {{}, problem};
  QDateTime time = info.read ? info.read->time : info.time;
  auto pathAt = [&](const QDateTime& t) {
    return QDir(folder).filePath(BackupFileName(params.text(Field::Callsign), t, kind));
  };
  QString path = pathAt(time);
  while (QFile::exists(path)) {
    time = time.addMSecs(1);
    path = pathAt(time);
  }
  if (auto problem = SaveConfiguration(path, params, build, info, FileAccess::UserOnly)) {
    return {{}, problem};
  }
  return {path, RemoveOldest(folder, kind, QFileInfo(path).fileName(), keep)};
}

}  // namespace vorlan
