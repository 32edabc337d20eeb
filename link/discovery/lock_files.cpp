#include "link/discovery/lock_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSysInfo>
#include <optional>

#ifdef Q_OS_UNIX
#include <signal.h>

#include <cerrno>
#endif

namespace vorlan {
namespace {

// The names of the device: as given, itself, and the stable links udev makes to it.
QStringList DeviceNames(const QString& devicePath) {
  QStringList names = {devicePath};
  const QString device = QFileInfo(devicePath).canonicalFilePath();
  if (device.isEmpty()) return names;
  names << device;
  for (const QString folder : {"/dev/serial/by-id", "/dev/serial/by-path"}) {
    const QDir links(folder);
    for (const QString& link : links.entryList(QDir::Files | QDir::System)) {
      const QString path = links.filePath(link);
      if (QFileInfo(path).canonicalFilePath() == device) names << path;
    }
  }
  return names;
}

// Qt names the lock by the path without "/dev/", its slashes as "_"; others by the last part.
QStringList LockNames(const QString& devicePath) {
  QString qtName = devicePath.startsWith(QLatin1String("/dev/")) ? devicePath.mid(5) : devicePath;
  qtName.replace(QLatin1Char('/'), QLatin1Char('_'));
  return {QStringLiteral("LCK..") + qtName,
          QStringLiteral("LCK..") + QFileInfo(devicePath).fileName()};
}

bool ProcessRuns(qint64 pid) {
#ifdef Q_OS_UNIX
  // Another user's process may not be signalled, but it runs.
  return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
#else
  Q_UNUSED(pid);
  return true;
#endif
}

QString SystemProgramName(qint64 pid) {
  QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
  return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed()
                                        : QString();
}

// Qt writes the process number, the program and the host, a line each; the UUCP kind holds the
// number alone, as text.
std::optional<PortLockFile> ReadLockFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QList<QByteArray> lines = file.read(4096).split('\n');
  PortLockFile lock{path};
  bool number = false;
  lock.pid = lines.value(0).trimmed().toLongLong(&number);
  if (!number) return std::nullopt;
  const QString host = QString::fromLocal8Bit(lines.value(2)).trimmed();
  const bool here = host.isEmpty() || host == QSysInfo::machineHostName();
  lock.live = !here || ProcessRuns(lock.pid);
  lock.program = lock.live ? SystemProgramName(lock.pid) : QString();
  if (lock.program.isEmpty()) lock.program = QString::fromLocal8Bit(lines.value(1)).trimmed();
  return lock;
}

}  // namespace

QStringList LockFolders() {
  QStringList folders;
  QSet<QString> seen;
  for (const QString folder : {"/var/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp",
                               "/tmp", "/var/tmp", "/var/lock/lockdev", "/run/lock"}) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || seen.contains(canonical)) continue;
    seen.insert(canonical);
    folders << folder;
  }
  return folders;
}

QList<PortLockFile> LockFilesOf(const QString& devicePath, const QStringList& folders) {
  QList<PortLockFile> locks;
  QSet<QString> files;
  for (const QString& name : DeviceNames(devicePath)) {
    for (const QString& lockName : LockNames(name)) {
      for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(lockName);
        if (files.contains(path) || !QFileInfo::exists(path)) continue;
        files.insert(path);
        const auto lock = ReadLockFile(path);
        if (lock && lock->pid != QCoreApplication::applicationPid()) locks << *lock;
      }
    }
  }
  return locks;
}

}  // namespace vorlan
