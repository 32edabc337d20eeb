#include "link/transport/link_failures.h"

namespace vorlan {

LinkFailure::Kind OpenFailureKind(QSerialPort::SerialPortError error, bool accessible) {
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return LinkFailure::Kind::Missing;
    case QSerialPort::PermissionError:
      return accessible ? LinkFailure::Kind::Busy : LinkFailure::Kind::NoPermission;
    default:
      return LinkFailure::Kind::OpenFailed;
  }
}

}  // namespace vorlan
