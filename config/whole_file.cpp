#include "config/whole_file.h"

#include <QtGlobal>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#else
#include <windows.h>

#include <QDir>
#include <QRandomGenerator>
#endif

#include "config/file_names.h"

namespace vorlan {

#ifdef Q_OS_UNIX

namespace {

// The file a link leads to, so that the link stays a link; the path itself otherwise.
QByteArray TargetOf(const QByteArray& path) {
  struct stat info {};
  if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  return ::realpath(path.constData(), resolved) ? QByteArray(resolved) : path;
}

// The mode the saved file gets: an existing file's own, else as `access` says.
mode_t ModeFor(const QByteArray& target, FileAccess access) {
  struct stat info {};
  if (::stat(target.constData(), &info) == 0) return info.st_mode & 07777;
  if (access == FileAccess::UserOnly) return 0600;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, const QByteArray& bytes) {
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t n =
        ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += n;
  }
  return true;
}

// Best effort: the rename is done; a folder that cannot be synced changes nothing of that.
void SyncFolderOf(const QByteArray& target) {
  const qsizetype slash = target.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? "/" : target.left(slash);
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<QString> SaveWholeFile(const QString& path, const QByteArray& bytes,
                                     FileAccess access) {
  const QByteArray target = TargetOf(FileNameBytes(path));
  QByteArray temporary = target + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());  // 0600 until it is whole
  if (fd < 0) return qt_error_string(errno);
  const bool whole =
      WriteAll(fd, bytes) && ::fchmod(fd, ModeFor(target, access)) == 0 && ::fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = ::close(fd) == 0;
  if (whole && closed && ::rename(temporary.constData(), target.constData()) == 0) {
    SyncFolderOf(target);
    return std::nullopt;
  }
  const int error = !whole ? writeError : errno;
  ::unlink(temporary.constData());
  return qt_error_string(error);
}

#else

namespace {

const wchar_t* Wide(const QString& path) {
  return reinterpret_cast<const wchar_t*>(path.utf16());
}

QString LastError() {
  return qt_error_string(static_cast<int>(GetLastError()));
}

// A new file beside the target, only this program's; INVALID_HANDLE_VALUE when none can be made.
HANDLE CreateBeside(const QString& target, QString& temporary) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = target + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8,
                                                       16, QChar('0'));
    const HANDLE file = CreateFileW(Wide(temporary), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, const QByteArray& bytes) {
  for (qsizetype done = 0; done < bytes.size();) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<qsizetype>(bytes.size() - done, 1 << 20));
    if (!WriteFile(file, bytes.constData() + done, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

}  // namespace

// The file's permissions are those of its folder (as a file saved in place would get); `access`
// has no further say here.
std::optional<QString> SaveWholeFile(const QString& path, const QByteArray& bytes,
                                     FileAccess /*access*/) {
  const QString target = QDir::toNativeSeparators(path);
  QString temporary;
  const HANDLE file = CreateBeside(target, temporary);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  const bool whole = WriteAll(file, bytes) && FlushFileBuffers(file);
  const QString writeError = whole ? QString() : LastError();
  const bool closed = CloseHandle(file);
  if (whole && closed &&
      MoveFileExW(Wide(temporary), Wide(target),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return std::nullopt;
  }
  const QString reason = whole ? LastError() : writeError;
  DeleteFileW(Wide(temporary));
  return reason;
}

#endif

}  // namespace vorlan
