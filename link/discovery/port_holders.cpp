#include "link/discovery/port_holders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "link/discovery/lock_files.h"

#ifdef Q_OS_LINUX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <vector>
#endif

namespace vorlan {
namespace {

#ifdef Q_OS_LINUX
QByteArray ReadSmallFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.read(64 * 1024) : QByteArray();
}

// The name a user knows a process by: the command's file name where it still begins with the
// kernel's (cut to 15 characters) name, else the kernel's name (a daemon may rewrite its command).
QString ProgramName(const QString& processDir) {
  const QString comm = QString::fromLocal8Bit(ReadSmallFile(processDir + "/comm")).trimmed();
  const QByteArray cmdline = ReadSmallFile(processDir + "/cmdline");
  const QString command =
      QFileInfo(QString::fromLocal8Bit(cmdline.left(cmdline.indexOf('\0')))).fileName();
  return !comm.isEmpty() && command.startsWith(comm) ? command : comm;
}

// The pty number whose master side this descriptor holds, or -1.
int MasterIndex(const QString& processDir, const QString& fd) {
  static const QRegularExpression index(QStringLiteral("^tty-index:\\s*(\\d+)$"),
                                        QRegularExpression::MultilineOption);
  const auto match = index.match(QString::fromLatin1(ReadSmallFile(processDir + "/fdinfo/" + fd)));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The processes that hold an advisory lock on the device: /proc/locks lists them for every user,
// by the file system's device (hex major:minor) and the inode.
QList<qint64> LockingProcesses(const QString& devicePath, const QString& procRoot) {
  QList<qint64> pids;
  struct stat info {};
  if (::stat(devicePath.toLocal8Bit().constData(), &info) != 0) return pids;
  const QByteArray file = QStringLiteral("%1:%2:%3")
                              .arg(major(info.st_dev), 2, 16, QLatin1Char('0'))
                              .arg(minor(info.st_dev), 2, 16, QLatin1Char('0'))
                              .arg(info.st_ino)
                              .toLatin1();
  // "1: FLOCK  ADVISORY  WRITE 4711 00:1a:3 0 EOF"
  for (const QByteArray& line : ReadSmallFile(procRoot + "/locks").split('\n')) {
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() >= 6 && fields[1] == "FLOCK" && fields[5] == file) {
      pids << fields[4].toLongLong();
    }
  }
  return pids;
}

QList<QString> ProcessDirs(const QString& procRoot) {
  QList<QString> dirs;
  const QDir proc(procRoot);
  for (const QString& name : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    bool number = false;
    name.toLongLong(&number);
    if (number) dirs << proc.filePath(name);
  }
  return dirs;
}
#endif

}  // namespace

QList<PortHolder> ProgramsHolding(const QString& devicePath, const QString& procRoot,
                                  bool* allSeen) {
  QList<PortHolder> holders;
  if (allSeen) *allSeen = true;
#ifdef Q_OS_LINUX
  const QString device = QFileInfo(devicePath).canonicalFilePath();
  if (device.isEmpty()) return holders;
  // With /proc mounted hidepid, other users' processes are not even listed; init always runs.
  if (allSeen && !QFileInfo::exists(procRoot + QStringLiteral("/1"))) *allSeen = false;
  static const QRegularExpression ptsPath(QStringLiteral("^/dev/pts/(\\d+)$"));
  const auto pts = ptsPath.match(device);
  const int ptsIndex = pts.hasMatch() ? pts.captured(1).toInt() : -1;

  for (const QString& processDir : ProcessDirs(procRoot)) {
    bool holdsDevice = false;
    bool holdsMaster = false;
    const QDir fds(processDir + "/fd");
    if (allSeen && ::access(fds.path().toLocal8Bit().constData(), R_OK) != 0 && errno != ENOENT)
      *allSeen = false;  // another user's process (one that ended meanwhile hides nothing)
    for (const QString& fd :
         fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
      const QString target = QFile::symLinkTarget(fds.filePath(fd));
      if (target == device) holdsDevice = true;
      if (ptsIndex >= 0 && target.endsWith(QLatin1String("ptmx")) &&
          MasterIndex(processDir, fd) == ptsIndex) {
        holdsMaster = true;
      }
    }
    if (holdsDevice && !holdsMaster) {
      holders << PortHolder{ProgramName(processDir), QFileInfo(processDir).fileName().toLongLong()};
    }
  }
#else
  Q_UNUSED(devicePath);
  Q_UNUSED(procRoot);
#endif
  return holders;
}

QList<PortHolder> RunningPrograms(const QStringList& names, const QString& procRoot) {
  QList<PortHolder> running;
#ifdef Q_OS_LINUX
  for (const QString& processDir : ProcessDirs(procRoot)) {
    const QString comm = QString::fromLocal8Bit(ReadSmallFile(processDir + "/comm")).trimmed();
    if (names.contains(comm)) {
      running << PortHolder{comm, QFileInfo(processDir).fileName().toLongLong()};
    }
  }
#else
  Q_UNUSED(names);
  Q_UNUSED(procRoot);
#endif
  return running;
}

DeviceGroup DeviceGroupOf(const QString& devicePath) {
  DeviceGroup group;
#ifdef Q_OS_LINUX
  struct stat info {};
  if (::stat(devicePath.toLocal8Bit().constData(), &info) != 0) return group;
  const mode_t groupReadWrite = S_IRGRP | S_IWGRP;
  if (info.st_gid == 0 || (info.st_mode & groupReadWrite) != groupReadWrite) return group;
  const struct group* entry = ::getgrgid(info.st_gid);
  if (!entry) return group;
  group.name = QString::fromLocal8Bit(entry->gr_name);

  // In this login: the process's groups. In the group database: the user's groups now.
  std::vector<gid_t> session(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
  session.resize(static_cast<std::size_t>(
      std::max(::getgroups(static_cast<int>(session.size()), session.data()), 0)));
  const bool inSession = ::getegid() == info.st_gid ||
                         std::find(session.begin(), session.end(), info.st_gid) != session.end();
  const struct passwd* user = ::getpwuid(::getuid());
  if (!user || inSession) return group;
  int count = 64;
  std::vector<gid_t> joined(static_cast<std::size_t>(count));
  if (::getgrouplist(user->pw_name, user->pw_gid, joined.data(), &count) < 0) {
    joined.resize(static_cast<std::size_t>(count));
    ::getgrouplist(user->pw_name, user->pw_gid, joined.data(), &count);
  }
  joined.resize(static_cast<std::size_t>(std::max(count, 0)));
  group.newLoginNeeded = std::find(joined.begin(), joined.end(), info.st_gid) != joined.end();
#else
  Q_UNUSED(devicePath);
#endif
  return group;
}

QList<PortHolder> PortHolders(const QString& devicePath, const QString& procRoot) {
  QList<PortHolder> holders = ProgramsHolding(devicePath, procRoot);
  const auto add = [&](const QString& program, qint64 pid) {
    const bool named = std::any_of(holders.begin(), holders.end(),
                                   [&](const PortHolder& h) { return h.pid == pid; });
    if (!named && pid > 0) holders << PortHolder{program, pid};
  };
#ifdef Q_OS_LINUX
  for (const qint64 pid : LockingProcesses(devicePath, procRoot)) {
    const QString processDir = QStringLiteral("%1/%2").arg(procRoot).arg(pid);
    if (pid != QCoreApplication::applicationPid()) add(ProgramName(processDir), pid);
  }
#endif
  for (const PortLockFile& lock : LockFilesOf(devicePath)) {
    if (lock.live) add(lock.program, lock.pid);
  }
  return holders;
}

void NameStaleLock(LinkFailure& failure) {
  if (failure.kind != LinkFailure::Kind::Busy || !failure.holders.isEmpty()) return;
  for (const PortLockFile& lock : LockFilesOf(failure.path)) {
    if (lock.live) continue;
    failure.kind = LinkFailure::Kind::StaleLock;
    failure.holders = {PortHolder{lock.program, lock.pid}};
    failure.lockFile = lock.file;
    return;
  }
}

void Diagnose(LinkFailure& failure) {
  using Kind = LinkFailure::Kind;
  switch (failure.kind) {
    case Kind::Busy:
      failure.holders = PortHolders(failure.path);
      failure.takers = RunningPrograms(kPortTakers);
      break;
    case Kind::Missing:
    case Kind::Unmapped:
      failure.takers = RunningPrograms({QStringLiteral("brltty")});
      break;
    case Kind::NoPermission: {
      const DeviceGroup group = DeviceGroupOf(failure.path);
      failure.group = group.name;
      failure.newLoginNeeded = group.newLoginNeeded;
      break;
    }
    default:
      break;
  }
}

}  // namespace vorlan
