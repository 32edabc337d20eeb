#pragma once
// Automatic backups: after every complete read-back the configuration is saved to the backups
// folder, named by time and callsign so that a listing sorts by time
// ("20261207T031500.123Z_NOCALL-9.json"), and only the newest are kept. A failure to keep one never
// stops the read; it comes back as a value, once.

#include <QDateTime>
#include <QString>
#include <optional>

#include "config/config_format.h"
#include "config/config_problem.h"
#include "params/parameter_set.h"
#include "params/presets.h"

namespace vorlan {

inline constexpr int kBackupsKept = 100;

// The one folder both window programs and vorlan_cli use:
// QStandardPaths::GenericDataLocation + "/vorlan_setup/backups" (on Linux
// ~/.local/share/vorlan_setup/backups, on Windows %LOCALAPPDATA%/vorlan_setup/backups).
QString DefaultBackupFolder();

// "<UTC time to the millisecond>_<callsign>.json". The callsign loses the filler and blanks around
// it; any character other than a letter, a digit or "-" becomes "_"; none left gives "NOCALL".
QString BackupFileName(const QString& callsign, const QDateTime& time);

struct BackupOutcome {
  QString path;                          // the backup saved; empty when none was
  std::optional<ConfigProblem> problem;  // why none was saved, or an old one could not go
};

// Saves the configuration into `folder` (made when missing), named by its callsign and the time of
// the read (info.read) or of the save, a millisecond later while that name is taken; then removes
// the oldest backups beyond `keep`. Only files named like backups count and go.
BackupOutcome SaveBackup(const ParameterSet& params, const BuildValues& build, const SaveInfo& info,
                         const QString& folder = DefaultBackupFolder(), int keep = kBackupsKept);

}  // namespace vorlan
