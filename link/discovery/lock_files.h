#pragma once
// The lock files programs leave for a serial device ("LCK..ttyUSB0" in /var/lock and the like,
// Qt's and the UUCP kind), under every name the device has: the path given, the device itself and
// its /dev/serial/by-id and by-path links. A lock file says which process took the port; it may
// outlive it when that process was killed.

#include <QList>
#include <QString>
#include <QStringList>

namespace vorlan {

struct PortLockFile {
  QString file;          // "/var/lock/LCK..ttyUSB0"
  qint64 pid = 0;        // the process that took it
  QString program = {};  // as the system or the lock file names it; may be empty
  bool live = true;      // the process still runs (or this system cannot tell: another host's lock)

  bool operator==(const PortLockFile&) const = default;
};

// The folders lock files are kept in, the first one this user may write first (as Qt takes it).
QStringList LockFolders();

// The lock files on the device, each once, except those of this process.
QList<PortLockFile> LockFilesOf(const QString& devicePath,
                                const QStringList& folders = LockFolders());

}  // namespace vorlan
