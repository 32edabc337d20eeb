#include "link/transport/win_link_failures.h"

#include <windows.h>

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <array>

namespace vorlan {

LinkFailure::Kind OpenFailureKind(unsigned long error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return LinkFailure::Kind::Missing;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return LinkFailure::Kind::Busy;
    default:
      return LinkFailure::Kind::OpenFailed;
  }
}

bool DeviceGone(unsigned long error) {
  // What drivers answer on a port whose device was removed while it was open.
  constexpr std::array<unsigned long, 8> kGone = {
      ERROR_ACCESS_DENIED,  ERROR_BAD_COMMAND,    ERROR_GEN_FAILURE,   ERROR_DEVICE_NOT_CONNECTED,
      ERROR_FILE_NOT_FOUND, ERROR_INVALID_HANDLE, ERROR_DEV_NOT_EXIST, ERROR_DEVICE_REMOVED,
  };
  return std::find(kGone.begin(), kGone.end(), error) != kGone.end();
}

QString SystemErrorText(unsigned long error) {
  return qt_error_string(static_cast<int>(error)).trimmed();
}

}  // namespace vorlan
