#pragma once
// The texts the user reads about configuration files and backups, in the build's language.

#include <QString>

#include "config/config_problem.h"
#include "config/config_reader.h"
#include "ui/language_data.h"

namespace vorlan {

// "club.json: 44 of 44 fields set. Nothing was sent: ...", with the unknown keys if any.
QString OpenedText(const QString& file, const OpenedConfiguration& opened,
                   const LanguageData& lang);
// What is wrong where, without the file's headline: a line of a longer message.
QString ConfigProblemDetail(const ConfigProblem& problem, const LanguageData& lang);
// Why a file was not opened: the file and that the window is unchanged, then what is wrong where.
QString OpenProblemText(const ConfigProblem& problem, const LanguageData& lang);
// Why "Save configuration as..." saved nothing.
QString SaveProblemText(const ConfigProblem& problem, const LanguageData& lang);
// Not saved: a file keeps the work mode as the device's code, and a text typed by hand has none.
QString UnlistedWorkModeNotSavedText(const QString& text, const LanguageData& lang);
// Why the backup of a read was not saved, or an old one not removed.
QString BackupProblemText(const ConfigProblem& problem, const LanguageData& lang);

}  // namespace vorlan
