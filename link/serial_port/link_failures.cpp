#include "link/serial_port/link_failures.h"

namespace vorlan {

LinkFailure::Kind OpenFailureKind(QSerialPort::SerialPortError error, bool accessible) {
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return LinkFailure::Kind::Missing;
    case QSerialPort::PermissionError:
#ifdef Q_OS_WIN
      accessible = true;  // Windows denies access to a port that another program has open
#endif
      return accessible ? LinkFailure::Kind::Busy : LinkFailure::Kind::NoPermission;
    default:
      return LinkFailure::Kind::OpenFailed;
  }
}

}  // namespace vorlan
