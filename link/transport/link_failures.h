#pragma once
// Why opening a serial port failed, as the kind of failure.

#include <QSerialPort>

#include "link/link_failure.h"

namespace vorlan {

// `accessible` says whether this user may read and write the device path: a permission error on a
// path the user may use means another program holds the port (Qt reports a held lock and a busy
// device as a permission error).
LinkFailure::Kind OpenFailureKind(QSerialPort::SerialPortError error, bool accessible);

}  // namespace vorlan
