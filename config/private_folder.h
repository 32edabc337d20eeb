#pragma once
// A folder for the user alone, such as the backups folder (backups hold passwords).

#include <QString>
#include <optional>

#include "config/config_problem.h"

namespace vorlan {

// Makes the folder and any missing folder above it (0700, as new data folders are made), and
// keeps it for the user alone (0700). What a link points to is never changed: a link to a folder
// of this user is taken as it is, a link to anything else refused (ForeignFolder), as is a folder
// of another user. CannotMakeFolder, with the system's reason, when making or restricting fails.
std::optional<ConfigProblem> MakePrivateFolder(const QString& folder);

}  // namespace vorlan
