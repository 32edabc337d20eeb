#include "config/native_files.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#else
#include <QDir>
#include <QFile>
#include <QFileInfo>
#endif

#include "config/file_names.h"

namespace vorlan {

#ifdef Q_OS_UNIX

namespace {

QString SystemReason() {
  return qt_error_string(errno);
}

}  // namespace

PathStatus LookAt(const QString& path) {
  struct stat info {};
  if (::stat(FileNameBytes(path).constData(), &info) != 0) return {};
  return {S_ISREG(info.st_mode) ? PathKind::RegularFile : PathKind::Other,
          static_cast<qint64>(info.st_size)};
}

bool NameTaken(const QString& path) {
  struct stat info {};
  return ::lstat(FileNameBytes(path).constData(), &info) == 0;
}

std::variant<QByteArray, QString> ReadFileBytes(const QString& path, qint64 limit) {
  const int fd = ::open(FileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return SystemReason();
  QByteArray bytes;
  char buffer[16384];
  while (bytes.size() < limit) {
    const qint64 wanted = std::min<qint64>(sizeof buffer, limit - bytes.size());
    const ssize_t got = ::read(fd, buffer, static_cast<size_t>(wanted));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const QString reason = SystemReason();
      ::close(fd);
      return reason;
    }
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  ::close(fd);
  return bytes;
}

QStringList FileNamesIn(const QString& folder) {
  QStringList names;
  DIR* dir = ::opendir(FileNameBytes(folder).constData());
  if (!dir) return names;
  const QString prefix = folder.endsWith('/') ? folder : folder + '/';
  while (const dirent* entry = ::readdir(dir)) {
    const QString name = FileNameFromBytes(QByteArray(entry->d_name));
    if (LookAt(prefix + name).kind == PathKind::RegularFile) names << name;
  }
  ::closedir(dir);
  names.sort();
  return names;
}

std::optional<QString> RemoveFile(const QString& path) {
  if (::unlink(FileNameBytes(path).constData()) == 0) return std::nullopt;
  return SystemReason();
}

#else

PathStatus LookAt(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return {};
  return {info.isFile() ? PathKind::RegularFile : PathKind::Other, info.size()};
}

bool NameTaken(const QString& path) {
  return QFileInfo(path).exists() || QFileInfo(path).isSymLink();
}

std::variant<QByteArray, QString> ReadFileBytes(const QString& path, qint64 limit) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return file.errorString();
  QByteArray bytes = file.read(limit);
  if (file.error() != QFileDevice::NoError) return file.errorString();
  return bytes;
}

QStringList FileNamesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files, QDir::Name);
}

std::optional<QString> RemoveFile(const QString& path) {
  QFile file(path);
  if (file.remove()) return std::nullopt;
  return file.errorString();
}

#endif

}  // namespace vorlan
