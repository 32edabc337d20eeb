#pragma once
// The few file calls configuration files and backups need, on the system's own names (see
// file_names.h): on Unix through the POSIX calls, on Windows through Qt's file classes, which keep
// a Windows name as it is. A failure comes back as the system's reason.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace vorlan {

enum class PathKind { Missing, RegularFile, Other };  // Other: a device, a FIFO, a folder

struct PathStatus {
  PathKind kind = PathKind::Missing;
  qint64 size = 0;
};

// What stands at `path`, a link followed.
PathStatus LookAt(const QString& path);

// Whether anything has the name, a link that leads nowhere included.
bool NameTaken(const QString& path);

// At most `limit` bytes of the file; the system's reason when it cannot be read.
std::variant<QByteArray, QString> ReadFileBytes(const QString& path, qint64 limit);

// The names of the regular files in `folder`, sorted; empty when it cannot be listed.
QStringList FileNamesIn(const QString& folder);

// Removes the file; the system's reason when it cannot.
std::optional<QString> RemoveFile(const QString& path);

}  // namespace vorlan
