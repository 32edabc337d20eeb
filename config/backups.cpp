#include "config/backups.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "config/config_writer.h"

namespace vorlan {
namespace {

const QString kTimeFormat = QStringLiteral("yyyyMMdd'T'HHmmss.zzz'Z'");

const QRegularExpression& BackupNamePattern() {
  static const QRegularExpression pattern(QStringLiteral("^\\d{8}T\\d{6}\\.\\d{3}Z_.*\\.json$"));
  return pattern;
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

std::optional<ConfigProblem> RemoveOldest(const QString& folder, int keep) {
  QDir dir(folder);
  QStringList backups = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
  backups.removeIf([](const QString& name) { return !BackupNamePattern().match(name).hasMatch(); });
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

QString BackupFileName(const QString& callsign, const QDateTime& time) {
  return time.toUTC().toString(kTimeFormat) + '_' + SafeCallsign(callsign) +
         QStringLiteral(".json");
}

BackupOutcome SaveBackup(const ParameterSet& params, const BuildValues& build, const SaveInfo& info,
                         const QString& folder, int keep) {
  std::error_code error;
  std::filesystem::create_directories(folder.toStdU16String(), error);
  if (error) {
    return {{},
            ConfigProblem{ConfigProblem::Kind::CannotMakeFolder,
                          folder,
                          {},
                          {},
                          QString::fromStdString(error.message())}};
  }
  QDateTime time = info.read ? info.read->time : info.time;
  QString path = QDir(folder).filePath(BackupFileName(params.text(Field::Callsign), time));
  while (QFile::exists(path)) {
    time = time.addMSecs(1);
    path = QDir(folder).filePath(BackupFileName(params.text(Field::Callsign), time));
  }
  if (auto problem = SaveConfiguration(path, params, build, info)) return {{}, problem};
  return {path, RemoveOldest(folder, keep)};
}

}  // namespace vorlan
