#pragma once
// Automatic backups: after every complete read-back the configuration is saved to the backups
// folder, named by time and callsign so that a listing sorts by time
// ("20261207T031500.123Z_NOCALL-9.json"), and only the newest are kept. A read taken just before a
// write is the user's way back from that write: it is named apart
// ("..._NOCALL-9.before-write.json") and counted apart, so that reads cannot push it out. Backups
// hold passwords: the folder and the files are the user's alone.

#include <QDateTime>
#include <QString>
#include <optional>

#include "config/config_format.h"
#include "config/config_problem.h"
#include "params/parameter_set.h"
#include "params/presets.h"

namespace vorlan {

inline constexpr int kBackupsKept = 100;  // of each kind

enum class BackupKind {
  Read,         // any read-back
  BeforeWrite,  // the read just before a write
};

// The one folder both window programs and vorlan_cli use: the data folder +
// "/vorlan_setup/backups". On Linux the data folder is $XDG_DATA_HOME when that is an absolute
// path, else ~/.local/share (~/.local/share/vorlan_setup/backups); on Windows
// %LOCALAPPDATA%/vorlan_setup/backups. Empty when there is no usable home (HOME unset, relative
// or "/"): then no backup can be made.
QString DefaultBackupFolder();

// "<UTC time to the millisecond>_<callsign>.json", before a write
// "<time>_<callsign>.before-write.json". The callsign loses the filler and blanks around it; any
// character other than a letter, a digit or "-" becomes "_"; none left gives "NOCALL".
QString BackupFileName(const QString& callsign, const QDateTime& time,
                       BackupKind kind = BackupKind::Read);

// Makes the folder when it is missing and keeps it for the user alone (0700), never changing what
// a link points to (private_folder.h); the problem when that fails (CannotMakeFolder with the
// system's reason, ForeignFolder), or NoBackupFolder for an empty folder (no home).
std::optional<ConfigProblem> MakeBackupFolder(const QString& folder = DefaultBackupFolder());

struct BackupOutcome {
  QString path;                          // the backup saved; empty when none was
  std::optional<ConfigProblem> problem;  // why none was saved, or an old one could not go
};

// Saves the configuration into `folder` (made when missing, and kept for the user alone: 0700),
// as a file only the user may read (0600), named by its callsign and the time of the read
// (info.read) or of the save, a millisecond later while that name is taken; then removes the
// oldest backups of the same kind beyond `keep`, by the time in their names. The backup just saved
// is never removed, and only files named like backups count and go; a backup that could not be
// saved whole removes none.
BackupOutcome SaveBackup(const ParameterSet& params, const SaveInfo& info,
                         BackupKind kind = BackupKind::Read,
                         const QString& folder = DefaultBackupFolder(), int keep = kBackupsKept);

}  // namespace vorlan
