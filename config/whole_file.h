#pragma once
// Saving a file whole or not at all: the bytes go to a new file beside the target, every write is
// checked and the data is forced to the disk before that file is renamed over the target. On any
// failure (a full disk, a quota, a write error) the new file is removed and the target is left as
// it was.

#include <QByteArray>
#include <QString>
#include <optional>

namespace vorlan {

// Who may read a new file: as the user's umask allows (a file the user saves), or the user alone
// (a backup: it holds passwords). An existing file keeps its permissions.
enum class FileAccess { Umask, UserOnly };

// Saves `bytes` as the file at `path` (a link to a file: as the file it leads to); the system's
// reason when it is not saved.
std::optional<QString> SaveWholeFile(const QString& path, const QByteArray& bytes,
                                     FileAccess access);

}  // namespace vorlan
