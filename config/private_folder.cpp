#include "config/private_folder.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#else
#include <filesystem>
#include <system_error>
#endif

#include "config/file_names.h"

namespace vorlan {
namespace {

ConfigProblem CannotMake(const QString& folder, const QString& reason) {
  return ConfigProblem{ConfigProblem::Kind::CannotMakeFolder, folder, {}, {}, reason};
}

}  // namespace

#ifdef Q_OS_UNIX

namespace {

ConfigProblem Foreign(const QString& folder, bool link) {
  ConfigProblem problem{ConfigProblem::Kind::ForeignFolder, folder};
  problem.found = link ? 1 : 0;
  return problem;
}

// Each missing folder on the way, the last one included; a link on the way is followed, as the
// system does for any path.
bool MakeFolders(const QByteArray& path) {
  for (qsizetype slash = path.indexOf('/', 1);; slash = path.indexOf('/', slash + 1)) {
    const QByteArray prefix = slash < 0 ? path : path.left(slash);
    if (!prefix.isEmpty() && ::mkdir(prefix.constData(), 0700) != 0 && errno != EEXIST) {
      return false;
    }
    if (slash < 0) return true;
  }
}

}  // namespace

std::optional<ConfigProblem> MakePrivateFolder(const QString& folder) {
  const QByteArray path = FileNameBytes(folder);
  if (!MakeFolders(path)) return CannotMake(folder, qt_error_string(errno));
  struct stat entry {};
  if (::lstat(path.constData(), &entry) == 0 && S_ISLNK(entry.st_mode)) {
    struct stat target {};
    const bool own = ::stat(path.constData(), &target) == 0 && S_ISDIR(target.st_mode) &&
                     target.st_uid == ::geteuid();
    if (own) return std::nullopt;
    return Foreign(folder, true);
  }
  // Opened without following a link, so that the mode set is the folder's own.
  const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return CannotMake(folder, qt_error_string(errno));
  struct stat info {};
  std::optional<ConfigProblem> problem;
  if (::fstat(fd, &info) != 0) {
    problem = CannotMake(folder, qt_error_string(errno));
  } else if (info.st_uid != ::geteuid()) {
    problem = Foreign(folder, false);
  } else if ((info.st_mode & 07777) != 0700 && ::fchmod(fd, 0700) != 0) {
    problem = CannotMake(folder, qt_error_string(errno));
  }
  ::close(fd);
  return problem;
}

#else

// Windows keeps a folder under the user's profile for the user by its inherited access list.
std::optional<ConfigProblem> MakePrivateFolder(const QString& folder) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(folder.toStdU16String()), error);
  if (!error) return std::nullopt;
  return CannotMake(folder, QString::fromStdString(error.message()));
}

#endif

}  // namespace vorlan
