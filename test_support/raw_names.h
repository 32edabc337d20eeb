#pragma once
// Folders looked at as the system's bytes: Qt's listing cannot show a name that is not UTF-8, nor
// QTemporaryDir remove it.

#include <dirent.h>

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vorlan::test {

// The names in the folder, "." and ".." left out, sorted.
inline QList<QByteArray> RawNamesIn(const QByteArray& folder) {
  QList<QByteArray> names;
  if (DIR* dir = ::opendir(folder.constData())) {
    while (const dirent* entry = ::readdir(dir)) {
      const QByteArray name(entry->d_name);
      if (name != "." && name != "..") names << name;
    }
    ::closedir(dir);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Removes what the folder holds, so that its QTemporaryDir can remove the folder.
inline void EmptyFolder(const QByteArray& folder) {
  std::error_code ignored;
  for (const QByteArray& name : RawNamesIn(folder)) {
    std::filesystem::remove_all(std::filesystem::path((folder + '/' + name).toStdString()),
                                ignored);
  }
}

}  // namespace vorlan::test
